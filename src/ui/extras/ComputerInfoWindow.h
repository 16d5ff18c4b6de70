#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace tv {

// "Info o Twoim komputerze" where the system has no information program of
// its own: what a teacher needs when reporting a problem, ready to copy.
class ComputerInfoWindow : public QDialog {
    Q_OBJECT

public:
    explicit ComputerInfoWindow(QWidget *parent = nullptr);

    QString text() const;
    // "Kopiuj": the whole text to the clipboard.
    void copy();

private:
    QPlainTextEdit *facts = nullptr;
    QPushButton *copyButton = nullptr;
    QPushButton *okButton = nullptr;
};

// "1280 x 800, 24 bity kolorów" for the primary screen, and how many more.
QString screenText();

} // namespace tv
