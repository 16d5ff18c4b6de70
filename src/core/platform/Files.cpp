#include "Files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#ifdef Q_OS_WIN
#include <QSettings>
#endif
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace tv::files {
namespace {

QString &dataDirOverride()
{
    static QString dir;
    return dir;
}

QString &systemDirOverride()
{
    static QString dir;
    return dir;
}

QString &systemConfigOverride()
{
    static QString path;
    return path;
}

QString &executableDirOverride()
{
    static QString dir;
    return dir;
}

QString &userDataDirOverride()
{
    static QString dir;
    return dir;
}

QString executableDir()
{
    return executableDirOverride().isEmpty() ? QCoreApplication::applicationDirPath() : executableDirOverride();
}

// A file every content pack carries: its presence tells a folder holding the
// pack from one holding only the executable.
const QString kPackMarker = QStringLiteral("CZYTAJTO.txt");
// Written by the Windows installer beside the programs (packaging/windows).
const QString kUninstaller = QStringLiteral("Odinstaluj.exe");

bool holdsPack(const QString &dir)
{
    return QFileInfo::exists(QDir(dir).filePath(kPackMarker));
}

bool writable(const QString &dir)
{
    const QFileInfo fi(dir);
    return fi.isDir() && fi.isWritable();
}

QString clean(const QString &path)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

QString join(const QString &dir, const QString &name)
{
    if (dir.isEmpty())
        return QDir::toNativeSeparators(name);
    QString d = QDir::fromNativeSeparators(dir);
    if (!d.endsWith(QLatin1Char('/')))
        d += QLatin1Char('/');
    return QDir::toNativeSeparators(d + name);
}

// The entry of dir whose name equals name apart from letter case; an exact
// match wins, then the first in sorted order so that the choice is stable.
QString findEntry(const QString &dir, const QString &name)
{
    // Qt lists a folder named up to a NUL, yet refuses the whole path
    // everywhere else: what the listing found, nothing could open.
    if (dir.contains(QChar(0)) || name.contains(QChar(0)))
        return QString();
    const QString exact = join(dir, name);
    if (QFileInfo::exists(exact))
        return name;
    const QDir d(dir.isEmpty() ? QStringLiteral(".") : dir);
    const QStringList entries =
        d.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return e;
    return QString();
}

} // namespace

bool isPlainName(const QString &name)
{
    if (name.isEmpty())
        return false;
    bool onlyDots = true;
    for (const QChar c : name) {
        // ':' makes a drive ("C:x") or, on Windows, a stream of another file.
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.unicode() == 0)
            return false;
        if (c != QLatin1Char('.'))
            onlyDots = false;
    }
    // "." and "..", and "..." which Windows reads as "..".
    return !onlyDots;
}

QString dataDir()
{
    if (!dataDirOverride().isEmpty())
        return dataDirOverride();
    const QString exeDir = executableDir();
    if (!holdsPack(exeDir)) {
        const QString installed = clean(exeDir + QStringLiteral("/../share/terravia"));
        if (holdsPack(installed))
            return QDir::toNativeSeparators(installed);
    }
    return QDir::toNativeSeparators(exeDir);
}

QString userDir()
{
    if (!dataDirOverride().isEmpty())
        return dataDirOverride();
    const QString content = dataDir();
    // A folder the installer put the programs in belongs to every user of the
    // computer even where it is writable (an administrator's account, Wine):
    // its uninstaller tells it from a portable copy.
    if (clean(content) == clean(executableDir()) && writable(content)
        && !QFileInfo::exists(QDir(executableDir()).filePath(kUninstaller)))
        return content;
    if (!userDataDirOverride().isEmpty())
        return userDataDirOverride();
    QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (appData.isEmpty())
        appData = QDir::homePath() + QStringLiteral("/.terravia");
    return QDir::toNativeSeparators(appData);
}

void setExecutableDir(const QString &dir)
{
    executableDirOverride() = dir;
}

void setUserDataDir(const QString &dir)
{
    userDataDirOverride() = dir;
}

void setSystemConfigFile(const QString &path)
{
    systemConfigOverride() = path;
}

QString systemConfigFile()
{
    if (!systemConfigOverride().isEmpty())
        return systemConfigOverride();
#ifdef Q_OS_WIN
    // Beside the installed program, where only an administrator writes.
    return resolve(executableDir(), QStringLiteral("terravia.conf"));
#else
    return QStringLiteral("/etc/terravia.conf");
#endif
}

QString systemSetting(const QString &key)
{
    QFile f(systemConfigFile());
    if (f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        while (!f.atEnd()) {
            const QString line = QString::fromUtf8(f.readLine()).trimmed();
            if (line.startsWith(QLatin1Char('#')))
                continue;
            const int eq = line.indexOf(QLatin1Char('='));
            if (eq > 0 && line.left(eq).trimmed() == key) {
                const QString value = line.mid(eq + 1).trimmed();
                if (!value.isEmpty())
                    return value;
            }
        }
    }
#ifdef Q_OS_WIN
    if (systemConfigOverride().isEmpty()) {
        const QSettings machine(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Terravia"), QSettings::NativeFormat);
        return machine.value(key).toString().trimmed();
    }
#endif
    return QString();
}

QString resultsDir()
{
    const QString fromEnvironment = qEnvironmentVariable("TERRAVIA_RESULTS_DIR");
    if (!fromEnvironment.isEmpty())
        return QDir::toNativeSeparators(fromEnvironment);
    const QString dir = systemSetting(QStringLiteral("results"));
    return dir.isEmpty() ? userDir() : QDir::toNativeSeparators(dir);
}

bool isUserFile(const QString &name)
{
    static const QStringList names = {QStringLiteral("konf.dat"), QStringLiteral("Wyniki.tvw"),
                                      QStringLiteral("tmp.tvw"), QStringLiteral("Skins.dat"),
                                      QStringLiteral("Net_konf.dat")};
    return names.contains(name, Qt::CaseInsensitive);
}

QString soundPath(const QString &stored)
{
    if (stored.isEmpty())
        return QString();
    if (pathExists(stored))
        return resolvePath(stored);
    // konf.dat may come from a Windows computer: its backslashes are
    // separators there, wherever the program runs now.
    const QString name = stored.mid(std::max(stored.lastIndexOf(QLatin1Char('\\')),
                                             stored.lastIndexOf(QLatin1Char('/'))) + 1);
    return name.isEmpty() || !exists(dataDir(), name) ? QString() : resolve(dataDir(), name);
}

void setDataDir(const QString &dir)
{
    dataDirOverride() = QDir::toNativeSeparators(dir);
}

namespace {

// The files the program writes live apart from the content pack when the
// pack cannot be written to; the results file may be shared.
QString placeOf(const QString &dir, const QString &name)
{
    if (dataDirOverride().isEmpty() && isUserFile(name) && clean(dir) == clean(dataDir()))
        return name.compare(QLatin1String("Wyniki.tvw"), Qt::CaseInsensitive) == 0 ? resultsDir() : userDir();
    return dir;
}

} // namespace

QString resolve(const QString &dir, const QString &name)
{
    if (!isPlainName(name))
        return QString();
    const QString place = placeOf(dir, name);
    const QString found = findEntry(place, name);
    return join(place, found.isEmpty() ? name : found);
}

bool exists(const QString &dir, const QString &name)
{
    return isPlainName(name) && !findEntry(placeOf(dir, name), name).isEmpty();
}

QString dataPath(const QString &name)
{
    return resolve(dataDir(), name);
}

bool dataExists(const QString &name)
{
    return exists(dataDir(), name);
}

QString resolvePath(const QString &path)
{
    const QFileInfo fi(QDir::fromNativeSeparators(path));
    return resolve(fi.path(), fi.fileName());
}

bool pathExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo fi(QDir::fromNativeSeparators(path));
    return exists(fi.path(), fi.fileName());
}

QString findProgram(const QString &dir, const QString &exeName)
{
    if (exists(dir, exeName))
        return resolve(dir, exeName);
#ifndef Q_OS_WIN
    if (exeName.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) {
        const QString bare = exeName.left(exeName.size() - 4);
        if (exists(dir, bare))
            return resolve(dir, bare);
    }
#endif
    return QString();
}

static QString configDir()
{
    if (!systemDirOverride().isEmpty())
        return systemDirOverride();
    return QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Terravia"));
}

QString userConfigDir()
{
    return configDir();
}

QString windowsDir()
{
#ifdef Q_OS_WIN
    if (systemDirOverride().isEmpty())
        return QStringLiteral("C:\\Windows");
#endif
    return configDir();
}

QString winntDir()
{
#ifdef Q_OS_WIN
    if (systemDirOverride().isEmpty())
        return QStringLiteral("C:\\Winnt");
#endif
    return configDir();
}

void setSystemDirOverride(const QString &dir)
{
    systemDirOverride() = QDir::toNativeSeparators(dir);
}

bool ensureDir(const QString &dir)
{
    return QDir().mkpath(QDir::fromNativeSeparators(dir));
}

} // namespace tv::files
