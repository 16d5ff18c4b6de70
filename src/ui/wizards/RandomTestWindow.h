#pragma once

#include "wizards/RandomDraw.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;

namespace tv {

class TestLauncher;

// The random test window: draws a test from all tests, a category, or the
// tests the pupil marks, and starts it. A new window per opening, modal.
class RandomTestWindow : public QDialog {
    Q_OBJECT

public:
    explicit RandomTestWindow(TestLauncher &launcher, QWidget *parent = nullptr);

    void onActivated();
    void chooseCategory(draw::Category category);
    void draw();
    void loadDrawn();
    void growTitle();

    draw::Board board;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    TestLauncher &launcher;
    void showList();
    void setCount(int n);
    bool activated = false;

    QList<QRadioButton *> categories;
    QListWidget *drawList = nullptr;
    QLabel *countLabel = nullptr;
    QLabel *drawnTitle = nullptr;
    QPushButton *drawButton = nullptr;
    QPushButton *loadButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QTimer *titleGrowth = nullptr;
};

} // namespace tv
