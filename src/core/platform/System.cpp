#include "System.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QOperatingSystemVersion>
#include <QThread>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace tv {

PasswordPlace passwordPlace(PlatformFamily family, int major, int minor)
{
    switch (family) {
    case PlatformFamily::Win32s:
        return PasswordPlace::None;
    case PlatformFamily::Windows9x:
        return PasswordPlace::WindowsFolder;
    case PlatformFamily::WindowsNT:
        // The version is compared as the text "major.minor": 5.1 is XP, and
        // so is "5.10", as the program has always read it.
        return QStringLiteral("%1.%2").arg(major).arg(minor).startsWith(QLatin1String("5.1"))
                   ? PasswordPlace::WindowsFolder
                   : PasswordPlace::WinntFolder;
    case PlatformFamily::Other:
        break;
    }
    return PasswordPlace::WindowsFolder;
}

PasswordPlace detectPasswordPlace()
{
#ifdef Q_OS_WIN
    // Qt runs only on the NT family.
    const auto v = QOperatingSystemVersion::current();
    return passwordPlace(PlatformFamily::WindowsNT, v.majorVersion(), v.minorVersion());
#else
    return passwordPlace(PlatformFamily::Other, 0, 0);
#endif
}

void ignoreFileSizeSignal()
{
#ifdef Q_OS_UNIX
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

namespace {

class SystemClock final : public Clock {
public:
    SystemClock() { timer.start(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 tickMs() const override { return timer.elapsed(); }

private:
    QElapsedTimer timer;
};

Clock *&installedClock()
{
    static Clock *c = nullptr;
    return c;
}

WaitHook &waitHook()
{
    static WaitHook h;
    return h;
}

} // namespace

Clock &Clock::current()
{
    static SystemClock system;
    Clock *c = installedClock();
    return c ? *c : system;
}

void Clock::install(Clock *clock)
{
    installedClock() = clock;
}

QString shortDate(const QDate &date)
{
    // A machine without a configured locale reports "C"; the program is
    // Polish, so it then writes dates the Polish way.
    QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::Polish, QLocale::Poland);
    return locale.toString(date, QLocale::ShortFormat);
}

void letPendingEventsRun()
{
    QCoreApplication::processEvents();
}

void waitMs(int ms)
{
    if (waitHook()) {
        waitHook()(ms, true);
        return;
    }
    QElapsedTimer t;
    t.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (t.elapsed() < ms)
            QThread::msleep(1);
    } while (t.elapsed() < ms);
}

void sleepMs(int ms)
{
    if (waitHook()) {
        waitHook()(ms, false);
        return;
    }
    QThread::msleep(static_cast<unsigned long>(ms));
}

void setWaitHook(WaitHook hook)
{
    waitHook() = std::move(hook);
}

} // namespace tv
