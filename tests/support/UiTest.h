#pragma once

#include "Scripted.h"
#include "app/Application.h"

#include <QObject>

namespace tv::test {

// The surroundings of a window test: a fresh data directory, the scripted
// desktop and recorded waits, set up by init() and taken down by cleanup().
class UiTest : public QObject {
protected:
    TempDataDir *data = nullptr;
    ScriptedServices *services = nullptr;
    WaitRecorder *waits = nullptr;
    Application *app = nullptr;

    void begin();
    // The program's windows, created as at start-up (after the files the
    // test needs are in place).
    void createApp();
    // The windows go first, then what they used.
    void end();
};

} // namespace tv::test
