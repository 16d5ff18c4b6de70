#include "FileLock.h"

#include "LineFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QDateTime>
#include <QElapsedTimer>
#include <QLockFile>
#include <QThread>

namespace tv::files {
namespace {

// A write of the results or the settings takes milliseconds; a lock older
// than this belongs to a copy that will not release it.
constexpr int kDefaultStaleMs = 5000;
// Longer than the stale time, so that a writer outwaits a lock left behind
// by a copy on another computer instead of failing.
constexpr int kDefaultWaitMs = 7000;

int waitOverride = 0;
int staleOverride = 0;

bool isTemporaryOf(const QString &entry, const QString &base)
{
    // QSaveFile names its temporary file after the target, a dot and six
    // ASCII letters drawn from both cases. What a person adds after the name
    // is a word: in one case ("backup", "BACKUP") or with a capital only
    // first ("Backup"). Such a name stays, even the one time in twenty Qt
    // draws it: a stray temporary costs nothing, a teacher's copy of the
    // results does.
    const qsizetype first = base.size() + 1;
    if (entry.size() != first + 6 || !entry.startsWith(base + QLatin1Char('.'), Qt::CaseInsensitive))
        return false;
    bool lower = false;
    bool upperAfterFirst = false;
    for (qsizetype i = first; i < entry.size(); ++i) {
        const char16_t c = entry.at(i).unicode();
        if (c >= u'a' && c <= u'z')
            lower = true;
        else if (c >= u'A' && c <= u'Z')
            upperAfterFirst = upperAfterFirst || i > first;
        else
            return false;
    }
    return lower && upperAfterFirst;
}

// A write takes milliseconds. A younger temporary may belong to a write
// under way in a folder where no lock file can be made, which the lock
// taken below lets through.
bool isOld(const QFileInfo &file)
{
    return file.lastModified().msecsTo(QDateTime::currentDateTime()) > lockStaleMs();
}

} // namespace

void setLockTimes(int waitMs, int staleMs)
{
    waitOverride = waitMs;
    staleOverride = staleMs;
}

int lockWaitMs()
{
    return waitOverride > 0 ? waitOverride : kDefaultWaitMs;
}

int lockStaleMs()
{
    return staleOverride > 0 ? staleOverride : kDefaultStaleMs;
}

QString WriteLock::lockPathFor(const QString &path)
{
    return QDir::fromNativeSeparators(path) + QStringLiteral(".lock");
}

namespace {

// Qt removes a stale lock while holding a second lock file beside it (the
// lock's name + ".rmlock"). A copy killed in that moment leaves it behind
// empty, and Qt would then wait half a minute before any copy may write
// again. That removal takes microseconds: one older than the stale time
// is abandoned.
void clearAbandonedRemovalLock(const QString &lockPath)
{
    const QFileInfo removal(lockPath + QStringLiteral(".rmlock"));
    if (removal.exists() && removal.lastModified().msecsTo(QDateTime::currentDateTime()) > lockStaleMs())
        QFile::remove(removal.filePath());
}

bool tryLockClearingAbandoned(QLockFile &lock, int waitMs)
{
    QElapsedTimer waited;
    waited.start();
    for (int pause = 5;; pause = qMin(pause * 2, 100)) {
        if (lock.tryLock(0))
            return true;
        if (lock.error() != QLockFile::LockFailedError || waited.elapsed() >= waitMs)
            return false;
        clearAbandonedRemovalLock(lock.fileName());
        QThread::msleep(pause);
    }
}

} // namespace

WriteLock::WriteLock(const QString &path)
{
    // The user's data folder is created on the first write; its lock comes first.
    QDir().mkpath(QFileInfo(path).absolutePath());
    lock = std::make_unique<QLockFile>(lockPathFor(path));
    lock->setStaleLockTime(lockStaleMs());
    if (tryLockClearingAbandoned(*lock, lockWaitMs()))
        return;
    const QString lockName = QDir::toNativeSeparators(lock->fileName());
    switch (lock->error()) {
    case QLockFile::LockFailedError:
        result = Status::failure(lines::writeError(
            path, QStringLiteral("Plik zapisuje właśnie inna kopia programu Terravia. Spróbuj ponownie za chwilę.")));
        break;
    case QLockFile::PermissionError:
        break;
    default:
        result = Status::failure(
            lines::writeError(path, QStringLiteral("Nie można utworzyć pliku blokady %1.").arg(lockName)));
        break;
    }
}

WriteLock::~WriteLock() = default; // QLockFile releases the lock

int removeStaleTemporaries(const QString &path)
{
    const QFileInfo target(QDir::fromNativeSeparators(path));
    const QDir dir = target.dir();
    if (!dir.exists())
        return 0;
    const QString base = target.fileName();
    QStringList leftovers;
    for (const QString &entry : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (isTemporaryOf(entry, base) && isOld(QFileInfo(dir.filePath(entry))))
            leftovers << entry;
    if (leftovers.isEmpty())
        return 0;
    const WriteLock held(path);
    if (!held)
        return 0; // another copy is writing: its temporary file may be live
    int removed = 0;
    for (const QString &entry : leftovers)
        removed += QFile::remove(dir.filePath(entry)) ? 1 : 0;
    return removed;
}

} // namespace tv::files
