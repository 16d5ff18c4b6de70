#pragma once

#include "Classroom.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QStringList>

namespace tv::teacher {

// Sorting roles: the data the views sort by, where text order would be wrong
// ("10 min" before "9 min", "Dobry (4)" before "Celujący (6)").
constexpr int kSortRole = Qt::UserRole + 1;

// The pupils of the lesson: name, address, state.
class PupilsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Name, Address, State, ColumnCount };
    explicit PupilsModel(const Classroom &classroom, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const Classroom &room;
};

// The results of the lesson, one row per result report.
class ResultsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Pupil, Test, Time, Tasks, Good, Bad, Grade, Received, ColumnCount };
    explicit ResultsModel(const Classroom &classroom, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    static QStringList headers();

private:
    const Classroom &room;
};

// "12 min 5 sek" in seconds; -1 when the text is not a time.
int timeSeconds(const QString &time);
// A grade's rank from the mark in its parentheses: "Dobry (4)" 40, "Dobry
// plus (4+)" 43; "Mierny z dwoma (2=)" 18 ranks, as in the grade table,
// between "Mierny (2)" and "Mierny minus (2-)"; 0 for none.
int gradeNumber(const QString &grade);

// The text of one cell of the results table.
QString resultCell(const ClassResult &result, int column);

// The results for a spreadsheet: UTF-8 with a byte order mark, fields
// separated by ";" (the separator a Polish spreadsheet expects), quoted where
// needed, CR LF. A pupil's name that would start a formula is defused with a
// leading apostrophe.
QByteArray resultsCsv(const std::vector<ClassResult> &results, const std::vector<int> &order = {});
// Any table written the same way; every cell defused.
QByteArray csvTable(const QStringList &head, const QList<QStringList> &rows);
QString csvField(QString text);

// The class list of results as printed: a heading, then one line per result.
QStringList printedList(const std::vector<ClassResult> &results, const std::vector<int> &order,
                        const QString &heading);

} // namespace tv::teacher
