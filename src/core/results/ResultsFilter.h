#pragma once

#include "results/ResultsFile.h"

#include <QString>
#include <QStringList>

#include <optional>

// Which stored results the results filter keeps, and the lists it offers.
namespace tv::results {

enum class FilterBy { None, User, Grade, Test };

// The grade words offered by "Filtruj wg oceny", best first.
const QStringList &gradeWords();

// The test titles offered by "Filtruj wg testu", as the list shows them.
const QStringList &testTitles();

// Five entries of the list are spelled otherwise than the title strip that
// the result dialog stores ("Długości granic sąsiadów" runs as "Granice
// sąsiadów", and so on). For those the title the records carry, and whether
// it must be the whole of line 2: "Flagi państw Cz. 1" runs under the bare
// "Flagi państw", which also begins the titles of "Cz. 2" to "Cz. 4".
struct WrittenTitle {
    QString title;
    bool whole = false;
};
std::optional<WrittenTitle> writtenTitle(const QString &entry);

// Line 2 of a record belongs to the test of this entry: it begins with the
// entry, letter case included, or carries the entry's written title.
bool titleMatches(const QString &entry, const QString &line2);

// by user: line 1 is the chosen name, exactly; by grade: line 7 begins with
// the chosen word, letter case included; by test: titleMatches. Nothing
// matches when no filter is chosen.
bool matches(FilterBy by, const QString &chosen, const ResultRecord &record);
Records filterRecords(const Records &store, FilterBy by, const QString &chosen);

// --- "Szukaj testu..." ---------------------------------------------------------

// The answer of the prompt with "Test: " in front unless it already begins
// so (in any case of a..z).
QString searchAnswer(const QString &typed);
// The first entry whose beginning, as long as the answer, equals the answer
// ignoring the case of a..z; -1 when none does.
int findEntry(const QStringList &entries, const QString &answer);

} // namespace tv::results
