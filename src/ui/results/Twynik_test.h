#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace tv {

// The result dialog: shows a judged test, takes the pupil's name and stores
// the result (local mode) or sends it to the teacher's server (session).
class Twynik_test : public QDialog {
    Q_OBJECT

public:
    explicit Twynik_test(QWidget *parent = nullptr);

    // Shared with the test window.
    int countdown = 30;
    int closeState = 0; // 0 may close, 1 close now, 2 result pending
    bool testFinished = false;

    void FormActivate();
    void Timer1Timer(); // the top-grade sound
    void Timer2Timer(); // the session countdown
    void ZapiszClick();
    void AnulujClick();
    void Button1Click();
    void Ok_KSClick();   // send the result to the server
    // Sets the grade picture from an icon file of the data directory (none
    // when the name is empty or the file is missing).
    void setGradeIcon(const QString &iconFile);
    bool hasGradeIcon() const;

    QLineEdit *imie = nullptr;
    QComboBox *cmb_imie = nullptr;
    QPushButton *Button1 = nullptr;
    QLabel *Test = nullptr;
    QLabel *lbl_czas = nullptr;
    QLabel *zadan = nullptr;
    QLabel *lbl_dobre = nullptr;
    QLabel *lbl_zle = nullptr;
    QLabel *ocena = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Label7 = nullptr;
    QCheckBox *Check = nullptr;
    QPushButton *Zapisz = nullptr;
    QPushButton *Anuluj = nullptr;
    QPushButton *Ok_KS = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool sessionMode() const;
    bool closingFromButton = false;
};

} // namespace tv
