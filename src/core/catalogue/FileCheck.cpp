#include "FileCheck.h"

#include "Catalogue.h"
#include "platform/Files.h"

using namespace Qt::StringLiterals;

namespace tv::filecheck {
namespace {

// The check list names every single test, in server-code order.
std::vector<CheckedTest> buildChecked()
{
    std::vector<CheckedTest> out;
    for (const CatalogueEntry *e : catalogue::inCodeOrder())
        out.push_back({catalogue::listedTitle(*e, catalogue::TitleList::FileCheck), e->code});
    return out;
}

} // namespace

const std::vector<CheckedTest> &checkedTests()
{
    // Built at first use, not at start-up: the catalogue it is built from is
    // another file's table, and the order in which files' tables are made at
    // start-up differs between linkers (on Windows this list came out empty).
    static const std::vector<CheckedTest> checked = buildChecked();
    return checked;
}

QStringList report(const QString &dataDir)
{
    QStringList lines;
    const std::vector<CheckedTest> &checked = checkedTests();
    for (size_t i = 0; i < checked.size(); ++i) {
        const CheckedTest &t = checked[i];
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

bool chainFilesPresent(int chain, const QString &dataDir)
{
    const auto entries = chainEntries(chain);
    if (entries.empty())
        return false;
    for (int i : entries) {
        const CatalogueEntry *e = catalogue::findByCode(checkedTests()[i - 1].code);
        if (!e || !files::exists(dataDir, e->configurationFile) || !files::exists(dataDir, e->descriptionFile)
            || !files::exists(dataDir, e->pictureFile))
            return false;
    }
    return true;
}

} // namespace tv::filecheck
