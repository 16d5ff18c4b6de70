// "Jakie to miejsce" as the pupil plays it: opened from the main window or
// the creator, covers clicked, names chosen, searched and tried, results
// saved, and the window closed again.

#include "Parts.h"
#include "QuizFixture.h"
#include "Scripted.h"
#include "UiTest.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "game/PlaceGameWindow.h"
#include "platform/Cp1250.h"
#include "wizards/CreatorWizard.h"
#include "wizards/RandomDraw.h"

#include <QAction>
#include <QDir>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollArea>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>

using namespace tv;

namespace {

using namespace tv::test::parts;

// A few places of the game, in the order of the names file (not sorted).
const QStringList kNames{"Wieża Eiffla", "Piza", "Wenecja", "Łuk triumfalny - Paryż", "Golden Gate",
                         "Wielki Mur Chiński", "Luwr - Paryż"};
const QSize kPictureSize(640, 480);

const QString kRecordTitle = QStringLiteral("Test: Odgadnij miejsce na ziemi");

} // namespace

class TestPlaceGameWindow : public test::UiTest {
    Q_OBJECT

    PlaceGameWindow *w = nullptr;
    std::uint32_t seed = 1;

    MainWindow *main() { return &app->mainWindow(); }

    void writePack(const QStringList &names = kNames, bool pictures = true)
    {
        data->writeLines(QStringLiteral("Miasta.dat"), names);
        if (pictures)
            for (const QString &name : names)
                data->write(game::pictureFile(int(game::places().indexOf(name))), test::jpeg(kPictureSize));
    }
    // The game as the pupil opens it: the main window's tool button.
    void openGame()
    {
        createApp();
        main()->show();
        main()->commandAction(Command::ButtonPlaceGame)->trigger();
        w = PlaceGameWindow::find(*main());
        QVERIFY(w);
    }
    // The window's parts, as the pupil sees them.
    QTableWidget *nameList() const { return test::named<QTableWidget>(w, "nameList"); }
    QWidget *picturePanel() const { return test::named<QWidget>(w, "picturePanel"); }
    QScrollArea *pictureScroll() const { return test::named<QScrollArea>(w, "pictureScroll"); }
    QLabel *picture() const { return test::named<QLabel>(w, "picture"); }
    QTimer *clock() const { return test::named<QTimer>(w, "clock"); }
    QMenu *contextMenu() const { return test::named<QMenu>(w, "contextMenu"); }
    // The covers in the order they were laid out.
    QList<QFrame *> covers() const
    {
        return w->findChildren<QFrame *>(QStringLiteral("cover"), Qt::FindDirectChildrenOnly);
    }
    int rowOf(const QString &name) const { return int(w->listedNames().indexOf(name)); }
    QString wrongName() const
    {
        return w->gameState().answer == kNames.at(1) ? kNames.at(2) : kNames.at(1);
    }
    void choose(const QString &name) { nameList()->selectRow(rowOf(name)); }
    void clickCover(int i) { QTest::mouseClick(covers().at(i), Qt::LeftButton, {}, QPoint(50, 50)); }
    bool playing() const
    {
        return w->command(GameCommand::TryName)->isEnabled()
            && !w->command(GameCommand::Draw)->isEnabled();
    }
    bool waiting() const
    {
        return !w->command(GameCommand::TryName)->isEnabled()
            && w->command(GameCommand::Draw)->isEnabled();
    }
    void verifyFreshGame()
    {
        QVERIFY(playing());
        QCOMPARE(w->closedCoverCount(), 36);
        QCOMPARE(w->gameState().seconds, 0);
        QCOMPARE(w->gameState().closedCovers, 36);
        QCOMPARE(w->gameState().wrongNames, 0);
        QVERIFY(clock()->isActive());
    }
    QByteArray record(const QString &user, const QString &time, int good, int bad, const QString &grade)
    {
        return cp1250::encode(QStringList{user, kRecordTitle, time, "36", QString::number(good),
                                          QString::number(bad), grade}
                                  .join(QStringLiteral("\r\n"))
                              + QStringLiteral("\r\n"));
    }

private slots:
    void init()
    {
        begin();
        draw::setSeedSource([this] { return seed += 0x9E3779B9u; });
    }
    void cleanup()
    {
        draw::setSeedSource({});
        w = nullptr;
        end();
    }

    void opensAMaximisedGameInTestMode()
    {
        writePack();
        openGame();
        QCOMPARE(main()->title(), QStringLiteral("Test: Odgadnij jakie to miejsce"));
        QVERIFY(!main()->commandAction(Command::ButtonCreator)->isEnabled());
        QVERIFY(main()->commandAction(Command::ItemCloseChild)->isEnabled());
        QVERIFY(!main()->backgroundVisible());
        auto *sub = qobject_cast<QMdiSubWindow *>(w->parentWidget());
        QVERIFY(sub && sub->isMaximized());
        QCOMPARE(w->windowTitle(), QStringLiteral("Jakie to miejsce"));

        // Six rows of six navy covers over the top left 600 x 600 pixels.
        QCOMPARE(picturePanel()->width(), 601);
        QCOMPARE(picturePanel()->geometry().topLeft(), QPoint(0, 0));
        QCOMPARE(covers().size(), 36);
        for (int i = 0; i < 36; ++i) {
            QCOMPARE(covers().at(i)->geometry(), QRect(100 * (i % 6), 100 * (i / 6), 100, 100));
            QVERIFY(covers().at(i)->isVisible());
        }
        QCOMPARE(covers().at(0)->frameStyle(), int(QFrame::Panel | QFrame::Sunken));
        QCOMPARE(covers().at(0)->lineWidth(), 1);
        QCOMPARE(covers().at(0)->palette().color(QPalette::Window), QColor(0, 0, 128));

        // The names sorted, navy bold, one column of 250 pixels.
        QCOMPARE(w->listedNames(), (QStringList{"Golden Gate", "Luwr - Paryż", "Łuk triumfalny - Paryż", "Piza",
                                                "Wenecja", "Wielki Mur Chiński", "Wieża Eiffla"}));
        QCOMPARE(nameList()->rowCount(), 7);
        QCOMPARE(nameList()->item(2, 0)->text(), QStringLiteral("Łuk triumfalny - Paryż"));
        QVERIFY(nameList()->item(2, 0)->font().bold());
        QVERIFY(!nameList()->item(2, 0)->icon().isNull());
        QCOMPARE(nameList()->horizontalHeaderItem(0)->text(), QStringLiteral("Dostępne nazwy"));
        QCOMPARE(nameList()->columnWidth(0), 250);

        QVERIFY(kNames.contains(w->gameState().answer));
        QCOMPARE(picture()->pixmap().size(), kPictureSize);
        QCOMPARE(pictureScroll()->widget()->size(), kPictureSize);
        QCOMPARE(clock()->interval(), 1000);
        verifyFreshGame();
        QVERIFY(services->messages.isEmpty());

        QStringList hints;
        for (QAction *a : test::named<QToolBar>(w, "toolBar")->actions())
            hints << a->toolTip();
        QCOMPARE(hints, (QStringList{"Wylosuj miejsce na Świecie", "Wynik testu", "Szukaj nazwy...", "Zamknij..."}));
        QStringList menu;
        for (QAction *a : contextMenu()->actions())
            menu << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(menu, (QStringList{"Wynik testu", "-", "Wylosuj miejsce na Świecie", "Szukaj nazwy...", "-",
                                    "Zamknij okno"}));

        // The command again brings this game forward rather than a second.
        main()->commandAction(Command::ItemPlaceGame)->trigger();
        QCOMPARE(main()->childArea()->subWindowList().size(), 1);
    }

    void theCreatorStartsTheGame()
    {
        writePack();
        createApp();
        app->creator().showPlain();
        startList(&app->creator())->setCurrentRow(12);
        app->creator().enableNext();
        app->creator().goNext();
        QVERIFY(!app->creator().isVisible());
        w = PlaceGameWindow::find(*main());
        QVERIFY(w);
        QCOMPARE(main()->title(), QStringLiteral("Test: Odgadnij jakie to miejsce"));
        verifyFreshGame();
    }

    // The right name before any cover, after a minute: the top grade, and
    // the record appended after the one already stored.
    void rightNameAtOnceIsSavedByteForByte()
    {
        writePack();
        const QByteArray earlier = record(QStringLiteral("Ewa"), QStringLiteral("0 min 9 sek"), 36, 0,
                                          QStringLiteral("Celujący (6)"));
        data->write(QStringLiteral("Wyniki.tvw"), earlier);
        openGame();
        for (int i = 0; i < 60; ++i)
            w->tick();
        choose(w->gameState().answer);
        services->answers << QMessageBox::Yes;
        services->inputAnswers << QStringLiteral("Józef Świątek");
        w->command(GameCommand::TryName)->trigger();

        QCOMPARE(services->messages.size(), 1);
        const auto &m = services->messages.first();
        QCOMPARE(m.caption, QStringLiteral("Terravia: Wynik"));
        QCOMPARE(m.icon, Services::Icon::Question);
        QCOMPARE(m.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QVERIFY(m.text.startsWith(QStringLiteral("POPRAWNA ODPOWIEDŹ! Brawo!!!\r\nCzas test: 1 min 0 sek\r\n"
                                                 "Otwartych okienek: 0 z 36\r\nBłędnych wskazań: 0\r\n"
                                                 "Twoja ocena: Celujący (6)\r\n")));
        QCOMPARE(services->prompts.size(), 1);
        QCOMPARE(services->prompts.first().caption, QStringLiteral("Zapis wyniku..."));
        QCOMPARE(services->prompts.first().prompt, QStringLiteral("Wpisz swoje imię i nazwisko"));
        QCOMPARE(data->read(QStringLiteral("Wyniki.tvw")),
                 earlier
                     + record(QStringLiteral("Józef Świątek"), QStringLiteral("1 min 0 sek"), 36, 0,
                              QStringLiteral("Celujący (6)")));
        // Saved: the next place at once.
        verifyFreshGame();
    }

    void coversAndWrongNamesCountAgainstThePupil()
    {
        writePack();
        openGame();
        for (int i : {0, 7, 14, 21, 35})
            clickCover(i);
        QVERIFY(covers().at(7)->isHidden());
        QCOMPARE(w->closedCoverCount(), 31);
        clickCover(7); // an open cover stays open and counts once
        // The right button asks for the menu; it opens nothing.
        QTest::mouseClick(covers().at(1), Qt::RightButton, {}, QPoint(50, 50));
        QTest::mouseClick(picture(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(w->gameState().closedCovers, 31);
        QVERIFY(covers().at(1)->isVisible());

        for (int i = 0; i < 2; ++i) {
            choose(wrongName());
            w->command(GameCommand::TryName)->trigger();
            QCOMPARE(services->lastText(),
                     QStringLiteral("Przykro mi, ale to nie jest poprawna odpowiedź.\r\nSpróbuj jeszcze raz"));
            QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia: Błędna odpowiedź"));
            QCOMPARE(services->messages.last().icon, Services::Icon::Warning);
            QVERIFY(clock()->isActive());
            QVERIFY(playing());
        }
        choose(w->gameState().answer);
        services->answers << QMessageBox::No;
        w->command(GameCommand::TryName)->trigger();
        QVERIFY(services->lastText().contains(
            QStringLiteral("Otwartych okienek: 5 z 36\r\nBłędnych wskazań: 2\r\nTwoja ocena: Dobry plus (4+)\r\n")));
        QVERIFY(!clock()->isActive());
        QCOMPARE(w->closedCoverCount(), 0);
        QVERIFY(services->prompts.isEmpty());
        QVERIFY(!data->has(QStringLiteral("Wyniki.tvw")));

        // Waiting with the solved picture: a double click scores nothing.
        QVERIFY(waiting());
        QVERIFY(!picture()->pixmap().isNull());
        const int shown = int(services->messages.size());
        w->tryEntry(rowOf(w->gameState().answer));
        w->command(GameCommand::TryName)->trigger();
        QCOMPARE(services->messages.size(), shown);

        w->command(GameCommand::Draw)->trigger();
        verifyFreshGame();
    }

    void theLastCoverLosesTheGame_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("nextAtOnce");
        QTest::newRow("yes") << int(QMessageBox::Yes) << true << false;
        QTest::newRow("no") << int(QMessageBox::No) << false << false;
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << true;
    }
    void theLastCoverLosesTheGame()
    {
        QFETCH(int, answer);
        QFETCH(bool, saved);
        QFETCH(bool, nextAtOnce);
        writePack();
        openGame();
        choose(wrongName());
        w->tryChosenName();
        for (int i = 0; i < 35; ++i)
            clickCover(i);
        QVERIFY(playing());
        services->answers << QMessageBox::StandardButton(answer);
        services->inputAnswers << QStringLiteral("Ola");
        clickCover(35);
        QCOMPARE(services->lastText(), QStringLiteral("KONIEC TESTU - PRZEGRAŁEŚ!!!\r\nCzas test: 0 min 0 sek\r\n"
                                                      "Otwartych okienek: 36 z 36\r\nBłędnych wskazań: 1\r\n"
                                                      "Twoja ocena: Niedostateczny (1)\r\n"
                                                      "Czy zapisać wynik testu? Wciśnij: TAK/NIE\r\n"
                                                      "Przycisk: Anuluj: Nie zapisuj - Następny test"));
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia: Wynik"));
        if (saved)
            QCOMPARE(data->read(QStringLiteral("Wyniki.tvw")),
                     record(QStringLiteral("Ola"), QStringLiteral("0 min 0 sek"), 0, 36,
                            QStringLiteral("Niedostateczny (1)")));
        else
            QVERIFY(!data->has(QStringLiteral("Wyniki.tvw")));
        if (nextAtOnce) {
            verifyFreshGame();
        } else {
            QVERIFY(waiting());
            QVERIFY(!clock()->isActive());
            QCOMPARE(w->gameState().wrongNames, 0);
            QCOMPARE(w->gameState().closedCovers, 36);
        }
    }

    void searchSelectsTheFirstEntryWithThePrefix()
    {
        writePack();
        openGame();
        services->inputAnswers << QStringLiteral("wie");
        w->command(GameCommand::Search)->trigger();
        QCOMPARE(services->prompts.last().caption, QStringLiteral("Szukanie nazwy..."));
        QCOMPARE(services->prompts.last().prompt, QStringLiteral("Wpisz szukana nazwę..."));
        QCOMPARE(services->prompts.last().initial, QString());
        QCOMPARE(nameList()->currentRow(), rowOf(QStringLiteral("Wielki Mur Chiński")));
        QVERIFY(nameList()->item(rowOf(QStringLiteral("Wielki Mur Chiński")), 0)->isSelected());
        QCOMPARE(w->gameState().chosen, QStringLiteral("Wielki Mur Chiński"));

        // No match, or nothing typed: the choice stays.
        services->inputAnswers << QStringLiteral("łuk") << QString();
        w->command(GameCommand::Search)->trigger();
        w->searchName();
        w->searchName(); // cancelled
        QCOMPARE(w->gameState().chosen, QStringLiteral("Wielki Mur Chiński"));
        QCOMPARE(services->prompts.size(), 4);
        QVERIFY(services->messages.isEmpty());
    }

    void aDoubleClickTriesTheEntry()
    {
        writePack();
        openGame();
        w->tryEntry(-1);
        w->tryEntry(int(w->listedNames().size()));
        QVERIFY(services->messages.isEmpty());
        QTableWidgetItem *entry = nameList()->item(rowOf(w->gameState().answer), 0);
        services->answers << QMessageBox::Cancel;
        // As the view reports it: the press selects the entry, then the double click.
        nameList()->setCurrentItem(entry);
        emit nameList()->itemDoubleClicked(entry);
        QCOMPARE(services->messages.size(), 1);
        QVERIFY(services->lastText().startsWith(QStringLiteral("POPRAWNA ODPOWIEDŹ!")));
        // Cancel: nothing saved, the next place at once.
        QVERIFY(services->prompts.isEmpty());
        verifyFreshGame();
    }

    void withoutTheNamesFileNoTryCanBeMade()
    {
        data->write(QStringLiteral("m0.jpg"), test::jpeg(kPictureSize));
        openGame();
        QCOMPARE(nameList()->rowCount(), 0);
        QCOMPARE(w->gameState().place, 0);
        QVERIFY(services->messages.isEmpty());
        w->command(GameCommand::TryName)->trigger();
        QCOMPARE(services->lastText(), QStringLiteral("Wciśnij przycisk: Wylosuj miejsce na świecie"));
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia"));
        QCOMPARE(w->gameState().wrongNames, 0);
        QVERIFY(playing());
    }

    void aMissingPictureIsReported_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("place 0") << "Golden Gate" << "Terravia: Brak zdjęcia...";
        QTest::newRow("place 3") << "Piza" << "Terravia: Brak zdjecia...";
    }
    void aMissingPictureIsReported()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        writePack({name}, false);
        openGame();
        QCOMPARE(services->lastText(),
                 QStringLiteral("Błąd: Nie można załadować testu. Ponieważ brak pliku zdjęcia na Twoim dysku"));
        QCOMPARE(services->messages.last().caption, caption);
        QVERIFY(picture()->pixmap().isNull());
        verifyFreshGame();
    }

    void aResultThatCannotBeStoredIsReported()
    {
        writePack();
        QVERIFY(QDir(data->path()).mkdir(QStringLiteral("Wyniki.tvw")));
        openGame();
        choose(w->gameState().answer);
        services->answers << QMessageBox::Yes;
        services->inputAnswers << QStringLiteral("Ala");
        w->tryChosenName();
        QCOMPARE(services->messages.size(), 2);
        QCOMPARE(services->messages.last().icon, Services::Icon::Error);
        // The solved game stays on screen rather than vanish unsaved.
        QVERIFY(waiting());
    }

    void comingBackFromAnotherChildWindowStartsTheCountersAgain()
    {
        writePack();
        openGame();
        clickCover(3);
        w->tick();
        QMdiSubWindow *other = main()->addChildWindow(new QWidget);
        other->show();
        main()->childArea()->setActiveSubWindow(other);
        QCOMPARE(w->gameState().closedCovers, 35);
        main()->childArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(w->parentWidget()));
        QCOMPARE(w->gameState().closedCovers, 36);
        QCOMPARE(w->gameState().seconds, 0);
        delete other;
    }

    void closing_data()
    {
        QTest::addColumn<int>("startCreator");
        QTest::newRow("creator off") << 0;
        QTest::newRow("creator on") << 1;
    }
    void closing()
    {
        QFETCH(int, startCreator);
        writePack();
        test::writeSettings(*data, startCreator, 0);
        openGame();
        app->creator().hide();
        QPointer<PlaceGameWindow> game = w;
        w->command(GameCommand::Close)->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!game);
        QVERIFY(main()->childArea()->subWindowList().isEmpty());
        QCOMPARE(app->creator().isVisible(), startCreator == 1);
        QCOMPARE(waits->waits.contains(40), startCreator == 1); // the creator grows in
        QCOMPARE(main()->title(), QString());
        QVERIFY(main()->backgroundVisible());
        QVERIFY(main()->commandAction(Command::ItemResults)->isEnabled());
        QVERIFY(!main()->commandAction(Command::ItemCloseChild)->isEnabled());
    }

    // On a large screen the picture and its covers grow together: the grid
    // stays six by six over the scaled picture, and a click opens the cover
    // under the pointer.
    void coversScaleWithThePicture_data()
    {
        QTest::addColumn<QSize>("mainSize");
        QTest::addColumn<bool>("larger");
        QTest::newRow("natural") << QSize(800, 600) << false;
        QTest::newRow("large") << QSize(2200, 1500) << true;
    }
    void coversScaleWithThePicture()
    {
        QFETCH(QSize, mainSize);
        QFETCH(bool, larger);
        writePack();
        openGame();
        main()->resize(mainSize);
        QCoreApplication::processEvents();
        const double s = w->scale();
        QCOMPARE(s > 1.0, larger);
        QCOMPARE(picturePanel()->width(), int(600 * s) + 1);
        QCOMPARE(picture()->size(), QSize(int(640 * s), int(480 * s)));
        const int side = int(100 * s);
        for (int i = 0; i < 36; ++i)
            QCOMPARE(covers().at(i)->geometry(), QRect(int(100 * (i % 6) * s), int(100 * (i / 6) * s), side, side));
        // Just inside the far corner of cover 15 (row 2, column 3).
        const QPoint at(int(399 * s) - 1, int(299 * s) - 1);
        QWidget *under = w->childAt(at);
        QCOMPARE(under, static_cast<QWidget *>(covers().at(15)));
        QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(w, at));
        QVERIFY(covers().at(15)->isHidden());
        QCOMPARE(w->closedCoverCount(), 35);
    }
};

QTEST_MAIN(TestPlaceGameWindow)
#include "tst_placegamewindow.moc"
