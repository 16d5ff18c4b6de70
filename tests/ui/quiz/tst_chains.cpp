#include "Parts.h"
#include "QuizFixture.h"
#include "Scripted.h"
#include "UiTest.h"
#include "app/Application.h"
#include "catalogue/TestLauncher.h"
#include "app/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/LoadingWindow.h"
#include "quiz/Markers.h"
#include "quiz/TestWindow.h"
#include "results/ResultDialog.h"

#include <QAction>
#include <QMdiArea>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace tv;
using namespace tv::test::parts;

// The "Wszystko o..." chains: test after test in one window, graded on the
// chain's total.
class TestChains : public test::UiTest {
    Q_OBJECT


    MainWindow *main() { return &app->mainWindow(); }
    ResultDialog *result() { return &app->resultDialog(); }

    // Every test of the chain gets `markers` markers named A, B, C...
    void writeChain(int chain, int markers)
    {
        for (const ChainStep &s : catalogue::chainSteps(chain)) {
            std::vector<QPoint> pos;
            QStringList desc;
            for (int k = 1; k <= markers; ++k) {
                pos.push_back(QPoint(10 * k, 10 * k));
                desc << QStringLiteral("%1%2").arg(QChar('A' + k - 1)).arg(10 + k);
            }
            test::writeMapTest(*data, s.configurationFile, s.descriptionFile, s.pictureFile, pos, desc, QSize(120, 90));
        }
    }
    // Places the right name on the first `right` markers.
    void answer(TestWindow *w, int right)
    {
        for (int k = 1; k <= right; ++k) {
            const QString name = QString(QChar('A' + k - 1));
            for (int f = 1; f <= 17; ++f)
                if (test::nameFieldOf(w, f)->text() == name) {
                    test::dropOnMarker(w, f, k);
                    break;
                }
        }
    }

private slots:
    void init()
    {
        begin();
        test::writeSettings(*data, 0, 0); // names stay, no automatic end
        createApp();
        main()->show();
    }
    void cleanup()
    {
        end();
    }

    void chainTwoRunsItsSevenTestsInOrder()
    {
        writeChain(2, 3);
        QVERIFY(app->launcher().launchChain(*catalogue::findChain(2)));
        QVERIFY(app->state().chain.active);
        QCOMPARE(app->state().chain.chain, 2);
        QCOMPARE(app->state().chain.step, 1);
        QCOMPARE(app->state().chain.taskTotal, 92);
        QCOMPARE(main()->title(), QStringLiteral("Test: Wszystko o Europie [Obecny test (1) z (7): Europa - Góry]"));
        QCOMPARE(main()->statusText(1), QStringLiteral("Obecny test (1) z (7): Europa - Góry"));
        QCOMPARE(main()->windowTitle(), QStringLiteral("Obecny test (1) z (7): Europa - Góry"));
        TestWindow *w = app->launcher().testWindow();
        w->onStartDelay();
        int expectedGood = 0;
        for (int step = 1; step <= 7; ++step) {
            QCOMPARE(app->state().request.configurationFile, QStringLiteral("EG.dat")); // the request stays the first test
            const int right = step % 4;
            answer(w, right);
            expectedGood += right;
            for (int t = 0; t < 10; ++t)
                w->tick();
            QSignalSpy actions(&app->loadingWindow(), &LoadingWindow::actionChanged);
            w->showResult();
            if (step < 7) {
                // Every test of the chain loads as the first one does.
                QStringList said;
                for (const QList<QVariant> &a : actions)
                    said << a.first().toString();
                QCOMPARE(said, (QStringList{"Akcja: Odczyt danych...", "Akcja: Ładowanie tekstów",
                                            "Akcja: Ustawianie okien"}));
                const ChainStep *next = catalogue::chainStep(2, step + 1);
                QCOMPARE(app->state().chain.step, step + 1);
                QCOMPARE(main()->title(), next->title);
                QCOMPARE(main()->statusText(1), next->status);
                QCOMPARE(main()->windowTitle(), next->windowCaption());
                QVERIFY(!app->loadingWindow().isVisible());
                QVERIFY(test::timerOf(w, "clock")->isActive());
                for (int k = 1; k <= 3; ++k)
                    QCOMPARE(test::markerBox(w, k)->state(), MarkerState::Blank);
                QVERIFY(!w->command(TestCommand::SameTestMenuItem)->isEnabled());
                QVERIFY(!w->command(TestCommand::ReloadItem)->isEnabled());
                QCOMPARE(waits->waits.size(), step); // the pause between tests
                QCOMPARE(waits->waits.last(), 1500);
                QVERIFY(services->modals.isEmpty());
            }
        }
        QCOMPARE(main()->windowTitle(), QStringLiteral("Obecny test (7) z (7): Europa - Rzeki i Jeziora"));
        QCOMPARE(main()->title(), QStringLiteral("Test: Wszystko o Europie"));
        QCOMPARE(services->modals, QStringList{"resultDialog"});
        QCOMPARE(tasksLabel(result())->text(), QStringLiteral("92"));
        QCOMPARE(goodLabel(result())->text(), QString::number(expectedGood));
        QCOMPARE(badLabel(result())->text(), QString::number(21 - expectedGood));
        QCOMPARE(gradeLabel(result())->text(), QStringLiteral("Niedostateczny (1)"));
        QCOMPARE(timeLabel(result())->text(), QStringLiteral("1 min 10 sek")); // the chain clock
        QVERIFY(!result()->hasGradeIcon());
        QVERIFY(app->state().chain.active); // cleared by the next single launch
    }

    // With "Pokaż poprawne odpowiedzi" switched on, each judged step shows
    // its right answers and waits for a key or a click instead of the pause.
    void reviewWaitsForAKeyBetweenSteps()
    {
        writeChain(5, 2);
        QVERIFY(app->launcher().launchChain(*catalogue::findChain(5)));
        TestWindow *w = app->launcher().testWindow();
        w->onStartDelay();
        QAction *review = w->command(TestCommand::CorrectionsTool);
        QVERIFY(review->isEnabled() && review->isCheckable());
        QVERIFY(!w->command(TestCommand::RetestTool)->isVisible());
        review->trigger();
        QVERIFY(review->isChecked());
        answer(w, 1); // B stays empty
        w->showResult();
        QVERIFY(w->waitingToGoOn());
        QVERIFY(waits->waits.isEmpty());
        QCOMPARE(app->state().chain.step, 2);
        QCOMPARE(main()->title(), catalogue::chainStep(5, 1)->title); // still the judged step
        QCOMPARE(test::markerBox(w, 2)->correction(), QStringLiteral("B"));
        QVERIFY(test::markerBox(w, 1)->correction().isEmpty());
        QCOMPARE(test::hintOf(w), QStringLiteral("Naciśnij klawisz lub kliknij, aby przejść dalej"));
        QTest::keyClick(test::markerBox(w, 1), Qt::Key_Space);
        QVERIFY(!w->waitingToGoOn());
        QCOMPARE(main()->title(), catalogue::chainStep(5, 2)->title);
        QVERIFY(test::markerBox(w, 2)->correction().isEmpty());
        QCOMPARE(test::markerBox(w, 2)->state(), MarkerState::Blank);
        // Switched off again: the chain pauses as it always did.
        review->trigger();
        QVERIFY(!review->isChecked());
        w->showResult();
        QVERIFY(!w->waitingToGoOn());
        QCOMPARE(waits->waits, QList<int>{1500});
    }

    void showScoreMessages()
    {
        writeChain(5, 2);
        main()->setShowScore(true);
        QVERIFY(main()->showScoreOn());
        QVERIFY(app->launcher().launchChain(*catalogue::findChain(5)));
        TestWindow *w = app->launcher().testWindow();
        w->onStartDelay();
        answer(w, 1);
        for (int t = 0; t < 65; ++t)
            w->tick();
        w->showResult();
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->lastText(),
                 QStringLiteral("Test: Wszystko o Australii i Antarktydzie [Obecny test (1) z (6): Australia - "
                                "Największe miasta]\r\nDobrych odpowiedzi: 1\r\nBłędnych odpowiedzi: 1\r\n"
                                "Czas testu: 1 min 5 sek"));
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia"));
        QCOMPARE(services->messages.last().icon, Services::Icon::Information);
        QVERIFY(waits->waits.isEmpty()); // no pause when the score is shown
        answer(w, 2);
        w->showResult();
        QVERIFY(services->lastText().contains(QStringLiteral("Dobrych odpowiedzi: 2\r\nBłędnych odpowiedzi: 0")));
        QVERIFY(services->lastText().startsWith(
            QStringLiteral("Test: Wszystko o Australii - i Antarktydzie [Obecny test (2) z (6)")));
    }

    void chainGradeOfAFullScore()
    {
        writeChain(5, 2); // 6 tests of 2 markers: 12 good answers
        QVERIFY(app->launcher().launchChain(*catalogue::findChain(5)));
        TestWindow *w = app->launcher().testWindow();
        w->onStartDelay();
        for (int step = 1; step <= 6; ++step) {
            answer(w, 2);
            w->showResult();
        }
        QCOMPARE(goodLabel(result())->text(), QStringLiteral("12"));
        QCOMPARE(tasksLabel(result())->text(), QStringLiteral("40"));
        QCOMPARE(gradeLabel(result())->text(), QStringLiteral("Mierny minus (2-)"));
    }

    void missingFileDuringAChainEndsItWithoutAResult()
    {
        writeChain(2, 2);
        QVERIFY(app->launcher().launchChain(*catalogue::findChain(2)));
        TestWindow *w = app->launcher().testWindow();
        w->onStartDelay();
        QFile::remove(data->file("EW_o.dat"));
        w->showResult();
        QCOMPARE(services->lastText(), QStringLiteral("Nie można załadować tego testu ponieważ, na Twoim dysku brak "
                                                      "pliku konfiguracyjnego: ED_o.dat"));
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia: Brak pliku"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!app->launcher().testWindow());
        QVERIFY(!app->loadingWindow().isVisible());
        QVERIFY(!hourglassShown());
        QVERIFY(services->modals.isEmpty());
    }

    void singleLaunchAfterAChainIsSingle()
    {
        writeChain(2, 2);
        app->launcher().launchChain(*catalogue::findChain(2));
        main()->childArea()->closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app->launcher().launchEntry(*catalogue::findByCode(49)); // Państwa i Stolice
        QVERIFY(!app->state().chain.active);
    }
};

QTEST_MAIN(TestChains)
#include "tst_chains.moc"
