#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

namespace tv::draw {

// The categories a draw can be limited to; Custom draws from the titles the
// pupil marks in the full list.
enum class Category {
    All,
    Poland,
    Europe,
    NorthAmerica,
    SouthAmerica,
    Asia,
    Africa,
    Australia,
    Antarctica,
    World,
    Miscellaneous,
    Custom,
};

// The 56 titles, in group order.
const QStringList &masterList();
// Filled at activation: the master list without "Krainy geograficzne" and
// with the last title spelled "Róznych"; 55 titles.
QStringList defaultList();
// The list a category button fills (Custom: all 56 titles).
QStringList categoryList(Category category);

// The catalogue entry (server code; 59..65 for the chains) that a drawn
// title launches; nothing for a title outside the lists.
std::optional<int> codeForTitle(const QString &title);

// The seeded 32-bit linear congruential step and the unsigned 64-bit product
// that turns it into an index 0..n-1.
struct Generator {
    std::uint32_t seed = 0;
    int next(int n)
    {
        seed = seed * 134775813u + 1u;
        return static_cast<int>((static_cast<std::uint64_t>(seed) * static_cast<std::uint64_t>(n)) >> 32);
    }
};

// Where the seeds come from: the low 32 bits of a high-resolution counter.
// Tests install their own source.
using SeedSource = std::function<std::uint32_t()>;
std::uint32_t clockSeed();
void setSeedSource(SeedSource source);
// The seed of the next draw: the installed source's, else the clock's. The
// place game draws from the same seeds.
std::uint32_t nextSeed();

// Compares two titles in upper case, folding only the letters a..z.
bool sameTitle(const QString &a, const QString &b);

struct DrawResult {
    QString title;      // the title now shown
    bool changed = false;
    int attempts = 0;
};

// Draws one of the candidates. A title equal to the one shown is discarded
// and the draw repeated with a new seed; a single candidate that is already
// shown stays shown, so the draw always ends.
DrawResult drawTitle(const QStringList &candidates, const QString &shown);

inline const QString kNotDrawn = QStringLiteral("Jeszcze nie losowano testu");

// The state of a draw: the list, the category, the shown title. Shared by the
// random test window and the creator's random page.
class Board {
public:
    QStringList list;
    Category category = Category::All;
    bool categoryChosen = false;
    QString shown = kNotDrawn;

    bool custom() const { return category == Category::Custom; }
    // Activation: the default list, unless the pupil has chosen a category,
    // whose list then stays as it is. The list never holds a title twice.
    void activate();
    // A category button: the category's list, nothing drawn yet.
    void choose(Category c);

    struct Outcome {
        bool nothingSelected = false; // custom mode with no title marked
        int candidates = 0;
        bool changed = false;
    };
    // Draws from the whole list, or in custom mode from the marked rows.
    Outcome draw(const QList<int> &selectedRows);
    bool drawn() const { return shown != kNotDrawn; }
};

} // namespace tv::draw
