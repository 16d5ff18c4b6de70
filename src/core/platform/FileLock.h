#pragma once

#include "Status.h"

#include <QString>

#include <memory>

class QLockFile;

// Two copies of the program may share one data directory (two pupils at one
// computer, or a folder on the school's server). Every write of a shared
// file happens while its lock file (the file's name + ".lock") is held, so
// that one copy's write never undoes another's.
namespace tv::files {

class WriteLock {
public:
    // Waits for the lock of the file at path; status() says whether the
    // write may go ahead. A lock left behind by a copy that died is taken
    // over: at once when the copy ran on this computer, after the stale time
    // otherwise. In a folder where no lock file may be created (the pupils
    // may write the data files but not add files beside them) the write goes
    // ahead unlocked, as it always has: no copy can lock there.
    explicit WriteLock(const QString &path);
    ~WriteLock();
    WriteLock(const WriteLock &) = delete;
    WriteLock &operator=(const WriteLock &) = delete;

    const Status &status() const { return result; }
    explicit operator bool() const { return result.ok; }

    static QString lockPathFor(const QString &path);

private:
    std::unique_ptr<QLockFile> lock;
    Status result;
};

// How long a writer waits for another copy's lock, and after how long an
// untouched lock counts as abandoned. Tests shorten both; zero restores the
// defaults.
void setLockTimes(int waitMs, int staleMs);
int lockWaitMs();
int lockStaleMs();

// Removes what writes of the file at path left behind when they were cut
// short: the temporary files of an atomic replace ("konf.dat.AbcDef"), older
// than the stale time. Done while holding the file's lock, so another copy's
// write in progress keeps its temporary file. A name such as
// "Wyniki.tvw.backup" is a person's file and stays. Returns how many were
// removed.
int removeStaleTemporaries(const QString &path);

} // namespace tv::files
