#include "platform/Text.h"
#include "quiz/MapTest.h"
#include "quiz/Shuffle.h"
#include "quiz/TestFiles.h"

#include <QSet>
#include <QTest>

using namespace tv;

class TestTestFiles : public QObject {
    Q_OBJECT

private slots:
    void polishCountForms_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        for (const auto &[n, text] : std::initializer_list<std::pair<int, const char *>>{
                 {0, "0 zadań"}, {1, "1 zadanie"}, {2, "2 zadania"}, {4, "4 zadania"}, {5, "5 zadań"},
                 {11, "11 zadań"}, {12, "12 zadań"}, {14, "14 zadań"}, {21, "21 zadań"}, {22, "22 zadania"},
                 {104, "104 zadania"}, {112, "112 zadań"}})
            QTest::newRow(text) << n << QString::fromUtf8(text);
    }
    void polishCountForms()
    {
        QFETCH(int, n);
        QFETCH(QString, text);
        QCOMPARE(text::counted(n, QStringLiteral("zadanie"), QStringLiteral("zadania"), QStringLiteral("zadań")), text);
    }

    void configurationExample()
    {
        const auto r = parseConfiguration({"3", "any text", "10", "20", "150", "40", "300", "60"}, "XX.dat");
        QVERIFY(r.status.ok);
        QCOMPARE(r.config.count, 3);
        QCOMPARE(r.config.pairs, 3);
        QCOMPARE(r.config.positions[0], QPoint(10, 20));
        QCOMPARE(r.config.positions[1], QPoint(150, 40));
        QCOMPARE(r.config.positions[2], QPoint(300, 60));
        QCOMPARE(r.config.pictureLine, QStringLiteral("any text"));
    }

    void configurationBroken_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("pairs");
        QTest::addColumn<int>("errorLine");
        QTest::newRow("empty file") << QStringList() << 0 << 0 << 0;
        QTest::newRow("count only") << QStringList{"5"} << 5 << 0 << 0;
        QTest::newRow("half a pair") << QStringList{"2", "x.jpg", "10", "20", "30"} << 2 << 1 << 0;
        QTest::newRow("count not a number") << QStringList{"pięć", "x.jpg", "1", "2"} << 0 << 0 << 1;
        QTest::newRow("X not a number") << QStringList{"2", "x.jpg", "10", "20", "3O", "40"} << 2 << 1 << 5;
        QTest::newRow("empty Y") << QStringList{"1", "x.jpg", "10", ""} << 1 << 0 << 4;
        QTest::newRow("line 2 never converted") << QStringList{"1", "", "1", "2"} << 1 << 1 << 0;
        QTest::newRow("negative count") << QStringList{"-3"} << -3 << 0 << 0;
        QTest::newRow("count 0") << QStringList{"0", "x"} << 0 << 0 << 0;
        QTest::newRow("count 18") << QStringList{"18", "x"} << 18 << 0 << 0;
    }
    void configurationBroken()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, count);
        QFETCH(int, pairs);
        QFETCH(int, errorLine);
        const auto r = parseConfiguration(lines, "PM.dat");
        QCOMPARE(r.config.count, count);
        QCOMPARE(r.config.pairs, pairs);
        QCOMPARE(r.errorLine, errorLine);
        QCOMPARE(r.status.ok, errorLine == 0);
        if (errorLine) {
            QVERIFY(r.status.message.contains(QLatin1String("PM.dat")));
            QVERIFY(r.status.message.contains(QStringLiteral("wiersz %1").arg(errorLine)));
        }
    }

    void neverMoreThanSeventeenPairs()
    {
        QStringList lines{"17", "x.jpg"};
        for (int i = 0; i < 40; ++i)
            lines << QString::number(i) << QString::number(100 + i);
        lines << "not a number"; // beyond the 17 pairs: never looked at
        const auto r = parseConfiguration(lines, "X.dat");
        QVERIFY(r.status.ok);
        QCOMPARE(r.config.pairs, 17);
        QCOMPARE(r.config.positions[16], QPoint(16, 116));
    }

    void markerCountRange()
    {
        QVERIFY(!markerCountValid(0));
        QVERIFY(markerCountValid(1));
        QVERIFY(markerCountValid(17));
        QVERIFY(!markerCountValid(18));
        QVERIFY(!markerCountValid(-1));
        QVERIFY(markerCountMessage("PM.dat", 18).contains(QLatin1String("PM.dat")));
    }

    void descriptionLines()
    {
        QStringList many;
        for (int i = 0; i < 25; ++i)
            many << QStringLiteral("Nazwa%1%2").arg(i).arg(11 + i % 17);
        QCOMPARE(parseDescription(many).size(), 17);
        QCOMPARE(answerName(QStringLiteral("Wisła12")), QStringLiteral("Wisła"));
        QCOMPARE(answerNumber(QStringLiteral("Wisła12")), std::optional<int>(12));
        QCOMPARE(answerName(QStringLiteral("Morze Bałtyckie 27")), QStringLiteral("Morze Bałtyckie "));
        QCOMPARE(answerName(QStringLiteral("12")), QString());
        QCOMPARE(answerName(QString()), QString());
        QVERIFY(!answerNumber(QStringLiteral("Wisła")).has_value());
        QVERIFY(!answerNumber(QString()).has_value());
    }

    void shuffleIsAPermutationAlsoWithDuplicates()
    {
        for (int n : {0, 1, 2, 5, 17}) {
            const QList<int> order = shuffledOrder(n, 12345);
            QCOMPARE(order.size(), n);
            QCOMPARE(QSet<int>(order.begin(), order.end()).size(), n);
        }
        // Different seeds give different orders (17! makes a clash unlikely).
        QVERIFY(shuffledOrder(17, 1) != shuffledOrder(17, 2));
        QCOMPARE(shuffledOrder(17, 7), shuffledOrder(17, 7));
    }
};

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
        QTest::newRow("option on") << true << false << 5;
        QTest::newRow("option off, local") << false << false << 0;
        QTest::newRow("option off, session") << false << true << 5;
        QTest::newRow("option on, session") << true << true << 5;
    }
    void dropsUndoAndAutomaticEnd()
    {
        QFETCH(bool, removeOption);
        QFETCH(bool, session);
        QFETCH(int, endsOnDrop);
        MapTest t;
        t.start(5, five());
        QCOMPARE(t.dropsLeft, 5);
        int ended = 0;
        for (int d = 1; d <= 7; ++d) {
            const auto r = t.drop((d - 1) % 5 + 1, d % 5 + 1, QStringLiteral("x"), removeOption, session, false);
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
        t.drop(1, 1, "A", true, false, false);
        t.drop(2, 2, "B", true, false, false);
        QCOMPARE(t.dropsLeft, 1);
        const auto u = t.undo();
        QVERIFY(u.available);
        QCOMPARE(u.field, 2);
        QCOMPARE(u.fieldText, QStringLiteral("B"));
        QCOMPARE(u.marker, 2);
        QCOMPARE(t.dropsLeft, 2);
        QCOMPARE(t.marker(2).state, MarkerState::Blank);
        QVERIFY(t.marker(2).caption.isEmpty());
        QVERIFY(!t.drop(2, 2, "B", true, false, false).runResult); // one more drop needed now
        QVERIFY(t.drop(3, 3, "C", true, false, false).runResult);
    }

    void undoRestoresAReplacedName()
    {
        MapTest t;
        t.start(3, {"A11", "B12", "C13"});
        t.drop(1, 1, "A", false, false, false);
        t.drop(1, 2, "B", false, false, false); // replaces A on marker 1
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
        t.drop(1, 1, "B", removeOption, session, false);
        const auto r = t.drop(1, 2, "A", removeOption, session, false);
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
            t.drop(1, 2, "A", removeOption, session, false);
            QVERIFY(t.drop(2, 2, "B", removeOption, session, false).runResult); // both names placed
        }
    }

    void undoOnBlankAfterEarlierReplace()
    {
        MapTest t;
        t.start(3, {"A11", "B12", "C13"});
        t.drop(1, 1, "A", false, false, false);
        t.drop(1, 2, "B", false, false, false);
        t.drop(3, 3, "C", false, false, false);
        t.undo();
        QCOMPARE(t.marker(3).state, MarkerState::Blank);
        QCOMPARE(t.marker(1).caption, QStringLiteral("B"));
    }

    void refusedAfterTheResult()
    {
        MapTest t;
        t.start(2, {"A11", "B12"});
        const auto r = t.drop(1, 1, "A", true, false, true);
        QVERIFY(r.refused);
        QCOMPARE(t.marker(1).state, MarkerState::Blank);
        QCOMPARE(t.dropsLeft, 2);
        QVERIFY(!t.canUndo());
    }

    void judging()
    {
        MapTest t;
        t.start(4, {"A11", "B12", "C13", "D14", "E15"});
        t.drop(1, 1, "A", false, false, false); // right
        t.drop(2, 3, "C", false, false, false); // belongs elsewhere
        t.drop(3, 5, "E", false, false, false); // no used description line
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
        t.drop(1, 1, "A", false, false, false);
        t.drop(2, 2, "B", false, false, false);
        const auto j = t.judge();
        QVERIFY(!j.ok);
        QCOMPARE(j.errorMarker, 2);
        QCOMPARE(j.badLine, QStringLiteral("Bxx"));
    }

    void upperCaseOnlyAsciiLetters()
    {
        QCOMPARE(text::upperAZ(QStringLiteral("łódź i gdańsk")), QStringLiteral("łóDź I GDAńSK"));
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int status = 0;
    {
        TestTestFiles t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestMapTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}

#include "tst_testfiles.moc"
