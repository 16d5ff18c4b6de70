#include "PlaceGame.h"

#include "catalogue/Catalogue.h"
#include "platform/LineFile.h"
#include "platform/Text.h"
#include "quiz/Grades.h"
#include "wizards/RandomDraw.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace tv::game {

const QStringList &places()
{
    static const QStringList table = {
        QStringLiteral("Golden Gate"),
        QStringLiteral("Watykan"),
        QStringLiteral("Akropol - Ateny"),
        QStringLiteral("Piza"),
        QStringLiteral("Statuła wolności"),
        QStringLiteral("Kreml - Moskwa"),
        QStringLiteral("Katedra w Barcelonie"),
        QStringLiteral("Indie"),
        QStringLiteral("Egipt - Giza"),
        QStringLiteral("Tower Bridge - Londyn"),
        QStringLiteral("Holandia"),
        QStringLiteral("Jerozolima"),
        QStringLiteral("W. Galapagos"),
        QStringLiteral("Pałac Kultury i Nauki"),
        QStringLiteral("Stonehenge"),
        QStringLiteral("Luwr - Paryż"),
        QStringLiteral("Wieża Eiffla"),
        QStringLiteral("Sears Tower - Chicago"),
        QStringLiteral("Big Ben - Londyn"),
        QStringLiteral("Zapora w Solinie"),
        QStringLiteral("Katedra w Kolonii"),
        QStringLiteral("Wielki Mur Chiński"),
        QStringLiteral("Koloseum - Rzym"),
        QStringLiteral("Łuk triumfalny - Paryż"),
        QStringLiteral("Centrum finansowe - Warszawa"),
        QStringLiteral("Jasna Góra - Częstochowa"),
        QStringLiteral("Petronas Towers"),
        QStringLiteral("Opera w Sydney"),
        QStringLiteral("Machu Picchu"),
        QStringLiteral("Pentagon - Waszyngton"),
        QStringLiteral("Dolina Królów - Egipt"),
        QStringLiteral("Katedra we Wiedniu"),
        QStringLiteral("Taipei 101"),
        QStringLiteral("Most: Akashi Kaikyo"),
        QStringLiteral("Wenecja"),
    };
    return table;
}

QString answer(int n)
{
    return places().value(n);
}

QString pictureFile(int n)
{
    return QStringLiteral("m%1.jpg").arg(n);
}

QString missingPictureCaption(int n)
{
    return n <= 1 ? QStringLiteral("Terravia: Brak zdjęcia...") : QStringLiteral("Terravia: Brak zdjecia...");
}

QString gradeFor(int points)
{
    struct Band {
        int upTo;
        const char16_t *grade;
    };
    static constexpr Band kLadder[] = {
        {2, u"Celujący (6)"},
        {4, u"Bardzo dobry (5)"},
        {6, u"Bardzo dobry minus (5-)"},
        {10, u"Dobry plus (4+)"},
        {13, u"Dobry (4)"},
        {16, u"Dobry minus (4-)"},
        {20, u"Dostateczny plus (3+)"},
        {22, u"Dostateczny (3)"},
        {23, u"Dostateczny minus (3-)"},
        {27, u"Mirny (2)"},
        {28, u"Mirny minus (2-)"},
        {31, u"Mierny z dwoma minusami (2=)"},
    };
    for (const Band &b : kLadder)
        if (points <= b.upTo)
            return QString::fromUtf16(b.grade);
    return QStringLiteral("Niedostateczny (1)");
}

QStringList readNames(const QByteArray &bytes)
{
    QStringList names = lines::split(bytes);
    sortNames(names);
    return names;
}

void sortNames(QStringList &names)
{
    QCollator polish{QLocale(QLocale::Polish, QLocale::Poland)};
    std::stable_sort(names.begin(), names.end(),
                     [&polish](const QString &a, const QString &b) { return polish.compare(a, b) < 0; });
}

std::vector<QPoint> coverPositions(int panelWidth)
{
    std::vector<QPoint> out;
    out.reserve(kCovers);
    int x = 0;
    int y = 0;
    for (int i = 0; i < kCovers; ++i) {
        if (x + 30 >= panelWidth) {
            x = 0;
            y += kCoverSize;
        }
        out.emplace_back(x, y);
        x += kCoverSize;
    }
    return out;
}

std::vector<int> playablePlaces(const QStringList &names)
{
    std::vector<int> out;
    const QStringList &table = places();
    for (int n = 0; n < table.size(); ++n)
        if (std::any_of(names.begin(), names.end(),
                        [&](const QString &name) { return text::sameIgnoringAZCase(name, table.at(n)); }))
            out.push_back(n);
    return out;
}

int drawPlace(const QStringList &names, std::uint32_t seed)
{
    const std::vector<int> candidates = playablePlaces(names);
    if (candidates.empty())
        return 0;
    draw::Generator generator{seed};
    return candidates.at(static_cast<size_t>(generator.next(static_cast<int>(candidates.size()))));
}

int findName(const QStringList &names, const QString &query)
{
    if (query.isEmpty())
        return -1;
    for (int i = 0; i < names.size(); ++i)
        if (text::startsWithIgnoringAZCase(names.at(i), query))
            return i;
    return -1;
}

void PlaceGame::start(int n)
{
    place = n;
    answer = game::answer(n);
    resetCounters();
    grade.clear();
    state = State::Playing;
}

void PlaceGame::resetCounters()
{
    seconds = 0;
    closedCovers = kCovers;
    wrongNames = 0;
}

void PlaceGame::tick()
{
    ++seconds;
}

bool PlaceGame::openCover()
{
    if (closedCovers > 1) {
        --closedCovers;
        return false;
    }
    // The last cover: every cover is open now, and the game is lost.
    closedCovers = 0;
    finish();
    return true;
}

PlaceGame::Try PlaceGame::tryName()
{
    if (!text::sameIgnoringAZCase(chosen, answer)) {
        ++wrongNames;
        return Try::Wrong;
    }
    finish();
    return Try::Won;
}

void PlaceGame::finish()
{
    state = State::Finished;
    grade = gradeFor(penaltyPoints());
}

QString PlaceGame::resultText(bool won) const
{
    const QString crlf = QStringLiteral("\r\n");
    QString text = won ? QStringLiteral("POPRAWNA ODPOWIEDŹ! Brawo!!!") : QStringLiteral("KONIEC TESTU - PRZEGRAŁEŚ!!!");
    text += crlf + QStringLiteral("Czas test: ") + timeText(seconds);
    text += crlf + QStringLiteral("Otwartych okienek: ") + QString::number(won ? openedCovers() : kCovers)
        + QStringLiteral(" z 36");
    text += crlf + QStringLiteral("Błędnych wskazań: ") + QString::number(wrongNames);
    text += crlf + QStringLiteral("Twoja ocena: ") + grade;
    text += crlf + QStringLiteral("Czy zapisać wynik testu? Wciśnij: TAK/NIE");
    text += crlf + QStringLiteral("Przycisk: Anuluj: Nie zapisuj - Następny test");
    return text;
}

ResultRecord PlaceGame::record(const QString &user) const
{
    const int bad = std::min(penaltyPoints(), kCovers);
    return {user,
            catalogue::kPlaceGameTitle,
            timeText(seconds),
            QString::number(kCovers),
            QString::number(kCovers - bad),
            QString::number(bad),
            grade};
}

} // namespace tv::game
