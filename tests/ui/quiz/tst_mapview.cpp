#include "QuizFixture.h"
#include "Scripted.h"
#include "UiTest.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/TestLauncher.h"
#include "platform/Files.h"
#include "platform/ScaledPicture.h"
#include "quiz/MapView.h"
#include "quiz/Markers.h"
#include "quiz/TestWindow.h"

#include <QAction>
#include <QScrollBar>
#include <QTest>

using namespace tv;

namespace {

// Three markers inside a 300 x 200 picture: Wiedeń on 1, Praga on 2, Berlin on 3.
const QSize kPicture(300, 200);
const std::vector<QPoint> kPlaces = {{10, 40}, {160, 70}, {40, 150}};
const QStringList kCapitals = {"Wiedeń11", "Praga12", "Berlin13"};

} // namespace

// The map at a scale: where drops land, the keyboard, scrolling, the
// sharper picture and the option that turns fitting off.
class TestMapView : public test::UiTest {
    Q_OBJECT

    MainWindow *main() { return &app->mainWindow(); }

    TestWindow *launch(QSize picture = kPicture)
    {
        test::writeMapTest(*data, "ES.dat", "ES_o.dat", "Europa_stolice.jpg", kPlaces, kCapitals, picture);
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
    // Sizes the main window so that the map's area (without scroll bars) is `area`.
    bool giveMapArea(TestWindow *w, QSize area)
    {
        for (int i = 0; i < 5; ++i) {
            const QSize now = test::mapViewOf(w)->maximumViewportSize();
            if (now == area)
                return true;
            main()->resize(main()->size() + (area - now));
            QCoreApplication::processEvents();
        }
        return test::mapViewOf(w)->maximumViewportSize() == area;
    }
    int fieldWith(TestWindow *w, const QString &name)
    {
        for (int k = 1; k <= 17; ++k)
            if (test::nameFieldOf(w, k)->text() == name)
                return k;
        return 0;
    }
    // A point of the natural picture, in the map's visible area.
    QPoint inViewport(TestWindow *w, QPoint picturePos)
    {
        MapView *view = test::mapViewOf(w);
        return view->page()->mapTo(view->viewport(), view->toPage(picturePos));
    }

private slots:
    void init()
    {
        begin();
        test::writeSettings(*data, 0, 0);
        TestWindow::setShuffleSeed(7);
    }
    void cleanup()
    {
        TestWindow::setShuffleSeed(0);
        end();
    }

    // A name dropped at a point of the scaled map goes to the marker under
    // it: near its far corner too, which lies off the natural box once
    // scaled.
    void dropLandsOnTheMarkerUnderThePointer_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("1") << 1.0;
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2") << 2.0;
    }
    void dropLandsOnTheMarkerUnderThePointer()
    {
        QFETCH(double, scale);
        TestWindow *w = launch();
        QVERIFY(w);
        QVERIFY(giveMapArea(w, QSize(int(300 * scale), int(200 * scale))));
        MapView *view = test::mapViewOf(w);
        QCOMPARE(view->scale(), scale);
        QCOMPARE(view->page()->size(), QSize(int(300 * scale), int(200 * scale)));
        QCOMPARE(view->horizontalScrollBar()->maximum(), 0);
        const QStringList names = {"Wiedeń", "Praga", "Berlin"};
        for (int k = 1; k <= 3; ++k) {
            const QPoint box = kPlaces[k - 1];
            // The far corner in the scaled page: 129 x 25 grown by the scale.
            const QPoint corner = view->page()->mapTo(
                view->viewport(), view->toPage(box) + QPoint(int(128 * scale) - 1, int(24 * scale) - 1));
            for (const QPoint at : {inViewport(w, box + QPoint(64, 12)), corner}) {
                QCOMPARE(view->markerAt(at), test::markerBox(w, k));
                QCOMPARE(test::dropAt(w, fieldWith(w, names[k - 1]), at), static_cast<QWidget *>(test::markerBox(w, k)));
            }
            QCOMPARE(test::markerBox(w, k)->text(), names[k - 1]);
        }
        // Beside every marker, the bare map: no drop.
        QCOMPARE(view->markerAt(inViewport(w, QPoint(150, 190))), nullptr);
        w->showResult();
        for (int k = 1; k <= 3; ++k)
            QCOMPARE(test::markerBox(w, k)->state(), MarkerState::Good);
    }

    // The keyboard answers the scaled map as the natural one: arrows to the
    // nearest marker, Enter to drop, the accessible names as they were.
    void keyboardAtOneAndAHalf()
    {
        TestWindow *w = launch();
        QVERIFY(w);
        QVERIFY(giveMapArea(w, QSize(450, 300)));
        QCOMPARE(test::mapViewOf(w)->scale(), 1.5);
        const QList<QPair<QString, int>> order = {{"Praga", 2}, {"Berlin", 3}, {"Wiedeń", 1}};
        for (const auto &[name, target] : order) {
            w->pickName(fieldWith(w, name));
            auto *at = qobject_cast<MarkerBox *>(main()->focusWidget());
            QVERIFY(at);
            for (int steps = 0; steps < 4 && at->number() != target; ++steps) {
                const QPoint to = test::markerBox(w, target)->geometry().center() - at->geometry().center();
                const bool across = qAbs(to.x()) > qAbs(to.y());
                QTest::keyClick(at, across ? (to.x() > 0 ? Qt::Key_Right : Qt::Key_Left)
                                           : (to.y() > 0 ? Qt::Key_Down : Qt::Key_Up));
                at = qobject_cast<MarkerBox *>(main()->focusWidget());
                QVERIFY(at);
            }
            QCOMPARE(at->number(), target);
            QTest::keyClick(at, Qt::Key_Return);
            QCOMPARE(test::markerBox(w, target)->text(), name);
            QCOMPARE(test::markerBox(w, target)->accessibleName(), QStringLiteral("Pole %1: %2").arg(target).arg(name));
        }
        w->showResult();
        QCOMPARE(test::markerBox(w, 2)->accessibleName(), QStringLiteral("Pole 2: Praga, dobrze"));
        QCOMPARE(test::markerBox(w, 1)->judgementMark(), QStringLiteral("✓"));
    }

    // Where the natural picture does not fit, the map stays natural and the
    // same window scrolls, also under a dragged name near the edge.
    void tooSmallAnAreaScrolls()
    {
        TestWindow *w = launch();
        QVERIFY(w);
        QVERIFY(giveMapArea(w, QSize(250, 260)));
        MapView *view = test::mapViewOf(w);
        QCOMPARE(view->scale(), 1.0);
        QCOMPARE(view->page()->size(), kPicture);
        QCOMPARE(test::markerBox(w, 2)->pos(), kPlaces[1]);
        QCOMPARE(test::markerBox(w, 2)->size(), QSize(129, 25));
        QVERIFY(view->horizontalScrollBar()->maximum() > 0);
        w->dragMovedTo(QPoint(view->viewport()->width() - 2, 100));
        QVERIFY(test::timerOf(w, "edgeScroll")->isActive());
        w->edgeScrollTick();
        QVERIFY(view->horizontalScrollBar()->value() > 0);
        w->dragEnded();
        // Scrolled, a drop still finds its marker.
        QCOMPARE(test::dropAt(w, 1, inViewport(w, kPlaces[1] + QPoint(100, 10))), static_cast<QWidget *>(test::markerBox(w, 2)));
    }

    // The twice-as-large companion draws the scaled map only when its size
    // is exactly twice the picture's; the picture read stays the natural one.
    void sharperPictureOnlyOfTheRightSize_data()
    {
        QTest::addColumn<QSize>("sharper");
        QTest::addColumn<bool>("used");
        QTest::newRow("twice") << QSize(600, 400) << true;
        QTest::newRow("a pixel wider") << QSize(601, 400) << false;
        QTest::newRow("the same") << QSize(300, 200) << false;
    }
    void sharperPictureOnlyOfTheRightSize()
    {
        QFETCH(QSize, sharper);
        QFETCH(bool, used);
        data->write("Europa_stolice@2x.jpg", test::jpeg(sharper));
        TestWindow *w = launch();
        QVERIFY(w);
        QVERIFY(giveMapArea(w, QSize(600, 400)));
        QCOMPARE(test::pictureSizeOf(w), kPicture);
        ScaledPicture *picture = test::mapViewOf(w)->picture();
        QCOMPARE(picture->hasSharper(), used);
        picture->grab();
        QCOMPARE(picture->drewSharper(), used);
    }

    // "Dopasuj mapę do okna" off: the natural map on any screen, at once
    // and at the next start; the choice is kept apart from konf.dat.
    void optionOffKeepsTheNaturalMap()
    {
        TestWindow *w = launch();
        QVERIFY(w);
        QVERIFY(giveMapArea(w, QSize(600, 400)));
        QCOMPARE(test::mapViewOf(w)->scale(), 2.0);
        const QByteArray konf = data->read("konf.dat");
        QAction *item = main()->findChild<QAction *>(QStringLiteral("fitMapItem"));
        QVERIFY(item && item->isChecked());
        item->trigger();
        QVERIFY(!item->isChecked());
        QCOMPARE(test::mapViewOf(w)->scale(), 1.0);
        QCOMPARE(test::mapViewOf(w)->page()->size(), kPicture);
        QCOMPARE(test::markerBox(w, 3)->pos(), kPlaces[2]);
        QCOMPARE(data->read("konf.dat"), konf);
        QVERIFY(QFile::exists(files::resolve(files::userConfigDir(), QStringLiteral("Widok.dat"))));

        ProgramSettings next;
        next.loadViewOptions(files::userConfigDir());
        QVERIFY(!next.fitMap());
        item->trigger();
        QCOMPARE(test::mapViewOf(w)->scale(), 2.0);
    }
};

QTEST_MAIN(TestMapView)
#include "tst_mapview.moc"
