#include "Scripted.h"
#include "platform/Cp1250.h"
#include "platform/Files.h"
#include "profile/Skins.h"

#include <QDir>
#include <QTest>

using namespace tv;

class TestSkins : public QObject {
    Q_OBJECT

private slots:
    void entriesAndPreviews_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("preview");
        QTest::addColumn<QString>("skin");
        QTest::newRow("standard") << 0 << "STANDARDOWY WINDOWS" << "" << "";
        QTest::newRow("1") << 1 << "SKÓRA NR 1" << "s1.jpg" << "skora1.skn";
        QTest::newRow("4") << 4 << "SKÓRA NR 4" << "s4.jpg" << "skora4.skn";
        QTest::newRow("5 shows s6") << 5 << "SKÓRA NR 5" << "s6.jpg" << "skora5.skn";
        QTest::newRow("7 shows s8") << 7 << "SKÓRA NR 7" << "s8.jpg" << "skora7.skn";
        QTest::newRow("beyond") << 8 << "SKÓRA NR 8" << "" << "";
    }
    void entriesAndPreviews()
    {
        QFETCH(int, index);
        QFETCH(QString, entry);
        QFETCH(QString, preview);
        QFETCH(QString, skin);
        QCOMPARE(skins::entryText(index), entry);
        QCOMPARE(skins::previewFile(index), preview);
        QCOMPARE(skins::skinFile(index), skin);
    }

    void choiceWrittenDeletedAndLeftAlone()
    {
        test::TempDataDir data;
        QVERIFY(skins::writeChoice(data.path(), 0).ok); // standard, no file: nothing on disk
        QVERIFY(QDir(data.path()).isEmpty());
        QVERIFY(skins::writeChoice(data.path(), 5).ok);
        QCOMPARE(data.read(QStringLiteral("Skins.dat")), QByteArray("5\r\n"));
        QCOMPARE(skins::readChoice(data.path()), std::optional<int>(5));
        QVERIFY(skins::writeChoice(data.path(), 2).ok); // truncated, not appended
        QCOMPARE(data.read(QStringLiteral("Skins.dat")), QByteArray("2\r\n"));
        QVERIFY(skins::writeChoice(data.path(), 0).ok);
        QVERIFY(!data.has(QStringLiteral("Skins.dat")));
        QCOMPARE(skins::readChoice(data.path()), std::nullopt);
    }

    void choiceRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("index"); // 0: none
        QTest::newRow("1") << QByteArray("1\r\n") << 1;
        QTest::newRow("7") << QByteArray("7\r\n") << 7;
        QTest::newRow("no line end") << QByteArray("3") << 3;
        QTest::newRow("out of range") << QByteArray("8\r\n") << 0;
        QTest::newRow("zero") << QByteArray("0\r\n") << 0;
        QTest::newRow("text") << QByteArray("niebo\r\n") << 0;
        QTest::newRow("empty") << QByteArray() << 0;
    }
    void choiceRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, index);
        test::TempDataDir data;
        data.write(QStringLiteral("skins.DAT"), bytes);
        QCOMPARE(skins::readChoice(data.path()).value_or(0), index);
    }

    void skinFileParsed()
    {
        const QByteArray bytes = cp1250::encode(QStringLiteral(
            "# komentarz\r\n\r\nnazwa = Zorza polarna\r\nOKNO=#1E2638\r\n  tekst =  #e6ecf7 \r\n"
            "obraz = skora4_tlo.jpg\r\nobraz_testu = skora4_test.jpg\r\n"));
        const skins::SkinLoad load = skins::parseSkin(bytes, QStringLiteral("skora4.skn"));
        QVERIFY2(load.status.ok, qPrintable(load.status.message));
        QCOMPARE(load.skin.name, QStringLiteral("Zorza polarna"));
        QCOMPARE(load.skin.colour(QStringLiteral("okno")), QStringLiteral("#1e2638"));
        QCOMPARE(load.skin.colour(QStringLiteral("tekst")), QStringLiteral("#e6ecf7"));
        QCOMPARE(load.skin.colour(QStringLiteral("pole")), QString());
        QCOMPARE(load.skin.picture, QStringLiteral("skora4_tlo.jpg"));
        QCOMPARE(load.skin.testPicture, QStringLiteral("skora4_test.jpg"));
    }

    void skinFileFaults_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("bad colour") << QByteArray("nazwa = X\r\nokno = #12345\r\n")
                                    << "Błąd w pliku skóry s.skn, wiersz 2: \"#12345\" nie jest kolorem #rrggbb";
        QTest::newRow("no equals") << QByteArray("# a\r\nokno #123456\r\n")
                                   << "Błąd w pliku skóry s.skn, wiersz 2: brak znaku \"=\"";
        QTest::newRow("unknown key") << QByteArray("kolor = #123456\r\n")
                                     << "Błąd w pliku skóry s.skn, wiersz 1: nieznany klucz \"kolor\"";
    }
    void skinFileFaults()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const skins::SkinLoad load = skins::parseSkin(bytes, QStringLiteral("s.skn"));
        QVERIFY(!load.status.ok);
        QCOMPARE(load.status.message, message);
    }

    // The seven skins of the content pack: each describes itself fully and
    // names pictures that are there, and every preview but s5.jpg exists.
    void shippedSkins()
    {
        const QString dir = QStringLiteral(TERRAVIA_CONTENT_DIR);
        QStringList names;
        for (int i = 1; i < skins::kCount; ++i) {
            const skins::SkinLoad load = skins::loadSkin(dir, i);
            QVERIFY2(load.status.ok, qPrintable(load.status.message));
            QVERIFY(!load.skin.name.isEmpty());
            names << load.skin.name;
            for (const QString &key : skins::colourKeys())
                QVERIFY2(!load.skin.colour(key).isEmpty(), qPrintable(skins::skinFile(i) + QLatin1Char(' ') + key));
            QVERIFY(files::exists(dir, load.skin.picture));
            QVERIFY(files::exists(dir, load.skin.testPicture));
            QVERIFY(files::exists(dir, skins::previewFile(i)));
        }
        names.removeDuplicates();
        QCOMPARE(names.size(), skins::kCount - 1);
        QVERIFY(!files::exists(dir, QStringLiteral("s5.jpg")));
    }
};

QTEST_GUILESS_MAIN(TestSkins)
#include "tst_skins.moc"
