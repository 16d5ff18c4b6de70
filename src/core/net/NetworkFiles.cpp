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

// The lab's server, which every account without a configuration of its own
// uses, unless this account chose local mode.
QString labServer()
{
    if (files::dataExists(kServerFile) || files::exists(files::userDir(), kLocalChoiceFile))
        return QString();
    return files::systemSetting(QStringLiteral("server"));
}

} // namespace

bool clientModeConfigured()
{
    return files::dataExists(kServerFile) || !labServer().isEmpty();
}

FirstLine readServerAddress()
{
    const QString lab = labServer();
    if (!lab.isEmpty())
        return {Status::success(), lab};
    return firstLineOf(files::dataPath(kServerFile));
}

Status writeServerAddress(const QString &address)
{
    const Status written = lines::writeFile(files::dataPath(kServerFile), {address});
    if (written)
        QFile::remove(files::resolve(files::userDir(), kLocalChoiceFile));
    return written;
}

QString passwordDir(PasswordPlace place)
{
    switch (place) {
    case PasswordPlace::None:
        return QString();
    case PasswordPlace::WinntFolder:
        return files::winntDir();
    case PasswordPlace::WindowsFolder:
        break;
    }
    return files::windowsDir();
}

FirstLine readPassword(PasswordPlace place)
{
    // An account working with the lab's server leaves it with the lab's password.
    if (!labServer().isEmpty())
        return {Status::success(), files::systemSetting(QStringLiteral("password"))};
    const QString dir = passwordDir(place);
    if (dir.isEmpty())
        return {};
    if (place == PasswordPlace::WinntFolder && !files::exists(dir, kPasswordFile))
        return firstLineOf(files::resolve(files::windowsDir(), kPasswordFile));
    return firstLineOf(files::resolve(dir, kPasswordFile));
}

Status writePassword(PasswordPlace place, const QString &password)
{
    const QString dir = passwordDir(place);
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

void removeClientConfiguration(PasswordPlace place)
{
    // The lab's configuration stays for the other accounts; this one
    // remembers that it works locally now.
    if (!files::systemSetting(QStringLiteral("server")).isEmpty())
        lines::writeFile(files::resolve(files::userDir(), kLocalChoiceFile), {QStringLiteral("1")});
    const QString dir = place == PasswordPlace::WinntFolder ? files::winntDir() : files::windowsDir();
    if (files::exists(dir, kPasswordFile))
        QFile::remove(files::resolve(dir, kPasswordFile));
    if (files::dataExists(kServerFile))
        QFile::remove(files::dataPath(kServerFile));
}

} // namespace tv::netfiles
