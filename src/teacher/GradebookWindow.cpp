#include "GradebookWindow.h"

#include "PrintedList.h"
#include "platform/Services.h"
#include "platform/System.h"
#include "teacher/ClassModels.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace tv::teacher {

namespace {

const QString kCaption = QStringLiteral("Dziennik ocen");

QString shortTitle(const QString &title)
{
    return title.startsWith(QStringLiteral("Test: ")) ? title.mid(6) : title;
}

QTableView *makeTable(QWidget *parent, QAbstractItemModel *model)
{
    auto *view = new QTableView(parent);
    view->setModel(model);
    view->setSortingEnabled(true);
    view->sortByColumn(0, Qt::AscendingOrder);
    view->setAlternatingRowColors(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setHighlightSections(false);
    return view;
}

QStandardItem *item(const QString &text, const QVariant &sortBy)
{
    auto *i = new QStandardItem(text);
    i->setData(sortBy, kSortRole);
    return i;
}

} // namespace

bool FooterLastProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const int l = left.data(kFooterRole).toInt(), r = right.data(kFooterRole).toInt();
    if (l != r)
        return (l < r) == (sortOrder() == Qt::AscendingOrder);
    return PolishSortProxy::lessThan(left, right);
}

bool FooterLastProxy::filterAcceptsRow(int row, const QModelIndex &parent) const
{
    if (sourceModel()->index(row, 0, parent).data(kFooterRole).toInt() > 0)
        return true;
    return QSortFilterProxyModel::filterAcceptsRow(row, parent);
}

GradebookWindow::GradebookWindow(Gradebook &gradebook, QWidget *parent)
    : QWidget(parent, Qt::Window), book(gradebook)
{
    setWindowTitle(QStringLiteral("Dziennik ocen"));
    setObjectName(QStringLiteral("gradebook"));
    resize(1000, 620);
    auto *layout = new QVBoxLayout(this);

    auto *choices = new QHBoxLayout;
    classBox = new QComboBox(this);
    classBox->setObjectName(QStringLiteral("class"));
    classBox->setMinimumContentsLength(8);
    periodBox = new QComboBox(this);
    periodBox->setObjectName(QStringLiteral("period"));
    periodBox->addItems({QStringLiteral("cały rok szkolny"), QStringLiteral("I semestr"),
                         QStringLiteral("II semestr"), QStringLiteral("bieżący miesiąc"),
                         QStringLiteral("od – do")});
    const QDate today = Clock::current().now().date();
    fromEdit = new QDateEdit(today.addMonths(-1), this);
    toEdit = new QDateEdit(today, this);
    for (QDateEdit *e : {fromEdit, toEdit}) {
        e->setCalendarPopup(true);
        e->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        e->setEnabled(false);
    }
    choiceBox = new QComboBox(this);
    choiceBox->setObjectName(QStringLiteral("choice"));
    choiceBox->addItems({QStringLiteral("ostatnia ocena"), QStringLiteral("najlepsza ocena"),
                         QStringLiteral("wszystkie oceny")});
    filterEdit = new QLineEdit(this);
    filterEdit->setPlaceholderText(QStringLiteral("Szukaj ucznia..."));
    filterEdit->setClearButtonEnabled(true);
    choices->addWidget(new QLabel(QStringLiteral("Klasa:"), this));
    choices->addWidget(classBox);
    choices->addSpacing(12);
    choices->addWidget(new QLabel(QStringLiteral("Okres:"), this));
    choices->addWidget(periodBox);
    choices->addWidget(fromEdit);
    choices->addWidget(toEdit);
    choices->addSpacing(12);
    choices->addWidget(new QLabel(QStringLiteral("Pokaż:"), this));
    choices->addWidget(choiceBox);
    choices->addSpacing(12);
    choices->addWidget(filterEdit, 1);
    layout->addLayout(choices);

    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabs"));
    layout->addWidget(tabs, 1);

    tableSorted.setSourceModel(&tableModel);
    tableSorted.setSortRole(kSortRole);
    tableSorted.setFilterKeyColumn(0);
    tableSorted.setFilterCaseSensitivity(Qt::CaseInsensitive);
    tableView = makeTable(tabs, &tableSorted);
    tableView->setObjectName(QStringLiteral("classTable"));
    tableView->setWordWrap(true);
    tabs->addTab(tableView, QStringLiteral("Klasa"));

    auto *historyPage = new QWidget(tabs);
    auto *historyLayout = new QVBoxLayout(historyPage);
    auto *who = new QHBoxLayout;
    pupilBox = new QComboBox(historyPage);
    pupilBox->setObjectName(QStringLiteral("pupil"));
    pupilBox->setMinimumContentsLength(20);
    historySummary = new QLabel(historyPage);
    who->addWidget(new QLabel(QStringLiteral("Uczeń:"), historyPage));
    who->addWidget(pupilBox);
    who->addSpacing(12);
    who->addWidget(historySummary, 1);
    historyLayout->addLayout(who);
    historySorted.setSourceModel(&historyModel);
    historySorted.setSortRole(kSortRole);
    historySorted.setFilterKeyColumn(1);
    historySorted.setFilterCaseSensitivity(Qt::CaseInsensitive);
    historyView = makeTable(historyPage, &historySorted);
    historyView->setObjectName(QStringLiteral("history"));
    historyLayout->addWidget(historyView, 1);
    tabs->addTab(historyPage, QStringLiteral("Historia ucznia"));

    auto *buttons = new QHBoxLayout;
    auto *importButton = new QPushButton(QStringLiteral("Importuj Wyniki.tvw..."), this);
    importButton->setToolTip(QStringLiteral("Dopisz do dziennika wyniki z dawnego pliku Wyniki.tvw (bez klasy)"));
    auto *exportButton = new QPushButton(QStringLiteral("Eksportuj do CSV..."), this);
    auto *printButton = new QPushButton(QStringLiteral("Drukuj..."), this);
    auto *closeButton = new QPushButton(QStringLiteral("Zamknij"), this);
    buttons->addWidget(importButton);
    buttons->addStretch(1);
    buttons->addWidget(exportButton);
    buttons->addWidget(printButton);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);

    connect(importButton, &QPushButton::clicked, this, &GradebookWindow::importFile);
    connect(exportButton, &QPushButton::clicked, this, &GradebookWindow::exportCsv);
    connect(printButton, &QPushButton::clicked, this, &GradebookWindow::print);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(classBox, &QComboBox::currentTextChanged, this, &GradebookWindow::refresh);
    connect(periodBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        fromEdit->setEnabled(index == Range);
        toEdit->setEnabled(index == Range);
        refresh();
    });
    connect(fromEdit, &QDateEdit::dateChanged, this, &GradebookWindow::refresh);
    connect(toEdit, &QDateEdit::dateChanged, this, &GradebookWindow::refresh);
    connect(choiceBox, &QComboBox::currentIndexChanged, this, &GradebookWindow::fillTable);
    connect(filterEdit, &QLineEdit::textChanged, this, [this](const QString &text) {
        tableSorted.setFilterFixedString(text);
        historySorted.setFilterFixedString(text);
    });
    connect(pupilBox, &QComboBox::currentTextChanged, this, &GradebookWindow::fillHistory);
    connect(tableView, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.data(FooterLastProxy::kFooterRole).toInt() == 0)
            showHistory(tableSorted.index(index.row(), 0).data().toString());
    });

    const QSignalBlocker quiet(classBox);
    classBox->addItems(book.classes());
    // Results imported from an old Wyniki.tvw have no class.
    classBox->addItem(QStringLiteral("(bez klasy)"));
    refresh();
}

Period GradebookWindow::period() const
{
    const QDate today = Clock::current().now().date();
    const int year = schoolYearOf(today);
    switch (periodBox->currentIndex()) {
    case FirstTerm: return Period::term(year, 1);
    case SecondTerm: return Period::term(year, 2);
    case ThisMonth: return Period::month(today.year(), today.month());
    case Range: return Period::days(fromEdit->date(), toEdit->date());
    default: return {Period::term(year, 1).from, Period::term(year, 2).to};
    }
}

GradeChoice GradebookWindow::choice() const
{
    switch (choiceBox->currentIndex()) {
    case 1: return GradeChoice::Best;
    case 2: return GradeChoice::All;
    default: return GradeChoice::Last;
    }
}

namespace {
QString classOf(const QComboBox *box)
{
    return box->currentIndex() == box->count() - 1 ? QString() : box->currentText();
}
} // namespace

void GradebookWindow::showClass(const QString &name)
{
    const int at = classBox->findText(name);
    if (at >= 0)
        classBox->setCurrentIndex(at);
}

void GradebookWindow::refresh()
{
    const QString className = classOf(classBox);
    grades = gradeTable(book.classResults(className, period()), book.pupils(className));
    fillTable();
    const QString pupil = pupilBox->currentText();
    const QSignalBlocker quiet(pupilBox);
    pupilBox->clear();
    pupilBox->addItems(grades.pupils);
    pupilBox->setCurrentIndex(std::max(0, int(grades.pupils.indexOf(pupil))));
    fillHistory();
}

void GradebookWindow::fillTable()
{
    const GradeChoice how = choice();
    tableModel.clear();
    QStringList head{QStringLiteral("Uczeń")};
    for (const QString &t : grades.tests)
        head << shortTitle(t);
    tableModel.setHorizontalHeaderLabels(head);
    for (int t = 0; t < grades.tests.size(); ++t)
        tableModel.horizontalHeaderItem(t + 1)->setToolTip(grades.tests[t]);
    const QLocale pl(QLocale::Polish);
    for (int p = 0; p < grades.pupils.size(); ++p) {
        QList<QStandardItem *> row{item(grades.pupils[p], pl.toLower(grades.pupils[p]))};
        for (int t = 0; t < grades.tests.size(); ++t) {
            const auto &results = grades.cells[size_t(p)][size_t(t)];
            if (results.empty()) {
                QStandardItem *none = item(QStringLiteral("—"), -1);
                none->setBackground(QColor(0xfb, 0xe3, 0xe3));
                none->setToolTip(QStringLiteral("nie pisał(a)"));
                none->setTextAlignment(Qt::AlignCenter);
                row << none;
                continue;
            }
            const QString text = grades.cell(p, t, how);
            QStandardItem *cell = item(text, gradeNumber(text));
            QStringList dated;
            for (const StoredResult &r : results)
                dated << r.arrived.toString(QStringLiteral("d.MM.yyyy")) + QStringLiteral(": ") + r.record.grade;
            cell->setToolTip(dated.join(u'\n'));
            row << cell;
        }
        tableModel.appendRow(row);
    }
    QList<QStandardItem *> averages{item(QStringLiteral("Średnia klasy"), QString())};
    QList<QStandardItem *> missing{item(QStringLiteral("Nie pisali"), QString())};
    for (int t = 0; t < grades.tests.size(); ++t) {
        averages << item(averageText(grades.average(t, how)), QString());
        const QStringList who = grades.missing(t);
        QStandardItem *m = item(who.isEmpty() ? QStringLiteral("wszyscy pisali")
                                              : QStringLiteral("%1: %2").arg(who.size()).arg(who.join(QStringLiteral(", "))),
                                QString());
        m->setToolTip(who.join(u'\n'));
        missing << m;
    }
    int footer = 1;
    for (const auto &row : {averages, missing}) {
        for (QStandardItem *i : row) {
            i->setData(footer, FooterLastProxy::kFooterRole);
            QFont bold = i->font();
            bold.setBold(true);
            i->setFont(bold);
            i->setBackground(QColor(0xee, 0xf2, 0xfa));
        }
        tableModel.appendRow(row);
        ++footer;
    }
    tableView->setColumnWidth(0, 190);
    for (int c = 1; c < tableModel.columnCount(); ++c)
        tableView->setColumnWidth(c, how == GradeChoice::All ? 260 : 150);
    tableView->resizeRowsToContents();
}

void GradebookWindow::showHistory(const QString &pupil)
{
    pupilBox->setCurrentText(pupil);
    tabs->setCurrentIndex(1);
}

void GradebookWindow::fillHistory()
{
    const QString pupil = pupilBox->currentText();
    pupilResults = pupil.isEmpty() ? std::vector<StoredResult>{}
                                   : book.pupilHistory(classOf(classBox), pupil, period());
    historyModel.clear();
    historyModel.setHorizontalHeaderLabels(historyHeaders());
    const QLocale pl(QLocale::Polish);
    int sum = 0, marks = 0;
    for (const StoredResult &r : pupilResults) {
        QList<QStandardItem *> row;
        for (int c = 0; c < historyHeaders().size(); ++c) {
            const QString text = historyCell(r, c);
            QVariant sortBy = pl.toLower(text);
            if (c == 0)
                sortBy = r.arrived;
            else if (c == 2)
                sortBy = timeSeconds(text);
            else if (c >= 3 && c <= 5)
                sortBy = text.toInt();
            else if (c == 6)
                sortBy = gradeNumber(text);
            row << item(text, sortBy);
        }
        historyModel.appendRow(row);
        if (const int m = markOf(r.record.grade)) {
            sum += m;
            ++marks;
        }
    }
    historySummary->setText(
        pupilResults.empty() ? QStringLiteral("Brak wyników w tym okresie.")
                             : QStringLiteral("Wyników: %1, średnia ocen: %2")
                                   .arg(pupilResults.size())
                                   .arg(averageText(marks ? double(sum) / marks : -1.0)));
    const int widths[] = {120, 260, 95, 55, 65, 70, 150, 60};
    for (int c = 0; c < 8; ++c)
        historyView->setColumnWidth(c, widths[c]);
}

void GradebookWindow::exportCsv()
{
    const bool pupilPage = tabs->currentIndex() == 1;
    const QString who = pupilPage ? pupilBox->currentText() : classOf(classBox);
    QString name = QStringLiteral("dziennik-%1.csv").arg(who.isEmpty() ? QStringLiteral("bez-klasy") : who);
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>| ]")), QStringLiteral("_"));
    const QString path = Services::get().saveFileName(
        this, QStringLiteral("Eksport dziennika"),
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(name),
        QStringLiteral("Pliki CSV (*.csv)"));
    if (path.isEmpty())
        return;
    QByteArray bytes;
    if (pupilPage) {
        bytes = historyCsv(pupilResults);
    } else {
        std::vector<int> order;
        for (int r = 0; r < tableSorted.rowCount(); ++r) {
            const QModelIndex source = tableSorted.mapToSource(tableSorted.index(r, 0));
            if (source.data(FooterLastProxy::kFooterRole).toInt() == 0)
                order.push_back(source.row());
        }
        bytes = gradeTableCsv(grades, choice(), order);
    }
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) < 0 || !f.commit())
        showMessage(this, QStringLiteral("Nie można zapisać pliku %1:\r\n%2").arg(path, f.errorString()), kCaption,
                    Services::Icon::Error);
}

QStringList GradebookWindow::printedLines() const
{
    const QString className = classOf(classBox);
    QStringList out;
    if (tabs->currentIndex() == 1) {
        out << QStringLiteral("%1, klasa %2 – historia wyników").arg(pupilBox->currentText(), className) << QString();
        for (const StoredResult &r : pupilResults)
            out << QStringLiteral("%1  %2 – %3 (dobrych %4 z %5, czas %6)")
                       .arg(historyCell(r, 0), r.record.title, r.record.grade, r.record.good, r.record.tasks,
                            r.record.time);
        return out;
    }
    out << QStringLiteral("Klasa %1 – %2, %3").arg(className, periodBox->currentText(), choiceBox->currentText())
        << QString();
    for (int t = 0; t < grades.tests.size(); ++t) {
        out << QStringLiteral("%1 (średnia %2)").arg(grades.tests[t], averageText(grades.average(t, choice())));
        for (int p = 0; p < grades.pupils.size(); ++p) {
            const QString cell = grades.cell(p, t, choice());
            out << QStringLiteral("    %1: %2").arg(grades.pupils[p], cell.isEmpty() ? QStringLiteral("—") : cell);
        }
        out << QString();
    }
    return out;
}

void GradebookWindow::print()
{
    printLines(this, kCaption, printedLines(), 10, kCaption);
}

void GradebookWindow::importFile()
{
    const QString path = Services::get().openFileName(this, QStringLiteral("Import wyników"), QDir::homePath(),
                                                      QStringLiteral("Wyniki Terravii (*.tvw)"));
    if (path.isEmpty())
        return;
    const Gradebook::Imported done = book.importResultsFile(path);
    if (!done.status) {
        showMessage(this, done.status.message, kCaption, Services::Icon::Error);
        return;
    }
    showMessage(this,
                done.already ? QStringLiteral("Ten plik został już zaimportowany; nic nie dodano.")
                             : QStringLiteral("Zaimportowano wyników: %1 (bez klasy, z datą pliku).").arg(done.count),
                kCaption, Services::Icon::Information);
    refresh();
}

} // namespace tv::teacher
