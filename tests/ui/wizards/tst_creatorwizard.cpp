#include "Parts.h"
#include "QuizFixture.h"
#include "Scripted.h"
#include "UiTest.h"
#include "app/Application.h"
#include "catalogue/TestLauncher.h"
#include "app/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/LoadingWindow.h"
#include "platform/StandardDialogs.h"
#include "quiz/TestWindow.h"
#include "wizards/CreatorPages.h"
#include "wizards/CreatorWizard.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

using namespace tv;
using namespace tv::test::parts;

class TestCreator : public test::UiTest {
    Q_OBJECT


    MainWindow *main() { return &app->mainWindow(); }
    CreatorWizard *k() { return &app->creator(); }

    void chooseStart(int index)
    {
        startList(k())->setCurrentRow(index);
        k()->enableNext();
    }
    void writeTest(const CatalogueEntry &e)
    {
        test::writeMapTest(*data, e.configurationFile, e.descriptionFile, e.pictureFile, {{5, 5}}, {"X11"},
                           QSize(60, 40));
    }
    QString heading(const QString &page)
    {
        auto *l = k()->findChild<QLabel *>(page + QStringLiteral("Heading"));
        return l ? l->text() : QString();
    }

private slots:
    void init()
    {
        begin();
        test::writeSettings(*data, 0, 1);
        createApp();
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
        QCOMPARE(k()->currentPage(), QStringLiteral("startPage"));
        QCOMPARE(startList(k())->count(), 14);
        QCOMPARE(startList(k())->item(0)->text(), QStringLiteral("  POLSKA"));
        QCOMPARE(startList(k())->item(9)->text(), QStringLiteral("  RÓŻNE PYTANIA GEGRAFICZNE"));
        QCOMPARE(startList(k())->item(12)->text(), QStringLiteral("  SPRAWDŹ CO TO ZA MIEJSCE NA ZIEMI"));
        QCOMPARE(startList(k())->item(13)->text(), QStringLiteral("  MOJE TESTY"));
        QVERIFY(!nextButton(k())->isEnabled());
        QCOMPARE(nextButton(k())->toolTip(), QStringLiteral("Idź dalej"));
        QCOMPARE(closeButton(k())->text(), QStringLiteral("Zamknij Kreator"));
        QStringList names;
        for (int i = 0; i < pages(k())->count(); ++i)
            names << pages(k())->widget(i)->objectName();
        QCOMPARE(names, (QStringList{"startPage", "polandPage", "europePage", "northAmericaPage", "asiaPage", "australiaPage", "africaPage",
                                     "antarcticaPage", "worldPage", "miscellaneousPage", "southAmericaPage", "chainsPage", "randomPage", "ownPage"}));
        // Enter with nothing chosen does nothing.
        QTest::keyClick(startList(k()), Qt::Key_Return);
        QCOMPARE(k()->currentPage(), QStringLiteral("startPage"));
        // The shape comes half a second after activation.
        QVERIFY(shapeDelay(k())->isActive());
        QCOMPARE(shapeDelay(k())->interval(), 500);
        k()->applyShape();
        QVERIFY(!k()->mask().isEmpty());
    }

    void routing_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("heading");
        QTest::newRow("0") << 0 << "polandPage" << "Karta: POLSKA";
        QTest::newRow("1") << 1 << "europePage" << "Karta: EUROPA";
        QTest::newRow("2") << 2 << "asiaPage" << "Karta: AZJA";
        QTest::newRow("3") << 3 << "northAmericaPage" << "Karta: AMERYKA PÓŁNOCNA ";
        QTest::newRow("4") << 4 << "southAmericaPage" << "Karta: AMERYKA POŁUDNIOWA";
        QTest::newRow("5") << 5 << "africaPage" << "Karta: AFRYKA";
        QTest::newRow("6") << 6 << "australiaPage" << "Karta: AUSTRALIA";
        QTest::newRow("7") << 7 << "antarcticaPage" << "Karta: ANTARKTYDA";
        QTest::newRow("8") << 8 << "worldPage" << "Karta: ŚWIAT";
        QTest::newRow("9") << 9 << "miscellaneousPage" << "Karta: RÓŻNE TESTY";
        QTest::newRow("10") << 10 << "chainsPage" << "Karta: WSZYSTKO O...";
        QTest::newRow("11") << 11 << "randomPage" << "";
    }
    void routing()
    {
        QFETCH(int, index);
        QFETCH(QString, page);
        QFETCH(QString, heading);
        chooseStart(index);
        QVERIFY(nextButton(k())->isEnabled());
        // Four ways forward: the button, a double click, Enter, the menu.
        for (int way = 0; way < 4; ++way) {
            k()->showPage("startPage");
            if (way == 0)
                nextButton(k())->click();
            else if (way == 1)
                emit startList(k())->itemDoubleClicked(startList(k())->currentItem());
            else if (way == 2)
                QTest::keyClick(startList(k()), Qt::Key_Return);
            else
                startList(k())->findChild<QAction *>("nextItem")->trigger();
            QCOMPARE(k()->currentPage(), page);
        }
        QCOMPARE(this->heading(page), heading);
        k()->goBack();
        QCOMPARE(k()->currentPage(), QStringLiteral("startPage"));
    }

    void gameStartsAndTheCreatorHides()
    {
        bool started = false;
        connect(k(), &CreatorWizard::placeGameRequested, this, [&] { started = true; });
        chooseStart(12);
        k()->goNext();
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
            for (const auto &o : item.options) {
                const QString title = catalogue::findByCode(o.code)->title;
                QTest::addRow("%s %s", qPrintable(item.page), qPrintable(o.caption))
                    << item.page << o.caption << title
                    << (o.caption == QStringLiteral("NAJWIĘKSZE MIASTA") && item.page == "polandPage"
                            ? QStringLiteral("Test: Polska - Najwieksze miasta")
                            : title);
            }
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
        app->state().chain.active = true;
        k()->loadTopic();
        QVERIFY(services->messages.isEmpty());
        QVERIFY(!app->state().chain.active);
        QCOMPARE(main()->title(), title);
        QCOMPARE(main()->statusText(1), status);
        QCOMPARE(app->state().request.configurationFile, e->configurationFile);
        QCOMPARE(app->state().request.descriptionFile, e->descriptionFile);
        QCOMPARE(app->state().request.pictureFile, e->pictureFile);
        QVERIFY(!k()->isVisible());
        QVERIFY(app->launcher().testWindow());
        QVERIFY(!main()->backgroundVisible());
    }

    void failedLaunchKeepsTheCreatorOpen()
    {
        const CatalogueEntry *e = catalogue::findByCode(19); // Europa - Państwa
        writeTest(*e);
        QFile::remove(data->file(e->descriptionFile));
        k()->showPage("europePage");
        k()->option("europePage", "PAŃSTWA")->setChecked(true);
        // The always-on-top loading window has gone before the message
        // comes up, or it would cover the message's button.
        bool loadingShownUnderMessage = true;
        services->onMessage = [&] { loadingShownUnderMessage = app->loadingWindow().isVisible(); };
        k()->loadTopic();
        QVERIFY(!loadingShownUnderMessage);
        services->onMessage = {};
        QCOMPARE(services->lastText(),
                 QStringLiteral("Nie można załadować tego testu ponieważ, na Twoim dysku brak pliku zdjęcia opisu"));
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia: Brak pliku"));
        QVERIFY(k()->isVisible());
        QCOMPARE(k()->currentPage(), QStringLiteral("europePage"));
        QVERIFY(!app->loadingWindow().isVisible());
        QVERIFY(main()->commandAction(Command::MenuTests)->isEnabled());
        QCOMPARE(main()->statusText(1), QStringLiteral("Test: Oczekiwanie..."));
        QVERIFY(!main()->hasChildWindow());
        // A session does not change this launch: nothing goes to the server.
        app->state().session.setActive(true);
        k()->loadTopic();
        QCOMPARE(services->messages.size(), 2);
        QVERIFY(!(&app->state().session.serverPoll())->isActive());
    }

    void chainOptions_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("status");
        const char *firstTests[] = {"(8): Polska - Największe miasta", "(7): Europa - Góry",
                                    "(7): Ameryka Pn - Góry i Szczyty", "(6): Azja - Góry i Szczyty",
                                    "(6): Australia - Największe miasta", "(7): Świat - Kontynenty",
                                    "(8): Różne - Wysokości gór"};
        for (int i = 0; i < 7; ++i)
            QTest::addRow("%d", i + 1) << i << QStringLiteral("Obecny test (1) z ") + QString::fromUtf8(firstTests[i]);
    }
    void chainOptions()
    {
        QFETCH(int, row);
        QFETCH(QString, status);
        const ChainEntry &o = creator::chainOptions().at(row).entry;
        const QString caption = creator::chainOptions().at(row).caption;
        for (const ChainStep &s : catalogue::chainSteps(o.chain))
            test::writeMapTest(*data, s.configurationFile, s.descriptionFile, s.pictureFile, {{1, 1}}, {"X11"},
                               QSize(20, 20));
        k()->showPage("chainsPage");
        k()->option("chainsPage", caption)->setChecked(true);
        k()->loadChain();
        QVERIFY(services->messages.isEmpty());
        QVERIFY(app->state().chain.active);
        QCOMPARE(app->state().chain.chain, o.chain);
        QCOMPARE(app->state().chain.step, 1);
        QCOMPARE(app->state().chain.taskTotal, o.taskTotal);
        QVERIFY(main()->title().endsWith(QStringLiteral(" [%1]").arg(status)));
        QCOMPARE(main()->statusText(1), status);
        QCOMPARE(main()->windowTitle(), status);
        QCOMPARE(app->state().request.configurationFile, o.configurationFile);
        QVERIFY(!k()->isVisible());
        QVERIFY(app->launcher().testWindow());
    }

    void chainWithAMissingFileStartsNothing()
    {
        k()->showPage("chainsPage");
        k()->option("chainsPage", "EUROPIE")->setChecked(true);
        k()->loadChain();
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->lastText(), QStringLiteral("Nie możesz rozwiązać tego tesu ponieważ brakuje plków "
                                                      "konfiguracyjnych tego tesu na Twoim dysku"));
        QCOMPARE(services->messages.last().icon, Services::Icon::Warning);
        QVERIFY(!app->state().chain.active);
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
        QVERIFY(!main()->commandAction(Command::MenuTests)->isEnabled());
        QVERIFY(!main()->commandAction(Command::ButtonCreator)->isEnabled());
        QVERIFY(!main()->commandAction(Command::ItemCreator)->isEnabled());
        k()->showPage("randomPage");
        drawnTitle(k())->setText("Test: Europa - Góry");
        QTest::keyClick(k(), Qt::Key_Escape);
        QVERIFY(!k()->isVisible());
        QVERIFY(main()->commandAction(Command::MenuTests)->isEnabled());
        QVERIFY(main()->commandAction(Command::ButtonCreator)->isEnabled());
        QCOMPARE(drawnTitle(k())->text(), QStringLiteral("Jeszcze nie losowano testu"));
    }

    void reopeningShowsTheStartPageWithChoicesKept()
    {
        k()->showPage("africaPage");
        k()->option("africaPage", "PAŃSTWA")->setChecked(true);
        k()->closeCreator();
        app->creator().openAnimated();
        QCOMPARE(k()->currentPage(), QStringLiteral("startPage"));
        QVERIFY(k()->option("africaPage", "PAŃSTWA")->isChecked());
    }

    void randomPage()
    {
        QCOMPARE(drawList(k())->count(), 55);
        k()->showPlain(); // a second activation does not double the list
        QCOMPARE(drawList(k())->count(), 55);
        k()->showPage("randomPage");
        k()->loadRandom();
        QCOMPARE(services->lastText(), QStringLiteral("NIe wykosowano jeszcze żadnego testu. Wciśnij przycisk: Losuj"));
        QCOMPARE(services->messages.last().caption, QStringLiteral("Zacznij losować"));
        k()->chooseCategory(draw::Category::Europe);
        QCOMPARE(drawList(k())->count(), 7);
        k()->hide();
        k()->showPlain(); // after a category the list stays the category's
        QCOMPARE(drawList(k())->count(), 7);
        k()->showPage("randomPage");
        k()->draw();
        QVERIFY(draw::categoryList(draw::Category::Europe).contains(drawnTitle(k())->text()));
        QCOMPARE(drawnTitle(k())->font().pointSize(), 8);
        for (int i = 0; i < 5; ++i)
            k()->growTitle();
        QCOMPARE(drawnTitle(k())->font().pointSize(), 18);
        k()->growTitle();
        QVERIFY(!titleGrowth(k())->isActive());
        k()->chooseCategory(draw::Category::Custom);
        QVERIFY(drawList(k())->isVisibleTo(k()));
        k()->draw();
        QCOMPARE(services->lastText(), QStringLiteral("NIe zaznaczono na liście żadnego testu"));
    }

    void randomLoadUsesTheCatalogueLaunch()
    {
        const CatalogueEntry *e = catalogue::findByCode(14);
        writeTest(*e);
        k()->showPage("randomPage");
        drawnTitle(k())->setText("Test: Polska - Długości granic sąsiadów");
        k()->loadRandom();
        QCOMPARE(main()->title(), QStringLiteral("Test: Polska - Granice sąsiadów"));
        QVERIFY(app->launcher().testWindow());
        QVERIFY(!k()->isVisible());
    }

    void testWindowClosingReopensTheCreator()
    {
        test::writeSettings(*data, 1, 1);
        delete app;
        createApp();
        main()->show();
        const CatalogueEntry *e = catalogue::findByCode(18);
        writeTest(*e);
        k()->hide();
        app->launcher().launchEntry(*e);
        app->launcher().testWindow()->onStartDelay();
        app->launcher().testWindow()->stopTest();
        QVERIFY(k()->isVisible());
        QVERIFY(!waits->waits.isEmpty()); // with the grow-in
        QVERIFY(main()->commandAction(Command::MenuTests)->isEnabled());
    }

    void messagesOverTheCreatorKeepTheStandardColours()
    {
        // The creator writes white on its navy picture; a message opened
        // over it is its child and must not inherit that.
        const auto box = makeMessageBox(k(), QStringLiteral("Brak pliku"), QStringLiteral("Terravia"),
                                        Services::Icon::Information, QMessageBox::Ok);
        box->ensurePolished();
        auto *text = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(text);
        text->ensurePolished();
        const QPalette standard = QApplication::palette(text);
        QCOMPARE(text->palette().color(QPalette::WindowText), standard.color(QPalette::WindowText));
        // The creator's own labels keep their white.
        auto *heading = k()->findChild<QLabel *>(QStringLiteral("startPageHeading"));
        heading->ensurePolished();
        QCOMPARE(heading->palette().color(QPalette::WindowText), QColor(Qt::white));
    }

    void enterOnAPagePressesItsButton_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("button");
        QTest::newRow("start page") << "startPage" << "nextButton";
        QTest::newRow("a topic page") << "europePage" << "europePageLoadButton";
        QTest::newRow("composites") << "chainsPage" << "chainsPageLoadButton";
        QTest::newRow("random page") << "randomPage" << "randomPageLoadButton";
    }
    void enterOnAPagePressesItsButton()
    {
        QFETCH(QString, page);
        QFETCH(QString, button);
        k()->showPage(page);
        auto *wanted = k()->findChild<QPushButton *>(button);
        QVERIFY(wanted);
        QCOMPARE(k()->defaultButton(), wanted);
        int defaults = 0;
        for (QPushButton *b : k()->findChildren<QPushButton *>())
            defaults += b->isDefault() ? 1 : 0;
        QCOMPARE(defaults, 1);
        QVERIFY(wanted->isDefault());
        // Enter on a radio button of a topic page loads its test.
        if (page == QLatin1String("europePage")) {
            const CatalogueEntry *e = catalogue::findByCode(19);
            writeTest(*e);
            k()->option("europePage", "PAŃSTWA")->setChecked(true);
            QTest::keyClick(k()->option("europePage", "PAŃSTWA"), Qt::Key_Return);
            QCOMPARE(main()->title(), e->title);
            QVERIFY(app->launcher().testWindow());
        }
    }
};

QTEST_MAIN(TestCreator)
#include "tst_creatorwizard.moc"
