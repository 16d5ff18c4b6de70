#include "RandomDraw.h"

#include "catalogue/Catalogue.h"
#include "platform/Text.h"


#include <algorithm>

#include <chrono>

namespace tv::draw {

namespace {

struct Group {
    Category category;
    int firstCode;
    int lastCode;
};

// Each region's tests have consecutive server codes.
constexpr Group kGroups[] = {
    {Category::Poland, 10, 17},    {Category::Europe, 18, 24},     {Category::Asia, 25, 27},
    {Category::NorthAmerica, 28, 31}, {Category::SouthAmerica, 32, 34},  {Category::Africa, 35, 37},
    {Category::Antarctica, 38, 39}, {Category::Australia, 40, 43}, {Category::Miscellaneous, 44, 51},
    {Category::World, 52, 58},
};

QStringList titlesOf(const Group &g)
{
    QStringList titles;
    for (int code = g.firstCode; code <= g.lastCode; ++code)
        if (const CatalogueEntry *e = catalogue::findByCode(code))
            titles << catalogue::listedTitle(*e, catalogue::TitleList::Draw);
    return titles;
}

// The default list ends with the last composite spelled without its "ż".
const QString kDefaultLastTitle = QStringLiteral("Test: Wszystko o Róznych pytaniach");

SeedSource &seedSource()
{
    static SeedSource s;
    return s;
}

} // namespace

std::uint32_t nextSeed()
{
    return seedSource() ? seedSource()() : clockSeed();
}

const QStringList &masterList()
{
    static const QStringList all = [] {
        QStringList l;
        for (const Group &g : kGroups)
            l += titlesOf(g);
        // The composites belong to no category of their own.
        for (const ChainEntry &c : catalogue::chainEntries())
            l << catalogue::listedTitle(c);
        return l;
    }();
    return all;
}

QStringList defaultList()
{
    QStringList l = masterList();
    l.removeAll(QStringLiteral("Test: Polska - Krainy geograficzne"));
    l.last() = kDefaultLastTitle;
    return l;
}

QStringList categoryList(Category category)
{
    if (category == Category::All || category == Category::Custom)
        return masterList();
    for (const Group &g : kGroups)
        if (g.category == category)
            return titlesOf(g);
    return {};
}

std::optional<int> codeForTitle(const QString &title)
{
    if (!masterList().contains(title) && title != kDefaultLastTitle)
        return std::nullopt;
    if (const CatalogueEntry *e = catalogue::findByListedTitle(title, catalogue::TitleList::Draw))
        return e->code;
    if (const ChainEntry *c = catalogue::findChainByListedTitle(title))
        return c->code;
    if (title == kDefaultLastTitle)
        return catalogue::findChain(7)->code;
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
    return text::sameIgnoringAZCase(a, b);
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
