// The rules of "Jakie to miejsce": the grade ladder, the covers, the draw,
// the search and the counts of one game.

#include "game/PlaceGame.h"
#include "platform/Cp1250.h"

#include <QTest>

#include <set>

using namespace tv;
using namespace tv::game;

class TestPlaceGame : public QObject {
    Q_OBJECT

private slots:
    void ladder_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("grade");
        const struct {
            int from, to;
            const char *grade;
        } bands[] = {
            {0, 2, "Celujący (6)"},
            {3, 4, "Bardzo dobry (5)"},
            {5, 6, "Bardzo dobry minus (5-)"},
            {7, 10, "Dobry plus (4+)"},
            {11, 13, "Dobry (4)"},
            {14, 16, "Dobry minus (4-)"},
            {17, 20, "Dostateczny plus (3+)"},
            {21, 22, "Dostateczny (3)"},
            {23, 23, "Dostateczny minus (3-)"},
            {24, 27, "Mirny (2)"},
            {28, 28, "Mirny minus (2-)"},
            {29, 31, "Mierny z dwoma minusami (2=)"},
            {32, 72, "Niedostateczny (1)"},
        };
        for (const auto &b : bands)
            for (int p : {b.from, b.to})
                QTest::addRow("%d", p) << p << QString::fromUtf8(b.grade);
    }
    void ladder()
    {
        QFETCH(int, points);
        QFETCH(QString, grade);
        QCOMPARE(gradeFor(points), grade);
    }

    void coversSixBySixOverThePicture()
    {
        const std::vector<QPoint> at = coverPositions(601);
        QCOMPARE(at.size(), size_t(36));
        for (int i = 0; i < 36; ++i)
            QCOMPARE(at[i], QPoint(100 * (i % 6), 100 * (i / 6)));
        // A cover starting within 30 pixels of the edge goes to the next row.
        QCOMPARE(coverPositions(531)[5], QPoint(500, 0));
        QCOMPARE(coverPositions(530)[5], QPoint(0, 100));
    }

    void namesAreReadWholeAndSortedAsInPolish()
    {
        const QByteArray bytes =
            cp1250::encode(QStringLiteral("Wenecja\r\nŁuk triumfalny - Paryż\r\nMachu Picchu\r\nLuwr - Paryż\r\nakropol\r\n"));
        QCOMPARE(readNames(bytes), (QStringList{"akropol", "Luwr - Paryż", "Łuk triumfalny - Paryż", "Machu Picchu",
                                                "Wenecja"}));
    }

    void searchFindsThePrefixFoldingOnlyAToZ()
    {
        const QStringList names{"Taipei 101", "Wenecja", "Wielki Mur Chiński", "Wieża Eiffla", "Łuk triumfalny - Paryż"};
        QCOMPARE(findName(names, QStringLiteral("wie")), 2);
        QCOMPARE(findName(names, QStringLiteral("WIEż")), 3);
        QCOMPARE(findName(names, QStringLiteral("WIEŻ")), -1);
        QCOMPARE(findName(names, QStringLiteral("Łuk")), 4);
        QCOMPARE(findName(names, QStringLiteral("łuk")), -1); // Polish letters keep their case
        QCOMPARE(findName(names, QStringLiteral("Wieża Eiffla i więcej")), -1);
        QCOMPARE(findName(names, QString()), -1);
    }

    void theDrawShowsOnlyPlacesThatCanBeNamed()
    {
        // Upper case still names the place; a line no place answers to does not count.
        const QStringList names{"WENECJA", "Golden Gate", "Atlantyda", "Piza", "x", "y", "z"};
        std::set<int> seen;
        for (std::uint32_t seed = 0; seed < 200; ++seed)
            seen.insert(drawPlace(names, seed));
        QCOMPARE(seen, (std::set<int>{0, 3, 34}));
        // More lines than places never yields a place without a picture.
        QStringList many = places();
        for (int i = 0; i < 40; ++i)
            many << QStringLiteral("Miejsce %1").arg(i);
        for (std::uint32_t seed = 0; seed < 300; seed += 7)
            QVERIFY(drawPlace(many, seed * 2654435761u) < 35);
        QCOMPARE(drawPlace({}, 12345), 0);
        QCOMPARE(drawPlace({"Atlantyda"}, 12345), 0);
    }

    void rightNameAtOnceIsTheTopGrade()
    {
        PlaceGame g;
        g.start(19);
        QCOMPARE(g.answer, QStringLiteral("Zapora w Solinie"));
        g.chosen = QStringLiteral("ZAPORA W SOLINIE");
        QCOMPARE(g.tryName(), PlaceGame::Try::Won);
        QCOMPARE(g.grade, QStringLiteral("Celujący (6)"));
        QVERIFY(g.resultText(true).contains(QStringLiteral("\r\nOtwartych okienek: 0 z 36\r\n")));
    }

    void fiveCoversAndTwoWrongNames()
    {
        PlaceGame g;
        g.start(4);
        for (int i = 0; i < 5; ++i)
            QVERIFY(!g.openCover());
        g.chosen = QStringLiteral("Piza");
        QCOMPARE(g.tryName(), PlaceGame::Try::Wrong);
        g.chosen = QStringLiteral("Statua wolności");
        QCOMPARE(g.tryName(), PlaceGame::Try::Wrong);
        QCOMPARE(g.state, PlaceGame::State::Playing);
        g.chosen = QStringLiteral("Statuła wolności");
        for (int i = 0; i < 75; ++i)
            g.tick();
        QCOMPARE(g.tryName(), PlaceGame::Try::Won);
        QCOMPARE(g.resultText(true), QStringLiteral("POPRAWNA ODPOWIEDŹ! Brawo!!!\r\nCzas test: 1 min 15 sek\r\n"
                                                    "Otwartych okienek: 5 z 36\r\nBłędnych wskazań: 2\r\n"
                                                    "Twoja ocena: Dobry plus (4+)\r\n"
                                                    "Czy zapisać wynik testu? Wciśnij: TAK/NIE\r\n"
                                                    "Przycisk: Anuluj: Nie zapisuj - Następny test"));
        const ResultRecord r = g.record(QStringLiteral("Ala"));
        QCOMPARE(r.lines(), (QStringList{"Ala", "Test: Odgadnij miejsce na ziemi", "1 min 15 sek", "36", "29", "7",
                                         "Dobry plus (4+)"}));
    }

    void theLastCoverLosesTheGame()
    {
        PlaceGame g;
        g.start(0);
        g.chosen = QStringLiteral("Wenecja");
        g.tryName();
        for (int i = 0; i < 35; ++i)
            QVERIFY(!g.openCover());
        QCOMPARE(g.state, PlaceGame::State::Playing);
        for (int i = 0; i < 60; ++i)
            g.tick();
        QVERIFY(g.openCover());
        QCOMPARE(g.state, PlaceGame::State::Finished);
        QCOMPARE(g.grade, QStringLiteral("Niedostateczny (1)"));
        QCOMPARE(g.resultText(false), QStringLiteral("KONIEC TESTU - PRZEGRAŁEŚ!!!\r\nCzas test: 1 min 0 sek\r\n"
                                                     "Otwartych okienek: 36 z 36\r\nBłędnych wskazań: 1\r\n"
                                                     "Twoja ocena: Niedostateczny (1)\r\n"
                                                     "Czy zapisać wynik testu? Wciśnij: TAK/NIE\r\n"
                                                     "Przycisk: Anuluj: Nie zapisuj - Następny test"));
        // The penalty is capped at the 36 tasks: nothing good, 36 bad.
        const ResultRecord r = g.record(QStringLiteral("Ola"));
        QCOMPARE(r.good, QStringLiteral("0"));
        QCOMPARE(r.bad, QStringLiteral("36"));
        g.resetCounters();
        QCOMPARE(g.seconds, 0);
        QCOMPARE(g.closedCovers, 36);
        QCOMPARE(g.wrongNames, 0);
    }

    void missingPictureCaptions()
    {
        QCOMPARE(missingPictureCaption(0), QStringLiteral("Terravia: Brak zdjęcia..."));
        QCOMPARE(missingPictureCaption(1), QStringLiteral("Terravia: Brak zdjęcia..."));
        QCOMPARE(missingPictureCaption(2), QStringLiteral("Terravia: Brak zdjecia..."));
        QCOMPARE(pictureFile(34), QStringLiteral("m34.jpg"));
        QCOMPARE(answer(35), QString());
    }
};

QTEST_GUILESS_MAIN(TestPlaceGame)
#include "tst_placegame.moc"
