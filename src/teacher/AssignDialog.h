#pragma once

#include <QDialog>

class QTreeWidget;
class QPushButton;

namespace tv::teacher {

// The choice of a test to assign: the catalogue's single tests by region, and
// the "Wszystko o..." chains, each under its server code.
class AssignDialog : public QDialog {
    Q_OBJECT

public:
    // whom: the line that says who gets the test.
    explicit AssignDialog(const QString &whom, QWidget *parent = nullptr);

    // The server code chosen; 0 while a region rather than a test is chosen.
    int chosenCode() const;
    // Chooses the entry with this code (tests).
    bool choose(int code);

private:
    void updateOk();

    QTreeWidget *tree = nullptr;
    QPushButton *okButton = nullptr;
};

} // namespace tv::teacher
