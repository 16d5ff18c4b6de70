#include "catalogue/Catalogue.h"
#include "platform/Text.h"
#include "results/ResultsFilter.h"

#include <QSet>
#include <QTest>

using namespace tv;
using namespace tv::results;

Q_DECLARE_METATYPE(tv::results::FilterBy)

namespace {

ResultRecord rec(const QString &user, const QString &title, const QString &grade)
{
    return {user, title, QStringLiteral("1 min 0 sek"), QStringLiteral("10"), QStringLiteral("8"),
            QStringLiteral("2"), grade};
}

// Every title that the program writes into line 2 of a record: the single
// tests, the ends of the chains and the place game.
QStringList writtenTitles()
{
    QStringList out;
    for (const CatalogueEntry &e : catalogue::singleTests())
        out << e.title;
    for (int chain = 1; chain <= 7; ++chain)
        out << catalogue::chainEndTitle(chain);
    out << QStringLiteral("Test: Odgadnij miejsce na ziemi");
    return out;
}

QStringList entriesFinding(const QString &line2)
{
    QStringList out;
    for (const QString &entry : testTitles())
        if (titleMatches(entry, line2))
            out << entry;
    return out;
}

} // namespace

class TestResultsFilter : public QObject {
    Q_OBJECT

private slots:
    void theLists()
    {
        QCOMPARE(gradeWords(), (QStringList{"Celujący", "Bardzo dobry", "Dobry", "Dostateczny", "Mierny",
                                            "Niedostateczny"}));
        const QStringList &titles = testTitles();
        QCOMPARE(titles.size(), 57);
        QCOMPARE(titles.first(), QStringLiteral("Test: Polska - Największe miasta"));
        QCOMPARE(titles.at(4), QStringLiteral("Test: Polska - Długości granic sąsiadów"));
        QCOMPARE(titles.at(34), QStringLiteral("Test: Różne - Flagi państw Cz. 1"));
        QCOMPARE(titles.at(40), QStringLiteral("Test: Różne - Pojęcia geograficzne Cz. 1"));
        QCOMPARE(titles.at(51), QStringLiteral("Test: Wszystko o Ameryce Pn i Pd"));
        QCOMPARE(titles.last(), QStringLiteral("Test: Odgadnij miejsce na ziemi"));
        QCOMPARE(QSet<QString>(titles.begin(), titles.end()).size(), 57);
    }

    void filters_data()
    {
        QTest::addColumn<FilterBy>("by");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("grade");
        QTest::addColumn<bool>("taken");

        const QString es = QStringLiteral("Test: Europa - Stolice");
        const QString d4 = QStringLiteral("Dobry (4)");
        QTest::newRow("user: same name") << FilterBy::User << "Ala Nowak" << "Ala Nowak" << es << d4 << true;
        QTest::newRow("user: other case") << FilterBy::User << "Ala Nowak" << "ala nowak" << es << d4 << false;
        QTest::newRow("user: trailing blank") << FilterBy::User << "Ala Nowak" << "Ala Nowak " << es << d4 << false;
        QTest::newRow("user: longer") << FilterBy::User << "Ala" << "Alan" << es << d4 << false;
        QTest::newRow("user: Polish letters") << FilterBy::User << "Łucja Żak" << "Łucja Żak" << es << d4 << true;

        QTest::newRow("Dobry takes 4") << FilterBy::Grade << "Dobry" << "A" << es << "Dobry (4)" << true;
        QTest::newRow("Dobry takes 4+") << FilterBy::Grade << "Dobry" << "A" << es << "Dobry plus (4+)" << true;
        QTest::newRow("Dobry takes 4-") << FilterBy::Grade << "Dobry" << "A" << es << "Dobry minus (4-)" << true;
        QTest::newRow("Dobry not 5") << FilterBy::Grade << "Dobry" << "A" << es << "Bardzo dobry (5)" << false;
        QTest::newRow("Dobry not small d") << FilterBy::Grade << "Dobry" << "A" << es << "dobry (4)" << false;
        QTest::newRow("Dobry not 3") << FilterBy::Grade << "Dobry" << "A" << es << "Dostateczny (3)" << false;
        QTest::newRow("Mierny takes 2=") << FilterBy::Grade << "Mierny" << "A" << es << "Mierny z dwoma (2=)" << true;
        QTest::newRow("Mierny takes two blanks") << FilterBy::Grade << "Mierny" << "A" << es << "Mierny  (2)" << true;
        QTest::newRow("Mierny takes 2-") << FilterBy::Grade << "Mierny" << "A" << es << "Mierny minus (2-)" << true;
        QTest::newRow("Mierny not 1") << FilterBy::Grade << "Mierny" << "A" << es << "Niedostateczny (1)" << false;
        QTest::newRow("Bardzo dobry takes 5+") << FilterBy::Grade << "Bardzo dobry" << "A" << es
                                               << "Bardzo dobry plus (5+)" << true;
        QTest::newRow("Dostateczny takes (3)") << FilterBy::Grade << "Dostateczny" << "A" << es << "Dostateczny(3)"
                                               << true;
        QTest::newRow("Celujący") << FilterBy::Grade << "Celujący" << "A" << es << "Celujący (6)" << true;

        QTest::newRow("test: same title") << FilterBy::Test << es << "A" << es << d4 << true;
        QTest::newRow("test: title continues") << FilterBy::Test << "Test: Świat - Wyspy" << "A"
                                               << "Test: Świat - Wyspy i coś" << d4 << true;
        QTest::newRow("test: case counts") << FilterBy::Test << es << "A" << "Test: Europa - stolice" << d4 << false;
        QTest::newRow("test: other test") << FilterBy::Test << es << "A" << "Test: Europa - Państwa" << d4 << false;

        QTest::newRow("no filter chosen") << FilterBy::None << "" << "A" << es << d4 << false;
    }
    void filters()
    {
        QFETCH(FilterBy, by);
        QFETCH(QString, chosen);
        QFETCH(QString, user);
        QFETCH(QString, title);
        QFETCH(QString, grade);
        QFETCH(bool, taken);
        const ResultRecord r = rec(user, title, grade);
        QCOMPARE(matches(by, chosen, r), taken);
        QCOMPARE(filterRecords({r}, by, chosen).size(), size_t(taken ? 1 : 0));
    }

    void filteringKeepsTheFileOrder()
    {
        const Records store{rec("Ala", "Test: Europa - Stolice", "Dobry (4)"),
                            rec("Ola", "Test: Europa - Stolice", "Bardzo dobry (5)"),
                            rec("Ala", "Test: Świat - Oceany", "Dobry minus (4-)"),
                            rec("Ala", "Test: Europa - Stolice", "Dobry plus (4+)")};
        const Records dobry = filterRecords(store, FilterBy::Grade, QStringLiteral("Dobry"));
        QCOMPARE(dobry.size(), size_t(3));
        QCOMPARE(dobry[0].grade, QStringLiteral("Dobry (4)"));
        QCOMPARE(dobry[1].grade, QStringLiteral("Dobry minus (4-)"));
        QCOMPARE(dobry[2].grade, QStringLiteral("Dobry plus (4+)"));
        QCOMPARE(filterRecords(store, FilterBy::User, QStringLiteral("Ola")).size(), size_t(1));
        QCOMPARE(filterRecords(store, FilterBy::Test, QStringLiteral("Test: Europa - Stolice")).size(), size_t(3));
        QVERIFY(filterRecords({}, FilterBy::Grade, QStringLiteral("Dobry")).empty());
    }

    // Every title the program stores is found by exactly one entry of the
    // list, and every entry finds a title: no test is left out of reach.
    void everyWrittenTitleHasItsEntry()
    {
        QSet<QString> used;
        for (const QString &title : writtenTitles()) {
            const QStringList found = entriesFinding(title);
            QVERIFY2(found.size() == 1, qPrintable(title + " -> " + found.join(" | ")));
            used.insert(found.first());
        }
        for (const QString &entry : testTitles())
            QVERIFY2(used.contains(entry), qPrintable(entry));
    }

    void theFiveEntriesSpelledOtherwise_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("written");
        QTest::newRow("granice") << "Test: Polska - Długości granic sąsiadów" << "Test: Polska - Granice sąsiadów";
        QTest::newRow("flagi 1") << "Test: Różne - Flagi państw Cz. 1" << "Test: Różne - Flagi państw";
        QTest::newRow("pojęcia 1") << "Test: Różne - Pojęcia geograficzne Cz. 1"
                                   << "Test: Różne - Pojęcia geograficzne Cz.1";
        QTest::newRow("pojęcia 2") << "Test: Różne - Pojęcia geograficzne Cz. 2"
                                   << "Test: Różne - Pojęcia geograficzne Cz.2";
        QTest::newRow("ameryka") << "Test: Wszystko o Ameryce Pn i Pd" << "Test: Wszystko o Ameryce PN i PD";
    }
    void theFiveEntriesSpelledOtherwise()
    {
        QFETCH(QString, entry);
        QFETCH(QString, written);
        QVERIFY(testTitles().contains(entry)); // the list keeps its own spelling
        QVERIFY(writtenTitles().contains(written));
        QVERIFY(!written.startsWith(entry));
        QVERIFY(writtenTitle(entry).has_value());
        QVERIFY(titleMatches(entry, written));
        QVERIFY(titleMatches(entry, entry)); // the entry's own spelling still counts
        const Records found = filterRecords({rec("A", written, "Dobry (4)"), rec("B", "Test: Europa - Stolice", "")},
                                            FilterBy::Test, entry);
        QCOMPARE(found.size(), size_t(1));
        QCOMPARE(found[0].user, QStringLiteral("A"));
    }

    void flagsPartOneAlone()
    {
        const QString one = QStringLiteral("Test: Różne - Flagi państw Cz. 1");
        QVERIFY(titleMatches(one, QStringLiteral("Test: Różne - Flagi państw")));
        for (const char *other : {"Test: Różne - Flagi państw Cz. 2", "Test: Różne - Flagi państw Cz. 3",
                                  "Test: Różne - Flagi państw Cz. 4", "Test: Różne - Flagi państw "})
            QVERIFY2(!titleMatches(one, QString::fromUtf8(other)), other);
        // And the other parts do not take part one.
        QVERIFY(!titleMatches(QStringLiteral("Test: Różne - Flagi państw Cz. 2"),
                              QStringLiteral("Test: Różne - Flagi państw")));
        QVERIFY(!writtenTitle(QStringLiteral("Test: Europa - Stolice")).has_value());
    }

    void searchingATest_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("found");
        QTest::newRow("default answer") << "Test: " << "Test: " << 0;
        QTest::newRow("nothing typed") << "" << "Test: " << 0;
        QTest::newRow("small letters without Test:") << "europa - st" << "Test: europa - st" << 8;
        QTest::newRow("small letters with test:") << "test: azja" << "test: azja" << 15;
        QTest::newRow("capitals") << "TEST: AZJA - R" << "TEST: AZJA - R" << 17;
        QTest::newRow("first of several") << "Polska" << "Test: Polska" << 0;
        QTest::newRow("Polish letter in its case") << "Polska - Góry" << "Test: Polska - Góry" << 2;
        QTest::newRow("small Polish letter, capital in the title") << "świat" << "Test: świat" << -1;
        QTest::newRow("capital Polish letter, small in the title") << "Polska - GÓRY" << "Test: Polska - GÓRY" << -1;
        QTest::newRow("whole title") << "Test: Odgadnij miejsce na ziemi" << "Test: Odgadnij miejsce na ziemi" << 56;
        QTest::newRow("longer than any title") << "Test: Odgadnij miejsce na ziemi!" << "Test: Odgadnij miejsce na ziemi!"
                                               << -1;
        QTest::newRow("no such test") << "xyz" << "Test: xyz" << -1;
        QTest::newRow("Test without colon") << "Test Europa" << "Test: Test Europa" << -1;
    }
    void searchingATest()
    {
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        QFETCH(int, found);
        QCOMPARE(searchAnswer(typed), answer);
        QCOMPARE(findEntry(testTitles(), answer), found);
    }

    void upperCaseOfAToZOnly()
    {
        QCOMPARE(text::upperAZ(QStringLiteral("ala ma kota ąęłżź 123 ß")), QStringLiteral("ALA MA KOTA ąęłżź 123 ß"));
        QCOMPARE(findEntry({}, QStringLiteral("Test: ")), -1);
    }
};

QTEST_GUILESS_MAIN(TestResultsFilter)
#include "tst_resultsfilter.moc"
