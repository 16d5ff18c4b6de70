#include "TeacherSettings.h"

#include "platform/Cp1250.h"
#include "platform/Files.h"
#include "platform/LineFile.h"

#include <QDir>
#include <QRandomGenerator>
#include <QStandardPaths>

namespace tv::teacher {

QString defaultTeacherDir()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dir.isEmpty())
        dir = QDir::homePath() + QStringLiteral("/.terravia-nauczyciel");
    return QDir::toNativeSeparators(dir);
}

QString generatePassword()
{
    static const char alphabet[] = "abcdefghjkmnpqrstuvwxyz23456789";
    const int size = int(sizeof(alphabet)) - 1;
    QString out;
    for (int i = 0; i < 8; ++i)
        out += QLatin1Char(alphabet[QRandomGenerator::system()->bounded(size)]);
    return out;
}

QString passwordProblem(const QString &password)
{
    if (password.trimmed().isEmpty())
        return QStringLiteral("Hasło nie może być puste.");
    if (password.size() > 64)
        return QStringLiteral("Hasło może mieć najwyżej 64 znaki.");
    for (const QChar c : password) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return QStringLiteral("Hasło nie może zawierać znaków sterujących.");
    }
    if (cp1250::decode(cp1250::encode(password)) != password)
        return QStringLiteral("Hasło może zawierać tylko litery (także polskie), cyfry i zwykłe znaki.");
    if (password != password.trimmed())
        return QStringLiteral("Hasło nie może zaczynać się ani kończyć odstępem.");
    return QString();
}

SettingsLoad loadOrCreate(const QString &dir)
{
    SettingsLoad out;
    const lines::ReadResult read = lines::readFile(files::resolve(dir, kSettingsFile));
    if (read.status) {
        out.settings.password = read.lines.value(0);
        out.settings.admitLateComers = read.lines.value(1) == QStringLiteral("1");
        if (passwordProblem(out.settings.password).isEmpty())
            return out;
    } else if (!read.missing) {
        out.status = read.status;
        return out;
    }
    out.settings.password = generatePassword();
    out.created = true;
    out.status = save(dir, out.settings);
    return out;
}

Status save(const QString &dir, const TeacherSettings &settings)
{
    if (!files::ensureDir(dir))
        return Status::failure(lines::writeError(dir, QStringLiteral("nie można utworzyć folderu")));
    return lines::writeFile(files::resolve(dir, kSettingsFile),
                            {settings.password, settings.admitLateComers ? QStringLiteral("1") : QStringLiteral("0")});
}

} // namespace tv::teacher
