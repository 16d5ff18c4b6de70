#include "platform/Text.h"
#include "quiz/MapTest.h"

#include <QTest>

using namespace tv;

class TestMapTest : public QObject {
    Q_OBJECT

    static QStringList five()
    {
        return {"Warszawa11", "Kraków12", "Gdańsk13", "Łódź14", "Poznań15"};
    }

private slots:
    void dropsUndoAndAutomaticEnd_data()
    {
        QTest::addColumn<bool>("removeOption");
        QTest::addColumn<bool>("session");
        QTest::addColumn<int>("endsOnDrop"); // 0: never by itself
        QTest::addColumn<int>("markers");
        QTest::newRow("option on") << true << false << 5 << 5;
        QTest::newRow("option off, local") << false << false << 0 << 5;
        QTest::newRow("option off, session") << false << true << 5 << 5;
        QTest::newRow("option on, session") << true << true << 5 << 5;
        // The last of the 17 markers takes names like any other.
        QTest::newRow("17 markers, option on") << true << false << 17 << 17;
        QTest::newRow("17 markers, session") << false << true << 17 << 17;
    }
    void dropsUndoAndAutomaticEnd()
    {
        QFETCH(bool, removeOption);
        QFETCH(bool, session);
        QFETCH(int, endsOnDrop);
        QFETCH(int, markers);
        QStringList description = five();
        for (int k = 6; k <= markers; ++k)
            description << QStringLiteral("Miasto%1").arg(10 + k);
        MapTest t;
        t.start(markers, description);
        QCOMPARE(t.dropsLeft, markers);
        int ended = 0;
        for (int d = 1; d <= markers + 2; ++d) {
            const auto r = t.drop((d - 1) % markers + 1, d % markers + 1, QStringLiteral("x"), {removeOption, session});
            QVERIFY(!r.refused);
            QCOMPARE(r.clearField, removeOption || session);
            if (r.runResult && !ended)
                ended = d;
        }
        QCOMPARE(ended, endsOnDrop);
    }

    void undoGivesOneDropBack()
    {
        MapTest t;
        t.start(3, {"A11", "B12", "C13"});
        t.drop(1, 1, "A", {true});
        t.drop(2, 2, "B", {true});
        QCOMPARE(t.dropsLeft, 1);
        const auto u = t.undo();
        QVERIFY(u.available);
        QCOMPARE(u.field, 2);
        QCOMPARE(u.fieldText, QStringLiteral("B"));
        QCOMPARE(u.marker, 2);
        QCOMPARE(t.dropsLeft, 2);
        QCOMPARE(t.marker(2).state, MarkerState::Blank);
        QVERIFY(t.marker(2).caption.isEmpty());
        QVERIFY(!t.drop(2, 2, "B", {true}).runResult); // one more drop needed now
        QVERIFY(t.drop(3, 3, "C", {true}).runResult);
    }

    void undoRestoresAReplacedName()
    {
        MapTest t;
        t.start(3, {"A11", "B12", "C13"});
        t.drop(1, 1, "A");
        t.drop(1, 2, "B"); // replaces A on marker 1
        const auto u = t.undo();
        QCOMPARE(t.marker(1).caption, QStringLiteral("A"));
        QCOMPARE(t.marker(1).state, MarkerState::Placed);
        QCOMPARE(u.field, 2);
        QCOMPARE(u.fieldText, QStringLiteral("B"));
        QVERIFY(!t.undo().available); // one level only
    }

    void replacedNameGoesBackWhereNamesLeaveTheirFields_data()
    {
        QTest::addColumn<bool>("removeOption");
        QTest::addColumn<bool>("session");
        QTest::newRow("option on") << true << false;
        QTest::newRow("session") << false << true;
        QTest::newRow("neither: the field keeps its own name") << false << false;
    }
    void replacedNameGoesBackWhereNamesLeaveTheirFields()
    {
        QFETCH(bool, removeOption);
        QFETCH(bool, session);
        const bool emptying = removeOption || session;
        MapTest t;
        t.start(2, {"A11", "B12"});
        t.drop(1, 1, "B", {removeOption, session});
        const auto r = t.drop(1, 2, "A", {removeOption, session});
        QCOMPARE(r.clearField, emptying);
        QCOMPARE(r.fieldText, emptying ? QStringLiteral("B") : QString());
        QVERIFY(!r.runResult);
        QCOMPARE(t.dropsLeft, emptying ? 1 : 0);
        const auto u = t.undo();
        QCOMPARE(t.marker(1).caption, QStringLiteral("B"));
        QCOMPARE(u.field, 2);
        QCOMPARE(u.fieldText, QStringLiteral("A"));
        QCOMPARE(t.dropsLeft, 1);
        if (emptying) {
            t.drop(1, 2, "A", {removeOption, session});
            QVERIFY(t.drop(2, 2, "B", {removeOption, session}).runResult); // both names placed
        }
    }

    void undoOnBlankAfterEarlierReplace()
    {
        MapTest t;
        t.start(3, {"A11", "B12", "C13"});
        t.drop(1, 1, "A");
        t.drop(1, 2, "B");
        t.drop(3, 3, "C");
        t.undo();
        QCOMPARE(t.marker(3).state, MarkerState::Blank);
        QCOMPARE(t.marker(1).caption, QStringLiteral("B"));
    }

    void refusedAfterTheResult()
    {
        MapTest t;
        t.start(2, {"A11", "B12"});
        const auto r = t.drop(1, 1, "A", {true, false, true});
        QVERIFY(r.refused);
        QCOMPARE(t.marker(1).state, MarkerState::Blank);
        QCOMPARE(t.dropsLeft, 2);
        QVERIFY(!t.canUndo());
    }

    void judging()
    {
        MapTest t;
        QVERIFY(!t.awaitingJudgement()); // nothing loaded yet
        t.start(4, {"A11", "B12", "C13", "D14", "E15"});
        QVERIFY(t.awaitingJudgement());
        t.drop(1, 1, "A"); // right
        t.drop(2, 3, "C"); // belongs elsewhere
        t.drop(3, 5, "E"); // no used description line
        // marker 4 left blank
        const auto j = t.judge();
        QVERIFY(j.ok);
        QCOMPARE(j.good, 1);
        QCOMPARE(j.bad, 3);
        QCOMPARE(t.marker(1).state, MarkerState::Good);
        for (int k = 2; k <= 4; ++k)
            QCOMPARE(t.marker(k).state, MarkerState::Bad);
        QCOMPARE(t.chainGood, 1);
        QCOMPARE(t.chainBad, 3);
        QVERIFY(!t.awaitingJudgement()); // the window judges once
        t.judge(); // chain sums grow with every judging
        QCOMPARE(t.chainGood, 2);
    }

    void lookup()
    {
        MapTest t;
        t.start(3, {"Odra12", "Odra13", "Wisła11", "Bug14"});
        QCOMPARE(t.lookUp("Odra").number, 13); // a later line overrides
        QCOMPARE(t.lookUp("odra").number, 100); // case-sensitive
        QCOMPARE(t.lookUp("Bug").number, 100);  // beyond the used lines
        QCOMPARE(t.lookUp("").number, 100);
    }

    void lineWithoutDigitsStopsTheJudging()
    {
        MapTest t;
        t.start(2, {"A11", "Bxx"});
        t.drop(1, 1, "A");
        t.drop(2, 2, "B");
        const auto j = t.judge();
        QVERIFY(!j.ok);
        QVERIFY(!t.awaitingJudgement()); // the answers before the bad line are counted already
        QCOMPARE(j.errorMarker, 2);
        QCOMPARE(j.badLine, QStringLiteral("Bxx"));
    }

    void upperCaseOnlyAsciiLetters()
    {
        QCOMPARE(text::upperAZ(QStringLiteral("łódź i gdańsk")), QStringLiteral("łóDź I GDAńSK"));
    }
};

QTEST_GUILESS_MAIN(TestMapTest)
#include "tst_maptest.moc"
