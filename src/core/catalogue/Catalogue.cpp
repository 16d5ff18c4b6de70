#include "Catalogue.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tv::catalogue {
namespace {

const std::vector<CatalogueEntry> kSingles = {
    {10, u"Polska"_s, u"Największe miasta"_s, u"Test: Polska - Największe miasta"_s, u"PM.dat"_s, u"PM_o.dat"_s, u"Polska_miasta.jpg"_s, u"Polska - Największe miasta"_s, Mark::NoteMissingFile},
    {12, u"Polska"_s, u"Góry i Szczyty"_s, u"Test: Polska - Góry i Szczyty"_s, u"PG.dat"_s, u"PG_o.dat"_s, u"Polska_gory.jpg"_s, u"Polska - Góry i Szczyty"_s, Mark::None},
    {11, u"Polska"_s, u"Rzeki i Jeziora"_s, u"Test: Polska - Rzeki i Jeziora"_s, u"PRZ.dat"_s, u"PRZ_o.dat"_s, u"Polska_rzeki.jpg"_s, u"Polska - Rzeki i Jeziora"_s, Mark::None},
    {15, u"Polska"_s, u"Województwa"_s, u"Test: Polska - Województwa"_s, u"PWOJ.dat"_s, u"PWOJ_o.dat"_s, u"Polska_woj.jpg"_s, u"Polska - Województwa"_s, Mark::None},
    {13, u"Polska"_s, u"Państwa sąsiadujące "_s, u"Test: Polska - Państwa sąsiadujące"_s, u"PS.dat"_s, u"PS_o.dat"_s, u"Polska_sasiedzi.jpg"_s, u"Polska - Państwa sąsiadujące"_s, Mark::None},
    {14, u"Polska"_s, u"Długości granic sąsiadów"_s, u"Test: Polska - Granice sąsiadów"_s, u"PGr.dat"_s, u"PGr_o.dat"_s, u"Polska_granice.jpg"_s, u"Polska - Granice sąsiadów"_s, Mark::None},
    {16, u"Polska"_s, u"Parki narodowe"_s, u"Test: Polska - Parki narodowe"_s, u"PP.dat"_s, u"PP_o.dat"_s, u"Polska_parki.jpg"_s, u"Polska - Parki narodowe"_s, Mark::None},
    {17, u"Polska"_s, u"Krainy geograficzne"_s, u"Test: Polska - Krainy geograficzne"_s, u"Pk.dat"_s, u"Pk_o.dat"_s, u"Polska_krainy.jpg"_s, u"Polska - Krainy geograficzne"_s, Mark::None},
    {20, u"Europa"_s, u"Góry"_s, u"Test: Europa - Góry"_s, u"EG.dat"_s, u"EG_o.dat"_s, u"Europa_gory.jpg"_s, u"Europa - Góry"_s, Mark::ReportAnyMissing},
    {21, u"Europa"_s, u"Wyspy"_s, u"Test: Europa - Wyspy"_s, u"EW.dat"_s, u"EW_o.dat"_s, u"Europa_wyspy.jpg"_s, u"Europa - Wyspy"_s, Mark::ReportMissingConfiguration},
    {22, u"Europa"_s, u"Półwyspy"_s, u"Test: Europa - Półwyspy"_s, u"EPW.dat"_s, u"EPW_o.dat"_s, u"Europa_polwyspy.jpg"_s, u"Europa - Półwyspy"_s, Mark::ReportMissingConfiguration},
    {18, u"Europa"_s, u"Stolice"_s, u"Test: Europa - Stolice"_s, u"ES.dat"_s, u"ES_o.dat"_s, u"Europa_stolice.jpg"_s, u"Europa - Stolice"_s, Mark::None},
    {19, u"Europa"_s, u"Państwa"_s, u"Test: Europa - Państwa"_s, u"EP.dat"_s, u"EP_o.dat"_s, u"Europa_panstwa.jpg"_s, u"Europa - Państwa"_s, Mark::None},
    {23, u"Europa"_s, u"Morza i Zatoki"_s, u"Test: Europa - Morza i Zatoki"_s, u"EM.dat"_s, u"EM_o.dat"_s, u"Europa_morza.jpg"_s, u"Europa - Morza i Zatoki"_s, Mark::None},
    {24, u"Europa"_s, u"Rzeki i Jeziora"_s, u"Test: Europa - Rzeki i Jeziora"_s, u"ER.dat"_s, u"ER_o.dat"_s, u"Europa_rzeki.jpg"_s, u"Europa - Rzeki i Jeziora"_s, Mark::None},
    {26, u"Azja"_s, u"Góry i Szczyty"_s, u"Test: Azja - Góry i Szczyty"_s, u"AZG.dat"_s, u"AZG_o.dat"_s, u"Azja_gory.jpg"_s, u"Azja - Góry i Szczyty"_s, Mark::None},
    {25, u"Azja"_s, u"Państwa"_s, u"Test: Azja - Państwa"_s, u"AZP.dat"_s, u"AZP_o.dat"_s, u"Azja_panstwa.jpg"_s, u"Azja - Państwa"_s, Mark::None},
    {27, u"Azja"_s, u"Rzeki i Jeziora"_s, u"Test: Azja - Rzeki i Jeziora"_s, u"AZR.dat"_s, u"AZR_o.dat"_s, u"Azja_rzeki.jpg"_s, u"Azja - Rzeki i Jeziora"_s, Mark::None},
    {28, u"Ameryka północna"_s, u"Góry i Szczyty"_s, u"Test: Ameryka PN - Góry i Szczyty"_s, u"APNG.dat"_s, u"APNG_o.dat"_s, u"Ameryka_pn_gory.jpg"_s, u"Ameryka PN - Góry i Szczyty"_s, Mark::None},
    {30, u"Ameryka północna"_s, u"Państwa"_s, u"Test: Ameryka PN - Państwa"_s, u"APNP.dat"_s, u"APNP_o.dat"_s, u"Ameryka_pn_panstwa.jpg"_s, u"Ameryka PN - Państwa"_s, Mark::None},
    {29, u"Ameryka północna"_s, u"Półwyspy i Wyspy"_s, u"Test: Ameryka PN - Wyspy i Półwyspy"_s, u"APNW.dat"_s, u"APNW_o.dat"_s, u"Ameryka_pn_wyspy.jpg"_s, u"Ameryka PN - Wyspy i Półwyspy"_s, Mark::None},
    {31, u"Ameryka północna"_s, u"Rzeki i Jeziora"_s, u"Test: Ameryka PN - Rzeki i Jeziora"_s, u"APNR.dat"_s, u"APNR_o.dat"_s, u"Ameryka_pn_rzeki.jpg"_s, u"Ameryka PN - Rzeki i Jeziora"_s, Mark::None},
    {33, u"Ameryka południowa"_s, u"Państwa"_s, u"Test: Ameryka PD - Państwa"_s, u"APDP.dat"_s, u"APDP_o.dat"_s, u"Ameryka_pd_panstwa.jpg"_s, u"Ameryka PD - Państwa"_s, Mark::None},
    {34, u"Ameryka południowa"_s, u"Rzeki i Jeziora"_s, u"Test: Ameryka PD - Rzeki i Jeziora"_s, u"APDR.dat"_s, u"APDR_o.dat"_s, u"Ameryka_pd_rzeki.jpg"_s, u"Ameryka PD - Rzeki i Jeziora"_s, Mark::None},
    {32, u"Ameryka południowa"_s, u"Stolice"_s, u"Test: Ameryka PD - Stolice"_s, u"APDS.dat"_s, u"APDS_o.dat"_s, u"Ameryka_pd_stolice.jpg"_s, u"Ameryka PD - Stolice"_s, Mark::None},
    {40, u"Australia"_s, u"Największe miasta"_s, u"Test: Australia - Największe miasta"_s, u"AUM.dat"_s, u"AUM_o.dat"_s, u"Australia_miasta.jpg"_s, u"Australia - Największe miasta"_s, Mark::None},
    {42, u"Australia"_s, u"Pustynie"_s, u"Test: Australia - Pustynie"_s, u"AUP.dat"_s, u"AUP_o.dat"_s, u"Australia_pustynie.jpg"_s, u"Australia - Pustynie"_s, Mark::None},
    {41, u"Australia"_s, u"Góry i Szczyty"_s, u"Test: Australia - Góry i Szczyty"_s, u"AUG.dat"_s, u"AUG_o.dat"_s, u"Australia_gory.jpg"_s, u"Australia - Góry i Szczyty"_s, Mark::None},
    {43, u"Australia"_s, u"Rzeki i Jeziora"_s, u"Test: Australia - Rzeki i Jeziora"_s, u"AUR.dat"_s, u"AUR_o.dat"_s, u"Australia_rzeki.jpg"_s, u"Australia - Rzeki i Jeziora"_s, Mark::None},
    {37, u"Afryka"_s, u"Państwa"_s, u"Test: Afryka - Państwa"_s, u"AFP.dat"_s, u"AFP_o.dat"_s, u"Afryka_panstwa.jpg"_s, u"Afryka - Państwa"_s, Mark::None},
    {35, u"Afryka"_s, u"Góry i Szczyty"_s, u"Test: Afryka - Góry i Szczyty"_s, u"AFG.dat"_s, u"AFG_o.dat"_s, u"Afryka_gory.jpg"_s, u"Afryka - Góry i Szczyty"_s, Mark::None},
    {36, u"Afryka"_s, u"Rzeki i Jeziora"_s, u"Test: Afryka - Rzeki i Jeziora"_s, u"AFR.dat"_s, u"AFR_o.dat"_s, u"Afryka_rzeki.jpg"_s, u"Afryka - Rzeki i Jeziora"_s, Mark::None},
    {38, u"Antarktyda"_s, u"Lodowce i szczyty"_s, u"Test: Antarktyda - Lodowce i Szczyty"_s, u"AN.dat"_s, u"AN_o.dat"_s, u"Antarktyda_lodowce.jpg"_s, u"Antarktyda - Lodowce i Szczyty"_s, Mark::None},
    {39, u"Antarktyda"_s, u"Stacje badawcze"_s, u"Test: Antarktyda - Stacje badawcze"_s, u"ANs.dat"_s, u"ANs_o.dat"_s, u"Antarktyda_stacje.jpg"_s, u"Antarktyda - Stacje badawcze"_s, Mark::None},
    {52, u"Świat"_s, u"Rozpoznaj kontynenty"_s, u"Test: Świat - Kontynenty"_s, u"SK.dat"_s, u"SK_o.dat"_s, u"Swiat_kontynenty.jpg"_s, u"Świat - Kontynenty"_s, Mark::None},
    {53, u"Świat"_s, u"Rozpoznaj oceany"_s, u"Test: Świat - Oceany"_s, u"SO.dat"_s, u"SO_o.dat"_s, u"Swiat_oceany.jpg"_s, u"Świat - Oceany"_s, Mark::None},
    {54, u"Świat"_s, u"Wyspy "_s, u"Test: Świat - Wyspy"_s, u"SW.dat"_s, u"SW_o.dat"_s, u"Swiat_wyspy.jpg"_s, u"Świat - Wyspy"_s, Mark::None},
    {55, u"Świat"_s, u"Półwyspy"_s, u"Test: Świat - Półwyspy"_s, u"SPW.dat"_s, u"SPW_o.dat"_s, u"Swiat_polwyspy.jpg"_s, u"Świat - Półwyspy"_s, Mark::None},
    {56, u"Świat"_s, u"Góry"_s, u"Test: Świat - Góry"_s, u"SG.dat"_s, u"SG_o.dat"_s, u"Swiat_gory.jpg"_s, u"Świat - Góry"_s, Mark::None},
    {57, u"Świat"_s, u"Najwyższe szczyty"_s, u"Test: Świat - Najwyższe szczyty"_s, u"SS.dat"_s, u"SS_o.dat"_s, u"Swiat_szczyty.jpg"_s, u"Świat - Najwyższe szczyty"_s, Mark::None},
    {58, u"Świat"_s, u"Prądy morskie "_s, u"Test: Świat - Prądy morskie"_s, u"SP.dat"_s, u"SP_o.dat"_s, u"Swiat_prady.jpg"_s, u"Świat - Prądy morskie"_s, Mark::None},
    {48, u"Różne pytania"_s, u"Dopasuj wysokości do góry"_s, u"Test: Różne - Wysokości gór"_s, u"RG.dat"_s, u"RG_o.dat"_s, u"Rozne_gory.jpg"_s, u"Różne - Wyśokosci gór"_s, Mark::NoteMissingFile},
    {44, u"Różne pytania"_s, u"Flagi Państw Cz. 1"_s, u"Test: Różne - Flagi państw"_s, u"RF.dat"_s, u"RF_o.dat"_s, u"Rozne_flagi.jpg"_s, u"Różne - Flagi państw Cz. 1"_s, Mark::NoteMissingFile},
    {45, u"Różne pytania"_s, u"Flagi państw Cz. 2"_s, u"Test: Różne - Flagi państw Cz. 2"_s, u"RF2.dat"_s, u"RF2_o.dat"_s, u"Rozne_flagi2.jpg"_s, u"Różne - Flagi państw Cz. 2"_s, Mark::NoteMissingFile},
    {46, u"Różne pytania"_s, u"Flagi państw Cz. 3"_s, u"Test: Różne - Flagi państw Cz. 3"_s, u"RF3.dat"_s, u"RF3_o.dat"_s, u"Rozne_flagi3.jpg"_s, u"Różne - Flagi państw Cz. 3"_s, Mark::NoteMissingFile},
    {47, u"Różne pytania"_s, u"Flagi państw Cz. 4"_s, u"Test: Różne - Flagi państw Cz. 4"_s, u"RF4.dat"_s, u"RF4_o.dat"_s, u"Rozne_flagi4.jpg"_s, u"Różne - Flagi państw Cz. 4"_s, Mark::NoteMissingFile},
    {49, u"Różne pytania"_s, u"Państwa i Stolice"_s, u"Test: Różne - Państwa i Stolice"_s, u"RS.dat"_s, u"RS_o.dat"_s, u"Rozne_stolice.jpg"_s, u"Różne - Państwa i Stolice"_s, Mark::None},
    {50, u"Różne pytania"_s, u"Pojęcia geograficzne Cz.1"_s, u"Test: Różne - Pojęcia geograficzne Cz.1"_s, u"RP.dat"_s, u"RP_o.dat"_s, u"Rozne_pytania.jpg"_s, u"Różne - Pojęcia geograficzne Cz.1"_s, Mark::NoteMissingFile},
    {51, u"Różne pytania"_s, u"Pojęcia geograficzne Cz.2"_s, u"Test: Różne - Pojęcia geograficzne Cz.2"_s, u"RP2.dat"_s, u"RP2_o.dat"_s, u"Rozne_pytania2.jpg"_s, u"Różne - Pojęcia geograficzne Cz.2"_s, Mark::NoteMissingFile},
};

const std::vector<ChainEntry> kChains = {
    {59, u"Polsce"_s, 1, 97, u"Test: Wszystko o Polsce [Obecny test (1) z (8): Polska - Największe miasta]"_s, u"Obecny test (1) z (8): Polska - Największe miasta"_s, u"PM.dat"_s, u"PM_o.dat"_s, u"Polska_miasta.jpg"_s, u"Wszystko o Polsce"_s},
    {60, u"Europie"_s, 2, 92, u"Test: Wszystko o Europie [Obecny test (1) z (7): Europa - Góry]"_s, u"Obecny test (1) z (7): Europa - Góry"_s, u"EG.dat"_s, u"EG_o.dat"_s, u"Europa_gory.jpg"_s, u"Wszystko o Europie"_s},
    {61, u"Ameryce Pd i Pn"_s, 3, 73, u"Test: Wszystko o Ameryce Pn i Pd [Obecny test (1) z (7): Ameryka Pn - Góry i Szczyty]"_s, u"Obecny test (1) z (7): Ameryka Pn - Góry i Szczyty"_s, u"APNG.dat"_s, u"APNG_o.dat"_s, u"Ameryka_pn_gory.jpg"_s, u"Wszystko o Ameryce Pn i Pd"_s},
    {62, u"Azji i Afryce"_s, 4, 77, u"Test: Wszystko o Azji i Afryce [Obecny test (1) z (6): Azja - Góry]"_s, u"Obecny test (1) z (6): Azja - Góry"_s, u"AZG.dat"_s, u"AZG_o.dat"_s, u"Azja_gory.jpg"_s, u"Wszystko o Azji i Afryce"_s},
    {63, u"Australii i Antarktydzie"_s, 5, 40, u"Test: Wszystko o Australii i Antarktydzie [Obecny test (1) z (6): Australia - Największe miasta]"_s, u"Obecny test (1) z (6): Australia - Największe miasta"_s, u"AUM.dat"_s, u"AUM_o.dat"_s, u"Australia_miasta.jpg"_s, u"Wszystko o Australii i Antarktydzie"_s},
    {64, u"Świecie"_s, 6, 64, u"Test: Wszystko o Świecie [Obecny test (1) z (7): Świat - Kontynenty]"_s, u"Obecny test (1) z (7): Świat - Kontynenty"_s, u"SK.dat"_s, u"SK_o.dat"_s, u"Swiat_kontynenty.jpg"_s, u"Wszystko o Świecie"_s},
    {65, u"Różnych pojęciach geograficznych"_s, 7, 120, u"Test: Wszystko o Różnych pojęciach [Obecny test (1) z (8): Różne - Wysokości gór]"_s, u"Obecny test (1) z (8): Różne - Wysokości gór"_s, u"RG.dat"_s, u"RG_o.dat"_s, u"Rozne_gory.jpg"_s, u"Wszystko o Różnych pojęciach geograficznych"_s},
};

// A chain's test names its single test by server code and takes that test's
// files; only the last step of the Polish chain spells its two .dat files in
// capitals ("PK.dat"), which a case-sensitive file system tells apart.
struct StepRow {
    int chain;
    int step;
    int code;
    QString title;
    QString status;  // empty for step 1: the chain's start writes it
    QString caption; // the main window's caption when it differs from status
    QString fileStem = QString(); // the .dat files' stem when it differs from the test's
};

const StepRow kStepRows[] = {
    {1, 1, 10, u"Test: Wszystko o Polsce [Obecny test (1) z (8): Polska - Największe miasta]"_s, u""_s, u""_s},
    {1, 2, 12, u"Test: Wszystko o Polsce [Obecny test (2) z (8): Polska - Góry i Szczyty]"_s, u"Obecny test (2) z (8): Polska - Góry i Szczyty"_s, u""_s},
    {1, 3, 11, u"Test: Wszystko o Polsce [Obecny test (3) z (8): Polska - Rzeki i Jeziora]"_s, u"Obecny test (3) z (8): Polska - Rzeki i Jeziora"_s, u""_s},
    {1, 4, 15, u"Test: Wszystko o Polsce [Obecny test (4) z (8): Polska - Województwa]"_s, u"Obecny test (4) z (8): Polska - Województwa"_s, u""_s},
    {1, 5, 13, u"Test: Wszystko o Polsce [Obecny test (5) z (8): Polska - Państwa sąsiadujące]"_s, u"Obecny test (5) z (8): Polska - Państwa sąsiadujące"_s, u""_s},
    {1, 6, 14, u"Test: Wszystko o Polsce [Obecny test (6) z (8): Polska - granice sąsiadów]"_s, u"Obecny test (6) z (8): Polska - Granice sąsiadów"_s, u""_s},
    {1, 7, 16, u"Test: Wszystko o Polsce [Obecny test (7) z (8): Polska - Parki narodowe]"_s, u"Obecny test (7) z (8): Polska - Parki narodowe"_s, u""_s},
    {1, 8, 17, u"Test: Wszystko o Polsce [Obecny test (8) z (8): Polska - Krainy geograficzne]"_s, u"Obecny test (8) z (8): Polska - Krainy geograficzne"_s, u""_s, u"PK"_s},
    {2, 1, 20, u"Test: Wszystko o Europie [Obecny test (1) z (7): Europa - Góry]"_s, u""_s, u""_s},
    {2, 2, 21, u"Test: Wszystko o Europie [Obecny test (2) z (7): Europa - Wysp]"_s, u"Obecny test (2) z (7): Europa - Wyspy"_s, u""_s},
    {2, 3, 22, u"Test: Wszystko o Europie [Obecny test (3) z (7): Europa - Półwyspy]"_s, u"Obecny test (3) z (7): Europa - Półwyspy"_s, u""_s},
    {2, 4, 18, u"Test: Wszystko o Europie [Obecny test (4) z (7): Europa - Stolice]"_s, u"Obecny test (4) z (7): Europa - Stolice"_s, u""_s},
    {2, 5, 19, u"Test: Wszystko o Europie [Obecny test (5) z (7): Europa - Państwa]"_s, u"Obecny test (5) z (7): Europa - Panstwa"_s, u"Obecny test (5) z (7): Europa - Państwa"_s},
    {2, 6, 23, u"Test: Wszystko o Europie [Obecny test (6) z (7): Europa - Morza i Zatoki]"_s, u"Obecny test (6) z (7): Europa - Morza i Zatoki"_s, u""_s},
    {2, 7, 24, u"Test: Wszystko o Europie [Obecny test (7) z (7): Europa - Rzeki i Jeziora]"_s, u"Obecny test (7) z (7): Europa - Rzeki i Jeziora"_s, u""_s},
    {3, 1, 28, u"Test: Wszystko o Ameryce Pn i Pd [Obecny test (1) z (7): Ameryka Pn - Góry i Szczyty]"_s, u""_s, u""_s},
    {3, 2, 30, u"Test: Wszystko o Ameryce Pn i Pd [Obecny test (2) z (7): Ameryka PN - Państwa]"_s, u"Obecny test (2) z (7): Ameryka PN - Państwa"_s, u""_s},
    {3, 3, 29, u"Test: Wszystko o Ameryce Pn i Pd [Obecny test (3) z (7): Ameryka PN - Wyspy i Półwyspy]"_s, u"Obecny test (3) z (7): Ameryka PN - Wyspy i Półwyspy"_s, u""_s},
    {3, 4, 31, u"Test: Wszystko o Ameryce Pn i Pd [Obecny test (4) z (7): Ameryka PN - Rzeki i Jeziora]"_s, u"Obecny test (4) z (7): Ameryka PN - Rzeki i Jeziora"_s, u""_s},
    {3, 5, 33, u"Test: Wszystko o Ameryce Pn i Pd [Obecny test (5) z (7): Ameryka PD - Państwa]"_s, u"Obecny test (5) z (7): Ameryka PD - Państwa"_s, u""_s},
    {3, 6, 34, u"Test: Wszystko o Ameryce Pn i Pd [Obecny test (6) z (7): Ameryka PD - Rzeki i Jeziora]"_s, u"Obecny test (6) z (7): Ameryka PD - Rzeki i Jeziora"_s, u""_s},
    {3, 7, 32, u"Test: Wszystko o Ameryce Pn i Pd [Obecny test (7) z (7): Ameryka PD - Stolice]"_s, u"Obecny test (7) z (7): Ameryka PD - Stolice"_s, u""_s},
    {4, 1, 26, u"Test: Wszystko o Azji i Afryce [Obecny test (1) z (6): Azja - Góry]"_s, u""_s, u""_s},
    {4, 2, 25, u"Test: Wszystko o Azji i Afryce [Obecny test (2) z (6): Azja - Państwa]"_s, u"Obecny test (2) z (6): Azja - Państwa"_s, u""_s},
    {4, 3, 27, u"Test: Wszystko o Azji i Afryce [Obecny test (3) z (6): Azja - Rzeki i Jeziora]"_s, u"Obecny test (3) z (6): Azja - Rzeki i Jeziora"_s, u""_s},
    {4, 4, 37, u"Test: Wszystko o Azji i Afryce [Obecny test (4) z (6): Afryka - Państwa]"_s, u"Obecny test (4) z (6): Afryka - Państwa"_s, u""_s},
    {4, 5, 35, u"Test: Wszystko o Azji i Afryce [Obecny test (5) z (6): Afryka - Góry i Szczyty]"_s, u"Obecny test (5) z (6): Afryka - Góry i Szczyty"_s, u""_s},
    {4, 6, 36, u"Test: Wszystko o Azji i Afryce [Obecny test (6) z (6): Afryka - Rzeki i Jeziora]"_s, u"Obecny test (6) z (6): Afryka - Rzeki i Jeziora"_s, u""_s},
    {5, 1, 40, u"Test: Wszystko o Australii i Antarktydzie [Obecny test (1) z (6): Australia - Największe miasta]"_s, u""_s, u""_s},
    {5, 2, 42, u"Test: Wszystko o Australii - i Antarktydzie [Obecny test (2) z (6): Australia - Pustynie]"_s, u"Obecny test (2) z (6): Australia - Pustynie"_s, u""_s},
    {5, 3, 41, u"Test: Wszystko o Australii - i Antarktydzie [Obecny test (3) z (6): Australia - Góry i Szczyty]"_s, u"Obecny test (3) z (6): Australia - Góry i Szczyty"_s, u""_s},
    {5, 4, 43, u"Test: Wszystko o Australii - i Antarktydzie [Obecny test (4) z (6): Australia - Rzeki i Jeziora]"_s, u"Obecny test (4) z (6): Australia - Rzeki i Jeziora"_s, u""_s},
    {5, 5, 38, u"Test: Wszystko o Australii - i Antarktydzie [Obecny test (5) z (6): Antarktyda - Lodowce i Szczyty]"_s, u"Obecny test (5) z (6): Antarktyda - Lodowce i Szczyty"_s, u""_s},
    {5, 6, 39, u"Test: Wszystko o Australii - i Antarktydzie [Obecny test (6) z (6): Antarktyda - Stacje badawcze]"_s, u"Obecny test (6) z (6): Antarktyda - Stacje badawcze"_s, u""_s},
    {6, 1, 52, u"Test: Wszystko o Świecie [Obecny test (1) z (7): Świat - Kontynenty]"_s, u""_s, u""_s},
    {6, 2, 53, u"Test: Wszystko o Świecie [Obecny test (2) z (7): Świat - Oceany]"_s, u"Obecny test (2) z (7): Świat - Oceany"_s, u""_s},
    {6, 3, 54, u"Test: Wszystko o Świecie [Obecny test (3) z (7): Świat - Wyspy]"_s, u"Obecny test (3) z (7): Świat - Wyspy"_s, u""_s},
    {6, 4, 55, u"Test: Wszystko o Świecie [Obecny test (4) z (7): Świat - Półwyspy]"_s, u"Obecny test (4) z (7): Świat - Półwyspy"_s, u""_s},
    {6, 5, 56, u"Test: Wszystko o Świecie [Obecny test (5) z (7): Świat - Góry]"_s, u"Obecny test (5) z (7): Świat - Góry"_s, u""_s},
    {6, 6, 57, u"Test: Wszystko o Świecie [Obecny test (6) z (7): Świat - Najwyższe szczyty]"_s, u"Obecny test (6) z (7): Świat - Najwyższe szczyty"_s, u""_s},
    {6, 7, 58, u"Test: Wszystko o Świecie [Obecny test (7) z (7): Świat - Prądy morskie]"_s, u"Obecny test (7) z (7): Świat - Prądy morskie"_s, u""_s},
    {7, 1, 48, u"Test: Wszystko o Różnych pojęciach [Obecny test (1) z (8): Różne - Wysokości gór]"_s, u""_s, u""_s},
    {7, 2, 44, u"Test: Wszystko o Różnych pytaniach [Obecny test (2) z (8): Różne flagi Cz. 1]"_s, u"Obecny test (2) z (8): Różne flagi Cz. 1"_s, u"Obecny test (2) z (8): Rózne flagi Cz. 1"_s},
    {7, 3, 45, u"Test: Wszystko o Różnych pytaniach [Obecny test (3) z (8): Różne flagi Cz. 2]"_s, u"Obecny test (3) z (8): Różne flagi Cz. 2"_s, u"Obecny test (3) z (8): Rózne flagi Cz. 2"_s},
    {7, 4, 46, u"Test: Wszystko o Różnych pytaniach [Obecny test (4) z (8): Różne flagi Cz. 3]"_s, u"Obecny test (4) z (8): Różne flagi Cz. 3"_s, u"Obecny test (4) z (8): Rózne flagi Cz. 3"_s},
    {7, 5, 47, u"Test: Wszystko o Różnych pytaniach [Obecny test (5) z (8): Różne flagi Cz. 4]"_s, u"Obecny test (5) z (8): Różne flagi Cz. 4"_s, u"Obecny test (5) z (8): Rózne flagi Cz. 4"_s},
    {7, 6, 49, u"Test: Wszystko o Różnych pytaniach [Obecny test (6) z (8): Rózne Państwa i Stolice]"_s, u"Obecny test (6) z (8): Rózne Państwa i Stolice"_s, u"Obecny test (6) z (8): Różne Państwa i Stolice"_s},
    {7, 7, 50, u"Test: Wszystko o Różnych pytaniach Cz.1 [Obecny test (7) z (7): Różne pojęcia geograficzne]"_s, u"Obecny test (7) z (8): Różne pojęcia geograficzne"_s, u""_s},
    {7, 8, 51, u"Test: Wszystko o Różnych pytaniach Cz.2 [Obecny test (8) z (8): Różne pojęcia geograficzne]"_s, u"Obecny test (8) z (8): Różne pojęcia geograficzne"_s, u""_s},
};

const QString kEndTitles[7] = {
    u"Test: Wszystko o Polsce"_s,
    u"Test: Wszystko o Europie"_s,
    u"Test: Wszystko o Ameryce PN i PD"_s,
    u"Test: Wszystko o Azji i Afryce"_s,
    u"Test: Wszystko o Australii i Antarktydzie"_s,
    u"Test: Wszystko o Świecie"_s,
    u"Test: Wszystko o Różnych pytaniach"_s,
};

const QString kChainListTitles[7] = {
    u"Test: Wszystko o Polsce"_s,
    u"Test: Wszystko o Europie"_s,
    u"Test: Wszystko o Ameryce Pn i Pd"_s,
    u"Test: Wszystko o Azji i Afryce"_s,
    u"Test: Wszystko o Australii i Antarktydzie"_s,
    u"Test: Wszystko o Świecie"_s,
    u"Test: Wszystko o Różnych pytaniach"_s,
};

} // namespace

const std::vector<CatalogueEntry> &singleTests()
{
    return kSingles;
}

const std::vector<ChainEntry> &chainEntries()
{
    return kChains;
}

QStringList menuGroups()
{
    QStringList groups;
    for (const auto &e : kSingles)
        if (!groups.contains(e.menu))
            groups.append(e.menu);
    return groups;
}

const CatalogueEntry *findByCode(int code)
{
    for (const auto &e : kSingles)
        if (e.code == code)
            return &e;
    return nullptr;
}

const CatalogueEntry *findByTitle(const QString &title)
{
    for (const auto &e : kSingles)
        if (e.title == title)
            return &e;
    return nullptr;
}

const ChainEntry *findChain(int chain)
{
    for (const auto &c : kChains)
        if (c.chain == chain)
            return &c;
    return nullptr;
}

const ChainEntry *findChainByCode(int code)
{
    for (const auto &c : kChains)
        if (c.code == code)
            return &c;
    return nullptr;
}

QString promptNameFor(int code)
{
    if (const CatalogueEntry *e = findByCode(code))
        return e->promptName;
    if (const ChainEntry *c = findChainByCode(code))
        return c->promptName;
    return QString();
}

namespace {

// Built at first use: the single tests are another table, and a table built
// from another at start-up can come out empty where the linker orders them
// otherwise.
const std::vector<ChainStep> &allSteps()
{
    static const std::vector<ChainStep> steps = [] {
        std::vector<ChainStep> out;
        for (const StepRow &row : kStepRows) {
            const CatalogueEntry *test = findByCode(row.code);
            Q_ASSERT(test);
            ChainStep step{row.chain, row.step, row.title, row.status, row.caption,
                           test->configurationFile, test->descriptionFile, test->pictureFile};
            if (!row.fileStem.isEmpty()) {
                step.configurationFile = row.fileStem + u".dat"_s;
                step.descriptionFile = row.fileStem + u"_o.dat"_s;
            }
            out.push_back(step);
        }
        return out;
    }();
    return steps;
}

} // namespace

std::vector<ChainStep> chainSteps(int chain)
{
    std::vector<ChainStep> out;
    for (const auto &s : allSteps())
        if (s.chain == chain)
            out.push_back(s);
    return out;
}

const ChainStep *chainStep(int chain, int step)
{
    for (const auto &s : allSteps())
        if (s.chain == chain && s.step == step)
            return &s;
    return nullptr;
}

int chainLength(int chain)
{
    int n = 0;
    for (const auto &s : allSteps())
        n += s.chain == chain;
    return n;
}

QString chainEndTitle(int chain)
{
    return chain >= 1 && chain <= 7 ? kEndTitles[chain - 1] : QString();
}

QString listedTitle(const CatalogueEntry &entry, TitleList list)
{
    switch (entry.code) {
    case 14:
        return u"Test: Polska - Długości granic sąsiadów"_s;
    case 44:
        return u"Test: Różne - Flagi państw Cz. 1"_s;
    case 50:
    case 51:
        if (list == TitleList::Filter)
            return QString(entry.title).replace(u"Cz."_s, u"Cz. "_s);
        break;
    default:
        break;
    }
    return entry.title;
}

QString listedTitle(const ChainEntry &chain)
{
    return chain.chain >= 1 && chain.chain <= 7 ? kChainListTitles[chain.chain - 1] : QString();
}

const CatalogueEntry *findByListedTitle(const QString &title, TitleList list)
{
    for (const auto &e : kSingles)
        if (listedTitle(e, list) == title)
            return &e;
    return nullptr;
}

const ChainEntry *findChainByListedTitle(const QString &title)
{
    for (const auto &c : kChains)
        if (listedTitle(c) == title)
            return &c;
    return nullptr;
}

std::vector<const CatalogueEntry *> inCodeOrder()
{
    std::vector<const CatalogueEntry *> out;
    for (const auto &e : kSingles)
        out.push_back(&e);
    std::sort(out.begin(), out.end(), [](auto *a, auto *b) { return a->code < b->code; });
    return out;
}

} // namespace tv::catalogue
