#include "Parts.h"
#include "QuizFixture.h"
#include "Scripted.h"
#include "UiTest.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/TestLauncher.h"
#include "quiz/Markers.h"
#include "quiz/TestWindow.h"
#include "results/ResultDialog.h"

#include <QApplication>
#include <QDragMoveEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace tv;

namespace {

using namespace tv::test::parts;

// Three markers in a slanting row: Wiedeń on 1, Praga on 2, Berlin on 3.
const std::vector<QPoint> kRow = {{10, 20}, {150, 40}, {300, 60}};
const QStringList kCapitals = {"Wiedeń11", "Praga12", "Berlin13"};

} // namespace

class TestKeyboardAnswering : public test::UiTest {
    Q_OBJECT

    MainWindow *main() { return &app->mainWindow(); }

    TestWindow *launch(const std::vector<QPoint> &positions, const QStringList &description,
                       QSize picture = QSize(400, 300))
    {
        test::writeMapTest(*data, "ES.dat", "ES_o.dat", "Europa_stolice.jpg", positions, description, picture);
        createApp();
        main()->show();
        main()->activateWindow();
        if (!QTest::qWaitForWindowActive(main()))
            return nullptr;
        app->launcher().launchEntry(*catalogue::findByCode(18));
        TestWindow *w = app->launcher().testWindow();
        if (w)
            w->onStartDelay();
        return w;
    }
    // Where the keyboard is in the main window (its focus child: the
    // offscreen platform does not always pass the focus on).
    QWidget *focused() { return main()->focusWidget(); }
    int fieldWith(TestWindow *w, const QString &name)
    {
        for (int k = 1; k <= 17; ++k)
            if (test::nameFieldOf(w, k)->text() == name)
                return k;
        return 0;
    }
    int focusedMarker()
    {
        auto *m = qobject_cast<MarkerBox *>(focused());
        return m ? m->number() : 0;
    }

private slots:
    void init()
    {
        begin();
        test::writeSettings(*data, 0, 1);
        TestWindow::setShuffleSeed(7);
    }
    void cleanup()
    {
        TestWindow::setShuffleSeed(0);
        end();
    }

    // Tab to a name, Enter or Space to pick it up, arrows to its marker,
    // Enter to drop; a typed number for the last; the automatic end, then
    // the name typed in the result dialog and Enter to save.
    void aWholeTestByKeyboard()
    {
        TestWindow *w = launch(kRow, kCapitals);
        QVERIFY(w);
        test::timerOf(w, "clock")->stop(); // the time saved does not depend on the machine's speed
        QCOMPARE(focused(), test::nameFieldOf(w, 1));
        bool dialogFocusOnName = false;
        services->onModal = [&](QDialog &d) {
            auto *r = qobject_cast<ResultDialog *>(&d);
            if (!r)
                return int(QDialog::Rejected);
            r->show();
            dialogFocusOnName = r->focusWidget() == nameEdit(r);
            QTest::keyClicks(r->focusWidget(), QStringLiteral("Ola Nowak"));
            QTest::keyClick(r->focusWidget(), Qt::Key_Return);
            return r->result();
        };
        const QStringList order = {"Praga", "Wiedeń"};
        for (int i = 0; i < order.size(); ++i) {
            const int field = fieldWith(w, order[i]);
            for (int tabs = 0; tabs < 40 && focused() != test::nameFieldOf(w, field); ++tabs)
                QTest::keyClick(focused(), Qt::Key_Tab);
            QCOMPARE(focused(), test::nameFieldOf(w, field));
            QTest::keyClick(focused(), i == 0 ? Qt::Key_Return : Qt::Key_Space);
            QCOMPARE(test::hintOf(w), QStringLiteral("Wybrano: ") + order[i]);
            QVERIFY(test::nameFieldOf(w, field)->picked());
            QVERIFY(focusedMarker() > 0);
            const int target = i == 0 ? 2 : 1;
            for (int steps = 0; steps < 5 && focusedMarker() != target; ++steps)
                QTest::keyClick(focused(), focusedMarker() < target ? Qt::Key_Right : Qt::Key_Left);
            QCOMPARE(focusedMarker(), target);
            QTest::keyClick(focused(), Qt::Key_Return);
            QCOMPARE(test::markerBox(w, target)->text(), order[i]);
            QCOMPARE(test::markerBox(w, target)->state(), MarkerState::Placed);
            QVERIFY(!test::nameFieldOf(w, field)->picked());
            // The same drop as the mouse's: undo is there, the name has left.
            QVERIFY(w->command(TestCommand::UndoTool)->isEnabled());
            QCOMPARE(test::nameFieldOf(w, field)->text(), QString());
            // Back in the names, on one still to place.
            auto *next = qobject_cast<NameField *>(focused());
            QVERIFY(next && !next->text().isEmpty());
        }
        QCOMPARE(w->mapTest().dropsLeft, 1);
        QTest::keyClick(focused(), Qt::Key_Return); // picks Berlin, the one left
        QCOMPARE(test::hintOf(w), QStringLiteral("Wybrano: Berlin"));
        QTest::keyClick(focused(), Qt::Key_3); // its marker by number: the last drop ends the test
        QVERIFY(dialogFocusOnName);
        QCOMPARE(data->read("Wyniki.tvw"),
                 QByteArray("Ola Nowak\r\nTest: Europa - Stolice\r\n0 min 0 sek\r\n3\r\n3\r\n0\r\nBardzo dobry (5)\r\n"));
    }

    // With ten markers or more a first "1" waits for a second digit, for
    // Enter or for the pause to end; other digits drop at once.
    void markerNumbersTyped_data()
    {
        QTest::addColumn<QList<int>>("keys"); // digits; -1 Enter, -2 the pause ends
        QTest::addColumn<int>("marker");
        QTest::newRow("12") << QList<int>{1, 2} << 12;
        QTest::newRow("10") << QList<int>{1, 0} << 10;
        QTest::newRow("1, pause") << QList<int>{1, -2} << 1;
        QTest::newRow("1, Enter on another marker") << QList<int>{1, -1} << 1;
        QTest::newRow("5 at once") << QList<int>{5} << 5;
        QTest::newRow("0 ignored, 13 is no marker: 1") << QList<int>{0, 1, 3} << 1;
    }
    void markerNumbersTyped()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, marker);
        std::vector<QPoint> grid;
        QStringList description;
        for (int k = 1; k <= 12; ++k) {
            grid.push_back(QPoint(10 + 140 * ((k - 1) % 4), 20 + 40 * ((k - 1) / 4)));
            description << QStringLiteral("Nazwa%1%2").arg(k).arg(10 + k);
        }
        TestWindow *w = launch(grid, description, QSize(600, 200));
        QVERIFY(w);
        QTest::keyClick(test::nameFieldOf(w, 4), Qt::Key_Return);
        QCOMPARE(test::pickedField(w), 4);
        test::markerBox(w, 7)->setFocus();
        for (int key : keys) {
            if (key == -1)
                QTest::keyClick(test::markerBox(w, 7), Qt::Key_Return);
            else if (key == -2)
                w->onNumberPause();
            else
                QTest::keyClick(focused(), Qt::Key(Qt::Key_0 + key));
        }
        QVERIFY(!test::timerOf(w, "numberPause")->isActive());
        for (int k = 1; k <= 12; ++k)
            QCOMPARE(test::markerBox(w, k)->state(), k == marker ? MarkerState::Placed : MarkerState::Blank);
        QCOMPARE(test::pickedField(w), 0);
    }

    // Without a name picked, Enter on a marker and digits place nothing.
    void nothingPickedNothingPlaced()
    {
        TestWindow *w = launch(kRow, kCapitals);
        QVERIFY(w);
        test::markerBox(w, 2)->setFocus();
        QTest::keyClick(test::markerBox(w, 2), Qt::Key_Return);
        QTest::keyClick(test::markerBox(w, 2), Qt::Key_1);
        for (int k = 1; k <= 3; ++k)
            QCOMPARE(test::markerBox(w, k)->state(), MarkerState::Blank);
        QCOMPARE(w->mapTest().dropsLeft, 3);
    }

    // What a screen reader hears of the map, and the marks a colour-blind
    // pupil sees once it is judged.
    void namesAndMarks()
    {
        TestWindow *w = launch(kRow, kCapitals);
        QVERIFY(w);
        QCOMPARE(test::markerBox(w, 1)->accessibleName(), QStringLiteral("Pole 1: puste"));
        const int wieden = fieldWith(w, "Wiedeń");
        QCOMPARE(test::nameFieldOf(w, wieden)->accessibleName(), QStringLiteral("Nazwa: Wiedeń"));
        test::dropOnMarker(w, wieden, 1);
        test::dropOnMarker(w, fieldWith(w, "Berlin"), 2);
        QCOMPARE(test::markerBox(w, 1)->accessibleName(), QStringLiteral("Pole 1: Wiedeń"));
        QCOMPARE(test::nameFieldOf(w, wieden)->accessibleName(), QStringLiteral("Nazwa: puste"));
        QCOMPARE(test::markerBox(w, 1)->judgementMark(), QString());
        w->showResult();
        QCOMPARE(test::markerBox(w, 1)->accessibleName(), QStringLiteral("Pole 1: Wiedeń, dobrze"));
        QCOMPARE(test::markerBox(w, 2)->accessibleName(), QStringLiteral("Pole 2: Berlin, źle"));
        QCOMPARE(test::markerBox(w, 3)->accessibleName(), QStringLiteral("Pole 3: puste, źle"));
        QCOMPARE(test::markerBox(w, 1)->judgementMark(), QStringLiteral("✓"));
        QCOMPARE(test::markerBox(w, 2)->judgementMark(), QStringLiteral("✗"));
    }

    // Dragging a name near the edge of the map scrolls it, and stops at
    // the map's end or when the name is dropped.
    void dragNearTheEdgeScrolls()
    {
        TestWindow *w = launch(kRow, kCapitals, QSize(3000, 3000));
        QVERIFY(w);
        QScrollArea *view = test::mapViewOf(w);
        QWidget *canvas = test::canvasOf(w);
        QVERIFY(view->viewport()->height() < 3000);
        QMimeData mime;
        mime.setData(kNameMime, "1");
        auto moveTo = [&](QPoint inViewport) {
            const QPoint at = canvas->mapFrom(view->viewport(), inViewport);
            QDragEnterEvent enter(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(canvas, &enter);
            QDragMoveEvent move(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(canvas, &move);
            return move.isAccepted();
        };
        // In the middle: nothing moves.
        QVERIFY(!moveTo(view->viewport()->rect().center()));
        QVERIFY(!test::timerOf(w, "edgeScroll")->isActive());
        // At the bottom edge: down, tick by tick.
        moveTo(QPoint(200, view->viewport()->height() - 3));
        QVERIFY(test::timerOf(w, "edgeScroll")->isActive());
        w->edgeScrollTick();
        const int first = view->verticalScrollBar()->value();
        QVERIFY(first > 0);
        w->edgeScrollTick();
        QVERIFY(view->verticalScrollBar()->value() > first);
        QCOMPARE(view->horizontalScrollBar()->value(), 0);
        // To the end of the map, where it stops by itself.
        for (int i = 0; i < 1000 && test::timerOf(w, "edgeScroll")->isActive(); ++i)
            w->edgeScrollTick();
        QVERIFY(!test::timerOf(w, "edgeScroll")->isActive());
        QCOMPARE(view->verticalScrollBar()->value(), view->verticalScrollBar()->maximum());
        // The top edge, then a drop on a marker ends it.
        moveTo(QPoint(200, 2));
        QVERIFY(test::timerOf(w, "edgeScroll")->isActive());
        view->ensureWidgetVisible(test::markerBox(w, 1));
        test::dropOnMarker(w, 1, 1);
        QVERIFY(!test::timerOf(w, "edgeScroll")->isActive());
        QCOMPARE(test::markerBox(w, 1)->state(), MarkerState::Placed);
    }
};

QTEST_MAIN(TestKeyboardAnswering)
#include "tst_keyboardanswering.moc"
