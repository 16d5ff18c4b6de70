#pragma once

namespace tv {

// What the result dialog and the test window share about the result of the
// test on screen.
struct ResultState {
    // Whether the test window may close.
    enum class Closing {
        Allowed, // local mode: the ordinary rules
        Now,     // the result was sent (or the teacher ended the test): close at once
        Pending, // a result is waiting in the dialog: the window stays
    };

    int countdown = 30; // seconds before a session's result is sent by itself
    Closing closing = Closing::Allowed;
    // Set while the result is shown: the window takes no more drops.
    bool testFinished = false;

    // What a request to close the test window comes to. In a lesson the
    // window stays until its result is sent (or the teacher ends the test);
    // alone, a pending result keeps it too.
    enum class CloseAnswer { Stay, CloseAtOnce, CloseLocally };
    CloseAnswer answerClose(bool sessionActive) const
    {
        if (!sessionActive && closing == Closing::Allowed)
            return CloseAnswer::CloseLocally;
        return closing == Closing::Now ? CloseAnswer::CloseAtOnce : CloseAnswer::Stay;
    }
};

} // namespace tv
