#include "quiz/Grades.h"

#include <QTest>

using namespace tv;

namespace {

struct Expected {
    const char *label;
    const char *icon;
};

// Grade labels and icons by grade, written out for the test.
Expected grade(const QString &key)
{
    static const QHash<QString, Expected> g = {
        {"6", {"Celujący (6)", "celujacy.ico"}},
        {"5", {"Bardzo dobry (5)", "bdb.ico"}},
        {"5-", {"Bardzo dobry minus (5-)", "bdb.ico"}},
        {"4+", {"Dobry plus (4+)", "bdb.ico"}},
        {"4", {"Dobry (4)", "bdb.ico"}},
        {"4-", {"Dobry minus (4-)", "bdb.ico"}},
        {"3+", {"Dostateczny plus (3+)", "dst.ico"}},
        {"3", {"Dostateczny (3)", "dst.ico"}},
        {"3-", {"Dostateczny minus (3-)", "dst.ico"}},
        {"2+", {"Mierny plus (2+)", "ndst.ico"}},
        {"2", {"Mierny (2)", "ndst.ico"}},
        {"2=", {"Mierny z dwoma (2=)", "ndst.ico"}},
        {"2-", {"Mierny minus (2-)", "ndst.ico"}},
        {"1", {"Niedostateczny (1)", "ndst.ico"}},
        // the noted cells
        {"2a", {"Mierny (2)", "dst.ico"}},
        {"3b", {"Dostateczny(3)", "dst.ico"}},
        {"2c", {"Mierny  (2)", "dst.ico"}},
        {"2-d", {"Mierny minus  (2-)", "ndst.ico"}},
    };
    return g.value(key);
}

// Grade for g = 0, 1, 2, ... for each marker count, cell by cell.
const char *const kExpected[17] = {
    "1 5",
    "1 2 5",
    "1 2 3 5",
    "1 1 2 3 5",
    "1 1 2a 3b 4+ 5",
    "1 1 1 2c 3 4 5",
    "1 1 1 2-d 3- 3+ 4 5",
    "1 1 2= 2 3 3- 3 5- 5",
    "1 1 1 1 2 3- 3+ 4 4+ 5",
    "1 1 1 1 1 2 3- 3+ 4 5 6",
    "1 1 1 1 1 2- 2+ 3 3 4+ 5 6",
    "1 1 1 1 1 1 2 3 3 4- 4 5 6",
    "1 1 1 1 1 1 2 2 3- 3+ 4 4+ 5 6",
    "1 1 1 1 1 1 2- 2 3 3+ 4- 4+ 4+ 5 6",
    "1 1 1 1 1 1 2- 2+ 3 3 3+ 4- 4 4+ 5 6",
    "1 1 1 1 1 1 1 2- 2 2 3 4- 4 4 4+ 5 6",
    "1 1 1 1 1 1 1 1 2- 2 2 3- 3 3+ 4 4+ 5 6",
};

} // namespace

class TestGrades : public QObject {
    Q_OBJECT

private slots:
    void singleTestTable_data()
    {
        QTest::addColumn<int>("markers");
        QTest::addColumn<int>("good");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("icon");
        for (int n = 1; n <= 17; ++n) {
            const QStringList cells = QString::fromLatin1(kExpected[n - 1]).split(' ');
            QCOMPARE(cells.size(), n + 1);
            for (int g = 0; g <= n; ++g) {
                const Expected e = grade(cells.at(g));
                QVERIFY(e.label);
                QTest::addRow("%d markers, %d good", n, g)
                    << n << g << QString::fromUtf8(e.label) << QString::fromLatin1(e.icon);
            }
        }
    }
    void singleTestTable()
    {
        QFETCH(int, markers);
        QFETCH(int, good);
        QFETCH(QString, label);
        QFETCH(QString, icon);
        const Grade g = singleTestGrade(markers, good);
        QCOMPARE(g.label, label);
        QCOMPARE(g.icon, icon);
    }

    void outsideTheTable()
    {
        QVERIFY(singleTestGrade(0, 0).label.isEmpty());
        QVERIFY(singleTestGrade(18, 18).label.isEmpty());
        QVERIFY(singleTestGrade(5, 6).label.isEmpty());
        QVERIFY(singleTestGrade(5, -1).label.isEmpty());
    }

    void timeText_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "0 min 0 sek";
        QTest::newRow("59") << 59 << "0 min 59 sek";
        QTest::newRow("60") << 60 << "1 min 0 sek";
        QTest::newRow("61") << 61 << "1 min 1 sek";
        QTest::newRow("75") << 75 << "1 min 15 sek";
        QTest::newRow("600") << 600 << "10 min 0 sek";
        QTest::newRow("3725") << 3725 << "62 min 5 sek";
    }
    void timeText()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(tv::timeText(seconds), text);
    }

    void chainTable_data()
    {
        QTest::addColumn<int>("chain");
        QTest::addColumn<int>("good");
        QTest::addColumn<QString>("label");
        const auto row = [](int chain, int good, const char *label) {
            QTest::addRow("chain %d, %d", chain, good) << chain << good << QString::fromUtf8(label);
        };
        row(1, 0, "Niedostateczny (1)");
        row(1, 30, "Niedostateczny (1)");
        row(1, 31, "Mierny (2)");
        row(1, 41, "Mierny plus (2+)");
        row(1, 42, "Dostateczny minus (3-)");
        row(1, 92, "Bardzo dobry minus (5-)");
        row(1, 96, "Bardzo dobry (5)");
        row(1, 97, "Celujący (6)");
        row(1, 98, "");
        row(2, 33, "Mierny minus (2-)");
        row(2, 90, "Bardzo dobry plus(5+)");
        row(2, 91, "Bardzo dobry plus(5+)");
        row(2, 92, "Celujący (6)");
        row(2, 93, "");
        row(3, 72, "Bardzo dobry plus (5+)");
        row(3, 73, "Celujący (6)"); // all 73 tasks right
        row(3, 71, "Bardzo dobry (5)");
        row(4, 74, "Bardzo dobry plus (5+)");
        row(4, 76, "Bardzo dobry plus (5+)");
        row(4, 77, "Celujący (6)");
        row(4, 36, "Mierny plus (2+)");
        row(5, 40, "Celujący (6)");
        row(5, 30, "Dobry minus (4-)");
        row(5, 29, "Dostateczny (3)");
        row(5, 39, "Bardzo dobry (5)");
        row(5, 41, "");
        row(6, 62, "Bardzo dobry minus (5-)");
        row(6, 63, "Bardzo dobry (5)");
        row(6, 64, "Celujący (6)");
        row(6, 21, "Mierny (2)");
        row(6, 20, "Niedostateczny (1)");
        row(7, 48, "Niedostateczny (1)");
        row(7, 49, "Mierny minus (2-)");
        row(7, 92, "Dostateczny plus (3+)");
        row(7, 117, "Bardzo dobry plus(5+)");
        row(7, 120, "Celujący (6)");
        row(7, 121, "");
        // Every count of every chain, from a table kept apart from the
        // program's: the lowest count of each grade, then the top count.
        // A band moved by one point shows at its edge.
        static const char *const kLowest[7] = {
            "1:0 2:31 2+:39 3-:42 3:50 3+:57 4-:64 4:71 4+:78 5-:86 5:93 6:97 top:97",
            "1:0 2-:33 2:37 3-:44 3:49 3+:55 4-:61 4:70 4+:80 5:85 5+:90 6:92 top:92",
            "1:0 2-:16 2:20 2+:30 3-:36 3:41 3+:46 4-:53 4:58 4+:63 5:67 5+:72 6:73 top:74",
            "1:0 2-:20 2:25 2+:32 3-:37 3:44 3+:49 4-:53 4:58 4+:63 5:67 5+:74 6:77 top:77",
            "1:0 2-:12 2:15 2+:19 3-:23 3:27 4-:30 4:31 4+:34 5:38 6:40 top:40",
            "1:0 2:21 2+:31 3-:34 3:41 3+:47 4-:50 4:57 4+:60 5-:62 5:63 6:64 top:64",
            "1:0 2-:49 2:60 3-:66 3:74 3+:80 4-:93 4:100 4+:106 5:110 5+:117 6:120 top:120",
        };
        const QHash<QString, const char *> labels = {
            {"1", "Niedostateczny (1)"}, {"2-", "Mierny minus (2-)"}, {"2", "Mierny (2)"},
            {"2+", "Mierny plus (2+)"}, {"3-", "Dostateczny minus (3-)"}, {"3", "Dostateczny (3)"},
            {"3+", "Dostateczny plus (3+)"}, {"4-", "Dobry minus (4-)"}, {"4", "Dobry (4)"},
            {"4+", "Dobry plus (4+)"}, {"5-", "Bardzo dobry minus (5-)"}, {"5", "Bardzo dobry (5)"},
            {"6", "Celujący (6)"}};
        for (int chain = 1; chain <= 7; ++chain) {
            const QStringList steps = QString::fromLatin1(kLowest[chain - 1]).split(' ');
            const int top = steps.last().section(':', 1).toInt();
            for (int g = 0; g <= top + 1; ++g) {
                QString grade;
                for (const QString &step : steps)
                    if (step.section(':', 0, 0) != QLatin1String("top") && step.section(':', 1).toInt() <= g)
                        grade = step.section(':', 0, 0);
                QString label;
                if (g <= top)
                    label = grade == QLatin1String("5+")
                        ? (chain == 2 || chain == 7 ? QStringLiteral("Bardzo dobry plus(5+)")
                                                    : QStringLiteral("Bardzo dobry plus (5+)"))
                        : QString::fromUtf8(labels.value(grade));
                QTest::addRow("chain %d, every count: %d", chain, g) << chain << g << label;
            }
        }
    }
    void chainTable()
    {
        QFETCH(int, chain);
        QFETCH(int, good);
        QFETCH(QString, label);
        QCOMPARE(chainGrade(chain, good), label);
    }

    // Every count from 0 to the chain's task total has a label, and the
    // labels never fall as the count grows.
    void chainTablesCoverEveryCount()
    {
        const int totals[7] = {97, 92, 73, 77, 40, 64, 120};
        const QStringList order = {"Niedostateczny (1)", "Mierny minus (2-)", "Mierny (2)", "Mierny plus (2+)",
                                   "Dostateczny minus (3-)", "Dostateczny (3)", "Dostateczny plus (3+)",
                                   "Dobry minus (4-)", "Dobry (4)", "Dobry plus (4+)", "Bardzo dobry minus (5-)",
                                   "Bardzo dobry (5)", "Bardzo dobry plus (5+)", "Bardzo dobry plus(5+)",
                                   "Celujący (6)"};
        for (int chain = 1; chain <= 7; ++chain) {
            int last = -1;
            for (int g = 0; g <= totals[chain - 1]; ++g) {
                const QString label = chainGrade(chain, g);
                const int rank = order.indexOf(label) == 13 ? 12 : order.indexOf(label);
                QVERIFY2(rank >= 0, qPrintable(QStringLiteral("chain %1 good %2").arg(chain).arg(g)));
                QVERIFY(rank >= last);
                last = rank;
            }
            QCOMPARE(chainGrade(chain, totals[chain - 1]), QStringLiteral("Celujący (6)"));
        }
    }
};

QTEST_GUILESS_MAIN(TestGrades)
#include "tst_grades.moc"
