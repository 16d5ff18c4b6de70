#include "MapTest.h"
#include "quiz/MarkerRules.h"

namespace tv {

void MapTest::start(int count, const QStringList &description)
{
    markerCount = count;
    lines = description;
    phase = Phase::Answering;
    dropsLeft = count;
    for (int k = 1; k <= count && k <= kMaxMarkers; ++k)
        markers[k - 1] = MarkerInfo{};
    lockedMarkers.fill(false);
    resetUndo();
}

void MapTest::startRetest(const QList<int> &asked)
{
    start(markerCount, lines);
    for (int k = 1; k <= markerCount && k <= kMaxMarkers; ++k) {
        if (asked.contains(k))
            continue;
        markers[k - 1] = MarkerInfo{rightName(k), MarkerState::Good};
        lockedMarkers[k - 1] = true;
    }
    dropsLeft = askedCount();
}

int MapTest::askedCount() const
{
    int n = 0;
    for (int k = 1; k <= markerCount && k <= kMaxMarkers; ++k)
        n += lockedMarkers[k - 1] ? 0 : 1;
    return n;
}

QString MapTest::rightName(int k) const
{
    return tv::rightName(lines, markerCount, k);
}

QList<MapTest::Correction> MapTest::corrections() const
{
    QList<Correction> out;
    for (int k : missed())
        out.append({k, markers[k - 1].caption, rightName(k)});
    return out;
}

QList<int> MapTest::missed() const
{
    QList<int> out;
    for (int k = 1; k <= markerCount && k <= kMaxMarkers; ++k)
        if (markers[k - 1].state == MarkerState::Bad)
            out.append(k);
    return out;
}

void MapTest::clearMarkers()
{
    markers.fill(MarkerInfo{});
    lockedMarkers.fill(false);
    phase = Phase::NotStarted;
}

QStringList MapTest::names() const
{
    QStringList out;
    for (int k = 1; k <= markerCount; ++k)
        out << answerName(lines.value(k - 1));
    return out;
}

MapTest::DropResult MapTest::drop(int marker, int field, const QString &text, const DropOptions &options)
{
    const bool removePlacedNames = options.removePlacedNames;
    DropResult r;
    // A marker a retest does not ask keeps its right name.
    if (options.testFinished || marker < 1 || marker > kMaxMarkers || lockedMarkers[marker - 1]) {
        r.refused = true;
        return r;
    }
    MarkerInfo &m = markers[marker - 1];
    undoPrevious = m.caption;
    m.caption = text;
    m.state = MarkerState::Placed;
    undoTarget = marker;
    undoSource = field;
    undoName = text;
    r.clearField = removePlacedNames || options.session;
    // Where the dropped name leaves its field, a name it replaces goes back
    // into that field: otherwise it would be gone for good and its marker
    // could never be answered right. The names left to place stay as many,
    // so such a drop does not count towards the end of the test.
    undoCounted = !(r.clearField && !undoPrevious.isEmpty());
    if (!undoCounted) {
        r.fieldText = undoPrevious;
        return r;
    }
    // Every other drop counts, also one on a marker that had a name already.
    if (dropsLeft <= 1 && removePlacedNames) {
        r.runResult = true;
    } else if (dropsLeft > 1 || !options.session) {
        --dropsLeft;
    } else {
        r.runResult = true;
    }
    return r;
}

MapTest::UndoResult MapTest::undo()
{
    UndoResult r;
    if (undoSource == 0)
        return r;
    r.available = true;
    if (undoTarget >= 1 && undoTarget <= kMaxMarkers) {
        MarkerInfo &m = markers[undoTarget - 1];
        if (!undoPrevious.isEmpty()) {
            m.caption = undoPrevious;
            m.state = MarkerState::Placed;
            undoPrevious.clear();
        } else {
            m.caption.clear();
            m.state = MarkerState::Blank;
        }
        r.marker = undoTarget;
        if (undoCounted)
            ++dropsLeft;
    }
    r.field = undoSource;
    r.fieldText = undoName;
    resetUndo();
    return r;
}

void MapTest::resetUndo()
{
    undoSource = 0;
    undoTarget = 0;
    undoName.clear();
}

MapTest::Lookup MapTest::lookUp(const QString &name) const
{
    Lookup r;
    for (int i = 0; i < markerCount && i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (answerName(line) != name)
            continue;
        const auto n = answerNumber(line);
        if (!n) {
            r.ok = false;
            r.badLine = line;
            return r;
        }
        r.number = *n;
    }
    return r;
}

MapTest::Judgement MapTest::judge()
{
    Judgement j;
    phase = Phase::Judged;
    goodAnswers = 0;
    badAnswers = 0;
    for (int k = 1; k <= markerCount && k <= kMaxMarkers; ++k) {
        if (lockedMarkers[k - 1])
            continue; // answered before the retest: not asked, not counted
        MarkerInfo &m = markers[k - 1];
        const Lookup found = lookUp(m.caption);
        if (!found.ok) {
            j.ok = false;
            j.errorMarker = k;
            j.badLine = found.badLine;
            break;
        }
        if (found.number == markers::answerNumber(k)) {
            ++goodAnswers;
            ++chainGood;
            m.state = MarkerState::Good;
        } else {
            ++badAnswers;
            ++chainBad;
            m.state = MarkerState::Bad;
        }
    }
    j.good = goodAnswers;
    j.bad = badAnswers;
    return j;
}

} // namespace tv
