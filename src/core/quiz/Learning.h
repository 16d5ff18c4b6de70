#pragma once

#include "ChainProgress.h"
#include "MapTest.h"
#include "catalogue/LaunchRequest.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace tv {

// What a judged test teaches afterwards: the right answers, a retest of the
// places missed, and the same map on paper.
namespace learning {

inline const QString kShowCorrections = QStringLiteral("Pokaż poprawne odpowiedzi");
inline const QString kRetestMissed = QStringLiteral("Powtórz błędne");
inline const QString kPrintWorksheet = QStringLiteral("Drukuj kartę pracy...");
inline const QString kRetestSuffix = QStringLiteral(" - powtórka błędnych");
inline const QString kGoOn = QStringLiteral("Naciśnij klawisz lub kliknij, aby przejść dalej");

// The title a retest's result is stored under. A retest of a retest is the
// same exercise, so the suffix is not doubled.
QString retestTitle(const QString &title);
// The title of the test a retest came from.
QString originalTitle(const QString &title);

// A marker as a screen reader hears it once judged, with its right name
// where it was wrong: "Pole 3: Mali, źle; poprawnie: Niger".
QString markerDescription(int marker, const QString &caption, MarkerState state, const QString &correction);
// The hint panel's text for a marker under the pointer or the focus after
// the corrections are shown; empty for a marker answered right.
QString correctionHint(const MapTest::Correction &c);

// The names a retest puts in the name fields: the right names of the
// missed markers, shuffled again.
QStringList retestNames(const MapTest &judged, std::uint64_t seed);

// --- worksheets --------------------------------------------------------------

enum class Order { Shuffled, Alphabetical };

struct SheetName {
    QString name;
    int marker = 0; // the box the name belongs in
};

// The names to write in, in the order the teacher chose. Alphabetical is
// the Polish order ("Łaba" after "Lena").
QList<SheetName> sheetNames(const QStringList &description, int count, Order order, std::uint64_t seed);

// A line of the list: on the worksheet a blank for the box's number, in the
// key the number itself.
QString sheetLine(const SheetName &n, bool key);
inline const QString kNameAndDate =
    QStringLiteral("Imię i nazwisko: ................................................    Data: ....................");
inline const QString kKeyHeading = QStringLiteral("Klucz odpowiedzi");
inline const QString kListHeading = QStringLiteral("Wpisz nazwy w ponumerowane pola mapy:");
inline const QString kKeyListHeading = QStringLiteral("Nazwy z numerami pól:");

// A test as the catalogue names it, to be printed.
struct SheetSource {
    QString title;
    QString configurationFile;
    QString descriptionFile;
    QString pictureFile;
};

// The tests of the worksheet for the test last chosen: every test of a
// chain, or the single test of the catalogue with those files; none when
// nothing was chosen yet.
QList<SheetSource> sheetSources(const LaunchRequest &request, const ChainProgress &chain);

// A map wider than high goes on a landscape page.
bool landscapeFor(QSize picture);

} // namespace learning
} // namespace tv
