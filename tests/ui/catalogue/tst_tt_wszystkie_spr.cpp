#include "Scripted.h"
#include "UiTest.h"
#include "app/Forms.h"
#include "app/TForm1.h"
#include "catalogue/Catalogue.h"
#include "catalogue/TT_wszystkie_spr.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace tv;

class TestCheckWindow : public test::UiTest {
    Q_OBJECT


private slots:
    void init()
    {
        begin();
        for (const auto &e : catalogue::singleTests())
            for (const QString &f : {e.configurationFile, e.descriptionFile, e.pictureFile})
                data->write(f, "x");
        createForms();
    }
    void cleanup()
    {
        end();
    }

    void openingState()
    {
        TT_wszystkie_spr w(forms().Form1);
        QCOMPARE(w.windowTitle(), QStringLiteral("Sprawdź czy masz wszystkie testy"));
        QCOMPARE(w.ListBox1->count(), 49);
        QCOMPARE(w.ListBox1->item(4)->text(), QStringLiteral("Test: Polska - Długości granic sąsiadów"));
        QVERIFY(!w.Napisz->isEnabled());
        QCOMPARE(w.Sprawdz2->toolTip(), QStringLiteral("Sprawdź wszystkie testy"));
        QCOMPARE(w.Napisz->toolTip(), QStringLiteral("Napisz do autora o brakujących testach"));
        QCOMPARE(w.Zamknij->toolTip(), QStringLiteral("Zamknij okno"));
        QCOMPARE(w.height(), 221);
        QVERIFY(w.reportText().isEmpty());
    }

    void allPresentIsOneGreenLine()
    {
        TT_wszystkie_spr w(forms().Form1);
        w.Sprawdz2Click();
        QCOMPARE(w.height(), 386);
        QCOMPARE(w.reportText(), QStringLiteral("Masz wszystkie pliki konfiguracyjne testów!"));
        QCOMPARE(w.Memo1->palette().color(QPalette::Text), QColor(0, 128, 0));
        QVERIFY(!w.Napisz->isEnabled());
    }

    void missingFilesInRedAndTheSameTwice()
    {
        QFile::remove(data->file("Swiat_prady.jpg"));
        QFile::remove(data->file("AZG.dat"));
        TT_wszystkie_spr w(forms().Form1);
        w.Sprawdz2Click();
        const QString first = w.reportText();
        QCOMPARE(first, QStringLiteral("Test: Azja - Góry i Szczyty: BRAK PLIKU K1\n"
                                       "Test: Świat - Prądy morskie: BRAK PLIKU Z1"));
        QCOMPARE(w.Memo1->palette().color(QPalette::Text), QColor(255, 0, 0));
        QVERIFY(w.Napisz->isEnabled());
        w.Sprawdz2Click();
        QCOMPARE(w.reportText(), first);
        w.NapiszClick();
        QCOMPARE(TT_wszystkie_spr::problemReport, 1);
        QCOMPARE(services->modals, QStringList{"e_mail"});
    }

    void openedFromTheMainWindow()
    {
        forms().Form1->SprawdzPlikiClick();
        QCOMPARE(services->modals, QStringList{"T_wszystkie_spr"});
    }
};

QTEST_MAIN(TestCheckWindow)
#include "tst_tt_wszystkie_spr.moc"
