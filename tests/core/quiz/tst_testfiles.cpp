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

QTEST_GUILESS_MAIN(TestTestFiles)
#include "tst_testfiles.moc"
