#pragma once

namespace tv {

// The running "Wszystko o..." chain: set by its launch, advanced by the test
// window after each judged test. It stays set after the chain's result until
// the next single test is launched.
struct ChainProgress {
    bool active = false;
    int chain = 0;     // 1..7
    int step = 0;      // the test of the chain now running, from 1
    int taskTotal = 0; // markers in the whole chain
};

} // namespace tv
