#include "Settings.h"

#include "platform/FileLock.h"
#include "platform/Files.h"
#include "platform/LineFile.h"

namespace tv {

std::optional<int> parseDecimal(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text.at(i) == QLatin1Char(' ') || text.at(i) == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i == n)
        return std::nullopt;
    qint64 value = 0;
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > qint64(2147483648LL))
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > 2147483647LL || value < -2147483648LL)
        return std::nullopt;
    return static_cast<int>(value);
}

Settings defaultSettings(const QString &dataDir)
{
    Settings s;
    s.startMaximised = 1;
    s.startCreator = 1;
    s.removePlacedNames = 1;
    if (files::exists(dataDir, QStringLiteral("Ups.wav")))
        s.dropSound = files::resolve(dataDir, QStringLiteral("Ups.wav"));
    if (files::exists(dataDir, QStringLiteral("Cel.wav")))
        s.topGradeSound = files::resolve(dataDir, QStringLiteral("Cel.wav"));
    return s;
}

SettingsLoad parseSettings(const QStringList &lines, const QString &fileName)
{
    SettingsLoad r;
    auto number = [&](int lineNo, int &target) {
        const QString &text = lines.at(lineNo - 1);
        const auto v = parseDecimal(text);
        if (!v) {
            r.errorLine = lineNo;
            r.status = Status::failure(
                QStringLiteral("Błąd w pliku %1, wiersz %2: \"%3\" nie jest poprawną liczbą całkowitą.\r\n"
                               "Pozostałe wiersze pliku nie zostały odczytane.")
                    .arg(fileName)
                    .arg(lineNo)
                    .arg(lines::excerpt(text)));
            return false;
        }
        target = *v;
        return true;
    };
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        switch (lineNo) {
        case 1:
            if (!number(1, r.settings.startMaximised))
                return r;
            r.maximise = lines.at(0) == QLatin1String("1");
            break;
        case 2:
            if (!number(2, r.settings.startCreator))
                return r;
            break;
        case 3:
            r.settings.dropSound = lines.at(i);
            break;
        case 4:
            r.settings.topGradeSound = lines.at(i);
            break;
        case 5:
            if (!number(5, r.settings.removePlacedNames))
                return r;
            break;
        default:
            r.settings.users.append(lines.at(i));
            break;
        }
    }
    return r;
}

SettingsLoad loadSettings(const QString &dataDir)
{
    if (!files::exists(dataDir, kSettingsFile)) {
        SettingsLoad r;
        r.fileMissing = true;
        r.settings = defaultSettings(dataDir);
        r.maximise = true;
        return r;
    }
    const auto read = lines::readFile(files::resolve(dataDir, kSettingsFile));
    if (!read.status) {
        SettingsLoad r;
        r.status = read.status;
        return r;
    }
    return parseSettings(read.lines);
}

namespace {

// Only CR and LF go: any other character comes back from konf.dat as it was
// written (the code page's undefined bytes included), so a file read and
// saved again keeps its bytes.
QStringList oneLineEach(const QStringList &texts)
{
    QStringList out;
    out.reserve(texts.size());
    for (const QString &text : texts)
        out.append(lines::withoutLineBreaks(text));
    return out;
}

} // namespace

QStringList settingsLines(const QString &line1, const QString &line2, const QString &dropSound,
                          const QString &topGradeSound, const QString &line5, const QStringList &users)
{
    return oneLineEach(QStringList{line1, line2, dropSound, topGradeSound, line5} + users);
}

Status saveSettingsLines(const QString &dataDir, const QStringList &lines)
{
    const QString path = files::resolve(dataDir, kSettingsFile);
    const files::WriteLock lock(path);
    if (!lock)
        return lock.status();
    return lines::writeFile(path, oneLineEach(lines));
}

} // namespace tv
