#include "Scripted.h"
#include "catalogue/OwnTests.h"
#include "platform/Files.h"
#include "platform/LineFile.h"
#include "quiz/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(tv::owntests::OwnTest)

using namespace tv;
using namespace tv::owntests;

namespace {

// Eight pixels a character stands in for the marker font.
int eightEach(const QString &s)
{
    return 8 * int(s.size());
}

OwnTest sample()
{
    return {QStringLiteral("RM"), QStringLiteral("Rzeki Mazowsza"),
            {{QPoint(10, 20), QStringLiteral("Wisła")},
             {QPoint(150, 40), QStringLiteral("Bug")},
             {QPoint(300, 60), QStringLiteral("Narew")}}};
}

const QSize kPicture(640, 480);
const QByteArray kJpeg("\xFF\xD8\xFF\xE0 not really a picture");

} // namespace

class TestOwnTests : public QObject {
    Q_OBJECT

    test::TempDataDir *data = nullptr;

private slots:
    void init() { data = new test::TempDataDir; }
    void cleanup()
    {
        files::setSystemConfigFile(QString());
        delete data;
    }

    void folderIsTheUsersOrTheSharedOne()
    {
        QCOMPARE(folder(), QDir(files::userDir()).filePath(QStringLiteral("Moje testy")));
        data->write(QStringLiteral("terravia.conf"), "results=/x\nmytests=/srv/klasa/testy\n");
        files::setSystemConfigFile(data->file(QStringLiteral("terravia.conf")));
        QCOMPARE(folder(), QStringLiteral("/srv/klasa/testy"));
    }

    void codes_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("code");
        QTest::newRow("initials") << "Rzeki Mazowsza" << QStringList{} << "RM";
        QTest::newRow("diacritics") << "Łódzkie, śląskie i żuławy" << QStringList{} << "LSIZ";
        QTest::newRow("at most six") << "a b c d e f g h" << QStringList{} << "ABCDEF";
        QTest::newRow("taken, any case") << "Rzeki Mazowsza" << QStringList{"rm", "RM2"} << "RM3";
        QTest::newRow("no letters") << "!!!" << QStringList{} << "T";
        QTest::newRow("digits") << "Stolice UE 27" << QStringList{} << "SU2";
    }
    void codes()
    {
        QFETCH(QString, title);
        QFETCH(QStringList, taken);
        QFETCH(QString, code);
        QCOMPARE(deriveCode(title, taken), code);
    }

    // A saved test is one the pack's reader takes as any other.
    void savedTestReadsBackThroughThePackReader()
    {
        const QString dir = folder();
        QVERIFY(save(dir, sample(), kJpeg, kPicture, eightEach).ok);
        QCOMPARE(data->read(QStringLiteral("Moje testy/RM.dat")), QByteArray("3\r\nRzeki Mazowsza\r\n10\r\n20\r\n150\r\n40\r\n300\r\n60\r\n"));
        QCOMPARE(data->read(QStringLiteral("Moje testy/RM_o.dat")), QByteArray("Wis\xB3" "a11\r\nBug12\r\nNarew13\r\n"));
        QCOMPARE(data->read(QStringLiteral("Moje testy/RM.jpg")), kJpeg);

        const auto conf = lines::readFile(QDir(dir).filePath(QStringLiteral("RM.dat")));
        const ConfigurationRead c = parseConfiguration(conf.lines, QStringLiteral("RM.dat"));
        QVERIFY(c.status.ok);
        QCOMPARE(c.config.count, 3);
        QCOMPARE(c.config.positions[2], QPoint(300, 60));
        const QStringList desc = parseDescription(lines::readFile(QDir(dir).filePath(QStringLiteral("RM_o.dat"))).lines);
        QCOMPARE(answerName(desc.at(0)), QStringLiteral("Wisła"));
        QCOMPARE(*answerNumber(desc.at(2)), 13);

        const ReadBack back = read(dir, QStringLiteral("RM"));
        QVERIFY(back.status.ok);
        QCOMPARE(back.test.title, sample().title);
        QCOMPARE(back.test.markers.size(), 3);
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(back.test.markers[k].position, sample().markers[k].position);
            QCOMPARE(back.test.markers[k].name, sample().markers[k].name);
        }
    }

    void listedByTitleInPolishOrder()
    {
        const QString dir = folder();
        OwnTest t = sample();
        for (const auto &[code, title] : std::initializer_list<std::pair<const char *, const char *>>{
                 {"ZZ", "Zatoki"}, {"LL", "Łańcuchy górskie"}, {"LA", "Lasy"}, {"MI", "Miasta"}}) {
            t.code = QString::fromUtf8(code);
            t.title = QString::fromUtf8(title);
            QVERIFY(save(dir, t, kJpeg, kPicture, eightEach).ok);
        }
        data->write(QStringLiteral("Moje testy/XX.dat"), "1\r\nBez obrazu\r\n0\r\n0\r\n"); // incomplete: not listed
        QStringList titles;
        for (const Listed &l : list(dir))
            titles << l.title;
        QCOMPARE(titles, (QStringList{"Lasy", "Łańcuchy górskie", "Miasta", "Zatoki"}));
        QCOMPARE(resultTitles(dir).first(), QStringLiteral("Test: Moje - Lasy"));
    }

    // Every check before saving, each with its own message; nothing is written.
    void checksBeforeSaving_data()
    {
        QTest::addColumn<OwnTest>("test");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QString>("message");
        OwnTest t = sample();
        t.title = "  ";
        QTest::newRow("title") << t << kPicture << "Test nie ma tytułu";
        t = sample();
        t.markers.clear();
        QTest::newRow("no marker") << t << kPicture << "Test nie ma żadnego pola";
        t = sample();
        t.markers[1].name = "";
        QTest::newRow("unnamed") << t << kPicture << "Pole 2 nie ma nazwy.";
        t = sample();
        t.markers[2].name = "Wisła";
        QTest::newRow("same name") << t << kPicture << "Pola 1 i 3 mają tę samą nazwę \"Wisła\".";
        t = sample();
        t.markers[0].position = QPoint(640 - 128, 10);
        QTest::newRow("outside right") << t << kPicture << "Pole 1 wychodzi poza obraz";
        t = sample();
        t.markers[1].position = QPoint(5, -1);
        QTest::newRow("outside top") << t << kPicture << "Pole 2 wychodzi poza obraz";
        t = sample();
        t.markers[0].name = "Kanał Żerański i okolice";
        QTest::newRow("too wide") << t << kPicture << "Nazwa pola 1 (\"Kanał Żerański i okolice\") nie mieści się";
        t = sample();
        t.markers[2].name = "Дунай";
        QTest::newRow("not cp1250 name") << t << kPicture << "W nazwie pola 3 jest znak \"Д\"";
        t = sample();
        t.title = "Rzeki ★";
        QTest::newRow("not cp1250 title") << t << kPicture << "W tytule jest znak \"★\"";
        t = sample();
        QTest::newRow("no picture") << t << QSize() << "Test nie ma obrazu";
        QTest::newRow("picture too large") << t << QSize(4001, 100) << "Największy obraz, jaki może mieć test, ma 4000 × 3000 pikseli.";
        t = sample();
        while (t.markers.size() <= 17)
            t.markers.append({QPoint(0, 0), QString("N%1").arg(t.markers.size())});
        QTest::newRow("eighteen") << t << kPicture << "najwyżej 17 pól";
    }
    void checksBeforeSaving()
    {
        QFETCH(OwnTest, test);
        QFETCH(QSize, picture);
        QFETCH(QString, message);
        const QStringList found = problems(test, picture, eightEach);
        QVERIFY2(found.join('\n').contains(message), qPrintable(found.join('\n')));
        const Status s = save(folder(), test, kJpeg, picture, eightEach);
        QVERIFY(!s.ok);
        QVERIFY(!QDir(folder()).exists() || QDir(folder()).isEmpty());
    }
    void aSoundTestHasNoProblem()
    {
        QVERIFY(problems(sample(), kPicture, eightEach).isEmpty());
        OwnTest t = sample();
        t.markers[1].name = "wisła"; // judged exactly, so a different name
        t.markers[0].position = QPoint(640 - 129, 480 - 25);
        QVERIFY(problems(t, kPicture, eightEach).isEmpty());
    }

    // A file damaged by hand is reported with its line, and left as it was.
    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("configuration");
        QTest::addColumn<QByteArray>("description");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a number") << QByteArray("2\r\nT\r\n10\r\nx20\r\n5\r\n5\r\n") << QByteArray("A11\r\nB12\r\n")
                                      << "RM.dat, wiersz 4";
        QTest::newRow("count") << QByteArray("18\r\nT\r\n") << QByteArray("A11\r\n") << "od 1 do 17";
        QTest::newRow("place missing") << QByteArray("2\r\nT\r\n10\r\n20\r\n5\r\n") << QByteArray("A11\r\nB12\r\n")
                                       << "RM.dat, wiersz 5: brak położenia pola 2";
        QTest::newRow("bad number") << QByteArray("2\r\nT\r\n1\r\n1\r\n5\r\n5\r\n") << QByteArray("A11\r\nB19\r\n")
                                    << "RM_o.dat, wiersz 2";
        QTest::newRow("twice") << QByteArray("2\r\nT\r\n1\r\n1\r\n5\r\n5\r\n") << QByteArray("A11\r\nB11\r\n")
                               << "RM_o.dat, wiersz 2: pole 1 ma już nazwę";
        QTest::newRow("name missing") << QByteArray("2\r\nT\r\n1\r\n1\r\n5\r\n5\r\n") << QByteArray("A12\r\n")
                                      << "pole 1 nie ma nazwy";
    }
    void damagedFiles()
    {
        QFETCH(QByteArray, configuration);
        QFETCH(QByteArray, description);
        QFETCH(QString, message);
        QVERIFY(files::ensureDir(folder()));
        data->write(QStringLiteral("Moje testy/RM.dat"), configuration);
        data->write(QStringLiteral("Moje testy/RM_o.dat"), description);
        data->write(QStringLiteral("Moje testy/RM.jpg"), kJpeg);
        const ReadBack back = read(folder(), QStringLiteral("RM"));
        QVERIFY(!back.status.ok);
        QVERIFY2(back.status.message.contains(message), qPrintable(back.status.message));
        QCOMPARE(data->read(QStringLiteral("Moje testy/RM.dat")), configuration);
        QCOMPARE(data->read(QStringLiteral("Moje testy/RM_o.dat")), description);
    }

    void exportAndImport()
    {
        QVERIFY(save(folder(), sample(), kJpeg, kPicture, eightEach).ok);
        const QString stick = data->file(QStringLiteral("pendrive"));
        QVERIFY(exportTest(folder(), QStringLiteral("RM"), stick).ok);
        for (const char *n : {"RM.dat", "RM_o.dat", "RM.jpg"})
            QCOMPARE(data->read(QString("pendrive/") + n), data->read(QString("Moje testy/") + n));

        // On the pupil's computer: a fresh folder takes it without a question.
        const QString other = data->file(QStringLiteral("uczen"));
        int asked = 0;
        auto yes = [&asked](const QString &, const QString &) { ++asked; return true; };
        Imported in = importTest(stick + QStringLiteral("/RM.dat"), other, yes);
        QVERIFY(in.status.ok);
        QCOMPARE(in.code, QStringLiteral("RM"));
        QCOMPARE(asked, 0);
        QCOMPARE(read(other, QStringLiteral("RM")).test.title, sample().title);

        // The same code again is asked about; "no" leaves the old test.
        OwnTest changed = sample();
        changed.title = QStringLiteral("Rzeki Mazowsza i Podlasia");
        QVERIFY(save(stick, changed, kJpeg, kPicture, eightEach).ok);
        QString askedTitle;
        in = importTest(stick + QStringLiteral("/RM.dat"), other, [&askedTitle](const QString &, const QString &t) {
            askedTitle = t;
            return false;
        });
        QVERIFY(in.cancelled);
        QCOMPARE(askedTitle, sample().title);
        QCOMPARE(read(other, QStringLiteral("RM")).test.title, sample().title);
        in = importTest(stick + QStringLiteral("/RM.dat"), other, yes);
        QVERIFY(in.status.ok);
        QCOMPARE(read(other, QStringLiteral("RM")).test.title, changed.title);
    }

    void importRefusesWhatDoesNotReadBack()
    {
        QVERIFY(save(folder(), sample(), kJpeg, kPicture, eightEach).ok);
        const QString stick = data->file(QStringLiteral("pendrive"));
        QVERIFY(exportTest(folder(), QStringLiteral("RM"), stick).ok);
        const QString other = data->file(QStringLiteral("uczen"));
        QVERIFY(!importTest(stick + QStringLiteral("/RM_o.dat"), other, {}).status.ok);
        data->write(QStringLiteral("pendrive/RM_o.dat"), "Wisla11\r\n");
        const Imported in = importTest(stick + QStringLiteral("/RM.dat"), other, {});
        QVERIFY(!in.status.ok);
        QVERIFY(in.status.message.contains(QStringLiteral("pole 2 nie ma nazwy")));
        QVERIFY(!QFileInfo::exists(other + QStringLiteral("/RM.dat")));
    }
};

QTEST_GUILESS_MAIN(TestOwnTests)
#include "tst_own_tests.moc"
