#include "MapNavigation.h"

#include <climits>
#include <cstdlib>

namespace tv::navigation {

int nearestMarker(const std::vector<QPoint> &centres, int from, Direction direction)
{
    if (from < 0 || from >= int(centres.size()))
        return -1;
    const QPoint origin = centres[size_t(from)];
    int best = -1;
    long bestScore = LONG_MAX;
    for (int i = 0; i < int(centres.size()); ++i) {
        if (i == from)
            continue;
        const QPoint d = centres[size_t(i)] - origin;
        int along = 0;
        int across = 0;
        switch (direction) {
        case Direction::Left:
            along = -d.x();
            across = d.y();
            break;
        case Direction::Right:
            along = d.x();
            across = d.y();
            break;
        case Direction::Up:
            along = -d.y();
            across = d.x();
            break;
        case Direction::Down:
            along = d.y();
            across = d.x();
            break;
        }
        if (along <= 0)
            continue;
        const long score = long(along) + 2L * std::abs(across);
        if (score < bestScore) {
            bestScore = score;
            best = i;
        }
    }
    return best;
}

int NumberEntry::type(int digit)
{
    if (digit < 0 || digit > 9)
        return 0;
    if (held) {
        const int number = held * 10 + digit;
        const int first = held;
        held = 0;
        // A second digit that makes no marker of this test: the first alone.
        return number <= markerCount ? number : first;
    }
    if (digit == 0 || digit > markerCount)
        return 0;
    if (digit * 10 <= markerCount) {
        held = digit;
        return 0;
    }
    return digit;
}

int NumberEntry::commit()
{
    const int number = held;
    held = 0;
    return number;
}

QPoint edgeScrollStep(const QRect &viewport, QPoint pos, int margin, int maxStep)
{
    if (margin <= 0 || maxStep <= 0 || viewport.isEmpty())
        return {};
    auto step = [margin, maxStep](int distance) {
        // distance: how far inside the edge; at or beyond the edge, full speed.
        if (distance >= margin)
            return 0;
        const int depth = margin - qMax(distance, 0);
        return qMax(1, depth * maxStep / margin);
    };
    QPoint delta;
    const int fromLeft = pos.x() - viewport.left();
    const int fromRight = viewport.right() - pos.x();
    const int fromTop = pos.y() - viewport.top();
    const int fromBottom = viewport.bottom() - pos.y();
    if (fromLeft < fromRight)
        delta.setX(-step(fromLeft));
    else
        delta.setX(step(fromRight));
    if (fromTop < fromBottom)
        delta.setY(-step(fromTop));
    else
        delta.setY(step(fromBottom));
    return delta;
}

} // namespace tv::navigation
