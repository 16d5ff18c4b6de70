#include "Scripted.h"
#include "platform/Cp1250.h"
#include "platform/LineFile.h"

#include <QFile>
#include <QTest>

using namespace tv;

class TestCp1250 : public QObject {
    Q_OBJECT

private slots:
    // The conversion must agree with an independent reference for every byte,
    // whatever the system locale or the ICU build.
    void everyByteMatchesTheReference()
    {
        QFile bin(test::fixture(QStringLiteral("cp1250/all_bytes.bin")));
        QFile txt(test::fixture(QStringLiteral("cp1250/all_bytes.utf8")));
        QVERIFY(bin.open(QIODevice::ReadOnly));
        QVERIFY(txt.open(QIODevice::ReadOnly));
        const QByteArray bytes = bin.readAll();
        const QString expected = QString::fromUtf8(txt.readAll());
        QCOMPARE(bytes.size(), 256);
        QCOMPARE(expected.size(), 256);
        const QString decoded = cp1250::decode(bytes);
        for (int i = 0; i < 256; ++i)
            QVERIFY2(decoded.at(i) == expected.at(i), qPrintable(QStringLiteral("byte 0x%1").arg(i, 2, 16)));
        QCOMPARE(cp1250::encode(expected), bytes);
    }

    void polishLetters_data()
    {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<int>("byte");
        const QString letters = QStringLiteral("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
        const int bytes[] = {0xB9, 0xE6, 0xEA, 0xB3, 0xF1, 0xF3, 0x9C, 0x9F, 0xBF,
                             0xA5, 0xC6, 0xCA, 0xA3, 0xD1, 0xD3, 0x8C, 0x8F, 0xAF};
        for (int i = 0; i < letters.size(); ++i)
            QTest::newRow(qPrintable(letters.mid(i, 1))) << letters.mid(i, 1) << bytes[i];
    }
    void polishLetters()
    {
        QFETCH(QString, letter);
        QFETCH(int, byte);
        const QByteArray encoded = cp1250::encode(letter);
        QCOMPARE(encoded.size(), 1);
        QCOMPARE(static_cast<unsigned char>(encoded.at(0)), static_cast<unsigned char>(byte));
        QCOMPARE(cp1250::decode(encoded), letter);
    }

    void unrepresentableBecomesQuestionMark_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("cyrillic") << QStringLiteral("Ж") << QByteArray("?");
        QTest::newRow("greek in word") << QStringLiteral("aπb") << QByteArray("a?b");
        QTest::newRow("emoji is one mark") << QStringLiteral("x\U0001F600y") << QByteArray("x?y");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
        QTest::newRow("euro kept") << QStringLiteral("€") << QByteArray("\x80");
        // Latin letters the code page lacks, among those it has.
        QTest::newRow("Spanish n with tilde") << QStringLiteral("Espa\u00F1a") << QByteArray("Espa?a");
        QTest::newRow("Danish o with stroke") << QStringLiteral("\u00F8") << QByteArray("?");
        QTest::newRow("last before the combining marks") << QStringLiteral("\u02FF") << QByteArray("?");
    }
    void unrepresentableBecomesQuestionMark()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(cp1250::encode(text), bytes);
    }

    void linesSplit_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << QByteArray() << QStringList();
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("lf") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("no final end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("empty lines kept") << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
        QTest::newRow("only one cr dropped") << QByteArray("a\r\r\n") << QStringList{"a\r"};
        QTest::newRow("lone cr stays") << QByteArray("a\rb\n") << QStringList{"a\rb"};
        QTest::newRow("polish") << QByteArray("\xA3\xF3" "d\x9F\r\n") << QStringList{QStringLiteral("Łódź")};
    }
    void linesSplit()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(lines::split(bytes), lines);
    }

    void linesJoinWritesCrLfAfterEveryLine()
    {
        QCOMPARE(lines::join({QStringLiteral("Wisła12"), QString(), QStringLiteral("ż")}),
                 QByteArray("Wis\xB3" "a12\r\n\r\n\xBF\r\n"));
        QCOMPARE(lines::join({}), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestCp1250)
#include "tst_cp1250.moc"
