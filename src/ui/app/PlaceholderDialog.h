#pragma once

#include <QDialog>

namespace tv {

// A window that is created at start-up with the others but whose content
// comes with a later part of the program: it opens, says what it is and
// closes again.
class PlaceholderDialog : public QDialog {
    Q_OBJECT

public:
    PlaceholderDialog(const QString &objectName, const QString &caption, QWidget *parent);
};

} // namespace tv
