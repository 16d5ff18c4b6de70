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

class ProgramSettings;
class Shell;
struct BrowserState;

// The results filter: picks the records of one registered user, one grade
// or one test from Wyniki.tvw, leaves them in tmp.tvw and opens a results
// browser on that file. One instance, created at start-up.
class ResultsFilterDialog : public QDialog {
    Q_OBJECT

public:
    ResultsFilterDialog(Shell &shell, const ProgramSettings &settings, BrowserState &browser,
                        QWidget *parent = nullptr);

    void onActivated();
    void chooseByUser();
    void chooseByGrade();
    void chooseByTest();
    void takeChoice();
    void searchTest();
    void applyFilter();
    void cancel();

    // The records of Wyniki.tvw read at activation, and the value chosen.
    const results::Records &records() const { return stored; }
    QString chosenValue() const { return chosenText; }
    results::FilterBy filterBy() const;

signals:
    // The filtered set is in tmp.tvw: a browser should show it now.
    void browseRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fill(const QStringList &items);

    Shell &shell;
    const ProgramSettings &settings;
    BrowserState &browser;
    results::Records stored;
    QString chosenText;
    bool selectingByCode = false; // selection changes not made by the user

    QGroupBox *optionsGroup = nullptr;
    QRadioButton *byUserRadio = nullptr;
    QRadioButton *byGradeRadio = nullptr;
    QRadioButton *byTestRadio = nullptr;
    QListWidget *choiceList = nullptr;
    QMenu *contextMenu = nullptr;
    QAction *searchAction = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;
};

} // namespace tv
