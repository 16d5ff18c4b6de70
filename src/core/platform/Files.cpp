#include "Files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

void setDataDir(const QString &dir)
{
    dataDirOverride() = QDir::toNativeSeparators(dir);
}

QString resolve(const QString &dir, const QString &name)
{
    if (!isPlainName(name))
        return QString();
    const QString found = findEntry(dir, name);
    return join(dir, found.isEmpty() ? name : found);
}

bool exists(const QString &dir, const QString &name)
{
    return isPlainName(name) && !findEntry(dir, name).isEmpty();
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
