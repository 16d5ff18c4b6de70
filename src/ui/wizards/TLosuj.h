#pragma once

#include "wizards/RandomDraw.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;

namespace tv {

// The random test window: draws a test from all tests, a category, or the
// tests the pupil marks, and starts it. A new window per opening, modal.
class TLosuj : public QDialog {
    Q_OBJECT

public:
    explicit TLosuj(QWidget *parent = nullptr);

    void FormActivate();
    void chooseCategory(draw::Category category);
    void losujClick();
    void zaladujClick();
    void Timer1Timer();

    draw::Board board;
    QList<QRadioButton *> categories;
    QListWidget *ListBox1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *l_test = nullptr;
    QPushButton *losuj = nullptr;
    QPushButton *zaladuj = nullptr;
    QPushButton *Anuluj = nullptr;
    QTimer *Timer1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showList();
    void setCount(int n);
    bool activated = false;
};

} // namespace tv
