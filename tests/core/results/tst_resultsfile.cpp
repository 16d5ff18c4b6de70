#include "Scripted.h"
#include "platform/LineFile.h"
#include "quiz/Grades.h"
#include "results/ResultRecord.h"
#include "results/ResultsFile.h"

#include <QBuffer>
#include <QDir>
#include <QTest>

using namespace tv;
using namespace tv::results;

namespace {

const QByteArray kAla = "Ala\r\nTest: Europa - Stolice\r\n1 min 5 sek\r\n12\r\n10\r\n2\r\nDobry (4)\r\n";
const QByteArray kOla = "Ola\r\nTest: Polska - Rzeki i Jeziora\r\n0 min 59 sek\r\n8\r\n8\r\n0\r\nCelujący (6)\r\n";

ResultRecord rec(const QString &user, const QString &good = QStringLiteral("1"),
                 const QString &grade = QStringLiteral("Dobry (4)"))
{
    return {user, QStringLiteral("Test: Europa - Stolice"), QStringLiteral("1 min 0 sek"), QStringLiteral("12"),
            good, QStringLiteral("0"), grade};
}

QStringList users(const Records &records)
{
    QStringList out;
    for (const ResultRecord &r : records)
        out << r.user;
    return out;
}

} // namespace

class TestResultsFile : public QObject {
    Q_OBJECT

private slots:
    void groupsOfSeven_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("last"); // the seven fields of the last record

        const QStringList ola{"Ola", "Test: Polska - Rzeki i Jeziora", "0 min 59 sek", "8", "8", "0",
                              "Celujący (6)"};
        QTest::newRow("empty file") << QByteArray() << 0 << QStringList();
        QTest::newRow("two whole records") << QByteArray("Ala\r\nTest: Europa - Stolice\r\n1 min 5 sek\r\n12\r\n10"
                                                         "\r\n2\r\nDobry (4)\r\nOla\r\nTest: Polska - Rzeki i "
                                                         "Jeziora\r\n0 min 59 sek\r\n8\r\n8\r\n0\r\nCeluj\xB9"
                                                         "cy (6)\r\n")
                                           << 2 << ola;
        QTest::newRow("last line without its end")
            << QByteArray("Ola\r\nTest: Polska - Rzeki i Jeziora\r\n0 min 59 sek\r\n8\r\n8\r\n0\r\nCeluj\xB9"
                          "cy (6)")
            << 1 << ola;
        QTest::newRow("bare LF") << QByteArray("Ola\nTest: Polska - Rzeki i Jeziora\n0 min 59 sek\n8\n8\n0\nCeluj"
                                               "\xB9"
                                               "cy (6)\n")
                                 << 1 << ola;
        QTest::newRow("cut short after two lines")
            << kAla + "Ola\r\nTest: Polska - Rzeki i Jeziora\r\n" << 2
            << QStringList{"Ola", "Test: Polska - Rzeki i Jeziora", "", "", "", "", ""};
        QTest::newRow("cut short inside a line")
            << kAla + "Ola\r\nTest: Pol" << 2 << QStringList{"Ola", "Test: Pol", "", "", "", "", ""};
        QTest::newRow("one blank line after the last record: one more, empty")
            << kAla + "\r\n" << 2 << QStringList{"", "", "", "", "", "", ""};
        QTest::newRow("blanks and a CR inside a line are kept")
            << QByteArray("  Ala \r\nA\rB\r\n\r\n\r\n\r\n\r\n\r\n") << 1
            << QStringList{"  Ala ", "A\rB", "", "", "", "", ""};
    }
    void groupsOfSeven()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        QFETCH(QStringList, last);
        const Records records = parseRecords(bytes);
        QCOMPARE(int(records.size()), count);
        if (count > 0) {
            QStringList fields;
            for (int c = 0; c < ColumnCount; ++c)
                fields << field(records.back(), c);
            QCOMPARE(fields, last);
        }
        // The device reader says the same.
        QBuffer buffer(&bytes);
        const ReadRecords r = readRecords(buffer);
        QVERIFY(r.status.ok);
        QCOMPARE(int(r.records.size()), count);
    }

    void columnsInRecordOrder()
    {
        const ResultRecord r{"u", "t", "c", "4", "5", "6", "g"};
        QStringList fields;
        for (int c = 0; c < ColumnCount; ++c)
            fields << field(r, c);
        QCOMPARE(fields, r.lines());
    }

    void writtenBackByteForByte()
    {
        // Polish letters, the five undefined bytes and blanks survive a
        // read and a rewrite unchanged.
        const QByteArray odd = "\x81\x83\x88\x90\x98 \xA3\xEA"
                               "cka  \r\nTest: R\xF3\xBFne - Flagi pa\xF1stw\r\n1 min 0 sek\r\n1\r\n1\r\n0\r\n"
                               "Dostateczny(3)\r\n";
        const QByteArray bytes = kAla + odd + kOla;
        QCOMPARE(recordBytes(parseRecords(bytes)), bytes);
        QCOMPARE(recordBytes({}), QByteArray());
    }

    void rewritingReplacesTheFile()
    {
        test::TempDataDir data;
        data.write("Wyniki.tvw", kAla + kOla + kAla);
        const QString path = data.file("Wyniki.tvw");
        ReadRecords r = readRecordsFile(path);
        QVERIFY(r.status.ok);
        QCOMPARE(int(r.records.size()), 3);
        r.records.erase(r.records.begin());
        QVERIFY(writeRecordsFile(path, r.records).ok);
        QCOMPARE(data.read("Wyniki.tvw"), kOla + kAla);
        QVERIFY(writeRecordsFile(path, {}).ok);
        QVERIFY(data.has("Wyniki.tvw"));
        QCOMPARE(data.read("Wyniki.tvw"), QByteArray());
    }

    // The browser's rewrite after "Usuń zaznaczony wynik": from the table
    // when the file is as the browser read it; by content from the file as
    // it is now when another copy of the program wrote it meanwhile.
    void removingARecord_data()
    {
        QTest::addColumn<QString>("meanwhile"); // what another copy did
        QTest::addColumn<int>("row");           // -1: the answer was No
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QStringList>("stored"); // users in the file afterwards
        using O = Removal::Outcome;
        // The table shows Cezary, Bogdan, Adam (sorted differently from the file).
        QTest::newRow("unchanged, yes") << "" << 1 << int(O::Written) << QStringList{"Cezary", "Adam"};
        QTest::newRow("unchanged, no") << "" << -1 << int(O::Written) << QStringList{"Cezary", "Bogdan", "Adam"};
        QTest::newRow("a result saved, yes")
            << "append" << 1 << int(O::Merged) << QStringList{"Adam", "Cezary", "Nowy"};
        QTest::newRow("a result saved, no")
            << "append" << -1 << int(O::Unchanged) << QStringList{"Adam", "Bogdan", "Cezary", "Nowy"};
        QTest::newRow("the record deleted there")
            << "delete Bogdan" << 1 << int(O::RecordGone) << QStringList{"Adam", "Cezary"};
        QTest::newRow("all results deleted there") << "delete all" << 1 << int(O::RecordGone) << QStringList{};
        QTest::newRow("saved twice: one goes")
            << "append Bogdan" << 1 << int(O::Merged) << QStringList{"Adam", "Cezary", "Bogdan"};
    }
    void removingARecord()
    {
        QFETCH(QString, meanwhile);
        QFETCH(int, row);
        QFETCH(int, outcome);
        QFETCH(QStringList, stored);
        test::TempDataDir data;
        const QString path = data.file("Wyniki.tvw");
        data.write("Wyniki.tvw", recordBytes({rec("Adam"), rec("Bogdan"), rec("Cezary")}));
        const ReadRecords read = readRecordsFile(path);
        const Records shown{read.records[2], read.records[1], read.records[0]};

        if (meanwhile == "append")
            QVERIFY(appendResult(data.path(), rec("Nowy")));
        else if (meanwhile == "append Bogdan")
            QVERIFY(appendResult(data.path(), rec("Bogdan")));
        else if (meanwhile == "delete Bogdan")
            QVERIFY(writeRecordsFile(path, {rec("Adam"), rec("Cezary")}));
        else if (meanwhile == "delete all")
            QVERIFY(deleteResultsFile(path));
        const QByteArray before = data.read("Wyniki.tvw");

        const Removal done =
            removeRecord(path, shown, row < 0 ? std::nullopt : std::optional<size_t>(row), read.fingerprint);
        QCOMPARE(int(done.outcome), outcome);
        QVERIFY(done.status.ok);
        QCOMPARE(users(done.records), stored);
        if (outcome == int(Removal::Outcome::RecordGone) || outcome == int(Removal::Outcome::Unchanged))
            QCOMPARE(data.read("Wyniki.tvw"), before); // left alone
        QCOMPARE(users(parseRecords(data.read("Wyniki.tvw"))), stored);
        QCOMPARE(data.has("Wyniki.tvw"), meanwhile != "delete all");
        // The fingerprint is that of the file now: a second removal goes
        // straight through.
        if (!done.records.empty()) {
            const Removal again = removeRecord(path, done.records, 0, done.fingerprint);
            QCOMPARE(int(again.outcome), int(Removal::Outcome::Written));
        }
    }

    // A file left ending in a lone CR, and another copy appends a result:
    // the appender ends that line with its LF, so the readers must already
    // have read the CR as the line's end, or the record shown is no longer
    // in the file.
    void finalCrEndsTheLastLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("only a CR") << QByteArray("\r");
        QTest::newRow("a whole record") << kAla.chopped(1);
    }
    void finalCrEndsTheLastLine()
    {
        QFETCH(QByteArray, bytes);
        test::TempDataDir data;
        const QString path = data.file("Wyniki.tvw");
        data.write("Wyniki.tvw", bytes);
        const ReadRecords read = readRecordsFile(path);
        QVERIFY(appendResult(data.path(), rec("Nowy")));
        const QStringList before = lines::split(bytes);
        QCOMPARE(lines::split(data.read("Wyniki.tvw")).mid(0, before.size()), before);
        const Removal done = removeRecord(path, read.records, 0, read.fingerprint);
        QCOMPARE(int(done.outcome), int(Removal::Outcome::Merged));
        QCOMPARE(users(parseRecords(data.read("Wyniki.tvw"))), QStringList{"Nowy"});
    }

    void missingAndUnreadableFiles()
    {
        test::TempDataDir data;
        const ReadRecords missing = readRecordsFile(data.file("Wyniki.tvw"));
        QVERIFY(!missing.status.ok);
        QVERIFY(missing.missing);
        QVERIFY(missing.records.empty());
        // A directory where the file should be cannot be read.
        QVERIFY(QDir(data.path()).mkdir("Wyniki.tvw"));
        const ReadRecords dir = readRecordsFile(data.file("Wyniki.tvw"));
        QVERIFY(!dir.status.ok);
        QVERIFY(!dir.missing);
        QVERIFY(dir.status.message.contains(QLatin1String("Wyniki.tvw")));
    }

#ifdef Q_OS_UNIX
    void failedRewriteKeepsTheOldFile()
    {
        test::TempDataDir data;
        QByteArray many;
        for (int i = 0; i < 50; ++i)
            many += kAla;
        data.write("Wyniki.tvw", many);
        Records records = parseRecords(many);
        records.pop_back();
        Status s;
        {
            test::FileSizeLimit limit(1000); // the disk fills up half way
            s = writeRecordsFile(data.file("Wyniki.tvw"), records);
        }
        QVERIFY(!s.ok);
        QVERIFY(s.message.contains(QLatin1String("Wyniki.tvw")));
        QCOMPARE(data.read("Wyniki.tvw"), many);
        // No temporary file is left behind.
        QCOMPARE(QDir(data.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Wyniki.tvw"});
    }
#endif

    void comparison_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("numbers as text") << QStringList{"9", "10", "100", "2", "09"}
                                         << QStringList{"09", "10", "100", "2", "9"};
        QTest::newRow("A to Z folded") << QStringList{"ola", "Ala", "ewa", "Bartek", "OLA"}
                                       << QStringList{"Ala", "Bartek", "ewa", "ola", "OLA"};
        // Ś 0x8C, Ł 0xA3, Ż 0xAF, ł 0xB3, ż 0xBF: after every ASCII letter,
        // and a small Polish letter after the capitals.
        QTest::newRow("Polish letters by their codes")
            << QStringList{"żaneta", "Żaneta", "Łukasz", "Zenon", "Śmigły", "łucja", "zofia"}
            << QStringList{"Zenon", "zofia", "Śmigły", "Łukasz", "Żaneta", "łucja", "żaneta"};
        QTest::newRow("diacritics inside a word") << QStringList{"Aś", "Ax", "As"} << QStringList{"As", "Ax", "Aś"};
        // Small letters compare as capitals, so '_' (0x5F) comes after them.
        QTest::newRow("folded to capitals") << QStringList{"a_", "az", "A["} << QStringList{"az", "A[", "a_"};
        QTest::newRow("shorter first") << QStringList{"Ala Kot", "Ala", ""} << QStringList{"", "Ala", "Ala Kot"};
        QTest::newRow("times as text") << QStringList{"10 min 0 sek", "2 min 30 sek", "1 min 5 sek"}
                                       << QStringList{"1 min 5 sek", "10 min 0 sek", "2 min 30 sek"};
        QTest::newRow("equal texts keep their order") << QStringList{"ala", "ALA", "Ala", "ALa"}
                                                      << QStringList{"ala", "ALA", "Ala", "ALa"};
        // Short lists sort stably even by an unstable sort; forty do not.
        QStringList many, kasie, ale;
        for (int i = 0; i < 32; ++i) {
            QString k = QStringLiteral("kasia");
            for (int b = 0; b < 5; ++b)
                if (i & (1 << b))
                    k[b] = k[b].toUpper();
            kasie << k;
            many << k;
            if (i % 4 == 3) {
                QString a = QStringLiteral("ala");
                for (int b = 0; b < 3; ++b)
                    if ((i / 4) & (1 << b))
                        a[b] = a[b].toUpper();
                ale << a;
                many << a;
            }
        }
        QTest::newRow("forty texts, equal ones keep their order") << many << ale + kasie;
    }
    void comparison()
    {
        QFETCH(QStringList, texts);
        QFETCH(QStringList, sorted);
        Records records;
        for (const QString &t : texts)
            records.push_back(rec(t));
        QStringList out;
        for (int i : sortOrder(records, ColumnUser))
            out << texts.at(i);
        QCOMPARE(out, sorted);
        for (int i = 1; i < sorted.size(); ++i)
            QVERIFY(compareText(sorted.at(i - 1), sorted.at(i)) <= 0);
    }

    void compareTextIsSymmetric()
    {
        QCOMPARE(compareText("abc", "ABC"), 0);
        QCOMPARE(compareText("10", "9"), -1);
        QCOMPARE(compareText("9", "10"), 1);
        QCOMPARE(compareText("ą", "Ą"), 1); // 0xB9 after 0xA5
        QCOMPARE(compareText("Ą", "z"), 1);
    }

    void sortsByAnyColumn()
    {
        Records records{rec("Cezary", "9", "Mierny (2)"), rec("adam", "10", "Celujący (6)"),
                        rec("Bogdan", "11", "Bardzo dobry (5)")};
        auto order = [&](int column) {
            QStringList out;
            for (int i : sortOrder(records, column))
                out << records[i].user;
            return out;
        };
        QCOMPARE(order(ColumnUser), (QStringList{"adam", "Bogdan", "Cezary"}));
        QCOMPARE(order(ColumnGood), (QStringList{"adam", "Bogdan", "Cezary"}));
        QCOMPARE(order(ColumnGrade), (QStringList{"Bogdan", "adam", "Cezary"}));
        QCOMPARE(order(ColumnTitle), (QStringList{"Cezary", "adam", "Bogdan"})); // all equal: order kept
        QVERIFY(sortOrder({}, ColumnGrade).empty());
        QCOMPARE(users(records), (QStringList{"Cezary", "adam", "Bogdan"})); // the records stay put
    }

    void gradePictures_data()
    {
        QTest::addColumn<QString>("grade");
        QTest::addColumn<int>("picture");
        QTest::newRow("6") << "Celujący (6)" << 0;
        QTest::newRow("5+") << "Bardzo dobry plus (5+)" << 0;
        QTest::newRow("5") << "Bardzo dobry (5)" << 0;
        QTest::newRow("4+") << "Dobry plus (4+)" << 1;
        QTest::newRow("4-") << "Dobry minus (4-)" << 1;
        QTest::newRow("3") << "Dostateczny (3)" << 2;
        QTest::newRow("3 without blank") << "Dostateczny(3)" << 2;
        QTest::newRow("2=") << "Mierny z dwoma (2=)" << 3;
        QTest::newRow("2 two blanks") << "Mierny  (2)" << 3;
        QTest::newRow("1") << "Niedostateczny (1)" << 3;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("two letters") << "Do" << -1;
        QTest::newRow("small letter") << "dobry (4)" << -1;
        QTest::newRow("leading blank") << " Dobry (4)" << -1;
        QTest::newRow("other") << "Zaliczone" << -1;
    }
    void gradePictures()
    {
        QFETCH(QString, grade);
        QFETCH(int, picture);
        QCOMPARE(gradePicture(grade), picture);
    }

    void everyGradeOfTheScaleHasAPicture()
    {
        for (int markers = 1; markers <= 17; ++markers)
            for (int good = 0; good <= markers; ++good)
                QVERIFY2(gradePicture(singleTestGrade(markers, good).label) >= 0,
                         qPrintable(singleTestGrade(markers, good).label));
    }

    void theReport()
    {
        const QStringList lines = report({rec("Ala"), rec("Łucja", "12", "Celujący (6)")});
        QCOMPARE(lines.size(), 3 + 2 * 8);
        QCOMPARE(lines.at(0), QStringLiteral("        Terravia [KLIENT]"));
        QCOMPARE(lines.at(1), QStringLiteral("        Wyniki zapisanych testów"));
        QCOMPARE(lines.at(2), QStringLiteral("        ----------------------------"));
        const QStringList second = lines.mid(11);
        QCOMPARE(second, (QStringList{
                             "          Użytkownik: Łucja",
                             "          Nazwa testu: Test: Europa - Stolice",
                             "          Czas wykonywania testu: 1 min 0 sek",
                             "          W sumie zadań: 12",
                             "          Dobrych odpowiedzi: 12",
                             "          Złych odpowiedzi: 0",
                             "          Ocena: Celujący (6)",
                             "          -------------------------------",
                         }));
        QCOMPARE(report({}), reportHeader());
    }
};

QTEST_GUILESS_MAIN(TestResultsFile)
#include "tst_resultsfile.moc"
