#pragma once

#include <QList>
#include <QSize>

namespace tv {

// The sizes an opening window passes through: from the start size it grows
// by a fifth of its designed width and height per step, never past them, and
// the last step is exactly the designed size, whatever its remainder by 5.
// The start size itself is not in the list.
QList<QSize> openingSteps(const QSize &designed, const QSize &start = QSize(112, 27));

} // namespace tv
