#pragma once

#include <QString>

namespace tv::kept {

// Texts this program has always shown with these spellings ("Zładuj",
// "Kateegorie", "NIe", "wykosowano", "tesu", "plków", …). Schools' printed
// worksheets, teachers' notes and the teacher's server's logs quote them as
// they are, so they are kept letter for letter and never "corrected". The
// same holds for the titles and prompt names of the catalogue table
// ("Wyśokosci", "Róznych") and the place names of the place game
// ("Statuła wolności"), which are data the files and the server match on.
// Grouped by the window that shows them.

// The test window
inline const QString kLoadTestButton = QStringLiteral("Zładuj test");
inline const QString kReloadThisTest = QStringLiteral("Zładuj ponownie ten test");
// The legend
inline const QString kLegendBad = QStringLiteral("<- Zaznaczona na mapie błędna wartość (po zakończeniu tesu)");
// The launch of a chain whose files are incomplete
inline const QString kChainMissingText = QStringLiteral(
    "Nie możesz rozwiązać tego tesu ponieważ brakuje plków konfiguracyjnych tego tesu na Twoim dysku");
// The creator's random page and the random test window
inline const QString kDrawCategories = QStringLiteral("Kateegorie losowania");
inline const QString kNothingMarked = QStringLiteral("NIe zaznaczono na liście żadnego testu");
inline const QString kCreatorNothingDrawn =
    QStringLiteral("NIe wykosowano jeszcze żadnego testu. Wciśnij przycisk: Losuj");
inline const QString kNothingDrawn = QStringLiteral("Nie wykosowano jeszcze żadnego testu. Wciśnij przycisk: Losuj");

} // namespace tv::kept
