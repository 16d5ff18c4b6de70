#include "ResultCheck.h"

#include "catalogue/Catalogue.h"
#include "platform/Files.h"
#include "platform/LineFile.h"
#include "quiz/Grades.h"
#include "quiz/TestFiles.h"

#include <QRegularExpression>

namespace tv::teacher {

namespace {

constexpr int kLongestName = 40;

// A count as the pupil's program writes it: decimal, no sign, no blanks.
int count(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^\\d{1,4}$"));
    return digits.match(text).hasMatch() ? text.toInt() : -1;
}

} // namespace

Expected expectedFor(int code, const QString &contentDir)
{
    Expected e;
    if (const CatalogueEntry *entry = catalogue::findByCode(code)) {
        e.code = code;
        e.title = entry->title;
        const QString path = files::resolve(contentDir, entry->configurationFile);
        const lines::ReadResult read = lines::readFile(path);
        if (read.status) {
            const ConfigurationRead config = parseConfiguration(read.lines, entry->configurationFile);
            if (config.status && markerCountValid(config.config.count))
                e.tasks = config.config.count;
        }
    } else if (const ChainEntry *chain = catalogue::findChainByCode(code)) {
        e.code = code;
        e.title = catalogue::chainEndTitle(chain->chain);
        e.tasks = chain->taskTotal;
        e.chain = chain->chain;
    }
    return e;
}

QString figuresProblem(const ResultRecord &r, const Expected &e)
{
    static const QRegularExpression time(QStringLiteral("^(\\d{1,5}) min (\\d{1,2}) sek$"));
    const QRegularExpressionMatch m = time.match(r.time);
    // The pupil's program writes no leading zeros and seconds below 60.
    if (!m.hasMatch() || timeText(m.captured(1).toInt() * 60 + m.captured(2).toInt()) != r.time)
        return QStringLiteral("czas „%1” nie jest czasem testu").arg(r.time);
    const int tasks = count(r.tasks);
    const int good = count(r.good);
    const int bad = count(r.bad);
    if (tasks < 0 || good < 0 || bad < 0)
        return QStringLiteral("liczby zadań i odpowiedzi nie są liczbami");
    if (good + bad != tasks)
        return QStringLiteral("dobre (%1) i błędne (%2) odpowiedzi nie dają %3 zadań").arg(good).arg(bad).arg(tasks);
    if (e.tasks > 0 ? tasks != e.tasks : !markerCountValid(tasks))
        return QStringLiteral("test ma %1 zadań, a wynik podaje %2").arg(e.tasks).arg(tasks);
    const QString grade = e.chain > 0 ? chainGrade(e.chain, good) : singleTestGrade(tasks, good).label;
    if (grade != r.grade)
        return QStringLiteral("ocena „%1” nie wynika z %2 dobrych odpowiedzi (powinna być „%3”)")
            .arg(r.grade)
            .arg(good)
            .arg(grade);
    return QString();
}

QString loginNameProblem(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return QStringLiteral("puste imię");
    if (name.contains(u'^'))
        return QStringLiteral("znak „^” w imieniu");
    for (const QChar c : name)
        if (!c.isPrint() && c != u' ')
            return QStringLiteral("znaki niedrukowalne w imieniu");
    if (trimmed.size() > kLongestName)
        return QStringLiteral("imię dłuższe niż %1 znaków").arg(kLongestName);
    return QString();
}

} // namespace tv::teacher
