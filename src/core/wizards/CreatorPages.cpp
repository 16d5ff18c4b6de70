#include "CreatorPages.h"

using namespace Qt::StringLiterals;

namespace tv::creator {

const std::vector<StartItem> &startItems()
{
    static const std::vector<StartItem> items = {
        {u"POLSKA"_s, Target::TopicPage, u"polandPage"_s, u"Karta: POLSKA"_s,
         {{u"NAJWIĘKSZE MIASTA"_s, u"Test: Polska - Największe miasta"_s},
          {u"GÓRY I SZCZYTY"_s, u"Test: Polska - Góry i Szczyty"_s},
          {u"RZEKI I JEZIORA"_s, u"Test: Polska - Rzeki i Jeziora"_s},
          {u"WOJEWÓDZTWA"_s, u"Test: Polska - Województwa"_s},
          {u"PAŃSTWA SĄSIADUJACE"_s, u"Test: Polska - Państwa sąsiadujące"_s},
          {u"DŁUGOŚCI GRANIC SĄSIADÓW"_s, u"Test: Polska - Granice sąsiadów"_s},
          {u"PARKI NARODOWE"_s, u"Test: Polska - Parki narodowe"_s},
          {u"KRAINY GEOGRAFICZNE"_s, u"Test: Polska - Krainy geograficzne"_s}}},
        {u"EUROPA"_s, Target::TopicPage, u"europePage"_s, u"Karta: EUROPA"_s,
         {{u"GÓRY"_s, u"Test: Europa - Góry"_s},
          {u"WYSPY"_s, u"Test: Europa - Wyspy"_s},
          {u"PÓŁWYSPY"_s, u"Test: Europa - Półwyspy"_s},
          {u"STOLICE"_s, u"Test: Europa - Stolice"_s},
          {u"PAŃSTWA"_s, u"Test: Europa - Państwa"_s},
          {u"MORZA I ZATOKI"_s, u"Test: Europa - Morza i Zatoki"_s},
          {u"RZEKI I JEZIORA"_s, u"Test: Europa - Rzeki i Jeziora"_s}}},
        {u"AZJA"_s, Target::TopicPage, u"asiaPage"_s, u"Karta: AZJA"_s,
         {{u"GÓRY I SZCZYTY"_s, u"Test: Azja - Góry i Szczyty"_s},
          {u"PAŃSTWA"_s, u"Test: Azja - Państwa"_s},
          {u"RZEKI I JEZIORA"_s, u"Test: Azja - Rzeki i Jeziora"_s}}},
        {u"AMERYKA PÓŁNOCNA"_s, Target::TopicPage, u"northAmericaPage"_s, u"Karta: AMERYKA PÓŁNOCNA "_s,
         {{u"GÓRY I SZCZYTY"_s, u"Test: Ameryka PN - Góry i Szczyty"_s},
          {u"RZEKI I JEZIORA"_s, u"Test: Ameryka PN - Rzeki i Jeziora"_s},
          {u"WYSPY I PÓŁWYSPY"_s, u"Test: Ameryka PN - Wyspy i Półwyspy"_s},
          {u"PAŃSTWA"_s, u"Test: Ameryka PN - Państwa"_s}}},
        {u"AMERYKA POŁUDNIOWA"_s, Target::TopicPage, u"southAmericaPage"_s, u"Karta: AMERYKA POŁUDNIOWA"_s,
         {{u"PAŃSTWA"_s, u"Test: Ameryka PD - Państwa"_s},
          {u"RZEKI I JEZIORA"_s, u"Test: Ameryka PD - Rzeki i Jeziora"_s},
          {u"STOLICE"_s, u"Test: Ameryka PD - Stolice"_s}}},
        {u"AFRYKA"_s, Target::TopicPage, u"africaPage"_s, u"Karta: AFRYKA"_s,
         {{u"GÓRY I SCZYTY"_s, u"Test: Afryka - Góry i Szczyty"_s},
          {u"RZEKI I JEZIORA"_s, u"Test: Afryka - Rzeki i Jeziora"_s},
          {u"PAŃSTWA"_s, u"Test: Afryka - Państwa"_s}}},
        {u"AUSTRALIA"_s, Target::TopicPage, u"australiaPage"_s, u"Karta: AUSTRALIA"_s,
         {{u"GÓRY I SCZYTY"_s, u"Test: Australia - Góry i Szczyty"_s},
          {u"PUSTYNIE"_s, u"Test: Australia - Pustynie"_s},
          {u"NAJWIĘKSZE MIASTA"_s, u"Test: Australia - Największe miasta"_s},
          {u"RZEKI I JEZIORA"_s, u"Test: Australia - Rzeki i Jeziora"_s}}},
        {u"ANTARKTYDA"_s, Target::TopicPage, u"antarcticaPage"_s, u"Karta: ANTARKTYDA"_s,
         {{u"LODOWCE I SZCZYTY"_s, u"Test: Antarktyda - Lodowce i Szczyty"_s},
          {u"STACJE BADAWCZE"_s, u"Test: Antarktyda - Stacje badawcze"_s}}},
        {u"ŚWIAT"_s, Target::TopicPage, u"worldPage"_s, u"Karta: ŚWIAT"_s,
         {{u"ROZPOZNAJ KONTYNENTY"_s, u"Test: Świat - Kontynenty"_s},
          {u"ROZPOZNAJ OCEANY"_s, u"Test: Świat - Oceany"_s},
          {u"WYSPY"_s, u"Test: Świat - Wyspy"_s},
          {u"PÓŁWYSPY"_s, u"Test: Świat - Półwyspy"_s},
          {u"GÓRY"_s, u"Test: Świat - Góry"_s},
          {u"NAJWYŻSZE SZCZYTY"_s, u"Test: Świat - Najwyższe szczyty"_s},
          {u"PRĄDY MORSKIE"_s, u"Test: Świat - Prądy morskie"_s}}},
        {u"RÓŻNE PYTANIA GEGRAFICZNE"_s, Target::TopicPage, u"miscellaneousPage"_s, u"Karta: RÓŻNE TESTY"_s,
         {{u"DOPASUJ WYSOKOŚCI DO SZCZYTU"_s, u"Test: Różne - Wysokości gór"_s},
          {u"FLAGI PAŃSTW CZ. 1"_s, u"Test: Różne - Flagi państw"_s},
          {u"FLAGI PAŃSTW CZ. 2"_s, u"Test: Różne - Flagi państw Cz. 2"_s},
          {u"FLAGI PAŃSTW CZ. 3"_s, u"Test: Różne - Flagi państw Cz. 3"_s},
          {u"FLAGI PAŃSTW CZ. 4"_s, u"Test: Różne - Flagi państw Cz. 4"_s},
          {u"PAŃSTWA I STOLICE"_s, u"Test: Różne - Państwa i Stolice"_s},
          {u"POJĘCIA GEOGRAFICZNE CZĘŚĆ 1"_s, u"Test: Różne - Pojęcia geograficzne Cz.1"_s},
          {u"POJĘCIA GEOGRAFICZNE CZĘŚĆ 2"_s, u"Test: Różne - Pojęcia geograficzne Cz.2"_s}}},
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
