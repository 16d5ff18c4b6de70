#include "Scripted.h"
#include "UiTest.h"
#include "app/Forms.h"
#include "app/TForm1.h"
#include "wizards/TLosuj.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace tv;

class TestRandomWindow : public test::UiTest {
    Q_OBJECT

    TLosuj *w = nullptr;

    QRadioButton *radio(const char *name) { return w->findChild<QRadioButton *>(QString::fromLatin1(name)); }

private slots:
    void init()
    {
        begin();
        createForms();
        w = new TLosuj(forms().Form1);
        w->show();
    }
    void cleanup()
    {
        delete w;
        end();
    }

    void freshWindow()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Losuj test..."));
        QCOMPARE(w->size(), QSize(537, 431));
        QCOMPARE(w->Label2->text(), QStringLiteral("Dostępnych testów: 55"));
        QCOMPARE(w->l_test->text(), QStringLiteral("Jeszcze nie losowano testu"));
        QVERIFY(radio("r_wsz")->isChecked());
        QVERIFY(!w->ListBox1->isVisible());
        QCOMPARE(w->losuj->toolTip(), QStringLiteral("Losuj test"));
        QCOMPARE(w->zaladuj->toolTip(), QStringLiteral("Załaduj wylosowany test"));
        QCOMPARE(w->Anuluj->toolTip(), QStringLiteral("Zamknij okno"));
        QStringList captions;
        for (QRadioButton *r : w->categories)
            captions << r->text();
        QCOMPARE(captions, (QStringList{"WSZYSTKIE TESTY", "POLSKA", "EUROPA", "AMERYKA PÓŁNOCNA", "AMERYKA POŁUDNIOWA",
                                        "AZJA", "AFRYKA", "AUSTRALIA", "ANTARKTYDA", "ŚWIAT",
                                        "RÓŻNE PYTANIA GEOGRAFICZNE", "Sam określę z jakich testów losować"}));
    }

    void categoriesFillTheList()
    {
        radio("r_wsz")->click();
        QCOMPARE(w->Label2->text(), QStringLiteral("Dostępnych testów: 56"));
        radio("R_an")->click();
        QCOMPARE(w->Label2->text(), QStringLiteral("Dostępnych testów: 2"));
        w->losujClick();
        const QString first = w->l_test->text();
        w->losujClick();
        QVERIFY(w->l_test->text() != first); // Antarctica alternates
        radio("r_pol")->click();
        QCOMPARE(w->l_test->text(), QStringLiteral("Jeszcze nie losowano testu"));
        w->zaladujClick();
        QCOMPARE(services->lastText(), QStringLiteral("Nie wykosowano jeszcze żadnego testu. Wciśnij przycisk: Losuj"));
        QCOMPARE(services->messages.last().caption, QStringLiteral("Zacznij losować"));
        QCOMPARE(services->messages.last().icon, Services::Icon::Warning);
        QVERIFY(w->isVisible());
    }

    void customMode()
    {
        radio("r_zakres")->click();
        QVERIFY(w->ListBox1->isVisible());
        QCOMPARE(w->ListBox1->count(), 56);
        w->losujClick();
        QCOMPARE(services->lastText(), QStringLiteral("NIe zaznaczono na liście żadnego testu"));
        QCOMPARE(services->messages.last().icon, Services::Icon::Information);
        QCOMPARE(w->Label2->text(), QStringLiteral("Dostępnych testów: 0"));
        for (int row : {2, 9, 30})
            w->ListBox1->item(row)->setSelected(true);
        w->losujClick();
        QCOMPARE(w->Label2->text(), QStringLiteral("Dostępnych testów: 3"));
        QVERIFY(QStringList({w->ListBox1->item(2)->text(), w->ListBox1->item(9)->text(), w->ListBox1->item(30)->text()})
                    .contains(w->l_test->text()));
    }

    void growingTitle()
    {
        w->losujClick();
        QCOMPARE(w->l_test->font().pointSize(), 10);
        QVERIFY(w->Timer1->isActive());
        QCOMPARE(w->Timer1->interval(), 100);
        for (int i = 0; i < 5; ++i)
            w->Timer1Timer();
        QCOMPARE(w->l_test->font().pointSize(), 20);
        QVERIFY(w->Timer1->isActive());
        w->Timer1Timer();
        QVERIFY(!w->Timer1->isActive());
        QCOMPARE(w->l_test->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    }

    void loadingADrawnTitleLaunchesItsEntry()
    {
        // The drawn title differs from the title the launch shows.
        w->l_test->setText(QStringLiteral("Test: Polska - Długości granic sąsiadów"));
        w->zaladujClick();
        QCOMPARE(forms().Form1->titleStrip(), QString()); // the launch found no files and went back to idle
        QCOMPARE(forms().Form1->request.configurationFile, QStringLiteral("PGr.dat"));
        QCOMPARE(services->lastText(),
                 QStringLiteral("Nie można załadować tego testu ponieważ, na Twoim dysku brak pliku konfiguracyjnego"));
        QVERIFY(!w->isVisible()); // closed in any case
    }

    void loadingADrawnChainChecksItsFiles()
    {
        w->l_test->setText(QStringLiteral("Test: Wszystko o Róznych pytaniach"));
        w->zaladujClick();
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia-Brak plików..."));
        QCOMPARE(forms().Form1->composite.flag, 0);
    }

    void escapeCloses()
    {
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!w->isVisible());
    }

    void openedFromTheMainWindow()
    {
        forms().Form1->WylosujClick();
        QCOMPARE(services->modals, QStringList{"Losuj"});
    }
};

QTEST_MAIN(TestRandomWindow)
#include "tst_tlosuj.moc"
