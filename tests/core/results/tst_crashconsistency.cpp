// Copies of the program killed in the middle of their writes: one appending
// results and saving konf.dat, one deleting results from the browser, both
// at once on the same files, each killed at a random moment, a few hundred
// times over. Afterwards no complete record is lost or altered, no record
// runs into another, the next append lands on a record boundary, and
// konf.dat holds the old or the new settings, never less.

#include "Scripted.h"
#include "platform/FileLock.h"
#include "platform/LineFile.h"
#include "profile/Settings.h"
#include "results/ResultRecord.h"
#include "results/ResultsFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace tv;
using results::Records;

namespace {

constexpr int kRounds = 200;

// Every line names its record and its place in it ("U12 3:Łódź"), so a line
// of one record read as part of another shows at once. U: appended by a
// result dialog; D: to be deleted in the browser; P: appended after a round.
QString lineOf(const QString &tag, int k);

ResultRecord numbered(QChar kind, qint64 id)
{
    const QString tag = kind + QString::number(id);
    return {lineOf(tag, 1), lineOf(tag, 2), lineOf(tag, 3), lineOf(tag, 4),
            lineOf(tag, 5), lineOf(tag, 6), lineOf(tag, 7)};
}

enum class Shape { Intact, CutShort, Broken };

QString lineOf(const QString &tag, int k)
{
    return tag + QLatin1Char(' ') + QChar(u'0' + k) + QStringLiteral(":Łódź");
}

// The beginning of a first line ("U12 1:Łódź") when the tag is not known.
bool beginsAFirstLine(const QString &text)
{
    if (text.isEmpty())
        return true;
    if (text.at(0) != QLatin1Char('U') && text.at(0) != QLatin1Char('D') && text.at(0) != QLatin1Char('P'))
        return false;
    qsizetype i = 1;
    while (i < text.size() && text.at(i).isDigit())
        ++i;
    return QStringLiteral(" 1:Łódź").startsWith(text.mid(i));
}

// A record is intact, or the beginning of one that a kill cut short (its
// last line maybe cut too, the rest empty), or broken.
Shape shapeOf(const ResultRecord &r, QString *tag)
{
    // The fields as read: a CR left at the end of a cut line stays.
    const QString f[7] = {r.user, r.title, r.time, r.tasks, r.good, r.bad, r.grade};
    const qsizetype blank = f[0].indexOf(QLatin1Char(' '));
    QString t = blank > 1 ? f[0].left(blank) : QString();
    if (!t.isEmpty() && f[0] != lineOf(t, 1))
        t.clear();
    *tag = t;
    int k = 0;
    while (k < 7 && !t.isEmpty() && f[k] == lineOf(t, k + 1))
        ++k;
    if (k == 7)
        return Shape::Intact;
    QString cut = f[k];
    if (cut.endsWith(QLatin1Char('\r')))
        cut.chop(1); // cut between CR and LF
    if (t.isEmpty() ? !beginsAFirstLine(cut) : !lineOf(t, k + 1).startsWith(cut))
        return Shape::Broken;
    for (int j = k + 1; j < 7; ++j)
        if (!f[j].isEmpty())
            return Shape::Broken;
    return Shape::CutShort;
}

#ifdef Q_OS_UNIX

const QStringList kSettingsA{"1", "1", "", "", "1", "Zoja Łęcka", "Adam"};
const QStringList kSettingsB{"0", "0", "C:\\Dźwięki\\klik.wav", "Brak dźwięku", "0", "Żaneta Ślęzak"};

// The copies of the program. Each runs until it is killed. One saves results
// and, in between, the users list (konf.dat, old and new in turn); the other
// deletes results in the browser.
[[noreturn]] void saveForever(const QString &dir, qint64 firstId)
{
    for (qint64 id = firstId;; ++id) {
        appendResult(dir, numbered(QLatin1Char('U'), id));
        saveSettingsLines(dir, id % 2 ? kSettingsA : kSettingsB);
    }
}

[[noreturn]] void deleteForever(const QString &path)
{
    for (;;) {
        const results::ReadRecords read = results::readRecordsFile(path);
        std::optional<size_t> row;
        for (size_t i = 0; i < read.records.size() && !row; ++i)
            if (read.records[i].user.startsWith(QLatin1Char('D')))
                row = i;
        // With nothing left to delete, the answer No: the file is rewritten
        // as shown.
        results::removeRecord(path, read.records, row, read.fingerprint);
    }
}

template<typename Work>
pid_t spawn(Work work)
{
    const pid_t pid = fork();
    if (pid == 0) {
        work();
        _exit(0);
    }
    return pid;
}

#endif

} // namespace

class TestCrashConsistency : public QObject {
    Q_OBJECT

private slots:
    void killedWritersLeaveWholeRecords()
    {
#ifndef Q_OS_UNIX
        QSKIP("needs fork and kill");
#else
        // In memory when the system offers it: the kills are what is tested,
        // and a disk's flushes would make the rounds slow.
        const QString shm = QStringLiteral("/dev/shm");
        QTemporaryDir data(QFileInfo(shm).isWritable() ? shm + QStringLiteral("/terravia-XXXXXX")
                                                       : QDir::tempPath() + QStringLiteral("/terravia-XXXXXX"));
        QVERIFY(data.isValid());
        const QString dir = data.path();
        const QString resultsPath = data.filePath("Wyniki.tvw");
        auto read = [&](const char *name) {
            QFile f(data.filePath(QString::fromLatin1(name)));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        // A lock left by a killed copy is taken over at once: its process is
        // gone. Qt creates the lock file before it writes the process id
        // into it, and a copy killed in between leaves an empty lock, which
        // only its age tells from a live one: here it is old after 100 ms.
        files::setLockTimes(3000, 100);
        Records seed;
        for (int i = 0; i < 120; ++i)
            seed.push_back(numbered(QLatin1Char('D'), i));
        QVERIFY(results::writeRecordsFile(resultsPath, seed));
        QVERIFY(saveSettingsLines(dir, kSettingsA));
        const QByteArray settingsA = lines::join(kSettingsA);
        const QByteArray settingsB = lines::join(kSettingsB);

        QSet<QString> everIntact; // appended results seen whole: never to go
        QRandomGenerator random(20260901);
        QElapsedTimer clock;
        clock.start();
        int cutShort = 0;
        for (int round = 0; round < kRounds; ++round) {
            const pid_t pids[2] = {
                spawn([&] { saveForever(dir, qint64(round) * 100000); }),
                spawn([&] { deleteForever(resultsPath); }),
            };
            for (const pid_t pid : pids) {
                QVERIFY(pid > 0);
                usleep(random.bounded(2000));
                kill(pid, SIGKILL);
            }
            for (const pid_t pid : pids)
                QCOMPARE(waitpid(pid, nullptr, 0), pid);

            // konf.dat: the old or the new settings.
            const QByteArray settings = read("konf.dat");
            QVERIFY2(settings == settingsA || settings == settingsB, settings.constData());

            // Wyniki.tvw: whole records, and records cut short by a kill.
            const QByteArray before = read("Wyniki.tvw");
            const Records records = results::parseRecords(before);
            QSet<QString> intact;
            for (const ResultRecord &r : records) {
                QString tag;
                const Shape shape = shapeOf(r, &tag);
                QVERIFY2(shape != Shape::Broken, qPrintable(r.user + '|' + r.title + '|' + r.grade));
                if (shape == Shape::Intact && tag.startsWith(QLatin1Char('U'))) {
                    QVERIFY2(!intact.contains(tag), qPrintable(tag)); // stored once
                    intact.insert(tag);
                }
                cutShort += shape == Shape::CutShort ? 1 : 0;
            }
            for (const QString &tag : std::as_const(everIntact))
                QVERIFY2(intact.contains(tag), qPrintable(QStringLiteral("lost: ") + tag));
            everIntact = intact;

            // The next result appended lands on a record boundary, after
            // everything that was there.
            const ResultRecord next = numbered(QLatin1Char('P'), round);
            const Status appended = appendResult(dir, next);
            QVERIFY2(appended.ok, qPrintable(appended.message));
            const QByteArray after = read("Wyniki.tvw");
            QVERIFY(after.endsWith("\r\n"));
            QCOMPARE(after.count('\n') % 7, 0);
            const Records now = results::parseRecords(after);
            QCOMPARE(now.size(), records.size() + 1);
            QVERIFY(now.back() == next);
            for (size_t i = 0; i + 1 < records.size(); ++i)
                QVERIFY(now[i] == records[i]);
        }
        qInfo("%d rounds in %lld ms; %d records were seen cut short", kRounds,
              static_cast<long long>(clock.elapsed()), cutShort);

        // What the kills left besides: temporary files go at the next start,
        // which comes later than the stale time. Now and then Qt draws a name
        // a person could have given (in one case, or capitalised): it stays.
        QThread::msleep(150);
        files::removeStaleTemporaries(resultsPath);
        files::removeStaleTemporaries(data.filePath("konf.dat"));
        QStringList left = QDir(dir).entryList(QDir::Files, QDir::Name);
        static const QRegularExpression personal(
            QStringLiteral("^(Wyniki\\.tvw|konf\\.dat)\\.([a-z]{6}|[A-Z]{6}|[A-Z][a-z]{5})$"));
        left.removeIf([](const QString &name) {
            return name.contains(QLatin1String(".lock")) || personal.match(name).hasMatch();
        });
        QVERIFY2(left == (QStringList{"Wyniki.tvw", "konf.dat"}), qPrintable(left.join(QLatin1Char(' '))));
#endif
    }
};

QTEST_GUILESS_MAIN(TestCrashConsistency)
#include "tst_crashconsistency.moc"
