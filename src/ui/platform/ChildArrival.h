#pragma once

#include <functional>

class QMdiArea;
class QWidget;

namespace tv {

// Runs `arrived` each time `child`'s frame becomes the active child of
// `area` after another child window was active, or none had been yet.
// The area also reports its active child when the main window gets the
// focus back from another program or from one of the program's own message
// boxes; the child was active all along then, so that is not an arrival.
void onChildArrival(QMdiArea *area, QWidget *child, std::function<void()> arrived);

} // namespace tv
