#include "TestFiles.h"
#include "quiz/MarkerRules.h"

#include "platform/LineFile.h"
#include "profile/Settings.h"

namespace tv {

QString notIntegerMessage(const QString &fileName, int line, const QString &text)
{
    return QStringLiteral("Błąd w pliku %1, wiersz %2: \"%3\" nie jest poprawną liczbą całkowitą.\r\n"
                          "Nie można załadować tego testu.")
        .arg(fileName)
        .arg(line)
        .arg(lines::excerpt(text));
}

ConfigurationRead parseConfiguration(const QStringList &lines, const QString &fileName)
{
    ConfigurationRead r;
    int pendingX = 0;
    bool haveX = false;
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        if (lineNo == 2) {
            r.config.pictureLine = lines.at(i);
            continue;
        }
        if (lineNo > 2 && r.config.pairs >= kMaxMarkers)
            break; // nothing beyond 17 markers is stored
        const auto value = parseDecimal(lines.at(i));
        if (!value) {
            r.errorLine = lineNo;
            r.status = Status::failure(notIntegerMessage(fileName, lineNo, lines.at(i)));
            return r;
        }
        if (lineNo == 1) {
            r.config.count = *value;
        } else if (!haveX) {
            pendingX = *value;
            haveX = true;
        } else {
            r.config.positions[r.config.pairs++] = QPoint(pendingX, *value);
            haveX = false;
        }
    }
    return r;
}

bool markerCountValid(int count)
{
    return count >= 1 && count <= kMaxMarkers;
}

QString markerCountMessage(const QString &fileName, int count)
{
    return QStringLiteral("Plik %1 podaje liczbę pól %2, a test może mieć od 1 do 17 pól.\r\n"
                          "Nie można załadować tego testu.")
        .arg(fileName)
        .arg(count);
}

QStringList parseDescription(const QStringList &lines)
{
    return lines.mid(0, kMaxMarkers);
}

QString answerName(const QString &line)
{
    return line.size() > 2 ? line.left(line.size() - 2) : QString();
}

std::optional<int> answerNumber(const QString &line)
{
    return parseDecimal(line.right(2));
}

QString rightName(const QStringList &description, int count, int marker)
{
    for (int i = 0; i < count && i < description.size(); ++i)
        if (answerNumber(description.at(i)) == markers::answerNumber(marker))
            return answerName(description.at(i));
    return QString();
}

} // namespace tv
