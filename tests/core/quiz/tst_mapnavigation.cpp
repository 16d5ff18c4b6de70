#include "quiz/MapNavigation.h"

#include <QTest>

using namespace tv;
using navigation::Direction;

Q_DECLARE_METATYPE(Direction)

class TestMapNavigation : public QObject {
    Q_OBJECT

private slots:
    void nearestMarker_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<int>("expected");
        // 0 in the middle; 1 straight right and far; 2 right, near but well
        // off the line; 3 above; 4 below and left; 5 at 0's height, left.
        QTest::newRow("straight ahead beats near and aside") << 0 << Direction::Right << 1;
        QTest::newRow("up") << 0 << Direction::Up << 3;
        QTest::newRow("down: the nearest, though aside") << 0 << Direction::Down << 2;
        QTest::newRow("left: level beats lower") << 0 << Direction::Left << 5;
        QTest::newRow("nothing further right") << 1 << Direction::Right << -1;
        QTest::newRow("same column is not left or right") << 3 << Direction::Right << 1;
    }
    void nearestMarker()
    {
        QFETCH(int, from);
        QFETCH(Direction, direction);
        QFETCH(int, expected);
        const std::vector<QPoint> centres = {{300, 300}, {600, 300}, {360, 440}, {300, 100}, {250, 500}, {100, 300}};
        QCOMPARE(navigation::nearestMarker(centres, from, direction), expected);
    }

    void nearestMarkerTiesAndBounds()
    {
        const std::vector<QPoint> twins = {{0, 0}, {100, 10}, {100, -10}};
        QCOMPARE(navigation::nearestMarker(twins, 0, Direction::Right), 1);
        QCOMPARE(navigation::nearestMarker(twins, 5, Direction::Right), -1);
        QCOMPARE(navigation::nearestMarker({}, 0, Direction::Left), -1);
    }

    void numberEntry_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("typed"); // digits; "." commits
        QTest::addColumn<QList<int>>("drops");
        QTest::newRow("one digit test drops at once") << 9 << "9" << QList<int>{9};
        QTest::newRow("digit above the count") << 5 << "7" << QList<int>{};
        QTest::newRow("1 waits in a test of 12") << 12 << "1" << QList<int>{};
        QTest::newRow("1 then 2") << 12 << "12" << QList<int>{12};
        QTest::newRow("1 then commit") << 12 << "1." << QList<int>{1};
        QTest::newRow("1 then a digit past the count") << 12 << "15" << QList<int>{1};
        QTest::newRow("2 cannot begin a number of 12") << 12 << "2" << QList<int>{2};
        QTest::newRow("1 waits in 17, then 7") << 17 << "17" << QList<int>{17};
        QTest::newRow("0 names nothing") << 17 << "0" << QList<int>{};
        QTest::newRow("1 in a test of 9 drops at once") << 9 << "1" << QList<int>{1};
        QTest::newRow("commit with nothing held") << 12 << "." << QList<int>{};
        QTest::newRow("two numbers in turn") << 17 << "113" << QList<int>{11, 3};
    }
    void numberEntry()
    {
        QFETCH(int, count);
        QFETCH(QString, typed);
        QFETCH(QList<int>, drops);
        navigation::NumberEntry entry(count);
        QList<int> got;
        for (QChar c : typed) {
            const int marker = c == QLatin1Char('.') ? entry.commit() : entry.type(c.digitValue());
            if (marker)
                got << marker;
        }
        QCOMPARE(got, drops);
    }

    void edgeScrollStep_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<QPoint>("step");
        QTest::newRow("middle") << QPoint(200, 150) << QPoint(0, 0);
        QTest::newRow("just outside the margin") << QPoint(200, 275) << QPoint(0, 0);
        QTest::newRow("on the bottom edge: full speed") << QPoint(200, 299) << QPoint(0, 24);
        QTest::newRow("beyond the edge: still full speed") << QPoint(200, 330) << QPoint(0, 24);
        QTest::newRow("half way into the margin") << QPoint(12, 150) << QPoint(-12, 0);
        QTest::newRow("top right corner") << QPoint(399, 0) << QPoint(24, -24);
        QTest::newRow("deepest inside the margin still moves") << QPoint(200, 23) << QPoint(0, -1);
    }
    void edgeScrollStep()
    {
        QFETCH(QPoint, pos);
        QFETCH(QPoint, step);
        QCOMPARE(navigation::edgeScrollStep(QRect(0, 0, 400, 300), pos), step);
    }
};

QTEST_APPLESS_MAIN(TestMapNavigation)
#include "tst_mapnavigation.moc"
