#include "RandomDraw.h"

#include "catalogue/Catalogue.h"

#include <QHash>

#include <algorithm>

#include <chrono>

namespace tv::draw {

namespace {

struct Group {
    Category category;
    QStringList titles;
};

const std::vector<Group> &groups()
{
    static const std::vector<Group> g = {
        {Category::Polska,
         {"Test: Polska - Największe miasta", "Test: Polska - Rzeki i Jeziora", "Test: Polska - Góry i Szczyty",
          "Test: Polska - Państwa sąsiadujące", "Test: Polska - Długości granic sąsiadów",
          "Test: Polska - Województwa", "Test: Polska - Parki narodowe", "Test: Polska - Krainy geograficzne"}},
        {Category::Europa,
         {"Test: Europa - Stolice", "Test: Europa - Państwa", "Test: Europa - Góry", "Test: Europa - Wyspy",
          "Test: Europa - Półwyspy", "Test: Europa - Morza i Zatoki", "Test: Europa - Rzeki i Jeziora"}},
        {Category::Azja, {"Test: Azja - Państwa", "Test: Azja - Góry i Szczyty", "Test: Azja - Rzeki i Jeziora"}},
        {Category::AmerykaPn,
         {"Test: Ameryka PN - Góry i Szczyty", "Test: Ameryka PN - Wyspy i Półwyspy", "Test: Ameryka PN - Państwa",
          "Test: Ameryka PN - Rzeki i Jeziora"}},
        {Category::AmerykaPd,
         {"Test: Ameryka PD - Stolice", "Test: Ameryka PD - Państwa", "Test: Ameryka PD - Rzeki i Jeziora"}},
        {Category::Afryka,
         {"Test: Afryka - Góry i Szczyty", "Test: Afryka - Rzeki i Jeziora", "Test: Afryka - Państwa"}},
        {Category::Antarktyda, {"Test: Antarktyda - Lodowce i Szczyty", "Test: Antarktyda - Stacje badawcze"}},
        {Category::Australia,
         {"Test: Australia - Największe miasta", "Test: Australia - Góry i Szczyty", "Test: Australia - Pustynie",
          "Test: Australia - Rzeki i Jeziora"}},
        {Category::Rozne,
         {"Test: Różne - Flagi państw Cz. 1", "Test: Różne - Flagi państw Cz. 2", "Test: Różne - Flagi państw Cz. 3",
          "Test: Różne - Flagi państw Cz. 4", "Test: Różne - Wysokości gór", "Test: Różne - Państwa i Stolice",
          "Test: Różne - Pojęcia geograficzne Cz.1", "Test: Różne - Pojęcia geograficzne Cz.2"}},
        {Category::Swiat,
         {"Test: Świat - Kontynenty", "Test: Świat - Oceany", "Test: Świat - Wyspy", "Test: Świat - Półwyspy",
          "Test: Świat - Góry", "Test: Świat - Najwyższe szczyty", "Test: Świat - Prądy morskie"}},
        // The composites belong to no category of their own.
        {Category::All,
         {"Test: Wszystko o Polsce", "Test: Wszystko o Europie", "Test: Wszystko o Ameryce Pn i Pd",
          "Test: Wszystko o Azji i Afryce", "Test: Wszystko o Australii i Antarktydzie", "Test: Wszystko o Świecie",
          "Test: Wszystko o Różnych pytaniach"}},
    };
    return g;
}

SeedSource &seedSource()
{
    static SeedSource s;
    return s;
}

std::uint32_t nextSeed()
{
    return seedSource() ? seedSource()() : clockSeed();
}

} // namespace

const QStringList &masterList()
{
    static const QStringList all = [] {
        QStringList l;
        for (const Group &g : groups())
            l += g.titles;
        return l;
    }();
    return all;
}

QStringList defaultList()
{
    QStringList l = masterList();
    l.removeAll(QStringLiteral("Test: Polska - Krainy geograficzne"));
    l.last() = QStringLiteral("Test: Wszystko o Róznych pytaniach");
    return l;
}

QStringList categoryList(Category category)
{
    if (category == Category::All || category == Category::Custom)
        return masterList();
    for (const Group &g : groups())
        if (g.category == category)
            return g.titles;
    return {};
}

std::optional<int> codeForTitle(const QString &title)
{
    static const QHash<QString, int> exceptions = {
        {QStringLiteral("Test: Polska - Długości granic sąsiadów"), 14},
        {QStringLiteral("Test: Różne - Flagi państw Cz. 1"), 44},
        {QStringLiteral("Test: Wszystko o Polsce"), 59},
        {QStringLiteral("Test: Wszystko o Europie"), 60},
        {QStringLiteral("Test: Wszystko o Ameryce Pn i Pd"), 61},
        {QStringLiteral("Test: Wszystko o Azji i Afryce"), 62},
        {QStringLiteral("Test: Wszystko o Australii i Antarktydzie"), 63},
        {QStringLiteral("Test: Wszystko o Świecie"), 64},
        {QStringLiteral("Test: Wszystko o Różnych pytaniach"), 65},
        {QStringLiteral("Test: Wszystko o Róznych pytaniach"), 65},
    };
    if (const auto it = exceptions.constFind(title); it != exceptions.constEnd())
        return *it;
    if (!masterList().contains(title))
        return std::nullopt;
    if (const CatalogueEntry *e = catalogue::findByTitle(title))
        return e->code;
    return std::nullopt;
}

std::uint32_t clockSeed()
{
    return static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

void setSeedSource(SeedSource source)
{
    seedSource() = std::move(source);
}

bool sameTitle(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        QChar x = a.at(i), y = b.at(i);
        if (x >= QLatin1Char('a') && x <= QLatin1Char('z'))
            x = QChar(x.unicode() - 32);
        if (y >= QLatin1Char('a') && y <= QLatin1Char('z'))
            y = QChar(y.unicode() - 32);
        if (x != y)
            return false;
    }
    return true;
}

DrawResult drawTitle(const QStringList &candidates, const QString &shown)
{
    DrawResult r;
    r.title = shown;
    const int n = candidates.size();
    if (n == 0)
        return r;
    // Nothing else could be shown: keep the title rather than loop forever.
    bool anyOther = false;
    for (const QString &c : candidates)
        if (!sameTitle(c, shown)) {
            anyOther = true;
            break;
        }
    if (!anyOther) {
        r.attempts = 1;
        return r;
    }
    Generator gen;
    std::uint32_t lastSeed = 0;
    for (int attempt = 1;; ++attempt) {
        const std::uint32_t seed = nextSeed();
        // A clock that has not moved since the last attempt would give the
        // same index again: go on from where the generator stands instead.
        if (attempt == 1 || seed != lastSeed)
            gen.seed = seed;
        lastSeed = seed;
        const int i = gen.next(n);
        r.attempts = attempt;
        if (!sameTitle(candidates.at(i), shown)) {
            r.title = candidates.at(i);
            r.changed = true;
            return r;
        }
    }
}

void Board::activate()
{
    if (!categoryChosen)
        list = defaultList();
}

void Board::choose(Category c)
{
    category = c;
    categoryChosen = true;
    shown = kNotDrawn;
    list = categoryList(c);
}

Board::Outcome Board::draw(const QList<int> &selectedRows)
{
    Outcome o;
    QStringList candidates;
    if (custom()) {
        QList<int> rows = selectedRows;
        std::sort(rows.begin(), rows.end());
        for (int r : rows)
            if (r >= 0 && r < list.size())
                candidates << list.at(r);
        if (candidates.isEmpty()) {
            o.nothingSelected = true;
            return o;
        }
    } else {
        candidates = list;
    }
    o.candidates = candidates.size();
    const DrawResult r = drawTitle(candidates, shown);
    o.changed = r.changed;
    shown = r.title;
    return o;
}

} // namespace tv::draw
