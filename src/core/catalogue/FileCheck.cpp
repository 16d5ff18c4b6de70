#include "FileCheck.h"

#include "Catalogue.h"
#include "platform/Files.h"

using namespace Qt::StringLiterals;

namespace tv::filecheck {
namespace {

// Entry i checks the catalogue entry with code 9 + i.
const std::vector<CheckedTest> kChecked = {
    {u"Test: Polska - Największe miasta"_s, 10},
    {u"Test: Polska - Rzeki i Jeziora"_s, 11},
    {u"Test: Polska - Góry i Szczyty"_s, 12},
    {u"Test: Polska - Państwa sąsiadujące"_s, 13},
    {u"Test: Polska - Długości granic sąsiadów"_s, 14},
    {u"Test: Polska - Województwa"_s, 15},
    {u"Test: Polska - Parki narodowe"_s, 16},
    {u"Test: Polska - Krainy geograficzne"_s, 17},
    {u"Test: Europa - Stolice"_s, 18},
    {u"Test: Europa - Państwa"_s, 19},
    {u"Test: Europa - Góry"_s, 20},
    {u"Test: Europa - Wyspy"_s, 21},
    {u"Test: Europa - Półwyspy"_s, 22},
    {u"Test: Europa - Morza i Zatoki"_s, 23},
    {u"Test: Europa - Rzeki i Jeziora"_s, 24},
    {u"Test: Azja - Państwa"_s, 25},
    {u"Test: Azja - Góry i Szczyty"_s, 26},
    {u"Test: Azja - Rzeki i Jeziora"_s, 27},
    {u"Test: Ameryka PN - Góry i Szczyty"_s, 28},
    {u"Test: Ameryka PN - Wyspy i Półwyspy"_s, 29},
    {u"Test: Ameryka PN - Państwa"_s, 30},
    {u"Test: Ameryka PN - Rzeki i Jeziora"_s, 31},
    {u"Test: Ameryka PD - Stolice"_s, 32},
    {u"Test: Ameryka PD - Państwa"_s, 33},
    {u"Test: Ameryka PD - Rzeki i Jeziora"_s, 34},
    {u"Test: Afryka - Góry i Szczyty"_s, 35},
    {u"Test: Afryka - Rzeki i Jeziora"_s, 36},
    {u"Test: Afryka - Państwa"_s, 37},
    {u"Test: Antarktyda - Lodowce i Szczyty"_s, 38},
    {u"Test: Antarktyda - Stacje badawcze"_s, 39},
    {u"Test: Australia - Największe miasta"_s, 40},
    {u"Test: Australia - Góry i Szczyty"_s, 41},
    {u"Test: Australia - Pustynie"_s, 42},
    {u"Test: Australia - Rzeki i Jeziora"_s, 43},
    {u"Test: Różne - Flagi państw Cz. 1"_s, 44},
    {u"Test: Różne - Flagi państw Cz. 2"_s, 45},
    {u"Test: Różne - Flagi państw Cz. 3"_s, 46},
    {u"Test: Różne - Flagi państw Cz. 4"_s, 47},
    {u"Test: Różne - Wysokości gór"_s, 48},
    {u"Test: Różne - Państwa i Stolice"_s, 49},
    {u"Test: Różne - Pojęcia geograficzne Cz.1"_s, 50},
    {u"Test: Różne - Pojęcia geograficzne Cz.2"_s, 51},
    {u"Test: Świat - Kontynenty"_s, 52},
    {u"Test: Świat - Oceany"_s, 53},
    {u"Test: Świat - Wyspy"_s, 54},
    {u"Test: Świat - Półwyspy"_s, 55},
    {u"Test: Świat - Góry"_s, 56},
    {u"Test: Świat - Najwyższe szczyty"_s, 57},
    {u"Test: Świat - Prądy morskie"_s, 58},
};

} // namespace

const std::vector<CheckedTest> &checkedTests()
{
    return kChecked;
}

QStringList report(const QString &dataDir)
{
    QStringList lines;
    for (size_t i = 0; i < kChecked.size(); ++i) {
        const CheckedTest &t = kChecked[i];
        const CatalogueEntry *e = catalogue::findByCode(t.code);
        if (!e)
            continue;
        if (!files::exists(dataDir, e->configurationFile))
            lines << t.title + u": BRAK PLIKU K1"_s;
        if (!files::exists(dataDir, e->descriptionFile))
            lines << t.title + u": BRAK PLIKU K2"_s;
        if (!files::exists(dataDir, e->pictureFile))
            lines << t.title + (i + 1 == 17 ? u": BRAK PLIKU Z2"_s : u": BRAK PLIKU Z1"_s);
    }
    return lines;
}

std::vector<int> chainEntries(int chain)
{
    auto range = [](int from, int to) {
        std::vector<int> v;
        for (int i = from; i <= to; ++i)
            v.push_back(i);
        return v;
    };
    switch (chain) {
    case 1:
        return range(1, 8);
    case 2:
        return range(9, 15);
    case 3:
        return range(19, 25);
    case 4: {
        auto v = range(16, 18);
        for (int i : range(26, 28))
            v.push_back(i);
        return v;
    }
    case 5:
        return range(29, 34);
    case 6:
        return range(43, 49);
    case 7:
        return range(35, 42);
    default:
        return {};
    }
}

bool Sprawdzenie(int chain, const QString &dataDir)
{
    const auto entries = chainEntries(chain);
    if (entries.empty())
        return false;
    for (int i : entries) {
        const CatalogueEntry *e = catalogue::findByCode(kChecked[i - 1].code);
        if (!e || !files::exists(dataDir, e->configurationFile) || !files::exists(dataDir, e->descriptionFile)
            || !files::exists(dataDir, e->pictureFile))
            return false;
    }
    return true;
}

} // namespace tv::filecheck
