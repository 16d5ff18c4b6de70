#include "Opening.h"

#include <QtGlobal>

namespace tv {

QList<QSize> openingSteps(const QSize &designed, const QSize &start)
{
    const int W = qMax(0, designed.width());
    const int H = qMax(0, designed.height());
    // A window smaller than the start size, or too small to have a fifth,
    // still ends at its size: each step is at least one pixel.
    const int dw = qMax(1, W / 5);
    const int dh = qMax(1, H / 5);
    int w = start.width();
    int h = start.height();
    QList<QSize> steps;
    do {
        h = qMin(h + dh, H);
        w = qMin(w + dw, W);
        steps.append(QSize(w, h));
    } while (w != W || h != H);
    return steps;
}

} // namespace tv
