#include "NetworkFiles.h"

#include "platform/Files.h"
#include "platform/LineFile.h"

#include <QFile>

namespace tv::netfiles {

namespace {

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

FirstLine firstLineOf(const QString &path)
{
    const lines::ReadResult read = lines::readFile(path);
    if (!read.status)
        return {read.status, QString()};
    return {Status::success(), read.lines.value(0)};
}

} // namespace

bool clientModeConfigured()
{
    return files::dataExists(kServerFile);
}

FirstLine readServerAddress()
{
    return firstLineOf(files::dataPath(kServerFile));
}

Status writeServerAddress(const QString &address)
{
    return lines::writeFile(files::dataPath(kServerFile), {address});
}

QString passwordDir(int osKind)
{
    switch (osKind) {
    case 0:
        return QString();
    case 3:
        return files::winntDir();
    default:
        return files::windowsDir();
    }
}

FirstLine readPassword(int osKind)
{
    const QString dir = passwordDir(osKind);
    if (dir.isEmpty())
        return {};
    if (osKind == 3 && !files::exists(dir, kPasswordFile))
        return firstLineOf(files::resolve(files::windowsDir(), kPasswordFile));
    return firstLineOf(files::resolve(dir, kPasswordFile));
}

Status writePassword(int osKind, const QString &password)
{
    const QString dir = passwordDir(osKind);
    if (dir.isEmpty())
        return Status::success();
    files::ensureDir(dir);
    const QString path = files::resolve(dir, kPasswordFile);
    // The replacement takes over the permissions of the file it replaces, so
    // the file is narrowed (or created narrow) before the password goes in.
    QFile file(path);
    const bool existed = file.exists();
    if (existed) {
        file.setPermissions(kOwnerOnly);
    } else if (file.open(QIODevice::WriteOnly, kOwnerOnly)) {
        file.close();
    }
    const Status written = lines::writeFile(path, {password});
    if (!written) {
        if (!existed)
            QFile::remove(path);
        return written;
    }
    QFile::setPermissions(path, kOwnerOnly);
    return written;
}

void removeClientConfiguration(int osKind)
{
    const QString dir = osKind == 3 ? files::winntDir() : files::windowsDir();
    if (files::exists(dir, kPasswordFile))
        QFile::remove(files::resolve(dir, kPasswordFile));
    if (files::dataExists(kServerFile))
        QFile::remove(files::dataPath(kServerFile));
}

} // namespace tv::netfiles
