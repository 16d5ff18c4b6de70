#include "ResultsFilter.h"

#include "catalogue/Catalogue.h"
#include "platform/Text.h"

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
    static const QStringList titles = [] {
        QStringList l;
        for (const CatalogueEntry *e : catalogue::inCodeOrder())
            l << catalogue::listedTitle(*e, catalogue::TitleList::Filter);
        for (const ChainEntry &c : catalogue::chainEntries())
            l << catalogue::listedTitle(c);
        l << catalogue::kPlaceGameTitle;
        return l;
    }();
    return titles;
}

std::optional<WrittenTitle> writtenTitle(const QString &entry)
{
    // The list keeps the spelling pupils know from the menus; the records
    // keep the title strip of the test that ran.
    QString written;
    if (const CatalogueEntry *e = catalogue::findByListedTitle(entry, catalogue::TitleList::Filter))
        written = e->title;
    else if (const ChainEntry *c = catalogue::findChainByListedTitle(entry))
        written = catalogue::chainEndTitle(c->chain);
    if (written.isEmpty() || written == entry)
        return std::nullopt;
    // A written title that begins another test's title matches only whole.
    bool whole = false;
    for (const CatalogueEntry &other : catalogue::singleTests())
        whole |= other.title != written && other.title.startsWith(written);
    return WrittenTitle{written, whole};
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

QString searchAnswer(const QString &typed)
{
    static const QString prefix = u"Test: "_s;
    if (!text::startsWithIgnoringAZCase(typed, prefix))
        return prefix + typed;
    return typed;
}

int findEntry(const QStringList &entries, const QString &answer)
{
    for (int i = 0; i < entries.size(); ++i)
        if (text::startsWithIgnoringAZCase(entries.at(i), answer))
            return i;
    return -1;
}

} // namespace tv::results
