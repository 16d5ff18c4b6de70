#include "CreatorPages.h"

using namespace Qt::StringLiterals;

namespace tv::creator {

const std::vector<StartItem> &startItems()
{
    static const std::vector<StartItem> items = {
        {u"POLSKA"_s, Target::TopicPage, u"polandPage"_s, u"Karta: POLSKA"_s,
         {Option{u"NAJWIĘKSZE MIASTA"_s, 10},
          Option{u"GÓRY I SZCZYTY"_s, 12},
          Option{u"RZEKI I JEZIORA"_s, 11},
          Option{u"WOJEWÓDZTWA"_s, 15},
          Option{u"PAŃSTWA SĄSIADUJACE"_s, 13},
          Option{u"DŁUGOŚCI GRANIC SĄSIADÓW"_s, 14},
          Option{u"PARKI NARODOWE"_s, 16},
          Option{u"KRAINY GEOGRAFICZNE"_s, 17}}},
        {u"EUROPA"_s, Target::TopicPage, u"europePage"_s, u"Karta: EUROPA"_s,
         {Option{u"GÓRY"_s, 20},
          Option{u"WYSPY"_s, 21},
          Option{u"PÓŁWYSPY"_s, 22},
          Option{u"STOLICE"_s, 18},
          Option{u"PAŃSTWA"_s, 19},
          Option{u"MORZA I ZATOKI"_s, 23},
          Option{u"RZEKI I JEZIORA"_s, 24}}},
        {u"AZJA"_s, Target::TopicPage, u"asiaPage"_s, u"Karta: AZJA"_s,
         {Option{u"GÓRY I SZCZYTY"_s, 26},
          Option{u"PAŃSTWA"_s, 25},
          Option{u"RZEKI I JEZIORA"_s, 27}}},
        {u"AMERYKA PÓŁNOCNA"_s, Target::TopicPage, u"northAmericaPage"_s, u"Karta: AMERYKA PÓŁNOCNA "_s,
         {Option{u"GÓRY I SZCZYTY"_s, 28},
          Option{u"RZEKI I JEZIORA"_s, 31},
          Option{u"WYSPY I PÓŁWYSPY"_s, 29},
          Option{u"PAŃSTWA"_s, 30}}},
        {u"AMERYKA POŁUDNIOWA"_s, Target::TopicPage, u"southAmericaPage"_s, u"Karta: AMERYKA POŁUDNIOWA"_s,
         {Option{u"PAŃSTWA"_s, 33},
          Option{u"RZEKI I JEZIORA"_s, 34},
          Option{u"STOLICE"_s, 32}}},
        {u"AFRYKA"_s, Target::TopicPage, u"africaPage"_s, u"Karta: AFRYKA"_s,
         {Option{u"GÓRY I SCZYTY"_s, 35},
          Option{u"RZEKI I JEZIORA"_s, 36},
          Option{u"PAŃSTWA"_s, 37}}},
        {u"AUSTRALIA"_s, Target::TopicPage, u"australiaPage"_s, u"Karta: AUSTRALIA"_s,
         {Option{u"GÓRY I SCZYTY"_s, 41},
          Option{u"PUSTYNIE"_s, 42},
          Option{u"NAJWIĘKSZE MIASTA"_s, 40},
          Option{u"RZEKI I JEZIORA"_s, 43}}},
        {u"ANTARKTYDA"_s, Target::TopicPage, u"antarcticaPage"_s, u"Karta: ANTARKTYDA"_s,
         {Option{u"LODOWCE I SZCZYTY"_s, 38},
          Option{u"STACJE BADAWCZE"_s, 39}}},
        {u"ŚWIAT"_s, Target::TopicPage, u"worldPage"_s, u"Karta: ŚWIAT"_s,
         {Option{u"ROZPOZNAJ KONTYNENTY"_s, 52},
          Option{u"ROZPOZNAJ OCEANY"_s, 53},
          Option{u"WYSPY"_s, 54},
          Option{u"PÓŁWYSPY"_s, 55},
          Option{u"GÓRY"_s, 56},
          Option{u"NAJWYŻSZE SZCZYTY"_s, 57},
          Option{u"PRĄDY MORSKIE"_s, 58}}},
        {u"RÓŻNE PYTANIA GEGRAFICZNE"_s, Target::TopicPage, u"miscellaneousPage"_s, u"Karta: RÓŻNE TESTY"_s,
         {Option{u"DOPASUJ WYSOKOŚCI DO SZCZYTU"_s, 48},
          Option{u"FLAGI PAŃSTW CZ. 1"_s, 44},
          Option{u"FLAGI PAŃSTW CZ. 2"_s, 45},
          Option{u"FLAGI PAŃSTW CZ. 3"_s, 46},
          Option{u"FLAGI PAŃSTW CZ. 4"_s, 47},
          Option{u"PAŃSTWA I STOLICE"_s, 49},
          Option{u"POJĘCIA GEOGRAFICZNE CZĘŚĆ 1"_s, 50},
          Option{u"POJĘCIA GEOGRAFICZNE CZĘŚĆ 2"_s, 51}}},
        {u"WSZYSTKO O..."_s, Target::ChainPage, u"chainsPage"_s, u"Karta: WSZYSTKO O..."_s, {}},
        {u"WYLOSUJ TEST..."_s, Target::RandomPage, u"randomPage"_s, QString(), {}},
        {u"SPRAWDŹ CO TO ZA MIEJSCE NA ZIEMI"_s, Target::Game, QString(), QString(), {}},
    };
    return items;
}

const std::vector<QString> &pageOrder()
{
    static const std::vector<QString> order = {
        u"startPage"_s, u"polandPage"_s, u"europePage"_s, u"northAmericaPage"_s, u"asiaPage"_s, u"australiaPage"_s, u"africaPage"_s,
        u"antarcticaPage"_s, u"worldPage"_s, u"miscellaneousPage"_s, u"southAmericaPage"_s, u"chainsPage"_s, u"randomPage"_s,
    };
    return order;
}

const std::vector<ChainOption> &chainOptions()
{
    static const std::vector<ChainOption> options = [] {
        const QString captions[7] = {u"POLSCE"_s, u"EUROPIE"_s, u"AMERYCE PÓŁNOCNEJ I POŁUDNIOWEJ"_s,
                                     u"AZJI I AFRYCE"_s, u"AUSTRALII I ANTARKTYDZIE"_s, u"ŚWIECIE"_s,
                                     u"RÓŻNYCH POJĘCIACH GEOGRAFICZNYCH"_s};
        std::vector<ChainOption> out;
        for (int chain = 1; chain <= 7; ++chain)
            out.push_back({captions[chain - 1], *catalogue::findChain(chain)});
        // The creator names the fourth chain's first test in full.
        ChainEntry &asia = out[3].entry;
        asia.title = u"Test: Wszystko o Azji i Afryce [Obecny test (1) z (6): Azja - Góry i Szczyty]"_s;
        asia.status = u"Obecny test (1) z (6): Azja - Góry i Szczyty"_s;
        return out;
    }();
    return options;
}

QString statusTextFor(const QString &page, const QString &option, const QString &title)
{
    if (page == QLatin1String("polandPage") && option == QStringLiteral("NAJWIĘKSZE MIASTA"))
        return QStringLiteral("Test: Polska - Najwieksze miasta");
    return title;
}

} // namespace tv::creator
