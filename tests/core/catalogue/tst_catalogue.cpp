#include "Scripted.h"
#include "catalogue/Catalogue.h"
#include "catalogue/FileCheck.h"

#include <QSet>
#include <QTest>

using namespace tv;

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void sizesAndOrder()
    {
        QCOMPARE(int(catalogue::singleTests().size()), 49);
        QCOMPARE(int(catalogue::chainEntries().size()), 7);
        QCOMPARE(catalogue::menuGroups(),
                 (QStringList{"Polska", "Europa", "Azja", "Ameryka północna", "Ameryka południowa", "Australia",
                              "Afryka", "Antarktyda", "Świat", "Różne pytania"}));
        QSet<int> codes;
        for (const auto &e : catalogue::singleTests())
            codes.insert(e.code);
        for (const auto &c : catalogue::chainEntries())
            codes.insert(c.code);
        QCOMPARE(codes.size(), 56);
        for (int code = 10; code <= 65; ++code)
            QVERIFY2(codes.contains(code), qPrintable(QString::number(code)));
    }

    // Spot checks chosen where a copying slip is most likely.
    void entries_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("files");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<int>("mark");
        QTest::newRow("10") << 10 << "Polska" << "Największe miasta" << "Test: Polska - Największe miasta"
                            << "PM.dat PM_o.dat Polska_miasta.jpg" << "Polska - Największe miasta" << int(Mark::NoteMissingFile);
        QTest::newRow("13 trailing blank") << 13 << "Polska" << "Państwa sąsiadujące "
                                           << "Test: Polska - Państwa sąsiadujące"
                                           << "PS.dat PS_o.dat Polska_sasiedzi.jpg" << "Polska - Państwa sąsiadujące"
                                           << int(Mark::None);
        QTest::newRow("14") << 14 << "Polska" << "Długości granic sąsiadów" << "Test: Polska - Granice sąsiadów"
                            << "PGr.dat PGr_o.dat Polska_granice.jpg" << "Polska - Granice sąsiadów" << int(Mark::None);
        QTest::newRow("17 Pk") << 17 << "Polska" << "Krainy geograficzne" << "Test: Polska - Krainy geograficzne"
                               << "Pk.dat Pk_o.dat Polska_krainy.jpg" << "Polska - Krainy geograficzne"
                               << int(Mark::None);
        QTest::newRow("20 R") << 20 << "Europa" << "Góry" << "Test: Europa - Góry" << "EG.dat EG_o.dat Europa_gory.jpg"
                              << "Europa - Góry" << int(Mark::ReportAnyMissing);
        QTest::newRow("21 S") << 21 << "Europa" << "Wyspy" << "Test: Europa - Wyspy"
                              << "EW.dat EW_o.dat Europa_wyspy.jpg" << "Europa - Wyspy" << int(Mark::ReportMissingConfiguration);
        QTest::newRow("22 S") << 22 << "Europa" << "Półwyspy" << "Test: Europa - Półwyspy"
                              << "EPW.dat EPW_o.dat Europa_polwyspy.jpg" << "Europa - Półwyspy" << int(Mark::ReportMissingConfiguration);
        QTest::newRow("29") << 29 << "Ameryka północna" << "Półwyspy i Wyspy" << "Test: Ameryka PN - Wyspy i Półwyspy"
                            << "APNW.dat APNW_o.dat Ameryka_pn_wyspy.jpg" << "Ameryka PN - Wyspy i Półwyspy"
                            << int(Mark::None);
        QTest::newRow("38") << 38 << "Antarktyda" << "Lodowce i szczyty" << "Test: Antarktyda - Lodowce i Szczyty"
                            << "AN.dat AN_o.dat Antarktyda_lodowce.jpg" << "Antarktyda - Lodowce i Szczyty"
                            << int(Mark::None);
        QTest::newRow("39 ANs") << 39 << "Antarktyda" << "Stacje badawcze" << "Test: Antarktyda - Stacje badawcze"
                                << "ANs.dat ANs_o.dat Antarktyda_stacje.jpg" << "Antarktyda - Stacje badawcze"
                                << int(Mark::None);
        QTest::newRow("54 trailing blank") << 54 << "Świat" << "Wyspy " << "Test: Świat - Wyspy"
                                           << "SW.dat SW_o.dat Swiat_wyspy.jpg" << "Świat - Wyspy" << int(Mark::None);
        QTest::newRow("58 trailing blank") << 58 << "Świat" << "Prądy morskie " << "Test: Świat - Prądy morskie"
                                           << "SP.dat SP_o.dat Swiat_prady.jpg" << "Świat - Prądy morskie"
                                           << int(Mark::None);
        QTest::newRow("48 odd prompt") << 48 << "Różne pytania" << "Dopasuj wysokości do góry"
                                       << "Test: Różne - Wysokości gór" << "RG.dat RG_o.dat Rozne_gory.jpg"
                                       << "Różne - Wyśokosci gór" << int(Mark::NoteMissingFile);
        QTest::newRow("44 capital P") << 44 << "Różne pytania" << "Flagi Państw Cz. 1" << "Test: Różne - Flagi państw"
                                      << "RF.dat RF_o.dat Rozne_flagi.jpg" << "Różne - Flagi państw Cz. 1"
                                      << int(Mark::NoteMissingFile);
        QTest::newRow("49") << 49 << "Różne pytania" << "Państwa i Stolice" << "Test: Różne - Państwa i Stolice"
                            << "RS.dat RS_o.dat Rozne_stolice.jpg" << "Różne - Państwa i Stolice" << int(Mark::None);
        QTest::newRow("51") << 51 << "Różne pytania" << "Pojęcia geograficzne Cz.2"
                            << "Test: Różne - Pojęcia geograficzne Cz.2" << "RP2.dat RP2_o.dat Rozne_pytania2.jpg"
                            << "Różne - Pojęcia geograficzne Cz.2" << int(Mark::NoteMissingFile);
    }
    void entries()
    {
        QFETCH(int, code);
        QFETCH(QString, menu);
        QFETCH(QString, item);
        QFETCH(QString, title);
        QFETCH(QString, files);
        QFETCH(QString, prompt);
        QFETCH(int, mark);
        const CatalogueEntry *e = catalogue::findByCode(code);
        QVERIFY(e);
        QCOMPARE(e->menu, menu);
        QCOMPARE(e->item, item);
        QCOMPARE(e->title, title);
        QCOMPARE(QStringList({e->configurationFile, e->descriptionFile, e->pictureFile}).join(' '), files);
        QCOMPARE(e->promptName, prompt);
        QCOMPARE(int(e->mark), mark);
    }

    void marksOnlyWhereGiven()
    {
        QSet<int> eights, r, s;
        for (const auto &e : catalogue::singleTests()) {
            if (e.mark == Mark::NoteMissingFile)
                eights << e.code;
            if (e.mark == Mark::ReportAnyMissing)
                r << e.code;
            if (e.mark == Mark::ReportMissingConfiguration)
                s << e.code;
        }
        QCOMPARE(eights, (QSet<int>{10, 48, 44, 45, 46, 47, 50, 51}));
        QCOMPARE(r, QSet<int>{20});
        QCOMPARE(s, (QSet<int>{21, 22}));
    }

    void menuOrderOfPoland()
    {
        QStringList items;
        for (const auto &e : catalogue::singleTests())
            if (e.menu == QLatin1String("Polska"))
                items << QString::number(e.code);
        QCOMPARE(items, (QStringList{"10", "12", "11", "15", "13", "14", "16", "17"}));
    }

    void chains_data()
    {
        QTest::addColumn<int>("chain");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("endTitle");
        QTest::newRow("1") << 1 << 59 << "Polsce" << 97 << 8 << "Obecny test (1) z (8): Polska - Największe miasta"
                           << "Test: Wszystko o Polsce";
        QTest::newRow("2") << 2 << 60 << "Europie" << 92 << 7 << "Obecny test (1) z (7): Europa - Góry"
                           << "Test: Wszystko o Europie";
        QTest::newRow("3") << 3 << 61 << "Ameryce Pd i Pn" << 73 << 7
                           << "Obecny test (1) z (7): Ameryka Pn - Góry i Szczyty" << "Test: Wszystko o Ameryce PN i PD";
        QTest::newRow("4") << 4 << 62 << "Azji i Afryce" << 77 << 6 << "Obecny test (1) z (6): Azja - Góry"
                           << "Test: Wszystko o Azji i Afryce";
        QTest::newRow("5") << 5 << 63 << "Australii i Antarktydzie" << 40 << 6
                           << "Obecny test (1) z (6): Australia - Największe miasta"
                           << "Test: Wszystko o Australii i Antarktydzie";
        QTest::newRow("6") << 6 << 64 << "Świecie" << 64 << 7 << "Obecny test (1) z (7): Świat - Kontynenty"
                           << "Test: Wszystko o Świecie";
        QTest::newRow("7") << 7 << 65 << "Różnych pojęciach geograficznych" << 120 << 8
                           << "Obecny test (1) z (8): Różne - Wysokości gór" << "Test: Wszystko o Różnych pytaniach";
    }
    void chains()
    {
        QFETCH(int, chain);
        QFETCH(int, code);
        QFETCH(QString, item);
        QFETCH(int, total);
        QFETCH(int, length);
        QFETCH(QString, status);
        QFETCH(QString, endTitle);
        const ChainEntry *c = catalogue::findChain(chain);
        QVERIFY(c);
        QCOMPARE(c->code, code);
        QCOMPARE(c->item, item);
        QCOMPARE(c->taskTotal, total);
        QCOMPARE(c->status, status);
        QCOMPARE(catalogue::chainLength(chain), length);
        QCOMPARE(catalogue::chainEndTitle(chain), endTitle);
        // The chain's start runs the first row of its table.
        const ChainStep *first = catalogue::chainStep(chain, 1);
        QVERIFY(first);
        QCOMPARE(first->title, c->title);
        QCOMPARE(first->configurationFile, c->configurationFile);
        QCOMPARE(first->pictureFile, c->pictureFile);
    }

    // Every step of every chain, in running order, with the files it loads.
    void chainStepsInOrder_data()
    {
        QTest::addColumn<int>("chain");
        QTest::addColumn<QString>("stems");
        QTest::addColumn<QString>("pictures");
        QTest::newRow("1") << 1 << "PM PG PRZ PWOJ PS PGr PP PK"
                           << "Polska_miasta Polska_gory Polska_rzeki Polska_woj Polska_sasiedzi Polska_granice "
                              "Polska_parki Polska_krainy";
        QTest::newRow("2") << 2 << "EG EW EPW ES EP EM ER"
                           << "Europa_gory Europa_wyspy Europa_polwyspy Europa_stolice Europa_panstwa Europa_morza "
                              "Europa_rzeki";
        QTest::newRow("3") << 3 << "APNG APNP APNW APNR APDP APDR APDS"
                           << "Ameryka_pn_gory Ameryka_pn_panstwa Ameryka_pn_wyspy Ameryka_pn_rzeki "
                              "Ameryka_pd_panstwa Ameryka_pd_rzeki Ameryka_pd_stolice";
        QTest::newRow("4") << 4 << "AZG AZP AZR AFP AFG AFR"
                           << "Azja_gory Azja_panstwa Azja_rzeki Afryka_panstwa Afryka_gory Afryka_rzeki";
        QTest::newRow("5") << 5 << "AUM AUP AUG AUR AN ANs"
                           << "Australia_miasta Australia_pustynie Australia_gory Australia_rzeki "
                              "Antarktyda_lodowce Antarktyda_stacje";
        QTest::newRow("6") << 6 << "SK SO SW SPW SG SS SP"
                           << "Swiat_kontynenty Swiat_oceany Swiat_wyspy Swiat_polwyspy Swiat_gory Swiat_szczyty "
                              "Swiat_prady";
        QTest::newRow("7") << 7 << "RG RF RF2 RF3 RF4 RS RP RP2"
                           << "Rozne_gory Rozne_flagi Rozne_flagi2 Rozne_flagi3 Rozne_flagi4 Rozne_stolice "
                              "Rozne_pytania Rozne_pytania2";
    }
    void chainStepsInOrder()
    {
        QFETCH(int, chain);
        QFETCH(QString, stems);
        QFETCH(QString, pictures);
        const QStringList stem = stems.split(u' ');
        const QStringList picture = pictures.split(u' ');
        const std::vector<ChainStep> steps = catalogue::chainSteps(chain);
        QCOMPARE(int(steps.size()), int(stem.size()));
        for (int i = 0; i < int(steps.size()); ++i) {
            QCOMPARE(steps[i].step, i + 1);
            QCOMPARE(steps[i].configurationFile, stem[i] + QStringLiteral(".dat"));
            QCOMPARE(steps[i].descriptionFile, stem[i] + QStringLiteral("_o.dat"));
            QCOMPARE(steps[i].pictureFile, picture[i] + QStringLiteral(".jpg"));
            QCOMPARE(catalogue::chainStep(chain, i + 1)->configurationFile, steps[i].configurationFile);
        }
    }

    void chainRowsThatDifferFromTheCatalogue()
    {
        QCOMPARE(catalogue::chainStep(2, 2)->title,
                 QStringLiteral("Test: Wszystko o Europie [Obecny test (2) z (7): Europa - Wysp]"));
        QCOMPARE(catalogue::chainStep(2, 5)->status, QStringLiteral("Obecny test (5) z (7): Europa - Panstwa"));
        QCOMPARE(catalogue::chainStep(2, 5)->windowCaption(),
                 QStringLiteral("Obecny test (5) z (7): Europa - Państwa"));
        QCOMPARE(catalogue::chainStep(1, 6)->title,
                 QStringLiteral("Test: Wszystko o Polsce [Obecny test (6) z (8): Polska - granice sąsiadów]"));
        QCOMPARE(catalogue::chainStep(1, 8)->configurationFile, QStringLiteral("PK.dat"));
        QCOMPARE(catalogue::chainStep(5, 2)->title,
                 QStringLiteral("Test: Wszystko o Australii - i Antarktydzie [Obecny test (2) z (6): Australia - "
                                "Pustynie]"));
        QCOMPARE(catalogue::chainStep(7, 2)->windowCaption(), QStringLiteral("Obecny test (2) z (8): Rózne flagi Cz. 1"));
        QCOMPARE(catalogue::chainStep(7, 7)->title,
                 QStringLiteral("Test: Wszystko o Różnych pytaniach Cz.1 [Obecny test (7) z (7): Różne pojęcia "
                                "geograficzne]"));
        QCOMPARE(catalogue::chainStep(7, 7)->status, QStringLiteral("Obecny test (7) z (8): Różne pojęcia geograficzne"));
        QVERIFY(!catalogue::chainStep(2, 8));
    }

    // The chain check and the chain runner must agree on the files.
    void chainCheckCoversTheFilesTheChainRuns()
    {
        const auto &checked = filecheck::checkedTests();
        for (int chain = 1; chain <= 7; ++chain) {
            QSet<QString> checkedFiles, runFiles;
            for (int i : filecheck::chainEntries(chain)) {
                const CatalogueEntry *e = catalogue::findByCode(checked[i - 1].code);
                checkedFiles << e->configurationFile.toLower() << e->descriptionFile.toLower()
                             << e->pictureFile.toLower();
            }
            for (const ChainStep &s : catalogue::chainSteps(chain))
                runFiles << s.configurationFile.toLower() << s.descriptionFile.toLower() << s.pictureFile.toLower();
            QCOMPARE(checkedFiles, runFiles);
        }
    }

    void checkListTitles()
    {
        const auto &t = filecheck::checkedTests();
        QCOMPARE(int(t.size()), 49);
        QCOMPARE(t[4].title, QStringLiteral("Test: Polska - Długości granic sąsiadów"));
        QCOMPARE(t[4].code, 14);
        QCOMPARE(t[34].title, QStringLiteral("Test: Różne - Flagi państw Cz. 1"));
        QCOMPARE(catalogue::findByCode(t[34].code)->title, QStringLiteral("Test: Różne - Flagi państw"));
        QCOMPARE(t[40].title, QStringLiteral("Test: Różne - Pojęcia geograficzne Cz.1"));
        QCOMPARE(catalogue::findByCode(t[45].code)->configurationFile, QStringLiteral("SPW.dat"));
        QCOMPARE(catalogue::findByCode(t[48].code)->configurationFile, QStringLiteral("SP.dat"));
        QCOMPARE(t[16].title, QStringLiteral("Test: Azja - Góry i Szczyty"));
    }
};

// The report of the check window and the chain check, on a data directory
// that holds every file of every test.
class TestFileCheck : public QObject {
    Q_OBJECT

    test::TempDataDir *data = nullptr;

    void writeAll()
    {
        for (const auto &e : catalogue::singleTests())
            for (const QString &f : {e.configurationFile, e.descriptionFile, e.pictureFile})
                data->write(f, "x");
    }

private slots:
    void init()
    {
        data = new test::TempDataDir;
        writeAll();
    }
    void cleanup() { delete data; }

    void allPresent()
    {
        QVERIFY(filecheck::report(data->path()).isEmpty());
        for (int chain = 1; chain <= 7; ++chain)
            QVERIFY(filecheck::chainFilesPresent(chain, data->path()));
        QVERIFY(!filecheck::chainFilesPresent(0, data->path()));
        QVERIFY(!filecheck::chainFilesPresent(8, data->path()));
    }

    void threeMissingInOrder()
    {
        QFile::remove(data->file("Rozne_stolice.jpg"));
        QFile::remove(data->file("RS_o.dat"));
        QFile::remove(data->file("RS.dat"));
        QCOMPARE(filecheck::report(data->path()),
                 (QStringList{"Test: Różne - Państwa i Stolice: BRAK PLIKU K1",
                              "Test: Różne - Państwa i Stolice: BRAK PLIKU K2",
                              "Test: Różne - Państwa i Stolice: BRAK PLIKU Z1"}));
        QVERIFY(!filecheck::chainFilesPresent(7, data->path()));
        QVERIFY(filecheck::chainFilesPresent(6, data->path()));
    }

    void edgeCases_data()
    {
        QTest::addColumn<QString>("removed");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("failingChain");
        QTest::newRow("Swiat_prady.jpg") << "Swiat_prady.jpg" << "Test: Świat - Prądy morskie: BRAK PLIKU Z1" << 6;
        QTest::newRow("SPW.dat") << "SPW.dat" << "Test: Świat - Półwyspy: BRAK PLIKU K1" << 6;
        QTest::newRow("Krainy picture") << "Polska_krainy.jpg" << "Test: Polska - Krainy geograficzne: BRAK PLIKU Z1"
                                        << 1;
        QTest::newRow("entry 17 is Z2") << "Azja_gory.jpg" << "Test: Azja - Góry i Szczyty: BRAK PLIKU Z2" << 4;
        QTest::newRow("entry 5 title") << "PGr_o.dat" << "Test: Polska - Długości granic sąsiadów: BRAK PLIKU K2" << 1;
        QTest::newRow("flags 1 title") << "RF.dat" << "Test: Różne - Flagi państw Cz. 1: BRAK PLIKU K1" << 7;
        QTest::newRow("chain 3") << "APDS_o.dat" << "Test: Ameryka PD - Stolice: BRAK PLIKU K2" << 3;
        QTest::newRow("chain 5") << "ANs.dat" << "Test: Antarktyda - Stacje badawcze: BRAK PLIKU K1" << 5;
        QTest::newRow("chain 2") << "EM.dat" << "Test: Europa - Morza i Zatoki: BRAK PLIKU K1" << 2;
    }
    void edgeCases()
    {
        QFETCH(QString, removed);
        QFETCH(QString, line);
        QFETCH(int, failingChain);
        QVERIFY(QFile::remove(data->file(removed)));
        QCOMPARE(filecheck::report(data->path()), QStringList{line});
        for (int chain = 1; chain <= 7; ++chain)
            QCOMPARE(filecheck::chainFilesPresent(chain, data->path()), chain != failingChain);
    }

    void namesInAnyCaseCount()
    {
        QVERIFY(QFile::rename(data->file("Pk.dat"), data->file("PK.DAT")));
        QVERIFY(filecheck::report(data->path()).isEmpty());
        QVERIFY(filecheck::chainFilesPresent(1, data->path()));
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int status = 0;
    {
        TestCatalogue t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestFileCheck t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}

#include "tst_catalogue.moc"
