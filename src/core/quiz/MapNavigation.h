#pragma once

#include <QPoint>
#include <QRect>

#include <vector>

namespace tv {

// Answering without a mouse, and moving about a map larger than its window.
namespace navigation {

enum class Direction { Left, Right, Up, Down };

// The marker nearest to marker `from` (index into `centres`) in the given
// direction on the map, or -1 when none lies that way. A marker lies that way
// when its centre is strictly further along the direction; of those, the one
// with the least distance along the direction plus twice the distance across
// it wins (so a marker straight ahead beats a nearer one far to the side);
// ties go to the lower index.
int nearestMarker(const std::vector<QPoint> &centres, int from, Direction direction);

// A marker number typed digit by digit (1 ... count). A digit that cannot
// begin a longer number of this test drops at once; "1" in a test of ten or
// more markers waits for a second digit, for Enter or for the pause to end.
class NumberEntry {
public:
    explicit NumberEntry(int count = 0) : markerCount(count) {}
    void reset(int count)
    {
        markerCount = count;
        held = 0;
    }
    // The marker to drop on now (1 ... count), or 0: nothing yet, or a digit
    // that names no marker (ignored).
    int type(int digit);
    // Enter or the end of the pause: the number held so far, or 0.
    int commit();
    bool waiting() const { return held != 0; }

private:
    int markerCount = 0;
    int held = 0;
};

// How far to scroll a view whose visible area is `viewport` (in the view's
// own coordinates) while something is dragged at `pos`: towards each edge
// that `pos` is within `margin` of (or beyond), faster the closer it gets,
// at most `maxStep` pixels a step; (0, 0) elsewhere.
QPoint edgeScrollStep(const QRect &viewport, QPoint pos, int margin = 24, int maxStep = 24);

} // namespace navigation
} // namespace tv
