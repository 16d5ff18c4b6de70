#include "Scripted.h"
#include "results/ResultRecord.h"
#include "results/ResultState.h"
#include "results/ResultsFile.h"

#include <QTest>

using namespace tv;

Q_DECLARE_METATYPE(tv::ResultState::Closing)
Q_DECLARE_METATYPE(tv::ResultState::CloseAnswer)

class TestResultRecord : public QObject {
    Q_OBJECT

private slots:
    void writtenByteForByte()
    {
        test::TempDataDir data;
        // the record as the result dialog builds it from the judged figures
        const ResultRecord r = recordOf("Zoja Łęcka", {"Test: Polska - Rzeki i Jeziora", "1 min 15 sek", 12, 9, 3,
                                                      "Dobry (4)", "dbr.ico"});
        QVERIFY(appendResult(data.path(), r));
        QVERIFY(appendResult(data.path(), r));
        const QByteArray one = QByteArray("Zoja \xA3\xEA" "cka\r\nTest: Polska - Rzeki i Jeziora\r\n1 min 15 sek\r\n"
                                          "12\r\n9\r\n3\r\nDobry (4)\r\n");
        QCOMPARE(data.read("Wyniki.tvw"), one + one);
    }

    // Whether the test window may close, by the close state and the lesson.
    void closeAnswers_data()
    {
        QTest::addColumn<ResultState::Closing>("closing");
        QTest::addColumn<bool>("session");
        QTest::addColumn<ResultState::CloseAnswer>("answer");
        using C = ResultState::Closing;
        using A = ResultState::CloseAnswer;
        QTest::newRow("alone, nothing pending") << C::Allowed << false << A::CloseLocally;
        QTest::newRow("alone, result pending") << C::Pending << false << A::Stay;
        QTest::newRow("alone, close now") << C::Now << false << A::CloseAtOnce;
        QTest::newRow("lesson, not judged") << C::Allowed << true << A::Stay;
        QTest::newRow("lesson, result pending") << C::Pending << true << A::Stay;
        QTest::newRow("lesson, sent or ended by the teacher") << C::Now << true << A::CloseAtOnce;
    }
    void closeAnswers()
    {
        QFETCH(ResultState::Closing, closing);
        QFETCH(bool, session);
        QFETCH(ResultState::CloseAnswer, answer);
        ResultState state;
        state.closing = closing;
        QCOMPARE(state.answerClose(session), answer);
    }

    // A file that ends in the middle of a line or of a record is completed
    // before the new record, so the old records read as before and the new
    // one starts on a record boundary.
    void appendingCompletesTheLastRecord_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("completion");
        const QByteArray ala = "Ala\r\nTest: Europa - Stolice\r\n1 min 5 sek\r\n12\r\n10\r\n2\r\nDobry (4)\r\n";
        QTest::newRow("no file") << QByteArray() << QByteArray();
        QTest::newRow("whole records") << ala << QByteArray();
        QTest::newRow("last line without its end") << ala.chopped(2) << QByteArray("\r\n");
        QTest::newRow("cut between CR and LF") << ala.chopped(1) << QByteArray("\n");
        QTest::newRow("short record") << ala + "Ola\r\nTest: Polska - Rzeki i Jeziora\r\n"
                                      << QByteArray("\r\n\r\n\r\n\r\n\r\n");
        QTest::newRow("short record, cut inside a line")
            << ala + "Ola\r\nTest: Pol" << QByteArray("\r\n\r\n\r\n\r\n\r\n\r\n");
        QTest::newRow("one empty line") << QByteArray("\r\n") << QByteArray("\r\n\r\n\r\n\r\n\r\n\r\n");
        QTest::newRow("bare LF lines") << QByteArray("a\nb\nc\n") << QByteArray("\r\n\r\n\r\n\r\n");
        QTest::newRow("six lines, the sixth unended")
            << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6") << QByteArray("\r\n\r\n");
    }
    void appendingCompletesTheLastRecord()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, completion);
        test::TempDataDir data;
        if (!before.isEmpty())
            data.write("Wyniki.tvw", before);
        const ResultRecord r{"Uczeń 2", "Test: Polska - Województwa", "2 min 0 sek", "16", "15", "1",
                             "Bardzo dobry (5)"};
        QVERIFY(appendResult(data.path(), r));
        const QByteArray after = data.read("Wyniki.tvw");
        QCOMPARE(after, before + completion + results::recordBytes({r}));
        results::Records expected = results::parseRecords(before);
        expected.push_back(r);
        QVERIFY(results::parseRecords(after) == expected);
    }

#ifdef Q_OS_UNIX
    // The completion is taken back with the record when the disk is full.
    void failedAppendTakesBackTheCompletionToo()
    {
        test::TempDataDir data;
        const QByteArray before = "Ola\r\nTest: Pol";
        data.write("Wyniki.tvw", before);
        const ResultRecord r{QString(400, QLatin1Char('x')), "t", "c", "1", "1", "0", "g"};
        Status s;
        {
            test::FileSizeLimit limit(200);
            s = appendResult(data.path(), r);
        }
        QVERIFY(!s.ok);
        QCOMPARE(data.read("Wyniki.tvw"), before);
    }
#endif

    void fieldsStayOnOneLine_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("stored");
        QTest::newRow("crlf") << "Ala\r\nMa Kota" << "Ala  Ma Kota";
        QTest::newRow("lf") << "Ala\nKot" << "Ala Kot";
        QTest::newRow("tab") << "Ala\tKot" << "Ala Kot";
        QTest::newRow("line separator") << QString("Ala") + QChar(0x2028) + "Kot" << "Ala Kot";
        QTest::newRow("blanks kept") << "  Ala  " << "  Ala  ";
        QTest::newRow("empty") << "" << "";
    }
    void fieldsStayOnOneLine()
    {
        QFETCH(QString, field);
        QFETCH(QString, stored);
        const ResultRecord r{field, field, field, field, field, field, field};
        const QStringList lines = r.lines();
        QCOMPARE(lines.size(), 7);
        for (const QString &l : lines)
            QCOMPARE(l, stored);
    }

    void readsBackWhatWasWritten()
    {
        const ResultRecord r{"A", "B", "C", "D", "E", "F", "G"};
        const ResultRecord back = ResultRecord::fromLines(r.lines());
        QCOMPARE(back.lines(), r.lines());
        QCOMPARE(ResultRecord::fromLines({"A", "B"}).grade, QString());
    }
};

QTEST_GUILESS_MAIN(TestResultRecord)
#include "tst_resultrecord.moc"
