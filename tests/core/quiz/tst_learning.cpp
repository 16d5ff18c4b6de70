#include "catalogue/Catalogue.h"
#include "catalogue/LaunchRequest.h"
#include "quiz/Grades.h"
#include "quiz/Learning.h"
#include "quiz/MapTest.h"

#include <QTest>

using namespace tv;

namespace {

// Five countries; line order differs from marker order on purpose.
const QStringList kAfrica = {"Mali11", "Niger12", "Czad13", "Sudan15", "Egipt14"};

// A judged test: `placed` gives, marker by marker, the name put there ("" none).
MapTest judged(const QStringList &placed)
{
    MapTest t;
    t.start(5, kAfrica);
    for (int k = 1; k <= placed.size(); ++k)
        if (!placed.at(k - 1).isEmpty())
            t.drop(k, k, placed.at(k - 1));
    t.judge();
    return t;
}

QString joined(const QList<MapTest::Correction> &cs)
{
    QStringList out;
    for (const auto &c : cs)
        out << QStringLiteral("%1:%2>%3").arg(c.marker).arg(c.given, c.right);
    return out.join(' ');
}

} // namespace

class TestLearning : public QObject {
    Q_OBJECT

private slots:
    void aChainsWorksheetHasEveryStepUnderItsTestsTitle_data()
    {
        QTest::addColumn<int>("chain");
        for (int c = 1; c <= 7; ++c)
            QTest::newRow(qPrintable(QString::number(c))) << c;
    }
    void aChainsWorksheetHasEveryStepUnderItsTestsTitle()
    {
        QFETCH(int, chain);
        ChainProgress progress{true, chain, 3, 0};
        const QList<learning::SheetSource> sources = learning::sheetSources(LaunchRequest{}, progress);
        const std::vector<ChainStep> steps = catalogue::chainSteps(chain);
        QCOMPARE(size_t(sources.size()), steps.size());
        for (size_t i = 0; i < steps.size(); ++i) {
            QCOMPARE(sources[int(i)].configurationFile, steps[i].configurationFile);
            QVERIFY2(!sources[int(i)].title.contains(u'['), qPrintable(sources[int(i)].title));
        }
    }

    void rightNameFollowsTheNumber()
    {
        MapTest t;
        t.start(5, kAfrica);
        QCOMPARE(t.rightName(4), QStringLiteral("Egipt"));
        QCOMPARE(t.rightName(5), QStringLiteral("Sudan"));
        QCOMPARE(t.rightName(6), QString());
    }

    void correctionsOnlyForWrongAndEmpty_data()
    {
        QTest::addColumn<QStringList>("placed");
        QTest::addColumn<QString>("corrections");
        QTest::newRow("all right") << QStringList{"Mali", "Niger", "Czad", "Egipt", "Sudan"} << "";
        QTest::newRow("nothing placed") << QStringList{}
                                        << "1:>Mali 2:>Niger 3:>Czad 4:>Egipt 5:>Sudan";
        QTest::newRow("swapped and one empty") << QStringList{"Niger", "Mali", "Czad", "", "Sudan"}
                                               << "1:Niger>Mali 2:Mali>Niger 4:>Egipt";
        QTest::newRow("a name twice") << QStringList{"Czad", "Niger", "Czad", "Egipt", "Sudan"} << "1:Czad>Mali";
    }
    void correctionsOnlyForWrongAndEmpty()
    {
        QFETCH(QStringList, placed);
        QFETCH(QString, corrections);
        const MapTest t = judged(placed);
        QCOMPARE(joined(t.corrections()), corrections);
        QCOMPARE(t.missed().size(), t.badAnswers);
    }

    void markerDescriptions_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("correction");
        QTest::addColumn<QString>("expected");
        QTest::newRow("wrong") << "Mali" << int(MarkerState::Bad) << "Niger" << "Pole 3: Mali, źle; poprawnie: Niger";
        QTest::newRow("empty") << "" << int(MarkerState::Bad) << "Niger" << "Pole 3: puste, źle; poprawnie: Niger";
        QTest::newRow("wrong, not shown yet") << "Mali" << int(MarkerState::Bad) << "" << "Pole 3: Mali, źle";
        QTest::newRow("right") << "Niger" << int(MarkerState::Good) << "" << "Pole 3: Niger, dobrze";
        QTest::newRow("placed") << "Niger" << int(MarkerState::Placed) << "" << "Pole 3: Niger";
    }
    void markerDescriptions()
    {
        QFETCH(QString, caption);
        QFETCH(int, state);
        QFETCH(QString, correction);
        QFETCH(QString, expected);
        QCOMPARE(learning::markerDescription(3, caption, MarkerState(state), correction), expected);
    }

    void retestAsksExactlyTheMissed_data()
    {
        QTest::addColumn<QStringList>("placed");
        QTest::addColumn<QList<int>>("asked");
        QTest::newRow("one wrong") << QStringList{"Mali", "Niger", "Czad", "Egipt", "Niger"} << QList<int>{5};
        QTest::newRow("two empty") << QStringList{"Mali", "", "Czad", "", "Sudan"} << QList<int>{2, 4};
        QTest::newRow("all") << QStringList{} << QList<int>{1, 2, 3, 4, 5};
    }
    void retestAsksExactlyTheMissed()
    {
        QFETCH(QStringList, placed);
        QFETCH(QList<int>, asked);
        MapTest t = judged(placed);
        QCOMPARE(t.missed(), asked);
        QStringList names = learning::retestNames(t, 7);
        QStringList right;
        for (int k : asked)
            right << t.rightName(k);
        QStringList sortedNames = names;
        sortedNames.sort();
        right.sort();
        QCOMPARE(sortedNames, right);

        t.startRetest(asked);
        QCOMPARE(t.askedCount(), asked.size());
        QCOMPARE(t.dropsLeft, asked.size());
        for (int k = 1; k <= 5; ++k) {
            QCOMPARE(t.locked(k), !asked.contains(k));
            if (!asked.contains(k)) {
                QCOMPARE(t.marker(k).caption, t.rightName(k));
                QCOMPARE(t.marker(k).state, MarkerState::Good);
                // a locked marker takes no name
                QVERIFY(t.drop(k, 1, QStringLiteral("Mali")).refused);
            } else {
                QCOMPARE(t.marker(k).state, MarkerState::Blank);
            }
        }
        // Right answers for all asked: good = asked, nothing missed.
        for (int k : asked)
            QVERIFY(!t.drop(k, 1, t.rightName(k)).refused);
        const auto j = t.judge();
        QCOMPARE(j.good, int(asked.size()));
        QCOMPARE(j.bad, 0);
        QVERIFY(t.missed().isEmpty());
    }

    void retestOfARetest()
    {
        MapTest t = judged({"Niger", "Mali", "Czad", "Egipt", "Sudan"});
        t.startRetest(t.missed());
        t.drop(1, 1, QStringLiteral("Mali"));
        t.judge();
        QCOMPARE(t.missed(), QList<int>{2});
        QCOMPARE(t.badAnswers, 1);
        QCOMPARE(t.goodAnswers, 1);
        t.startRetest(t.missed());
        QCOMPARE(t.askedCount(), 1);
        QVERIFY(t.locked(1));
    }

    // The retest is graded as a single test of the markers it asks.
    void retestGradeUsesTheTableForItsCount_data()
    {
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("good");
        QTest::newRow("2 of 2") << 2 << 2;
        QTest::newRow("1 of 3") << 3 << 1;
        QTest::newRow("4 of 5") << 5 << 4;
    }
    void retestGradeUsesTheTableForItsCount()
    {
        QFETCH(int, asked);
        QFETCH(int, good);
        MapTest t;
        t.start(5, kAfrica);
        for (int k = 1; k <= 5 - asked; ++k)
            t.drop(k, k, t.rightName(k));
        t.judge();
        QCOMPARE(t.missed().size(), asked);
        t.startRetest(t.missed());
        int placedRight = 0;
        for (int k = 1; k <= 5; ++k)
            if (!t.locked(k) && placedRight < good) {
                t.drop(k, k, t.rightName(k));
                ++placedRight;
            }
        const auto j = t.judge();
        QCOMPARE(j.good + j.bad, asked);
        QCOMPARE(singleTestGrade(t.askedCount(), j.good).label, singleTestGrade(asked, good).label);
        QCOMPARE(j.good, good);
    }

    void retestTitles_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("retest");
        QTest::newRow("test") << "Test: Afryka - Państwa" << "Test: Afryka - Państwa - powtórka błędnych";
        QTest::newRow("retest again") << "Test: Afryka - Państwa - powtórka błędnych"
                                      << "Test: Afryka - Państwa - powtórka błędnych";
    }
    void retestTitles()
    {
        QFETCH(QString, title);
        QFETCH(QString, retest);
        QCOMPARE(learning::retestTitle(title), retest);
        QCOMPARE(learning::originalTitle(retest), QStringLiteral("Test: Afryka - Państwa"));
    }

    void sheetOrders()
    {
        const QStringList desc = {"Łaba11", "Lena12", "Odra13", "Amur14"};
        const auto alpha = learning::sheetNames(desc, 4, learning::Order::Alphabetical, 1);
        QStringList got;
        for (const auto &n : alpha)
            got << learning::sheetLine(n, true);
        QCOMPARE(got, (QStringList{"Amur – 4", "Lena – 2", "Łaba – 1", "Odra – 3"}));
        QCOMPARE(learning::sheetLine(alpha.first(), false), QStringLiteral("Amur – ____"));

        const auto shuffled = learning::sheetNames(desc, 4, learning::Order::Shuffled, 3);
        QCOMPARE(shuffled.size(), 4);
        QSet<int> numbers;
        for (const auto &n : shuffled)
            numbers << n.marker;
        QCOMPARE(numbers, (QSet<int>{1, 2, 3, 4}));
        // only the used lines
        QCOMPARE(learning::sheetNames(desc, 2, learning::Order::Alphabetical, 1).size(), 2);
    }

    void pageOrientation_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("wide") << QSize(800, 600) << true;
        QTest::newRow("high") << QSize(600, 800) << false;
        QTest::newRow("square") << QSize(600, 600) << false;
    }
    void pageOrientation()
    {
        QFETCH(QSize, picture);
        QFETCH(bool, landscape);
        QCOMPARE(learning::landscapeFor(picture), landscape);
    }
};

QTEST_GUILESS_MAIN(TestLearning)
#include "tst_learning.moc"
