#pragma once

#include "results/ResultsFilter.h"

#include <QDialog>

class QAction;
class QGroupBox;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;

namespace tv {

// The results filter: picks the records of one registered user, one grade
// or one test from Wyniki.tvw, leaves them in tmp.tvw and opens a results
// browser on that file. One instance, created at start-up.
class TFiltr_wyniki : public QDialog {
    Q_OBJECT

public:
    explicit TFiltr_wyniki(QWidget *parent = nullptr);

    // True while a browser shows the filtered set; the browser reads it.
    bool filterMode = false;

    void FormActivate();
    void f_nazwiskoClick();
    void f_oceaClick();
    void F_testClick();
    void ListBox1Click();
    void menu_testClick();
    void OKClick();
    void AnulujClick();

    // The records of Wyniki.tvw read at activation, and the value chosen.
    const results::Records &lineStore() const { return store; }
    QString chosenValue() const { return chosen; }
    results::FilterBy filterBy() const;

    QGroupBox *GroupBox1 = nullptr;
    QRadioButton *f_nazwisko = nullptr;
    QRadioButton *f_ocea = nullptr;
    QRadioButton *F_test = nullptr;
    QListWidget *ListBox1 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *menu_test = nullptr;
    QPushButton *OK = nullptr;
    QPushButton *Anuluj = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fill(const QStringList &items);

    results::Records store;
    QString chosen;
    bool selectingByCode = false; // selection changes not made by the user
};

} // namespace tv
