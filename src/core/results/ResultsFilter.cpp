#include "ResultsFilter.h"

using namespace Qt::StringLiterals;

namespace tv::results {

const QStringList &gradeWords()
{
    static const QStringList words = {u"Celujący"_s, u"Bardzo dobry"_s, u"Dobry"_s,
                                      u"Dostateczny"_s, u"Mierny"_s, u"Niedostateczny"_s};
    return words;
}

const QStringList &testTitles()
{
    static const QStringList titles = {
        u"Test: Polska - Największe miasta"_s,
        u"Test: Polska - Rzeki i Jeziora"_s,
        u"Test: Polska - Góry i Szczyty"_s,
        u"Test: Polska - Państwa sąsiadujące"_s,
        u"Test: Polska - Długości granic sąsiadów"_s,
        u"Test: Polska - Województwa"_s,
        u"Test: Polska - Parki narodowe"_s,
        u"Test: Polska - Krainy geograficzne"_s,
        u"Test: Europa - Stolice"_s,
        u"Test: Europa - Państwa"_s,
        u"Test: Europa - Góry"_s,
        u"Test: Europa - Wyspy"_s,
        u"Test: Europa - Półwyspy"_s,
        u"Test: Europa - Morza i Zatoki"_s,
        u"Test: Europa - Rzeki i Jeziora"_s,
        u"Test: Azja - Państwa"_s,
        u"Test: Azja - Góry i Szczyty"_s,
        u"Test: Azja - Rzeki i Jeziora"_s,
        u"Test: Ameryka PN - Góry i Szczyty"_s,
        u"Test: Ameryka PN - Wyspy i Półwyspy"_s,
        u"Test: Ameryka PN - Państwa"_s,
        u"Test: Ameryka PN - Rzeki i Jeziora"_s,
        u"Test: Ameryka PD - Stolice"_s,
        u"Test: Ameryka PD - Państwa"_s,
        u"Test: Ameryka PD - Rzeki i Jeziora"_s,
        u"Test: Afryka - Góry i Szczyty"_s,
        u"Test: Afryka - Rzeki i Jeziora"_s,
        u"Test: Afryka - Państwa"_s,
        u"Test: Antarktyda - Lodowce i Szczyty"_s,
        u"Test: Antarktyda - Stacje badawcze"_s,
        u"Test: Australia - Największe miasta"_s,
        u"Test: Australia - Góry i Szczyty"_s,
        u"Test: Australia - Pustynie"_s,
        u"Test: Australia - Rzeki i Jeziora"_s,
        u"Test: Różne - Flagi państw Cz. 1"_s,
        u"Test: Różne - Flagi państw Cz. 2"_s,
        u"Test: Różne - Flagi państw Cz. 3"_s,
        u"Test: Różne - Flagi państw Cz. 4"_s,
        u"Test: Różne - Wysokości gór"_s,
        u"Test: Różne - Państwa i Stolice"_s,
        u"Test: Różne - Pojęcia geograficzne Cz. 1"_s,
        u"Test: Różne - Pojęcia geograficzne Cz. 2"_s,
        u"Test: Świat - Kontynenty"_s,
        u"Test: Świat - Oceany"_s,
        u"Test: Świat - Wyspy"_s,
        u"Test: Świat - Półwyspy"_s,
        u"Test: Świat - Góry"_s,
        u"Test: Świat - Najwyższe szczyty"_s,
        u"Test: Świat - Prądy morskie"_s,
        u"Test: Wszystko o Polsce"_s,
        u"Test: Wszystko o Europie"_s,
        u"Test: Wszystko o Ameryce Pn i Pd"_s,
        u"Test: Wszystko o Azji i Afryce"_s,
        u"Test: Wszystko o Australii i Antarktydzie"_s,
        u"Test: Wszystko o Świecie"_s,
        u"Test: Wszystko o Różnych pytaniach"_s,
        u"Test: Odgadnij miejsce na ziemi"_s,
    };
    return titles;
}

std::optional<WrittenTitle> writtenTitle(const QString &entry)
{
    struct Row {
        QString entry;
        WrittenTitle written;
    };
    // The list keeps the spelling pupils know from the menus; the records
    // keep the title strip of the test that ran.
    static const Row rows[] = {
        {u"Test: Polska - Długości granic sąsiadów"_s, {u"Test: Polska - Granice sąsiadów"_s, false}},
        {u"Test: Różne - Flagi państw Cz. 1"_s, {u"Test: Różne - Flagi państw"_s, true}},
        {u"Test: Różne - Pojęcia geograficzne Cz. 1"_s, {u"Test: Różne - Pojęcia geograficzne Cz.1"_s, false}},
        {u"Test: Różne - Pojęcia geograficzne Cz. 2"_s, {u"Test: Różne - Pojęcia geograficzne Cz.2"_s, false}},
        {u"Test: Wszystko o Ameryce Pn i Pd"_s, {u"Test: Wszystko o Ameryce PN i PD"_s, false}},
    };
    for (const Row &r : rows)
        if (r.entry == entry)
            return r.written;
    return std::nullopt;
}

namespace {

bool titleMatches(const QString &entry, const std::optional<WrittenTitle> &written, const QString &line2)
{
    if (line2.startsWith(entry))
        return true;
    if (!written)
        return false;
    return written->whole ? line2 == written->title : line2.startsWith(written->title);
}

} // namespace

bool titleMatches(const QString &entry, const QString &line2)
{
    return titleMatches(entry, writtenTitle(entry), line2);
}

bool matches(FilterBy by, const QString &chosen, const ResultRecord &record)
{
    switch (by) {
    case FilterBy::User:
        return record.user == chosen;
    case FilterBy::Grade:
        return record.grade.startsWith(chosen);
    case FilterBy::Test:
        return titleMatches(chosen, record.title);
    case FilterBy::None:
        break;
    }
    return false;
}

Records filterRecords(const Records &store, FilterBy by, const QString &chosen)
{
    Records out;
    // The written title is looked up once, not once per record.
    const auto written = by == FilterBy::Test ? writtenTitle(chosen) : std::nullopt;
    for (const ResultRecord &r : store) {
        const bool hit = by == FilterBy::Test ? titleMatches(chosen, written, r.title) : matches(by, chosen, r);
        if (hit)
            out.push_back(r);
    }
    return out;
}

QString upperAZ(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - ('a' - 'A'));
    return out;
}

QString searchAnswer(const QString &typed)
{
    static const QString prefix = u"Test: "_s;
    if (upperAZ(typed.left(prefix.size())) != upperAZ(prefix))
        return prefix + typed;
    return typed;
}

int findEntry(const QStringList &entries, const QString &answer)
{
    const QString wanted = upperAZ(answer);
    for (int i = 0; i < entries.size(); ++i) {
        const QString &e = entries.at(i);
        if (e.size() >= answer.size() && upperAZ(e.left(answer.size())) == wanted)
            return i;
    }
    return -1;
}

} // namespace tv::results
