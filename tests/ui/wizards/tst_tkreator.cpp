#include "QuizFixture.h"
#include "Scripted.h"
#include "UiTest.h"
#include "app/Forms.h"
#include "app/TForm1.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Tladuj.h"
#include "quiz/TTest_kontynety.h"
#include "wizards/CreatorPages.h"
#include "wizards/TKreator.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

using namespace tv;

class TestCreator : public test::UiTest {
    Q_OBJECT


    TForm1 *main() { return forms().Form1; }
    TKreator *k() { return forms().Kreator; }

    void chooseStart(int index)
    {
        k()->cmb_lista2->setCurrentRow(index);
        k()->cmb_lista2Click();
    }
    void writeTest(const CatalogueEntry &e)
    {
        test::writeMapTest(*data, e.configurationFile, e.descriptionFile, e.pictureFile, {{5, 5}}, {"X11"},
                           QSize(60, 40));
    }
    QString heading(const QString &page)
    {
        auto *l = k()->findChild<QLabel *>(page + QStringLiteral("_naglowek"));
        return l ? l->text() : QString();
    }

private slots:
    void init()
    {
        begin();
        test::writeSettings(*data, 0, 1);
        createForms();
        main()->show();
        k()->hide();
        k()->showPlain();
    }
    void cleanup()
    {
        end();
    }

    void startPage()
    {
        QCOMPARE(k()->size(), QSize(529, 464));
        QCOMPARE(k()->currentPage(), QStringLiteral("Poczatek"));
        QCOMPARE(k()->cmb_lista2->count(), 13);
        QCOMPARE(k()->cmb_lista2->item(0)->text(), QStringLiteral("  POLSKA"));
        QCOMPARE(k()->cmb_lista2->item(9)->text(), QStringLiteral("  RÓŻNE PYTANIA GEGRAFICZNE"));
        QCOMPARE(k()->cmb_lista2->item(12)->text(), QStringLiteral("  SPRAWDŹ CO TO ZA MIEJSCE NA ZIEMI"));
        QVERIFY(!k()->Dalej->isEnabled());
        QCOMPARE(k()->Dalej->toolTip(), QStringLiteral("Idź dalej"));
        QCOMPARE(k()->Zamknij->text(), QStringLiteral("Zamknij Kreator"));
        QStringList pages;
        for (int i = 0; i < k()->PageControl1->count(); ++i)
            pages << k()->PageControl1->widget(i)->objectName();
        QCOMPARE(pages, (QStringList{"Poczatek", "Polska", "Europa", "Ameryki", "Azja", "Australia", "Afryka",
                                     "Antarktyda", "Swiat", "Rozne", "Ameryka_pd", "Wszystkie_testy", "Random_laduj"}));
        // Enter with nothing chosen does nothing.
        QTest::keyClick(k()->cmb_lista2, Qt::Key_Return);
        QCOMPARE(k()->currentPage(), QStringLiteral("Poczatek"));
        // The shape comes half a second after activation.
        QVERIFY(k()->Timer1->isActive());
        QCOMPARE(k()->Timer1->interval(), 500);
        k()->Timer1Timer();
        QVERIFY(!k()->mask().isEmpty());
    }

    void routing_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("heading");
        QTest::newRow("0") << 0 << "Polska" << "Karta: POLSKA";
        QTest::newRow("1") << 1 << "Europa" << "Karta: EUROPA";
        QTest::newRow("2") << 2 << "Azja" << "Karta: AZJA";
        QTest::newRow("3") << 3 << "Ameryki" << "Karta: AMERYKA PÓŁNOCNA ";
        QTest::newRow("4") << 4 << "Ameryka_pd" << "Karta: AMERYKA POŁUDNIOWA";
        QTest::newRow("5") << 5 << "Afryka" << "Karta: AFRYKA";
        QTest::newRow("6") << 6 << "Australia" << "Karta: AUSTRALIA";
        QTest::newRow("7") << 7 << "Antarktyda" << "Karta: ANTARKTYDA";
        QTest::newRow("8") << 8 << "Swiat" << "Karta: ŚWIAT";
        QTest::newRow("9") << 9 << "Rozne" << "Karta: RÓŻNE TESTY";
        QTest::newRow("10") << 10 << "Wszystkie_testy" << "Karta: WSZYSTKO O...";
        QTest::newRow("11") << 11 << "Random_laduj" << "";
    }
    void routing()
    {
        QFETCH(int, index);
        QFETCH(QString, page);
        QFETCH(QString, heading);
        chooseStart(index);
        QVERIFY(k()->Dalej->isEnabled());
        // Four ways forward: the button, a double click, Enter, the menu.
        for (int way = 0; way < 4; ++way) {
            k()->showPage("Poczatek");
            if (way == 0)
                k()->Dalej->click();
            else if (way == 1)
                emit k()->cmb_lista2->itemDoubleClicked(k()->cmb_lista2->currentItem());
            else if (way == 2)
                QTest::keyClick(k()->cmb_lista2, Qt::Key_Return);
            else
                k()->cmb_lista2->findChild<QAction *>("Dalej1")->trigger();
            QCOMPARE(k()->currentPage(), page);
        }
        QCOMPARE(this->heading(page), heading);
        k()->CofnijClick();
        QCOMPARE(k()->currentPage(), QStringLiteral("Poczatek"));
    }

    void gameStartsAndTheCreatorHides()
    {
        bool started = false;
        connect(main()->menuItem("Cotozamiejscenaziemi1"), &QAction::triggered, this, [&] { started = true; });
        chooseStart(12);
        k()->DalejClick();
        QVERIFY(started);
        QVERIFY(!k()->isVisible());
    }

    void everyOptionLaunchesItsTest_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("status");
        for (const auto &item : creator::startItems())
            for (const auto &o : item.options)
                QTest::addRow("%s %s", qPrintable(item.page), qPrintable(o.caption))
                    << item.page << o.caption << o.title
                    << (o.caption == QStringLiteral("NAJWIĘKSZE MIASTA") && item.page == "Polska"
                            ? QStringLiteral("Test: Polska - Najwieksze miasta")
                            : o.title);
    }
    void everyOptionLaunchesItsTest()
    {
        QFETCH(QString, page);
        QFETCH(QString, option);
        QFETCH(QString, title);
        QFETCH(QString, status);
        const CatalogueEntry *e = catalogue::findByTitle(title);
        QVERIFY(e);
        writeTest(*e);
        k()->showPage(page);
        k()->option(page, option)->setChecked(true);
        main()->composite.flag = 1;
        k()->loadTopic();
        QVERIFY(services->messages.isEmpty());
        QCOMPARE(main()->composite.flag, 0);
        QCOMPARE(main()->titleStrip(), title);
        QCOMPARE(main()->statusText(1), status);
        QCOMPARE(main()->request.configurationFile, e->configurationFile);
        QCOMPARE(main()->request.descriptionFile, e->descriptionFile);
        QCOMPARE(main()->request.pictureFile, e->pictureFile);
        QVERIFY(!k()->isVisible());
        QVERIFY(main()->testWindow());
        QVERIFY(!main()->backgroundPanelVisible());
    }

    void failedLaunchKeepsTheCreatorOpen()
    {
        const CatalogueEntry *e = catalogue::findByCode(19); // Europa - Państwa
        writeTest(*e);
        QFile::remove(data->file(e->descriptionFile));
        k()->showPage("Europa");
        k()->option("Europa", "PAŃSTWA")->setChecked(true);
        k()->loadTopic();
        QCOMPARE(services->lastText(),
                 QStringLiteral("Nie można załadować tego testu ponieważ, na Twoim dysku brak pliku zdjęcia opisu"));
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia: Brak pliku"));
        QVERIFY(k()->isVisible());
        QCOMPARE(k()->currentPage(), QStringLiteral("Europa"));
        QVERIFY(!forms().laduj->isVisible());
        QVERIFY(main()->commandAction(Command::MenuTesty)->isEnabled());
        QCOMPARE(main()->statusText(1), QStringLiteral("Test: Oczekiwanie..."));
        QVERIFY(!main()->hasChildWindow());
        // A session does not change this launch: nothing goes to the server.
        main()->session.flag = 1;
        k()->loadTopic();
        QCOMPARE(services->messages.size(), 2);
        QVERIFY(!main()->pollingTimer()->isActive());
    }

    void chainOptions_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < 7; ++i)
            QTest::addRow("%d", i + 1) << i;
    }
    void chainOptions()
    {
        QFETCH(int, row);
        const creator::ChainOption &o = creator::chainOptions().at(row);
        for (const ChainStep &s : catalogue::chainSteps(o.chain))
            test::writeMapTest(*data, s.configurationFile, s.descriptionFile, s.pictureFile, {{1, 1}}, {"X11"},
                               QSize(20, 20));
        k()->showPage("Wszystkie_testy");
        k()->option("Wszystkie_testy", o.caption)->setChecked(true);
        k()->loadChain();
        QVERIFY(services->messages.isEmpty());
        QCOMPARE(main()->composite.flag, 1);
        QCOMPARE(main()->composite.chain, o.chain);
        QCOMPARE(main()->composite.step, 1);
        QCOMPARE(main()->composite.taskTotal, o.taskTotal);
        QCOMPARE(main()->titleStrip(), o.title);
        QCOMPARE(main()->statusText(1), o.status);
        QCOMPARE(main()->windowTitle(), o.status);
        QCOMPARE(main()->request.configurationFile, o.configurationFile);
        QVERIFY(!k()->isVisible());
        QVERIFY(main()->testWindow());
    }

    void chainWithAMissingFileStartsNothing()
    {
        k()->showPage("Wszystkie_testy");
        k()->option("Wszystkie_testy", "EUROPIE")->setChecked(true);
        k()->loadChain();
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->lastText(), QStringLiteral("Nie możesz rozwiązać tego tesu ponieważ brakuje plków "
                                                      "konfiguracyjnych tego tesu na Twoim dysku"));
        QCOMPARE(services->messages.last().icon, Services::Icon::Warning);
        QCOMPARE(main()->composite.flag, 0);
        QVERIFY(k()->isVisible());
        QVERIFY(!main()->hasChildWindow());
    }

    void closingRestoresTheMainWindow()
    {
        k()->hide();
        k()->openAnimated();
        QCOMPARE(k()->size(), QSize(529, 464));
        QVERIFY(waits->waits.size() >= 4);
        for (int ms : waits->waits)
            QCOMPARE(ms, 40);
        QVERIFY(!main()->commandAction(Command::MenuTesty)->isEnabled());
        QVERIFY(!main()->commandAction(Command::ButtonKreator)->isEnabled());
        QVERIFY(!main()->commandAction(Command::ItemKreator)->isEnabled());
        k()->showPage("Random_laduj");
        k()->l_test->setText("Test: Europa - Góry");
        QTest::keyClick(k(), Qt::Key_Escape);
        QVERIFY(!k()->isVisible());
        QVERIFY(main()->commandAction(Command::MenuTesty)->isEnabled());
        QVERIFY(main()->commandAction(Command::ButtonKreator)->isEnabled());
        QCOMPARE(k()->l_test->text(), QStringLiteral("Jeszcze nie losowano testu"));
    }

    void reopeningShowsTheStartPageWithChoicesKept()
    {
        k()->showPage("Afryka");
        k()->option("Afryka", "PAŃSTWA")->setChecked(true);
        k()->ZamknijClick();
        main()->KreatorClick();
        QCOMPARE(k()->currentPage(), QStringLiteral("Poczatek"));
        QVERIFY(k()->option("Afryka", "PAŃSTWA")->isChecked());
    }

    void randomPage()
    {
        QCOMPARE(k()->ListBox1->count(), 55);
        k()->showPlain(); // a second activation does not double the list
        QCOMPARE(k()->ListBox1->count(), 55);
        k()->showPage("Random_laduj");
        k()->loadRandom();
        QCOMPARE(services->lastText(), QStringLiteral("NIe wykosowano jeszcze żadnego testu. Wciśnij przycisk: Losuj"));
        QCOMPARE(services->messages.last().caption, QStringLiteral("Zacznij losować"));
        k()->chooseCategory(draw::Category::Europa);
        QCOMPARE(k()->ListBox1->count(), 7);
        k()->hide();
        k()->showPlain(); // after a category the list stays the category's
        QCOMPARE(k()->ListBox1->count(), 7);
        k()->showPage("Random_laduj");
        k()->losujClick();
        QVERIFY(draw::categoryList(draw::Category::Europa).contains(k()->l_test->text()));
        QCOMPARE(k()->l_test->font().pointSize(), 8);
        for (int i = 0; i < 5; ++i)
            k()->Timer2Timer();
        QCOMPARE(k()->l_test->font().pointSize(), 18);
        k()->Timer2Timer();
        QVERIFY(!k()->Timer2->isActive());
        k()->chooseCategory(draw::Category::Custom);
        QVERIFY(k()->ListBox1->isVisibleTo(k()));
        k()->losujClick();
        QCOMPARE(services->lastText(), QStringLiteral("NIe zaznaczono na liście żadnego testu"));
    }

    void randomLoadUsesTheCatalogueLaunch()
    {
        const CatalogueEntry *e = catalogue::findByCode(14);
        writeTest(*e);
        k()->showPage("Random_laduj");
        k()->l_test->setText("Test: Polska - Długości granic sąsiadów");
        k()->loadRandom();
        QCOMPARE(main()->titleStrip(), QStringLiteral("Test: Polska - Granice sąsiadów"));
        QVERIFY(main()->testWindow());
        QVERIFY(!k()->isVisible());
    }

    void testWindowClosingReopensTheCreator()
    {
        test::writeSettings(*data, 1, 1);
        destroyForms();
        createForms();
        main()->show();
        const CatalogueEntry *e = catalogue::findByCode(18);
        writeTest(*e);
        k()->hide();
        main()->launchEntry(*e);
        main()->testWindow()->Timer1Timer();
        main()->testWindow()->przerwijClick();
        QVERIFY(k()->isVisible());
        QVERIFY(!waits->waits.isEmpty()); // with the grow-in
        QVERIFY(main()->commandAction(Command::MenuTesty)->isEnabled());
    }
};

QTEST_MAIN(TestCreator)
#include "tst_tkreator.moc"
