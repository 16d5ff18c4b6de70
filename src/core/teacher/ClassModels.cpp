#include "ClassModels.h"

#include <QLocale>
#include <QRegularExpression>

namespace tv::teacher {

// ---------------------------------------------------------------------------
// Pupils

PupilsModel::PupilsModel(const Classroom &classroom, QObject *parent) : QAbstractTableModel(parent), room(classroom)
{
    connect(&room, &Classroom::pupilAdded, this, [this](int row) {
        beginInsertRows({}, row, row);
        endInsertRows();
    });
    connect(&room, &Classroom::pupilRemoving, this, [this](int row) { beginRemoveRows({}, row, row); });
    connect(&room, &Classroom::pupilRemoved, this, [this] { endRemoveRows(); });
    connect(&room, &Classroom::pupilChanged, this,
            [this](int row) { emit dataChanged(index(row, 0), index(row, ColumnCount - 1)); });
}

int PupilsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(room.pupils().size());
}

int PupilsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PupilsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || size_t(index.row()) >= room.pupils().size())
        return {};
    const Pupil &p = room.pupils()[size_t(index.row())];
    if (role == Qt::DisplayRole || role == kSortRole) {
        switch (index.column()) {
        case Name:
            return p.name;
        case Address:
            return p.address;
        case State:
            return role == kSortRole ? QVariant(int(p.state)) : QVariant(Classroom::stateText(p));
        }
    }
    if (role == Qt::ToolTipRole && index.column() == State)
        return Classroom::stateText(p);
    return {};
}

QVariant PupilsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Name:
        return QStringLiteral("Uczeń");
    case Address:
        return QStringLiteral("Adres komputera");
    case State:
        return QStringLiteral("Stan");
    }
    return {};
}

// ---------------------------------------------------------------------------
// Results

int timeSeconds(const QString &time)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d+) min (\\d+) sek\\s*$"));
    const QRegularExpressionMatch m = re.match(time);
    if (!m.hasMatch())
        return -1;
    return m.captured(1).toInt() * 60 + m.captured(2).toInt();
}

int gradeNumber(const QString &grade)
{
    static const QRegularExpression re(QStringLiteral("\\((\\d)([+=-]?)\\)"));
    const QRegularExpressionMatch m = re.match(grade);
    if (!m.hasMatch())
        return 0;
    const QString mark = m.captured(2);
    const int shade = mark == QStringLiteral("+") ? 3 : mark == QStringLiteral("-") ? -3 : mark == QStringLiteral("=") ? -2 : 0;
    return m.captured(1).toInt() * 10 + shade;
}

QString resultCell(const ClassResult &r, int column)
{
    switch (column) {
    case ResultsModel::Pupil:
        return r.record.user;
    case ResultsModel::Test:
        return r.record.title;
    case ResultsModel::Time:
        return r.record.time;
    case ResultsModel::Tasks:
        return r.record.tasks;
    case ResultsModel::Good:
        return r.record.good;
    case ResultsModel::Bad:
        return r.record.bad;
    case ResultsModel::Grade:
        return r.record.grade;
    case ResultsModel::Received:
        return r.received.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    return QString();
}

ResultsModel::ResultsModel(const Classroom &classroom, QObject *parent) : QAbstractTableModel(parent), room(classroom)
{
    connect(&room, &Classroom::resultAdded, this, [this](int row) {
        beginInsertRows({}, row, row);
        endInsertRows();
    });
    connect(&room, &Classroom::resultReplaced, this,
            [this](int row) { emit dataChanged(index(row, 0), index(row, ColumnCount - 1)); });
}

int ResultsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(room.results().size());
}

int ResultsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ResultsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || size_t(index.row()) >= room.results().size())
        return {};
    const ClassResult &r = room.results()[size_t(index.row())];
    // The day is the lesson's: the table shows the hour, the export the date too.
    if (role == Qt::DisplayRole && index.column() == Received)
        return r.received.toString(QStringLiteral("HH:mm:ss"));
    if (role == Qt::DisplayRole)
        return resultCell(r, index.column());
    if (role == Qt::ToolTipRole && index.column() == Received)
        return resultCell(r, index.column());
    if (role == kSortRole) {
        switch (index.column()) {
        case Time:
            return timeSeconds(r.record.time);
        case Tasks:
        case Good:
        case Bad: {
            bool ok = false;
            const int n = resultCell(r, index.column()).trimmed().toInt(&ok);
            return ok ? n : -1;
        }
        case Grade:
            return gradeNumber(r.record.grade);
        case Received:
            return r.received;
        default:
            return QLocale(QLocale::Polish).toLower(resultCell(r, index.column()));
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() >= Tasks && index.column() <= Bad)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QStringList ResultsModel::headers()
{
    return {QStringLiteral("Uczeń"),          QStringLiteral("Test"),     QStringLiteral("Czas"),
            QStringLiteral("Zadań"),          QStringLiteral("Dobrych"),  QStringLiteral("Błędnych"),
            QStringLiteral("Ocena"),          QStringLiteral("Otrzymano")};
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return headers().value(section);
}

// ---------------------------------------------------------------------------
// Export and print

namespace {

std::vector<int> rowsIn(const std::vector<ClassResult> &results, const std::vector<int> &order)
{
    if (!order.empty())
        return order;
    std::vector<int> rows;
    for (size_t i = 0; i < results.size(); ++i)
        rows.push_back(int(i));
    return rows;
}

} // namespace

QString csvField(QString text)
{
    // A spreadsheet would run a cell beginning like a formula.
    if (!text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text[0]))
        text.prepend(u'\'');
    if (text.contains(u';') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r')
        || text.contains(u'\''))
        return u'"' + text.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
    return text;
}

QByteArray csvTable(const QStringList &head, const QList<QStringList> &rows)
{
    QString out;
    QStringList cells;
    for (const QString &h : head)
        cells << csvField(h);
    out += cells.join(u';') + QStringLiteral("\r\n");
    for (const QStringList &row : rows) {
        cells.clear();
        for (const QString &c : row)
            cells << csvField(c);
        out += cells.join(u';') + QStringLiteral("\r\n");
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + out.toUtf8();
}

QByteArray resultsCsv(const std::vector<ClassResult> &results, const std::vector<int> &order)
{
    QList<QStringList> rows;
    for (const int row : rowsIn(results, order)) {
        if (row < 0 || size_t(row) >= results.size())
            continue;
        QStringList cells;
        for (int c = 0; c < ResultsModel::ColumnCount; ++c)
            cells << resultCell(results[size_t(row)], c);
        rows << cells;
    }
    return csvTable(ResultsModel::headers(), rows);
}

QStringList printedList(const std::vector<ClassResult> &results, const std::vector<int> &order,
                        const QString &heading)
{
    QStringList out{heading, QString()};
    int n = 0;
    for (const int row : rowsIn(results, order)) {
        if (row < 0 || size_t(row) >= results.size())
            continue;
        const ResultRecord &r = results[size_t(row)].record;
        if (results[size_t(row)].outcome != ClassResult::Outcome::Result) {
            out << QStringLiteral("%1. %2 — %3: %4").arg(++n).arg(r.user, r.title, r.grade);
            continue;
        }
        out << QStringLiteral("%1. %2 — %3, czas: %4, zadań: %5, dobrych: %6, błędnych: %7, ocena: %8")
                   .arg(++n)
                   .arg(r.user, r.title, r.time, r.tasks, r.good, r.bad, r.grade);
    }
    if (n == 0)
        out << QStringLiteral("Brak wyników.");
    return out;
}

} // namespace tv::teacher
