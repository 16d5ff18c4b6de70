#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace tv {

// The users list window: registers and removes the pupils of a workstation.
// A new window per opening, always modal.
class TUzytkownicy_programu : public QDialog {
    Q_OBJECT

public:
    explicit TUzytkownicy_programu(QWidget *parent = nullptr);

    void FormActivate();
    void NowyClick();
    void UsunClick();
    void OKClick();
    // Writes konf.dat and the main window's list; false when writing failed.
    bool Zapisz_dane();
    bool changed() const { return zmiana; }

    QListWidget *ListBox1 = nullptr;
    QPushButton *Nowy = nullptr;
    QPushButton *Usun = nullptr;
    QPushButton *OK = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool zmiana = false;
};

} // namespace tv
