#pragma once

#include <QString>

// Where the program's files are and how their names are found.
//
// The data directory is the directory of the executable; every data file name
// is joined to it with the native separator. Names are matched without regard
// to letter case, because the test tables spell one file in two ways (Pk.dat
// and PK.dat) and a school may copy files with any case.
namespace tv::files {

// The content pack: the executable's own folder when it holds the pack (the
// build folder, a portable copy, a Windows folder), else <prefix>/share/terravia
// beside the installed executable's bin folder.
QString dataDir();
// Tests and tools point the program at another data directory; the files
// the program writes then live there too.
void setDataDir(const QString &dir);

// Where the files the program writes (konf.dat, Wyniki.tvw, tmp.tvw,
// Skins.dat, Net_konf.dat) live: the data directory when the pack sits in a
// writable folder, else the user's data folder. Joining one of those names
// to the data directory (resolve, exists, dataPath) leads here, so readers
// and writers need not know which case they are in.
QString userDir();
// The results file may be kept elsewhere, shared by every user of a machine:
// the folder named by TERRAVIA_RESULTS_DIR, or by a line "results=<folder>"
// in /etc/terravia.conf; else the user folder.
QString resultsDir();
// A line "key=value" of the system-wide settings file, which an administrator
// writes once for every account of a machine: /etc/terravia.conf, on Windows
// terravia.conf beside the program or the values under
// HKEY_LOCAL_MACHINE\Software\Terravia. Empty when not set.
QString systemConfigFile();
QString systemSetting(const QString &key);
// Tests stand in for the executable's folder, the user's data folder and the
// system-wide settings file (empty: the real ones).
void setExecutableDir(const QString &dir);
void setUserDataDir(const QString &dir);
void setSystemConfigFile(const QString &path);
// True for the names of the files the program writes.
bool isUserFile(const QString &name);

// A sound file named in konf.dat: the path itself when it exists, else the
// bundled sound of the same name in the data directory (the folder may have
// moved since it was stored, or the file come from another system; the name
// follows the last \ or /), else empty.
QString soundPath(const QString &stored);

// A name that stays inside the directory it is joined to: not empty, no
// path separator, not "." or "..", no drive or root ("C:", "\\server").
// Names that come from outside (the teacher's server, a file) must be
// plain; the joins below refuse any other.
bool isPlainName(const QString &name);

// dir + native separator + name, spelled as the existing file is spelled when
// one differs only in letter case; otherwise spelled as asked (a new file).
// Empty, which opens and names no file, when the name is not plain.
QString resolve(const QString &dir, const QString &name);
bool exists(const QString &dir, const QString &name);

// The same within the data directory.
QString dataPath(const QString &name);
bool dataExists(const QString &name);

// A full path whose last component is looked up without regard to case.
QString resolvePath(const QString &path);
bool pathExists(const QString &path);

// A program named with ".exe" (Terravia.exe, Sys_Info.exe): that name, or on
// platforms without ".exe" the same name without it; empty when none exists.
QString findProgram(const QString &dir, const QString &exeName);

// The two system directories that may hold the access-password file. On
// Windows they are the real system directories; elsewhere both stand for the
// program's directory in the user's configuration area.
QString windowsDir();
QString winntDir();
// Tests point both at a temporary folder; an empty text restores the default.
void setSystemDirOverride(const QString &dir);
// The user's own configuration folder, whoever else uses this copy of the
// program (the same folder that stands for the system directories above).
QString userConfigDir();
// Creates the directory when it is missing (before the first write into it).
bool ensureDir(const QString &dir);

} // namespace tv::files
