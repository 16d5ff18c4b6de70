#include "Parts.h"
#include "QuizFixture.h"
#include "Scripted.h"
#include "UiTest.h"
#include "app/Application.h"
#include "results/ResultState.h"
#include "catalogue/TestLauncher.h"
#include "app/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/LoadingWindow.h"
#include "quiz/Markers.h"
#include "quiz/TestWindow.h"
#include "results/ResultDialog.h"
#include "wizards/CreatorWizard.h"

#include <QAction>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

using namespace tv;

namespace {

using namespace tv::test::parts;

const std::vector<QPoint> kPositions = {{10, 20}, {150, 40}, {300, 60}};
const QStringList kDescription = {"Wiedeń11", "Praga12", "Berlin13"};

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

class TestTestWindow : public test::UiTest {
    Q_OBJECT


    MainWindow *main() { return &app->mainWindow(); }
    ResultDialog *result() { return &app->resultDialog(); }
    const CatalogueEntry &stolice() { return *catalogue::findByCode(18); }

    // Launches "Europa - Stolice" and runs the start timer by hand.
    TestWindow *launch()
    {
        app->launcher().launchEntry(stolice());
        TestWindow *w = app->launcher().testWindow();
        if (w)
            w->onStartDelay();
        return w;
    }
    QStringList fieldTexts(TestWindow *w, int n)
    {
        QStringList out;
        for (int k = 1; k <= n; ++k)
            out << test::nameFieldOf(w, k)->text();
        return out;
    }
    int fieldWith(TestWindow *w, const QString &name)
    {
        for (int k = 1; k <= 17; ++k)
            if (test::nameFieldOf(w, k)->text() == name)
                return k;
        return 0;
    }
    // The main window is back in its idle local state.
    void verifyIdle()
    {
        flushDeletes();
        QVERIFY(!main()->hasChildWindow());
        QVERIFY(!app->loadingWindow().isVisible());
        QVERIFY(!hourglassShown());
        QCOMPARE(main()->statusText(1), QStringLiteral("Test: Oczekiwanie..."));
        QVERIFY(main()->commandAction(Command::MenuTests)->isEnabled());
        QVERIFY(main()->backgroundVisible());
    }

private slots:
    void init()
    {
        begin();
        test::writeSettings(*data, 0, 1);
        test::writeMapTest(*data, "ES.dat", "ES_o.dat", "Europa_stolice.jpg", kPositions, kDescription);
        createApp();
        main()->show();
    }
    void cleanup()
    {
        TestWindow::setShuffleSeed(0);
        end();
    }

    void launchAndLoad()
    {
        app->launcher().launchEntry(stolice());
        QCOMPARE(main()->title(), QStringLiteral("Test: Europa - Stolice"));
        QCOMPARE(main()->statusText(1), QStringLiteral("Test: Europa - Stolice"));
        QVERIFY(!main()->commandAction(Command::MenuTests)->isEnabled());
        QVERIFY(app->loadingWindow().isVisible());
        TestWindow *w = app->launcher().testWindow();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Test geograficzny"));
        QVERIFY(main()->childArea()->activeSubWindow()->isMaximized());
        QVERIFY(test::timerOf(w, "startDelay")->isActive());
        QCOMPARE(test::timerOf(w, "startDelay")->interval(), 1000);

        w->onStartDelay();
        QVERIFY(!app->loadingWindow().isVisible());
        QVERIFY(!hourglassShown());
        QVERIFY(test::timerOf(w, "clock")->isActive());
        QCOMPARE(test::pictureSizeOf(w), QSize(400, 300));
        // The page is the picture at the map's scale, markers and all.
        const double s = test::mapViewOf(w)->scale();
        QCOMPARE(test::canvasOf(w)->size(), QSize(int(400 * s), int(300 * s)));
        for (int k = 1; k <= 3; ++k) {
            MarkerBox *m = test::markerBox(w, k);
            QVERIFY(m->isVisibleTo(w));
            QCOMPARE(test::mapViewOf(w)->markerPlace(k), kPositions[k - 1]);
            QCOMPARE(m->pos(), QPoint(qRound(kPositions[k - 1].x() * s), qRound(kPositions[k - 1].y() * s)));
            QCOMPARE(m->size(), QSize(qRound(129 * s), qRound(25 * s)));
            QCOMPARE(m->tag, 10 + k);
            QCOMPARE(m->text(), QString());
            QCOMPARE(m->state(), MarkerState::Blank);
            QCOMPARE(test::nameFieldOf(w, k)->pos(), QPoint(4, 16 + 24 * (k - 1)));
            QCOMPARE(test::nameFieldOf(w, k)->size(), QSize(136, 21));
            QVERIFY(test::nameFieldOf(w, k)->isVisibleTo(w));
        }
        QVERIFY(!test::markerBox(w, 4)->isVisibleTo(w));
        QVERIFY(!test::nameFieldOf(w, 4)->isVisibleTo(w));
        QCOMPARE(w->mapTest().names(), (QStringList{"Wiedeń", "Praga", "Berlin"}));
        const QStringList shown = fieldTexts(w, 3);
        QCOMPARE(QSet<QString>(shown.begin(), shown.end()), (QSet<QString>{"Wiedeń", "Praga", "Berlin"}));
        QCOMPARE(w->mapTest().dropsLeft, 3);
        QCOMPARE(test::hintOf(w), QStringLiteral("Wybrano:?"));
        // Names are written in the bundled font the content pack measured them in.
        QCOMPARE(QFontInfo(test::markerBox(w, 1)->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(test::markerBox(w, 1)->font().pixelSize(), 11);
        QCOMPARE(QFontInfo(test::nameFieldOf(w, 1)->font()).family(), QStringLiteral("Liberation Sans"));
        // The hint panel sits in the map's top right corner, whatever the
        // window's width, and stays there as the hint grows.
        auto *hint = w->findChild<QLabel *>(QStringLiteral("hintPanel"));
        QCOMPARE(hint->parentWidget(), test::canvasOf(w));
        for (const QString &name : {QString(), QStringLiteral("Wyż. Krakowsko-Częst.")}) {
            if (!name.isEmpty()) {
                test::nameFieldOf(w, 1)->setText(name);
                QTest::mouseClick(test::nameFieldOf(w, 1), Qt::LeftButton);
                QCOMPARE(test::hintOf(w), QStringLiteral("Wybrano: ") + name);
            }
            QCOMPARE(hint->geometry().right() + 1, test::canvasOf(w)->width() - 10);
            QCOMPARE(hint->y(), 4);
            QVERIFY(hint->width() <= 302);
        }
    }

    void onlyTheFirstDescriptionLinesAreUsed()
    {
        test::writeMapTest(*data, "ES.dat", "ES_o.dat", "Europa_stolice.jpg", kPositions,
                           {"Wiedeń11", "Praga12", "Berlin13", "Madryt14", "Rzym15"});
        TestWindow *w = launch();
        QCOMPARE(w->mapTest().names().size(), 3);
        QVERIFY(fieldWith(w, "Madryt") == 0);
    }

    void duplicateNamesStillLoad()
    {
        test::writeMapTest(*data, "ES.dat", "ES_o.dat", "Europa_stolice.jpg", kPositions,
                           {"Praga11", "Praga12", "Praga13"});
        TestWindow *w = launch();
        QCOMPARE(fieldTexts(w, 3), (QStringList{"Praga", "Praga", "Praga"}));
    }

    void dropUndoAndAutomaticEnd()
    {
        TestWindow *w = launch();
        const int praga = fieldWith(w, "Praga");
        test::dropOnMarker(w, praga, 2);
        QCOMPARE(test::markerBox(w, 2)->text(), QStringLiteral("Praga"));
        QCOMPARE(test::markerBox(w, 2)->state(), MarkerState::Placed);
        QCOMPARE(test::markerBox(w, 2)->colour(), QColor(Qt::white));
        QVERIFY(test::markerBox(w, 2)->lowered());
        QCOMPARE(test::nameFieldOf(w, praga)->text(), QString()); // the option is on
        QVERIFY(test::nameFieldOf(w, praga)->isVisibleTo(w));
        QVERIFY(w->command(TestCommand::UndoItem)->isEnabled());
        QVERIFY(w->command(TestCommand::UndoTool)->isEnabled());
        QCOMPARE(w->mapTest().dropsLeft, 2);

        w->undo();
        QCOMPARE(test::markerBox(w, 2)->text(), QString());
        QCOMPARE(test::markerBox(w, 2)->colour(), QColor(Qt::blue));
        QCOMPARE(test::nameFieldOf(w, praga)->text(), QStringLiteral("Praga"));
        QVERIFY(!w->command(TestCommand::UndoItem)->isEnabled());
        QCOMPARE(w->mapTest().dropsLeft, 3);
        w->undo();
        QCOMPARE(services->lastText(), QStringLiteral("Operacja: Cofnij zaznaczenie, obecnie nie jest dostępna"));

        test::dropOnMarker(w, fieldWith(w, "Wiedeń"), 1);
        test::dropOnMarker(w, fieldWith(w, "Praga"), 2);
        QVERIFY(services->modals.isEmpty());
        const int berlin = fieldWith(w, "Berlin");
        test::dropOnMarker(w, berlin, 1); // Wiedeń goes back to the emptied field, no drop used
        QCOMPARE(test::nameFieldOf(w, berlin)->text(), QStringLiteral("Wiedeń"));
        QVERIFY(services->modals.isEmpty());
        test::dropOnMarker(w, berlin, 3); // wrong marker, the last name ends the test
        QCOMPARE(services->modals, QStringList{"resultDialog"});
        QCOMPARE(test::markerBox(w, 1)->colour(), QColor(Qt::red));
        QCOMPARE(test::markerBox(w, 2)->colour(), QColor(0, 255, 0));
        QCOMPARE(test::markerBox(w, 3)->colour(), QColor(Qt::red));
        QCOMPARE(goodLabel(result())->text(), QStringLiteral("1"));
        QCOMPARE(badLabel(result())->text(), QStringLiteral("2"));
        QCOMPARE(tasksLabel(result())->text(), QStringLiteral("3"));
        QCOMPARE(gradeLabel(result())->text(), QStringLiteral("Mierny (2)"));
        QVERIFY(!test::timerOf(w, "clock")->isActive());
    }

    void withoutTheOptionTheTestRunsOn()
    {
        test::writeSettings(*data, 0, 0);
        delete app;
        createApp();
        TestWindow *w = launch();
        for (int i = 0; i < 5; ++i)
            test::dropOnMarker(w, 1, 1 + i % 3);
        QVERIFY(services->modals.isEmpty());
        QVERIFY(!test::nameFieldOf(w, 1)->text().isEmpty()); // names stay
        QCOMPARE(w->mapTest().dropsLeft, -2);               // every drop counts
    }

    void dropsAfterTheResultAreRefused()
    {
        TestWindow *w = launch();
        w->showResult();
        QVERIFY(app->state().result.testFinished || services->modals.size() == 1);
        app->state().result.testFinished = true;
        test::dropOnMarker(w, 1, 1);
        QCOMPARE(test::hintOf(w), QStringLiteral("TEST ZAKOŃCZONY"));
        QCOMPARE(test::markerBox(w, 1)->text(), QString());
    }

    void judgedOnce()
    {
        TestWindow *w = launch();
        w->showResult();
        QCOMPARE(services->modals.size(), 1);
        QVERIFY(!w->command(TestCommand::ResultTool)->isEnabled());
        QTest::keyClick(w, Qt::Key_F4);
        w->showResult();
        QCOMPARE(services->modals.size(), 1);
        QCOMPARE(w->mapTest().chainBad, 3);
    }

    void resultTimeComesFromTheClock()
    {
        TestWindow *w = launch();
        for (int i = 0; i < 75; ++i)
            w->tick();
        w->showResult();
        QCOMPARE(timeLabel(result())->text(), QStringLiteral("1 min 15 sek"));
    }

    void reloadShowsEveryMarkerBlueAgain()
    {
        TestWindow *w = launch();
        test::dropOnMarker(w, fieldWith(w, "Wiedeń"), 1);
        w->showResult();
        app->state().result.testFinished = true;
        w->reloadTest();
        QVERIFY(!app->state().result.testFinished);
        for (int k = 1; k <= 3; ++k) {
            QCOMPARE(test::markerBox(w, k)->colour(), QColor(Qt::blue));
            QCOMPARE(test::markerBox(w, k)->text(), QString());
        }
        QCOMPARE(w->mapTest().testClock, 0);
        QVERIFY(w->command(TestCommand::ResultItem)->isEnabled());
        const QStringList shown = fieldTexts(w, 3);
        QCOMPARE(QSet<QString>(shown.begin(), shown.end()), (QSet<QString>{"Wiedeń", "Praga", "Berlin"}));
    }

    void doubleClickShowsTheValueInCapitals()
    {
        TestWindow *w = launch();
        test::dropOnMarker(w, fieldWith(w, "Wiedeń"), 1);
        QTest::mouseDClick(test::markerBox(w, 1), Qt::LeftButton);
        QCOMPARE(services->lastText(), QStringLiteral("Test: Europa - Stolice\r\nWartość pola: WIEDEń"));
        QTest::mouseDClick(test::markerBox(w, 2), Qt::LeftButton);
        QCOMPARE(services->lastText(),
                 QStringLiteral("Test: Europa - Stolice\r\nWartość pola: NIE ZAZNACZONO JESZCZE WARTOśCI"));
    }

    void choosingANameShowsIt()
    {
        TestWindow *w = launch();
        QTest::mousePress(test::nameFieldOf(w, 1), Qt::LeftButton);
        QCOMPARE(test::hintOf(w), QStringLiteral("Wybrano: ") + test::nameFieldOf(w, 1)->text());
    }

    void loaderMessages_data()
    {
        QTest::addColumn<QStringList>("remove");
        QTest::addColumn<QString>("text");
        QTest::newRow("configuration") << QStringList{"ES.dat"}
                                       << "Nie można załadować tego testu ponieważ, na Twoim dysku brak pliku "
                                          "konfiguracyjnego: ED.dat";
        QTest::newRow("description") << QStringList{"ES_o.dat"}
                                     << "Nie można załadować tego testu ponieważ, na Twoim dysku brak pliku "
                                        "konfiguracyjnego: ED_o.dat";
        QTest::newRow("both: the configuration first")
            << QStringList{"ES.dat", "ES_o.dat"}
            << "Nie można załadować tego testu ponieważ, na Twoim dysku brak pliku konfiguracyjnego: ED.dat";
    }
    void loaderMessages()
    {
        QFETCH(QStringList, remove);
        QFETCH(QString, text);
        app->launcher().launchEntry(stolice());
        TestWindow *w = app->launcher().testWindow();
        for (const QString &f : remove)
            QFile::remove(data->file(f));
        w->onStartDelay();
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->lastText(), text);
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia: Brak pliku"));
        QCOMPARE(services->messages.last().icon, Services::Icon::Information);
        verifyIdle();
    }

    void brokenFilesLeaveNothingBehind_data()
    {
        QTest::addColumn<QStringList>("conf");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("not an integer") << QStringList{"3", "x.jpg", "10", "2O"} << "wiersz 4";
        QTest::newRow("count 0") << QStringList{"0", "x.jpg"} << "od 1 do 17";
        QTest::newRow("count 18") << QStringList{"18", "x.jpg", "1", "2"} << "od 1 do 17";
        QTest::newRow("empty file") << QStringList() << "od 1 do 17";
        // A damaged file: the message quotes the line's beginning only.
        QTest::newRow("a line of a million characters")
            << QStringList{"3", "x.jpg", "10", QString(1000000, QLatin1Char('7')) + "x"}
            << "\"" + QString(60, QLatin1Char('7')) + QChar(0x2026) + "\"";
    }
    void brokenFilesLeaveNothingBehind()
    {
        QFETCH(QStringList, conf);
        QFETCH(QString, fragment);
        data->writeLines("ES.dat", conf);
        TestWindow *w = launch();
        QVERIFY(w);
        QCOMPARE(services->messages.size(), 1);
        QVERIFY2(services->lastText().contains(fragment), qPrintable(services->lastText()));
        QVERIFY(services->lastText().contains(QLatin1String("ES.dat")));
        QVERIFY(services->lastText().size() < 300);
        verifyIdle();
    }

    void brokenPictureIsReported_data()
    {
        QTest::addColumn<QByteArray>("picture");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not a picture") << QByteArray("not a picture") << QString();
        // A JPEG whose header claims 30000 x 30000 pixels: more memory than
        // the reader will take.
        QByteArray huge = test::jpeg(QSize(40, 30));
        const qsizetype sof = huge.indexOf("\xFF\xC0");
        QVERIFY(sof > 0);
        huge[sof + 5] = char(0x75);
        huge[sof + 6] = char(0x30);
        huge[sof + 7] = char(0x75);
        huge[sof + 8] = char(0x30);
        QTest::newRow("too large") << huge
                                   << "Obraz jest za duży, by go wyświetlić (30000 x 30000 pikseli).";
    }
    void brokenPictureIsReported()
    {
        QFETCH(QByteArray, picture);
        QFETCH(QString, reason);
        data->write("Europa_stolice.jpg", picture);
        launch();
        QCOMPARE(services->messages.size(), 1);
        QVERIFY(services->lastText().contains(QLatin1String("Europa_stolice.jpg")));
        if (!reason.isEmpty())
            QVERIFY2(services->lastText().endsWith(reason), qPrintable(services->lastText()));
        verifyIdle();
    }

    void launchMessages_data()
    {
        QTest::addColumn<QString>("remove");
        QTest::addColumn<QString>("text");
        QTest::newRow("configuration") << "ES.dat"
                                       << "Nie można załadować tego testu ponieważ, na Twoim dysku brak pliku "
                                          "konfiguracyjnego";
        QTest::newRow("description") << "ES_o.dat"
                                     << "Nie można załadować tego testu ponieważ, na Twoim dysku brak pliku zdjęcia "
                                        "opisu";
        QTest::newRow("picture") << "Europa_stolice.jpg"
                                 << "Nie można załadować tego testu ponieważ, na Twoim dysku brak pliku zdjęcia tego "
                                    "testu";
    }
    void launchMessages()
    {
        QFETCH(QString, remove);
        QFETCH(QString, text);
        QFile::remove(data->file(remove));
        QVERIFY(!app->launcher().launchEntry(stolice()));
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->lastText(), text);
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia: Brak pliku"));
        QCOMPARE(services->messages.last().icon, Services::Icon::Information);
        verifyIdle();
        // The request keeps the names of the failed entry.
        QCOMPARE(app->state().request.configurationFile, QStringLiteral("ES.dat"));
        QCOMPARE(app->state().session.disconnectReason(), 11);
    }

    void aMissingFileIsNotedForTheConnectionsEnd()
    {
        QVERIFY(!app->launcher().launchEntry(*catalogue::findByCode(10)));
        QCOMPARE(app->state().session.disconnectReason(), 8);
    }

    void markRInASessionReportsWithoutAWord()
    {
        app->state().session.setActive(true);
        main()->lockForSession();
        QVERIFY(!app->launcher().launchEntry(*catalogue::findByCode(20)));
        QVERIFY(services->messages.isEmpty());
        QVERIFY((&app->state().session.serverPoll())->isActive());
        QVERIFY(!main()->commandAction(Command::MenuTests)->isEnabled()); // the lock stays
        QVERIFY(!app->loadingWindow().isVisible());
        QVERIFY(!hourglassShown());
    }

    void markSInASessionShowsTheMessageAndKeepsTheLock()
    {
        app->state().session.setActive(true);
        QVERIFY(!app->launcher().launchEntry(*catalogue::findByCode(21)));
        QCOMPARE(services->messages.size(), 1);
        QVERIFY((&app->state().session.serverPoll())->isActive());
        QVERIFY(!main()->commandAction(Command::MenuTests)->isEnabled());
    }

    void incompleteChainChangesNothing()
    {
        main()->setTitle(QString());
        QVERIFY(!app->launcher().launchChain(*catalogue::findChain(2)));
        QCOMPARE(services->lastText(), QStringLiteral("Nie możesz rozwiązać tego tesu ponieważ brakuje plków "
                                                      "konfiguracyjnych tego tesu na Twoim dysku"));
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia-Brak plików..."));
        QCOMPARE(services->messages.last().icon, Services::Icon::Warning);
        QCOMPARE(main()->title(), QString());
        QVERIFY(!app->state().chain.active);
        QVERIFY(main()->commandAction(Command::MenuTests)->isEnabled());
        QVERIFY(!main()->hasChildWindow());
    }

    void singleLaunchClearsTheChainFlag()
    {
        app->state().chain.active = true;
        launch();
        QVERIFY(!app->state().chain.active);
    }

    void escapeClosesInLocalMode()
    {
        test::writeSettings(*data, 1, 1);
        delete app;
        createApp();
        main()->show();
        app->creator().hide();
        TestWindow *w = launch();
        QApplication::setActiveWindow(main());
        test::nameFieldOf(w, 1)->setFocus();
        QTest::keyClick(test::nameFieldOf(w, 1), Qt::Key_Escape);
        verifyIdle();
        QVERIFY(app->creator().isVisible()); // the start-creator option
    }

    void closeRefusedWhileAResultIsPending()
    {
        TestWindow *w = launch();
        app->state().session.setActive(true);
        w->onActivated();
        QCOMPARE(app->state().result.closing, ResultState::Closing::Pending);
        QVERIFY(!w->command(TestCommand::ResultTool)->isEnabled());
        QVERIFY(!w->command(TestCommand::StopItem)->isEnabled());
        w->stopTest();
        flushDeletes();
        QVERIFY(app->launcher().testWindow());
        app->state().result.closing = ResultState::Closing::Now; // the server released it
        w->stopTest();
        flushDeletes();
        QVERIFY(!app->launcher().testWindow());
        QCOMPARE(main()->title(), QString());
        QCOMPARE(main()->statusText(2), QStringLiteral("Tryb: Klient-Server"));
    }

    void savingClosesTheTestAndStoresTheRecord()
    {
        TestWindow *w = launch();
        test::dropOnMarker(w, fieldWith(w, "Wiedeń"), 1);
        services->onModal = [&](QDialog &dlg) {
            auto *r = qobject_cast<ResultDialog *>(&dlg);
            if (!r)
                return int(QDialog::Rejected);
            r->show();
            nameEdit(r)->setText(QStringLiteral("Jan Kowalski"));
            r->save();
            return int(QDialog::Accepted);
        };
        w->showResult();
        QCOMPARE(data->read("Wyniki.tvw"),
                 QByteArray("Jan Kowalski\r\nTest: Europa - Stolice\r\n0 min 0 sek\r\n3\r\n1\r\n2\r\nMierny (2)\r\n"));
        verifyIdle();
    }
};

QTEST_MAIN(TestTestWindow)
#include "tst_testwindow.moc"
