// The lock that serialises the writes of Wyniki.tvw and konf.dat among the
// copies of the program, and the clean-up of what interrupted writes leave.

#include "Scripted.h"
#include "platform/FileLock.h"
#include "profile/Settings.h"
#include "results/ResultRecord.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace tv;

namespace {

const ResultRecord kRecord{QStringLiteral("Ala"), QStringLiteral("Test: Europa - Stolice"),
                           QStringLiteral("1 min 5 sek"), QStringLiteral("12"), QStringLiteral("10"),
                           QStringLiteral("2"), QStringLiteral("Dobry (4)")};

// A lock file as another copy of the program leaves it: its process id, its
// name and its computer, written when it took the lock.
void writeForeignLock(const QString &lockPath, qint64 pid, const QString &host, int ageSeconds)
{
    QFile f(lockPath);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray::number(pid) + "\nterravia\n" + host.toUtf8() + "\n");
    f.close();
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-ageSeconds), QFileDevice::FileModificationTime));
}

// This computer as Qt's lock files name it.
QString lockHost()
{
#ifdef Q_OS_WIN
    return qEnvironmentVariable("COMPUTERNAME");
#else
    return QSysInfo::machineHostName();
#endif
}

// A file written some time ago.
void makeOld(const QString &path, int ageSeconds)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-ageSeconds), QFileDevice::FileModificationTime));
}

} // namespace

class TestFileLock : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { files::setLockTimes(0, 0); }

    void writersWaitForAnotherCopy()
    {
        test::TempDataDir data;
        data.write("Wyniki.tvw", "");
        data.writeLines("konf.dat", {"1", "1", "", "", "1"});
        files::setLockTimes(150, 60000);
        // Another copy, alive, holds both locks.
        QLockFile results(files::WriteLock::lockPathFor(data.file("Wyniki.tvw")));
        QLockFile settings(files::WriteLock::lockPathFor(data.file("konf.dat")));
        QVERIFY(results.tryLock());
        QVERIFY(settings.tryLock());

        const Status appended = appendResult(data.path(), kRecord);
        QVERIFY(!appended.ok);
        QVERIFY(appended.message.contains(QLatin1String("Wyniki.tvw")));
        QVERIFY(appended.message.contains(QLatin1String("inna kopia programu Terravia")));
        QCOMPARE(data.read("Wyniki.tvw"), QByteArray());
        QVERIFY(!saveSettingsLines(data.path(), {"0"}).ok);
        QCOMPARE(data.read("konf.dat"), QByteArray("1\r\n1\r\n\r\n\r\n1\r\n"));

        // Released, the same writes go through.
        results.unlock();
        settings.unlock();
        QVERIFY(appendResult(data.path(), kRecord).ok);
        QVERIFY(saveSettingsLines(data.path(), {"0"}).ok);
        QCOMPARE(data.read("konf.dat"), QByteArray("0\r\n"));
        // And leave no lock behind.
        QCOMPARE(QDir(data.path()).entryList(QDir::Files, QDir::Name), (QStringList{"Wyniki.tvw", "konf.dat"}));
    }

    // A copy that dies holding the lock: on this computer its lock is free
    // at once (its process is gone); from another computer only after the
    // stale time.
    void abandonedLocks_data()
    {
        QTest::addColumn<bool>("sameComputer");
        QTest::addColumn<int>("ageSeconds");
        QTest::addColumn<bool>("taken");
        QTest::newRow("this computer, just now") << true << 0 << true;
        QTest::newRow("another computer, just now") << false << 0 << false;
        QTest::newRow("another computer, a minute ago") << false << 60 << true;
    }
    void abandonedLocks()
    {
        QFETCH(bool, sameComputer);
        QFETCH(int, ageSeconds);
        QFETCH(bool, taken);
        test::TempDataDir data;
        files::setLockTimes(300, 0);
        qint64 pid = 999999;
#ifdef Q_OS_UNIX
        if (sameComputer) {
            // A real process that took the lock and was killed holding it.
            const pid_t child = fork();
            if (child == 0) {
                QLockFile held(files::WriteLock::lockPathFor(data.file("Wyniki.tvw")));
                held.tryLock();
                _exit(held.isLocked() ? 0 : 1);
            }
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            QVERIFY(QFile::exists(files::WriteLock::lockPathFor(data.file("Wyniki.tvw"))));
            pid = child;
        }
#endif
        if (!sameComputer || pid == 999999)
            writeForeignLock(files::WriteLock::lockPathFor(data.file("Wyniki.tvw")), pid,
                             sameComputer ? lockHost() : QStringLiteral("pracownia-2"), ageSeconds);
        QElapsedTimer clock;
        clock.start();
        const Status appended = appendResult(data.path(), kRecord);
        QCOMPARE(appended.ok, taken);
        if (taken)
            QVERIFY(clock.elapsed() < 250); // not a wait for the stale time
        QCOMPARE(data.has("Wyniki.tvw"), taken);
    }

    // A copy killed while removing a stale lock leaves Qt's removal lock
    // behind, empty; older than the stale time it holds no write back.
    void abandonedRemovalLock()
    {
        test::TempDataDir data;
        files::setLockTimes(300, 1000);
        const QString lock = files::WriteLock::lockPathFor(data.file("Wyniki.tvw"));
        writeForeignLock(lock, 999999, QStringLiteral("pracownia-2"), 60);
        QFile removal(lock + QStringLiteral(".rmlock"));
        QVERIFY(removal.open(QIODevice::ReadWrite));
        QVERIFY(removal.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-10), QFileDevice::FileModificationTime));
        removal.close();
        QVERIFY(appendResult(data.path(), kRecord).ok);
        QVERIFY(data.has("Wyniki.tvw"));
    }

    void staleTemporariesGoOthersStay()
    {
        test::TempDataDir data;
        const QStringList ours{"Wyniki.tvw.aBcDeF", "WYNIKI.TVW.QwErTy", "konf.dat.XyzAbc"};
        const QStringList others{"Wyniki.tvw", "konf.dat", "Wyniki.tvw.bak", "Wyniki.tvw.abc123",
                                 "Wyniki.tvw.abcdefg", "Wyniki.tvwaBcDeF", "ES.dat.aBcDeF"};
        for (const QString &name : ours + others) {
            data.write(name, "x");
            makeOld(data.file(name), 60);
        }
        QCOMPARE(files::removeStaleTemporaries(data.file("Wyniki.tvw")), 2);
        QCOMPARE(files::removeStaleTemporaries(data.file("konf.dat")), 1);
        QStringList left = QDir(data.path()).entryList(QDir::Files);
        QStringList expected = others;
        left.sort();
        expected.sort();
        QCOMPARE(left, expected);
    }

    // Only what the program's own writes leave goes, and only once no
    // write could still be using it.
    void onlyOldTemporariesOfOurWritesGo_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("ageSeconds");
        QTest::addColumn<bool>("removed");
        QTest::newRow("a teacher's backup") << "Wyniki.tvw.backup" << 60 << false;
        QTest::newRow("the backup capitalised") << "Wyniki.tvw.Backup" << 60 << false;
        QTest::newRow("the backup in capitals") << "Wyniki.tvw.BACKUP" << 60 << false;
        QTest::newRow("a temporary of a write cut short") << "Wyniki.tvw.bAckUp" << 60 << true;
        QTest::newRow("a temporary just written") << "Wyniki.tvw.bAckUp" << 0 << false;
    }
    void onlyOldTemporariesOfOurWritesGo()
    {
        QFETCH(QString, name);
        QFETCH(int, ageSeconds);
        QFETCH(bool, removed);
        test::TempDataDir data;
        data.write(name, "x");
        makeOld(data.file(name), ageSeconds);
        QCOMPARE(files::removeStaleTemporaries(data.file("Wyniki.tvw")), removed ? 1 : 0);
        QCOMPARE(data.has(name), !removed);
    }

    void temporariesOfAWriteInProgressStay()
    {
        test::TempDataDir data;
        data.write("konf.dat.aBcDeF", "1\r\n");
        files::setLockTimes(100, 60000);
        QLockFile writing(files::WriteLock::lockPathFor(data.file("konf.dat")));
        QVERIFY(writing.tryLock());
        QCOMPARE(files::removeStaleTemporaries(data.file("konf.dat")), 0);
        QVERIFY(data.has("konf.dat.aBcDeF"));
    }
};

QTEST_GUILESS_MAIN(TestFileLock)
#include "tst_filelock.moc"
