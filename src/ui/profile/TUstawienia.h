#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tv {

// The settings dialog: edits konf.dat. Created once at start-up and shown
// modally; it keeps the state of its controls between showings.
class TUstawienia : public QDialog {
    Q_OBJECT

public:
    explicit TUstawienia(QWidget *parent = nullptr);

    // Fills the controls from konf.dat and the in-memory sounds; runs each
    // time the dialog is shown.
    void FormActivate();
    void ZastosujClick();
    void AnulujClick();
    void nowyClick();
    void UsunClick();
    void d11Click();
    void d21Click();
    void Arch_KSClick();

    QRadioButton *max = nullptr;
    QRadioButton *normal = nullptr;
    QRadioButton *k_tak = nullptr;
    QRadioButton *k_nie = nullptr;
    QLineEdit *d1 = nullptr;
    QLineEdit *d2 = nullptr;
    QPushButton *d11 = nullptr;
    QPushButton *d21 = nullptr;
    QCheckBox *tryb = nullptr;
    QListWidget *lista = nullptr;
    QPushButton *nowy = nullptr;
    QPushButton *Usun = nullptr;
    QPushButton *Arch_KS = nullptr;
    QPushButton *Zastosuj = nullptr;
    QPushButton *Anuluj = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void chooseSound(QLineEdit *target);
};

} // namespace tv
