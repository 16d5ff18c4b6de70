#pragma once

#include <QDialog>
#include <QPalette>

class QPushButton;

namespace tv {

// Opens the system's display settings (the screen window and its help
// window both offer it); a message when the system has no such tool.
void openDisplaySettings(QWidget *parent);

// "Terravia: Ekran": advises the recommended screen size of 800 x 600 and
// offers to change it, to open the system's display settings, or to show how
// it is done. A new window per opening, modal. While it exists, hints are
// drawn in yellow.
class ScreenAdviceWindow : public QDialog {
    Q_OBJECT

public:
    explicit ScreenAdviceWindow(QWidget *parent = nullptr);
    ~ScreenAdviceWindow() override;

    // "Spróbuj zmienić rozdzielczość ekranu na 800X600"
    void changeResolution();
    // "Pokaż narzędzie systemowe Ekran - sam to zrobię"
    void showDisplaySettings();
    // "Pokaż, jak wygląda zmiana rozdzielczości ekranu - Pomoc "
    void showHelp();

private:
    QPalette hintPalette; // the hints' own colours, restored at the end

    QPushButton *changeButton = nullptr;
    QPushButton *settingsButton = nullptr;
    QPushButton *helpButton = nullptr;
    QPushButton *closeButton = nullptr;
};

// The picture of the display settings with the places to look at.
class ScreenHelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit ScreenHelpWindow(QWidget *parent = nullptr);

private:
    QPushButton *closeButton = nullptr;
    QPushButton *settingsButton = nullptr;
};

} // namespace tv
