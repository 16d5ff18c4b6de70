#pragma once

#include <QString>

namespace tv {

// The test the next test window opens: bare file names, joined to the data
// directory when used. The title is the text of the main window's title strip.
struct LaunchRequest {
    QString configurationFile;
    QString descriptionFile;
    QString pictureFile;
};

// The running "Wszystko o..." chain.
struct CompositeState {
    int flag = 0;      // 1 while a chain runs
    int chain = 0;     // 1..7
    int step = 0;      // test of the chain now running, from 1
    int taskTotal = 0; // markers in the whole chain
};

// The client-server session as the main window knows it.
struct SessionState {
    int flag = 0; // 1 while a session is active
    QString userName;
    int disconnectReason = 11;
};

} // namespace tv
