#pragma once

#include "PolishSortProxy.h"
#include "teacher/Gradebook.h"

#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QWidget>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTableView;

namespace tv::teacher {

// Keeps the class's average and the list of who has not written a test
// under the pupils, whichever way the table is sorted or filtered.
class FooterLastProxy : public PolishSortProxy {
public:
    static constexpr int kFooterRole = Qt::UserRole + 7;
    using PolishSortProxy::PolishSortProxy;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override;
};

// "Dziennik ocen": a class's grades over a period, pupils × tests, and one
// pupil's history, from the gradebook; exported and printed. The lesson's
// own log is the main window's "Dziennik" tab; this window is about the year.
class GradebookWindow : public QWidget {
    Q_OBJECT

public:
    enum PeriodChoice { SchoolYear, FirstTerm, SecondTerm, ThisMonth, Range };

    explicit GradebookWindow(Gradebook &book, QWidget *parent = nullptr);

    // --- the commands, as the buttons and menus give them -------------------------
    void refresh();
    void showHistory(const QString &pupil);
    void exportCsv();
    void print();
    void importFile();
    // Opens on the lesson's class when the gradebook knows it.
    void showClass(const QString &name);

    Period period() const;
    GradeChoice choice() const;
    const GradeTable &table() const { return grades; }
    const std::vector<StoredResult> &history() const { return pupilResults; }

private:
    QComboBox *classBox = nullptr;
    QComboBox *periodBox = nullptr;
    QComboBox *choiceBox = nullptr;
    QDateEdit *fromEdit = nullptr;
    QDateEdit *toEdit = nullptr;
    QLineEdit *filterEdit = nullptr;
    QTabWidget *tabs = nullptr;
    QTableView *tableView = nullptr;
    QComboBox *pupilBox = nullptr;
    QTableView *historyView = nullptr;
    QLabel *historySummary = nullptr;

    void fillTable();
    void fillHistory();
    QStringList printedLines() const;

    Gradebook &book;
    GradeTable grades;
    std::vector<StoredResult> pupilResults;
    QStandardItemModel tableModel;
    QStandardItemModel historyModel;
    FooterLastProxy tableSorted;
    QSortFilterProxyModel historySorted;
};

} // namespace tv::teacher
