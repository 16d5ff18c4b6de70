#pragma once

#include "TestFiles.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace tv {

// How a marker looks: blue and blank, white with a name, or judged.
enum class MarkerState { Blank, Placed, Good, Bad };

struct MarkerInfo {
    QString caption;
    MarkerState state = MarkerState::Blank;
};

// What decides how a drop goes besides the marker and the name.
struct DropOptions {
    bool removePlacedNames = false; // the pupil's option: a placed name leaves its field
    bool session = false;           // in a lesson names always leave their fields
    bool testFinished = false;      // the result is shown: nothing more is placed
};

// The rules of one map test window: drops, one-level undo, the clocks and
// the judging. The window only mirrors this state in its widgets.
class MapTest {
public:
    // A freshly loaded test: markers 1..count blank, drops left = count.
    // Markers above the count keep what they had.
    void start(int count, const QStringList &description);
    // The same test again with only the markers `asked` open: they are blank,
    // every other marker shows its right name, judged good and locked. The
    // drops left are the markers asked.
    void startRetest(const QList<int> &asked);
    // Empties and hides every marker (between the tests of a chain).
    void clearMarkers();

    int count() const { return markerCount; }
    // The markers the pupil answers: all of them, or those a retest asks.
    int askedCount() const;
    bool locked(int k) const { return k >= 1 && k <= kMaxMarkers && lockedMarkers[k - 1]; }
    const QStringList &description() const { return lines; }
    // The N names in description order (line without its last two characters).
    QStringList names() const;

    struct DropResult {
        bool refused = false;    // the result was already shown: nothing placed
        bool clearField = false; // the name leaves its field
        QString fieldText;       // what the field shows then: a name the marker gave up, or nothing
        bool runResult = false;  // this drop ends the test
    };
    // A name from field `field` (1..17) dropped on marker `marker` (1..17).
    DropResult drop(int marker, int field, const QString &text, const DropOptions &options = {});

    struct UndoResult {
        bool available = false;
        int marker = 0; // 0 when no marker changes
        int field = 0;  // the field that gets its name back
        QString fieldText;
    };
    UndoResult undo();
    bool canUndo() const { return undoSource != 0; }
    void resetUndo();

    // Answer lookup: the number that the used description lines give for the
    // name, 100 when none does; a later line overrides an earlier one.
    struct Lookup {
        int number = 100;
        bool ok = true;
        QString badLine;
    };
    Lookup lookUp(const QString &name) const;

    struct Judgement {
        int good = 0;
        int bad = 0;
        bool ok = true;
        int errorMarker = 0;
        QString badLine;
    };
    // Judges markers 1..count: green when the name's number is 10 + K, red
    // otherwise. Adds to the chain sums. Stops at a line without two digits.
    Judgement judge();
    // A test is judged once: a second judging would count its answers into
    // the chain's sums twice. True from a start until its judging.
    bool awaitingJudgement() const { return phase == Phase::Answering; }

    // The name that belongs on marker k: the name of the used description
    // line numbered 10 + k (the first such line); empty when none is.
    QString rightName(int k) const;

    // What a judged marker should have shown: only markers judged wrong,
    // empty ones included, have one.
    struct Correction {
        int marker = 0;
        QString given; // what the pupil put there, empty for nothing
        QString right;
    };
    QList<Correction> corrections() const;
    // The markers judged wrong, in marker order: what a retest asks.
    QList<int> missed() const;

    // One tick of the window's clock.
    void tick()
    {
        ++testClock;
        ++chainClock;
    }

    const MarkerInfo &marker(int k) const { return markers.at(k - 1); }

    int dropsLeft = 0;
    int testClock = 0;
    int chainClock = 0;
    int goodAnswers = 0;
    int badAnswers = 0;
    int chainGood = 0;
    int chainBad = 0;

private:
    enum class Phase { NotStarted, Answering, Judged };
    Phase phase = Phase::NotStarted;
    int markerCount = 0;
    QStringList lines;
    std::array<MarkerInfo, kMaxMarkers> markers{};
    std::array<bool, kMaxMarkers> lockedMarkers{};
    int undoSource = 0;
    int undoTarget = 0;
    QString undoName;
    QString undoPrevious;
    bool undoCounted = false; // the drop to undo took one of the drops left
};

} // namespace tv
