#include "Skins.h"

#include "platform/Files.h"
#include "platform/LineFile.h"
#include "profile/Settings.h"

#include <QFile>
#include <QRegularExpression>

namespace tv::skins {

QString entryText(int index)
{
    if (index == 0)
        return QStringLiteral("STANDARDOWY WINDOWS");
    return QStringLiteral("SKÓRA NR %1").arg(index);
}

QString previewFile(int index)
{
    if (index < 1 || index >= kCount)
        return QString();
    return QStringLiteral("s%1.jpg").arg(index < 5 ? index : index + 1);
}

QString skinFile(int index)
{
    if (index < 1 || index >= kCount)
        return QString();
    return QStringLiteral("skora%1.skn").arg(index);
}

std::optional<int> readChoice(const QString &dataDir)
{
    if (!files::exists(dataDir, kChoiceFile))
        return std::nullopt;
    const lines::ReadResult read = lines::readFile(files::resolve(dataDir, kChoiceFile));
    if (!read.status || read.lines.isEmpty())
        return std::nullopt;
    const std::optional<int> index = parseDecimal(read.lines.first());
    if (!index || *index < 1 || *index >= kCount)
        return std::nullopt;
    return index;
}

Status writeChoice(const QString &dataDir, int index)
{
    if (index >= 1 && index < kCount)
        return lines::writeFile(files::resolve(dataDir, kChoiceFile), {QString::number(index)});
    if (!files::exists(dataDir, kChoiceFile))
        return Status::success();
    const QString path = files::resolve(dataDir, kChoiceFile);
    QFile file(path);
    if (!file.remove())
        return Status::failure(lines::writeError(path, file.errorString()));
    return Status::success();
}

const QStringList &colourKeys()
{
    static const QStringList keys = {
        QStringLiteral("okno"),        QStringLiteral("tekst"),           QStringLiteral("pole"),
        QStringLiteral("tekst_pola"),  QStringLiteral("przycisk"),        QStringLiteral("tekst_przycisku"),
        QStringLiteral("wyroznienie"), QStringLiteral("tekst_wyroznienia"), QStringLiteral("tytul"),
        QStringLiteral("obszar"),
    };
    return keys;
}

SkinLoad parseSkin(const QByteArray &bytes, const QString &fileName)
{
    SkinLoad load;
    static const QRegularExpression colour(QStringLiteral("^#[0-9a-fA-F]{6}$"));
    const QStringList all = lines::split(bytes);
    for (int i = 0; i < all.size(); ++i) {
        const QString line = all.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        auto fail = [&](const QString &why) {
            load.status = Status::failure(
                QStringLiteral("Błąd w pliku skóry %1, wiersz %2: %3").arg(fileName).arg(i + 1).arg(why));
            return load;
        };
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            return fail(QStringLiteral("brak znaku \"=\""));
        const QString key = line.left(eq).trimmed().toLower();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == QLatin1String("nazwa"))
            load.skin.name = value;
        else if (key == QLatin1String("obraz"))
            load.skin.picture = value;
        else if (key == QLatin1String("obraz_testu"))
            load.skin.testPicture = value;
        else if (colourKeys().contains(key)) {
            if (!colour.match(value).hasMatch())
                return fail(QStringLiteral("\"%1\" nie jest kolorem #rrggbb").arg(value));
            load.skin.colours.insert(key, value.toLower());
        } else
            return fail(QStringLiteral("nieznany klucz \"%1\"").arg(key));
    }
    return load;
}

SkinLoad loadSkin(const QString &dataDir, int index)
{
    const QString name = skinFile(index);
    if (name.isEmpty() || !files::exists(dataDir, name)) {
        SkinLoad load;
        load.status = Status::failure(QStringLiteral("Brak pliku skóry %1").arg(name));
        return load;
    }
    QFile f(files::resolve(dataDir, name));
    if (!f.open(QIODevice::ReadOnly)) {
        SkinLoad load;
        load.status = Status::failure(lines::readError(f.fileName(), f.errorString()));
        return load;
    }
    return parseSkin(f.readAll(), name);
}

} // namespace tv::skins
