#include "Scripted.h"
#include "platform/LineFile.h"
#include "platform/System.h"
#include "results/ResultRecord.h"

#include <QDir>
#include <QFile>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#endif

using namespace tv;

class TestSystem : public QObject {
    Q_OBJECT

private slots:
    void passwordPlace_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("place");
        QTest::newRow("Win32s") << int(PlatformFamily::Win32s) << 3 << 1 << int(PasswordPlace::None);
        QTest::newRow("Windows 98") << int(PlatformFamily::Windows9x) << 4 << 10 << int(PasswordPlace::WindowsFolder);
        QTest::newRow("XP 5.1") << int(PlatformFamily::WindowsNT) << 5 << 1 << int(PasswordPlace::WindowsFolder);
        QTest::newRow("2000 5.0") << int(PlatformFamily::WindowsNT) << 5 << 0 << int(PasswordPlace::WinntFolder);
        QTest::newRow("Server 2003 5.2") << int(PlatformFamily::WindowsNT) << 5 << 2 << int(PasswordPlace::WinntFolder);
        QTest::newRow("Vista 6.0") << int(PlatformFamily::WindowsNT) << 6 << 0 << int(PasswordPlace::WinntFolder);
        // Compared as text: "5.10" begins with "5.1".
        QTest::newRow("5.10 as text") << int(PlatformFamily::WindowsNT) << 5 << 10 << int(PasswordPlace::WindowsFolder);
        QTest::newRow("Windows 10") << int(PlatformFamily::WindowsNT) << 10 << 0 << int(PasswordPlace::WinntFolder);
        QTest::newRow("15.1 is not 5.1") << int(PlatformFamily::WindowsNT) << 15 << 1 << int(PasswordPlace::WinntFolder);
        QTest::newRow("other platform") << int(PlatformFamily::Other) << 6 << 1 << int(PasswordPlace::WindowsFolder);
    }
    void passwordPlace()
    {
        QFETCH(int, family);
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, place);
        QCOMPARE(tv::passwordPlace(PlatformFamily(family), major, minor), PasswordPlace(place));
    }

    void thisMachineKeepsItInTheWindowsFolderUnlessWindows()
    {
#ifndef Q_OS_WIN
        QCOMPARE(detectPasswordPlace(), PasswordPlace::WindowsFolder);
#else
        QVERIFY(detectPasswordPlace() != PasswordPlace::None);
#endif
    }

    void waitsAndSleepsGoThroughTheHook()
    {
        test::WaitRecorder rec;
        waitMs(30);
        sleepMs(1000);
        QCOMPARE(rec.waits, QList<int>{30});
        QCOMPARE(rec.sleeps, QList<int>{1000});
    }

    void realWaitLetsEventsRun()
    {
        bool ran = false;
        QMetaObject::invokeMethod(this, [&] { ran = true; }, Qt::QueuedConnection);
        waitMs(5);
        QVERIFY(ran);
    }

    void shortDateIsNeverEmpty()
    {
        QVERIFY(!shortDate(QDate(2026, 9, 1)).isEmpty());
        QVERIFY(shortDate(QDate(2026, 9, 1)).contains(QLatin1String("2026"))
                || shortDate(QDate(2026, 9, 1)).contains(QLatin1String("26")));
    }

#ifdef Q_OS_UNIX
    // A disk that fills up half way through, or a new file that cannot take
    // the old one's place: the old file stays whole and the failure is told.
    void failedRewriteKeepsTheOldFile_data()
    {
        QTest::addColumn<bool>("renameRefused");
        QTest::newRow("disk full half way") << false;
        QTest::newRow("old file may not be replaced") << true;
    }
    void failedRewriteKeepsTheOldFile()
    {
        QFETCH(bool, renameRefused);
        test::TempDataDir data;
        const QString path = data.file(QStringLiteral("konf.dat"));
        QVERIFY(lines::writeFile(path, {QStringLiteral("1"), QStringLiteral("0")}));
        QStringList big;
        for (int i = 0; i < 2000; ++i)
            big << QStringLiteral("Uczeń numer %1").arg(i);
        Status st;
        if (renameRefused) {
#ifdef Q_OS_LINUX
            // An append-only file can be opened for writing but not renamed
            // over, so every write succeeds and only the final step fails.
            const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
            QVERIFY(fd >= 0);
            int flags = 0;
            const bool set = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0
                && (flags |= FS_APPEND_FL, ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0);
            if (!set) {
                ::close(fd);
                QSKIP("this file system or user cannot make a file append-only");
            }
            st = lines::writeFile(path, big);
            flags &= ~FS_APPEND_FL;
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
            ::close(fd);
#else
            QSKIP("needs append-only files");
#endif
        } else {
            test::FileSizeLimit limit(1000);
            st = lines::writeFile(path, big);
        }
        QVERIFY(!st.ok);
        QVERIFY(st.message.contains(QLatin1String("konf.dat")));
        QCOMPARE(data.read(QStringLiteral("konf.dat")), QByteArray("1\r\n0\r\n"));
        QCOMPARE(QDir(data.path()).entryList(QDir::Files), QStringList{QStringLiteral("konf.dat")});
    }

    void failedAppendKeepsEarlierRecordsWhole()
    {
        test::TempDataDir data;
        const QString path = data.file(QStringLiteral("Wyniki.tvw"));
        QVERIFY(lines::appendFile(path, {QStringLiteral("Ala"), QStringLiteral("Test")}));
        const QByteArray before = data.read(QStringLiteral("Wyniki.tvw"));
        QStringList record;
        for (int i = 0; i < 7; ++i)
            record << QString(300, QLatin1Char('x'));
        Status st;
        {
            test::FileSizeLimit limit(before.size() + 100);
            st = lines::appendFile(path, record);
        }
        QVERIFY(!st.ok);
        QCOMPARE(data.read(QStringLiteral("Wyniki.tvw")), before);
    }

    // A copy of the program appending beyond its file-size limit: with the
    // signal ignored as at start-up the write fails and is taken back; left
    // to its default, the signal would end the program half way through.
    void fileSizeLimitFailsTheWriteInsteadOfEndingTheProgram_data()
    {
        QTest::addColumn<bool>("asAtStartUp");
        QTest::newRow("signal ignored at start-up") << true;
        QTest::newRow("signal left to its default") << false;
    }
    void fileSizeLimitFailsTheWriteInsteadOfEndingTheProgram()
    {
        QFETCH(bool, asAtStartUp);
        test::TempDataDir data;
        const QByteArray before = "Ala\r\nTest: Europa - Stolice\r\n1 min 5 sek\r\n12\r\n10\r\n2\r\nDobry (4)\r\n";
        data.write(QStringLiteral("Wyniki.tvw"), before);
        const pid_t child = fork();
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_DFL);
            if (asAtStartUp)
                ignoreFileSizeSignal();
            rlimit lim{};
            getrlimit(RLIMIT_FSIZE, &lim);
            lim.rlim_cur = static_cast<rlim_t>(before.size() + 100);
            setrlimit(RLIMIT_FSIZE, &lim);
            const ResultRecord big{QString(500, QLatin1Char('x')), "t", "c", "1", "1", "0", "g"};
            _exit(appendResult(data.path(), big).ok ? 1 : 0);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        if (asAtStartUp) {
            QVERIFY(WIFEXITED(status));
            QCOMPARE(WEXITSTATUS(status), 0); // the failure was reported
            QCOMPARE(data.read(QStringLiteral("Wyniki.tvw")), before);
        } else {
            QVERIFY(WIFSIGNALED(status));
            QCOMPARE(WTERMSIG(status), SIGXFSZ);
        }
    }
#endif
};

QTEST_GUILESS_MAIN(TestSystem)
#include "tst_system.moc"
