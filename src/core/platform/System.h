#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

namespace tv {

// The kinds of platform that the access-password file location depends on.
enum class PlatformFamily { Win32s, Windows9x, WindowsNT, Other };

// 0 Win32s, 1 the Windows 95/98/Me family, 2 NT with a version text beginning
// "5.1" (Windows XP) or any platform that is not Windows, 3 any other NT.
int osKind(PlatformFamily family, int major, int minor);
// The kind of the machine the program runs on.
int detectOsKind();

// Time as the program sees it. Windows and engines ask the clock instead of
// the system, so tests can move time by hand.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // A millisecond tick count that only grows.
    virtual qint64 tickMs() const = 0;

    static Clock &current();
    // Installs a clock (tests); nullptr restores the system clock.
    static void install(Clock *clock);
};

// "Data: [" + today's date in the system's short date format + "]"
QString shortDate(const QDate &date);

// A write beyond the file-size limit of the process (ulimit -f) must fail
// with an error the writer can report and undo, instead of the signal that
// ends the program by default and leaves half a record behind. Called once,
// first thing at start-up.
void ignoreFileSizeSignal();

// Waits ms milliseconds while pending events run (opening animations).
void waitMs(int ms);
// A plain sleep without event processing (the splash second).
void sleepMs(int ms);
// Tests replace both with a recorder so that nothing waits in real time.
using WaitHook = std::function<void(int ms, bool processEvents)>;
void setWaitHook(WaitHook hook);

} // namespace tv
