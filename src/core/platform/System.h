#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

namespace tv {

// The kinds of platform that the access-password file location depends on.
enum class PlatformFamily { Win32s, Windows9x, WindowsNT, Other };

// Where the access-password file is kept: all that the system's kind decides.
//   None           Win32s: no file; leaving client mode clears the Windows folder's.
//   WindowsFolder  the Windows 95/98/Me family, NT whose version text begins
//                  "5.1" (Windows XP), and any platform that is not Windows.
//   WinntFolder    any other NT; reading falls back to the Windows folder.
enum class PasswordPlace { None, WindowsFolder, WinntFolder };
PasswordPlace passwordPlace(PlatformFamily family, int major, int minor);
// The place on the machine the program runs on.
PasswordPlace detectPasswordPlace();

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

// Lets the window messages already waiting run before a long step goes on,
// so that what the step has just changed on screen (a caption, the loading
// window's text, a marker emptied) is painted before the pupil waits for the
// rest. The one place the program lets events run inside a command; a caller
// must stay safe against a click arriving meanwhile.
void letPendingEventsRun();
// Waits ms milliseconds while pending events run (opening animations).
void waitMs(int ms);
// A plain sleep without event processing (the splash second).
void sleepMs(int ms);
// Tests replace both with a recorder so that nothing waits in real time.
using WaitHook = std::function<void(int ms, bool processEvents)>;
void setWaitHook(WaitHook hook);

} // namespace tv
