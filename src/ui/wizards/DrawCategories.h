#pragma once

#include "wizards/RandomDraw.h"

#include <QList>
#include <QRadioButton>

class QGroupBox;
class QListWidget;
class QWidget;

namespace tv {

// The twelve category buttons of a draw, top to bottom, with the names the
// windows give them.
struct CategoryButton {
    const char *name;
    const char *caption;
    draw::Category category;
};
const QList<CategoryButton> &categoryButtons();

// Builds the buttons into the group; the first is checked.
QList<QRadioButton *> addCategoryButtons(QGroupBox *group, QWidget *owner);

// The rows marked in a multi-select list.
QList<int> markedRows(const QListWidget *list);

} // namespace tv
