#include "Scripted.h"
#include "results/ResultRecord.h"

#include <QTest>

using namespace tv;

class TestResultRecord : public QObject {
    Q_OBJECT

private slots:
    void writtenByteForByte()
    {
        test::TempDataDir data;
        const ResultRecord r{"Zoja Łęcka", "Test: Polska - Rzeki i Jeziora", "1 min 15 sek", "12", "9", "3",
                             "Dobry (4)"};
        QVERIFY(appendResult(data.path(), r));
        QVERIFY(appendResult(data.path(), r));
        const QByteArray one = QByteArray("Zoja \xA3\xEA" "cka\r\nTest: Polska - Rzeki i Jeziora\r\n1 min 15 sek\r\n"
                                          "12\r\n9\r\n3\r\nDobry (4)\r\n");
        QCOMPARE(data.read("Wyniki.tvw"), one + one);
    }

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
