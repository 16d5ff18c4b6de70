#include "Scripted.h"
#include "platform/Files.h"
#include "profile/Settings.h"

#include <QTest>

using namespace tv;

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void missingFileGivesDefaultsWithoutCreatingIt()
    {
        test::TempDataDir data;
        const SettingsLoad load = loadSettings(data.path());
        QVERIFY(load.fileMissing);
        QVERIFY(load.status.ok);
        QCOMPARE(load.settings.startMaximised, 1);
        QCOMPARE(load.settings.startCreator, 1);
        QCOMPARE(load.settings.removePlacedNames, 1);
        QCOMPARE(load.settings.dropSound, QString());
        QCOMPARE(load.settings.topGradeSound, QString());
        QVERIFY(load.settings.users.isEmpty());
        QCOMPARE(load.maximise, std::optional<bool>(true));
        QVERIFY(!data.has(QStringLiteral("konf.dat")));
    }

    void missingFileTakesTheBundledSoundsWhenPresent()
    {
        test::TempDataDir data;
        data.write(QStringLiteral("Ups.wav"), "RIFF");
        data.write(QStringLiteral("cel.WAV"), "RIFF");
        const SettingsLoad load = loadSettings(data.path());
        QCOMPARE(load.settings.dropSound, files::resolve(data.path(), QStringLiteral("Ups.wav")));
        QCOMPARE(test::fileCase(load.settings.topGradeSound),
                 test::fileCase(files::resolve(data.path(), QStringLiteral("cel.WAV"))));
    }

    void parse_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("opt1");
        QTest::addColumn<int>("opt2");
        QTest::addColumn<QString>("drop");
        QTest::addColumn<QString>("top");
        QTest::addColumn<int>("opt5");
        QTest::addColumn<QStringList>("users");
        QTest::addColumn<int>("maximise"); // -1 unset, 0 normal, 1 maximised
        QTest::addColumn<int>("errorLine");

        QTest::newRow("empty file keeps zeros and the designed window")
            << QStringList() << 0 << 0 << "" << "" << 0 << QStringList() << -1 << 0;
        QTest::newRow("five lines: no users")
            << QStringList{"1", "0", "C:\\a.wav", "Brak dźwięku", "1"} << 1 << 0 << "C:\\a.wav" << "Brak dźwięku" << 1
            << QStringList() << 1 << 0;
        QTest::newRow("sixth empty line is a user with an empty name")
            << QStringList{"0", "1", "", "", "0", ""} << 0 << 1 << "" << "" << 0 << QStringList{""} << 0 << 0;
        QTest::newRow("users in order, as typed")
            << QStringList{"1", "1", "", "", "1", "Zoja Łęcka", "  Adam ", "Zoja Łęcka"} << 1 << 1 << "" << ""
            << 1 << QStringList{"Zoja Łęcka", "  Adam ", "Zoja Łęcka"} << 1 << 0;
        QTest::newRow("two lines only") << QStringList{"0", "1"} << 0 << 1 << "" << "" << 0 << QStringList() << 0
                                        << 0;
        QTest::newRow("option 2 other than one") << QStringList{"2", "7", "", "", "-1"} << 2 << 7 << "" << "" << -1
                                                 << QStringList() << 0 << 0;
        QTest::newRow("01 counts as 1 but is not exactly 1")
            << QStringList{"01", "1"} << 1 << 1 << "" << "" << 0 << QStringList() << 0 << 0;
        QTest::newRow("bad line 1 stops at once")
            << QStringList{"tak", "1", "x", "y", "1", "Ola"} << 0 << 0 << "" << "" << 0 << QStringList() << -1 << 1;
        QTest::newRow("bad line 2 keeps line 1")
            << QStringList{"0", "", "x", "y", "1", "Ola"} << 0 << 0 << "" << "" << 0 << QStringList() << 0 << 2;
        QTest::newRow("bad line 5 keeps the sounds, drops the users")
            << QStringList{"1", "1", "a.wav", "b.wav", "1.0", "Ola"} << 1 << 1 << "a.wav" << "b.wav" << 0
            << QStringList() << 1 << 5;
        QTest::newRow("number too large") << QStringList{"99999999999"} << 0 << 0 << "" << "" << 0 << QStringList()
                                          << -1 << 1;
        // A damaged file's line may be megabytes long: the message quotes its
        // beginning only.
        QTest::newRow("a line of a million characters")
            << QStringList{"1", QString(1000000, QLatin1Char('5')) + "x"} << 1 << 0 << "" << "" << 0 << QStringList()
            << 1 << 2;
    }
    void parse()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, opt1);
        QFETCH(int, opt2);
        QFETCH(QString, drop);
        QFETCH(QString, top);
        QFETCH(int, opt5);
        QFETCH(QStringList, users);
        QFETCH(int, maximise);
        QFETCH(int, errorLine);
        const SettingsLoad r = parseSettings(lines);
        QCOMPARE(r.settings.startMaximised, opt1);
        QCOMPARE(r.settings.startCreator, opt2);
        QCOMPARE(r.settings.dropSound, drop);
        QCOMPARE(r.settings.topGradeSound, top);
        QCOMPARE(r.settings.removePlacedNames, opt5);
        QCOMPARE(r.settings.users, users);
        QCOMPARE(r.maximise.has_value() ? int(*r.maximise) : -1, maximise);
        QCOMPARE(r.errorLine, errorLine);
        QCOMPARE(r.status.ok, errorLine == 0);
        if (errorLine) {
            QVERIFY(r.status.message.contains(QLatin1String("konf.dat")));
            QVERIFY(r.status.message.contains(QStringLiteral("wiersz %1").arg(errorLine)));
            QVERIFY(r.status.message.size() < 300);
        }
    }

    void decimal_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("ok");
        QTest::newRow("plain") << "17" << 17 << true;
        QTest::newRow("leading blanks") << "  3" << 3 << true;
        QTest::newRow("sign") << "-5" << -5 << true;
        QTest::newRow("plus") << "+5" << 5 << true;
        QTest::newRow("min") << "-2147483648" << int(-2147483647 - 1) << true;
        QTest::newRow("max") << "2147483647" << 2147483647 << true;
        QTest::newRow("over max") << "2147483648" << 0 << false;
        QTest::newRow("trailing blank") << "3 " << 0 << false;
        QTest::newRow("empty") << "" << 0 << false;
        QTest::newRow("sign only") << "-" << 0 << false;
        QTest::newRow("hex") << "0x10" << 0 << false;
        QTest::newRow("cr left over") << "3\r" << 0 << false;
    }
    void decimal()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QFETCH(bool, ok);
        const auto v = parseDecimal(text);
        QCOMPARE(v.has_value(), ok);
        if (ok)
            QCOMPARE(*v, value);
    }

    void savedLinesReadBackTheSame()
    {
        test::TempDataDir data;
        const QStringList content = settingsLines(QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("C:\\x.wav"),
                                                  QString(), QStringLiteral("1"),
                                                  {QStringLiteral("Żaneta Świątek"), QString()});
        QVERIFY(saveSettingsLines(data.path(), content));
        QCOMPARE(data.read(QStringLiteral("konf.dat")),
                 QByteArray("0\r\n1\r\nC:\\x.wav\r\n\r\n1\r\n\xAF" "aneta \x8Cwi\xB9tek\r\n\r\n"));
        const SettingsLoad r = loadSettings(data.path());
        QCOMPARE(r.settings.users, (QStringList{QStringLiteral("Żaneta Świątek"), QString()}));
        QCOMPARE(r.settings.dropSound, QStringLiteral("C:\\x.wav"));
    }

    // A line break pasted into a name or held in a sound path would split
    // the text in two: the name comes back as two users, and a sound path
    // pushes the option after it off line 5.
    void textsStayOnOneLine_data()
    {
        QTest::addColumn<QString>("drop");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("LF in a name") << "" << "Jan\nKowalski"
                                      << QByteArray("1\r\n1\r\n\r\n\r\n1\r\nJan Kowalski\r\n");
        QTest::newRow("CR LF in a name") << "" << "a\r\nb" << QByteArray("1\r\n1\r\n\r\n\r\n1\r\na  b\r\n");
        QTest::newRow("LF in a sound path") << "a\nb.wav" << "Ola"
                                            << QByteArray("1\r\n1\r\na b.wav\r\n\r\n1\r\nOla\r\n");
    }
    void textsStayOnOneLine()
    {
        QFETCH(QString, drop);
        QFETCH(QString, user);
        QFETCH(QByteArray, file);
        test::TempDataDir data;
        QVERIFY(saveSettingsLines(data.path(), settingsLines("1", "1", drop, "", "1", {user})));
        QCOMPARE(data.read(QStringLiteral("konf.dat")), file);
        // Lines given as they are go onto one line each too.
        QVERIFY(saveSettingsLines(data.path(), {"1", "1", drop, "", "1", user}));
        QCOMPARE(data.read(QStringLiteral("konf.dat")), file);
        const SettingsLoad r = loadSettings(data.path());
        QVERIFY(r.status.ok);
        QCOMPARE(r.settings.users.size(), 1);
    }

#ifdef Q_OS_UNIX
    void failedSaveKeepsTheOldFile()
    {
        test::TempDataDir data;
        data.write(QStringLiteral("konf.dat"), "1\r\n1\r\n\r\n\r\n1\r\nOla\r\n");
        QStringList many;
        for (int i = 0; i < 500; ++i)
            many << QStringLiteral("Uczeń %1").arg(i);
        Status st;
        {
            test::FileSizeLimit limit(64);
            st = saveSettingsLines(data.path(), settingsLines("1", "1", "", "", "1", many));
        }
        QVERIFY(!st.ok);
        QCOMPARE(data.read(QStringLiteral("konf.dat")), QByteArray("1\r\n1\r\n\r\n\r\n1\r\nOla\r\n"));
    }
#endif
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
