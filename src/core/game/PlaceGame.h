#pragma once

#include "results/ResultRecord.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// "Jakie to miejsce": the picture of a famous place lies under 36 covers;
// the pupil opens covers and names the place. The fewer covers opened and
// wrong names tried, the better the grade.
namespace tv::game {

inline constexpr int kCovers = 36;
inline constexpr int kCoverSize = 100;
inline const QString kNamesFile = QStringLiteral("Miasta.dat");
inline const QString kTitleStrip = QStringLiteral("Test: Odgadnij jakie to miejsce");

// The places, picture mN.jpg showing place N: 35 answers.
const QStringList &places();
// The answer of place n; empty outside the table.
QString answer(int n);
QString pictureFile(int n);

// The grade for penalty points (covers opened + wrong names).
QString gradeFor(int points);

// The names file: one name per line, every line as it stands. Sorted as a
// Polish reader expects (Ł after L), whatever the order of the file.
QStringList readNames(const QByteArray &bytes);
void sortNames(QStringList &names);

// Where the covers go over a picture panel of this width: one after the
// other, a new row whenever the next would start within 30 pixels of the
// panel's right edge. 601 pixels give six rows of six over 600 x 600.
std::vector<QPoint> coverPositions(int panelWidth);

// The places a game may show: those whose answer is in the list (a..z
// folded), so that every game can be won and none lacks its picture.
std::vector<int> playablePlaces(const QStringList &names);
// Draws one of them with the random draw's generator from this seed; 0
// when there is none (an empty list still shows place 0).
int drawPlace(const QStringList &names, std::uint32_t seed);

// The entry the search finds: the first, in list order, that begins with
// the query, a..z folded; -1 for none or an empty query.
int findName(const QStringList &names, const QString &query);

// The messages of the game.
inline const QString kEmptyListText = QStringLiteral("Wciśnij przycisk: Wylosuj miejsce na świecie");
inline const QString kWrongText = QStringLiteral("Przykro mi, ale to nie jest poprawna odpowiedź.\r\nSpróbuj jeszcze raz");
inline const QString kWrongCaption = QStringLiteral("Terravia: Błędna odpowiedź");
inline const QString kResultCaption = QStringLiteral("Terravia: Wynik");
inline const QString kMissingPictureText =
    QStringLiteral("Błąd: Nie można załadować testu. Ponieważ brak pliku zdjęcia na Twoim dysku");
// The first two places have always spelled their caption with "ę".
QString missingPictureCaption(int n);

// One game: the place, the counters and how the game stands.
class PlaceGame {
public:
    enum class State { Playing, Finished };
    enum class Try { Wrong, Won };

    int place = 0;
    QString answer;
    QString chosen;
    int seconds = 0;
    int closedCovers = kCovers;
    int wrongNames = 0;
    QString grade;
    State state = State::Finished;

    // A new game on place n; the counters start again.
    void start(int n);
    void resetCounters();
    void tick();

    int openedCovers() const { return kCovers - closedCovers; }
    int penaltyPoints() const { return openedCovers() + wrongNames; }

    // Opens one cover; true when it was the last one and the game is lost.
    bool openCover();
    // Tries the chosen name. A wrong name counts against the pupil; the
    // right one ends the game.
    Try tryName();

    // The text of the message that ends a game, won or lost.
    QString resultText(bool won) const;
    // The record saved for the pupil: good + bad make the 36 tasks, the bad
    // being the penalty points, capped at 36.
    ResultRecord record(const QString &user) const;

private:
    void finish();
};

} // namespace tv::game
