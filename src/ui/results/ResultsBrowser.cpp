#include "ResultsBrowser.h"

#include "app/Shell.h"
#include "platform/Files.h"
#include "platform/Services.h"
#include "results/BrowserState.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <array>
#include <optional>

namespace tv {

using results::Records;

namespace {

const QString kCaption = QStringLiteral("Terravia");
const QString kNoResults = QStringLiteral("Nie znaleziono żadnych wyników testów na Twoim dysku");

struct ColumnDesign {
    const char *heading;
    int width;
};
constexpr ColumnDesign kColumns[results::ColumnCount] = {
    {"Użytkownik", 180}, {"Test", 250}, {"Czas", 90}, {"W sumie zadań", 105},
    {"Dobrych", 65},     {"Złych", 50}, {"Ocena", 160},
};

// A grade picture: the icon the result dialog shows for the grade when the
// data directory has it, else a plain coloured disc of the same meaning.
QIcon gradeIcon(const QString &file, const QColor &colour)
{
    if (files::dataExists(file)) {
        const QIcon icon(files::dataPath(file));
        if (!icon.availableSizes().isEmpty())
            return icon;
    }
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(colour.darker(160));
    p.setBrush(colour);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    return QIcon(pm);
}

// Whole rows are selected, so a focus frame round one cell would only
// mislead: the row's highlight marks the current record.
class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};

} // namespace

// The rows of the table, in the order displayed.
class ResultsModel : public QAbstractTableModel {
public:
    explicit ResultsModel(QObject *parent) : QAbstractTableModel(parent)
    {
        pictures[0] = gradeIcon(QStringLiteral("celujacy.ico"), QColor(240, 200, 40));
        pictures[1] = gradeIcon(QStringLiteral("bdb.ico"), QColor(90, 190, 70));
        pictures[2] = gradeIcon(QStringLiteral("dst.ico"), QColor(245, 215, 70));
        pictures[3] = gradeIcon(QStringLiteral("ndst.ico"), QColor(225, 80, 70));
        pictures[results::kUserPicture] = QIcon(QStringLiteral(":/icons/uzytkownicy.svg"));
    }

    const Records &records() const { return rows; }

    void setRecords(Records records)
    {
        beginResetModel();
        rows = std::move(records);
        endResetModel();
    }

    void sortBy(int column)
    {
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        const std::vector<int> order = results::sortOrder(rows, column);
        std::vector<int> newRow(order.size());
        Records sorted;
        sorted.reserve(rows.size());
        for (size_t i = 0; i < order.size(); ++i) {
            newRow[order[i]] = static_cast<int>(i);
            sorted.push_back(std::move(rows[order[i]]));
        }
        rows.swap(sorted);
        // The selected row moves with its record.
        const QModelIndexList from = persistentIndexList();
        QModelIndexList to;
        for (const QModelIndex &i : from)
            to << index(newRow[i.row()], i.column());
        changePersistentIndexList(from, to);
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }

    ResultRecord takeRecord(int row)
    {
        beginRemoveRows({}, row, row);
        ResultRecord r = std::move(rows[row]);
        rows.erase(rows.begin() + row);
        endRemoveRows();
        return r;
    }

    void insertRecord(int row, ResultRecord record)
    {
        beginInsertRows({}, row, row);
        rows.insert(rows.begin() + row, std::move(record));
        endInsertRows();
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(rows.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : results::ColumnCount;
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount())
            return {};
        const ResultRecord &r = rows[index.row()];
        if (role == Qt::DisplayRole)
            return results::field(r, index.column());
        if (role == Qt::DecorationRole) {
            if (index.column() == results::ColumnUser)
                return pictures[results::kUserPicture];
            if (index.column() == results::ColumnGrade) {
                const int p = results::gradePicture(r.grade);
                if (p >= 0)
                    return pictures[p];
            }
        }
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0
            && section < results::ColumnCount)
            return QString::fromUtf8(kColumns[section].heading);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

private:
    Records rows;
    std::array<QIcon, 5> pictures;
};

ResultsBrowser::ResultsBrowser(Shell &shell, BrowserState &state, QWidget *parent)
    : QWidget(parent), shell(shell), state(state)
{
    setObjectName(QStringLiteral("resultsBrowser"));
    setWindowTitle(QStringLiteral("Wyniki testów"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/wyniki.svg")));
    setAttribute(Qt::WA_DeleteOnClose);

    model = new ResultsModel(this);
    table = new QTableView(this);
    table->setObjectName(QStringLiteral("table"));
    table->setModel(model);
    table->setShowGrid(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->setTabKeyNavigation(false);
    table->setCornerButtonEnabled(false);
    table->setIconSize(QSize(16, 16));
    // Fixed row heights: the view never measures rows, which keeps a table
    // of many thousand results quick to fill and to sort.
    QHeaderView *rowsHeader = table->verticalHeader();
    rowsHeader->hide();
    rowsHeader->setSectionResizeMode(QHeaderView::Fixed);
    rowsHeader->setDefaultSectionSize(qMax(18, table->fontMetrics().height() + 4));
    QHeaderView *header = table->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSortIndicatorShown(false);
    for (int c = 0; c < results::ColumnCount; ++c)
        header->resizeSection(c, kColumns[c].width);
    // The designed widths, widened where this system's font needs more room
    // for the longest grade of the scale beside its picture.
    const int gradeWidth = table->fontMetrics().horizontalAdvance(QStringLiteral("Bardzo dobry minus (5-)"))
        + table->iconSize().width() + 20; // the picture and the cell's margins
    header->resizeSection(results::ColumnGrade, qMax(kColumns[results::ColumnGrade].width, gradeWidth));
    table->setItemDelegate(new RowDelegate(table));
    connect(header, &QHeaderView::sectionClicked, this, &ResultsBrowser::sortByColumn);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table);

    buildMenu();
    // The browser sees its keys before the table does.
    table->installEventFilter(this);
    table->viewport()->installEventFilter(this);

    if (QMdiArea *mdi = shell.childArea())
        connect(mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *w) {
            // The main window losing the focus leaves its active child
            // active: only a change of child window is an activation.
            if (!w)
                return;
            const bool mine = w->widget() == this;
            if (mine && !active) {
                active = true;
                onActivated();
            } else if (!mine) {
                active = false;
            }
        });
}

ResultsBrowser::~ResultsBrowser() = default;

void ResultsBrowser::buildMenu()
{
    contextMenu = new QMenu(this);
    contextMenu->setObjectName(QStringLiteral("contextMenu"));
    auto add = [this](ResultsCommand c, const char *name, const QString &caption, void (ResultsBrowser::*slot)()) {
        auto *a = contextMenu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
        commands[static_cast<int>(c)] = a;
    };
    using C = ResultsCommand;
    add(C::Print, "printItem", QStringLiteral("Drukuj wynik  [Ctrl + P]"), &ResultsBrowser::print);
    contextMenu->addSeparator();
    add(C::ShowAll, "showAllItem", QStringLiteral("Pokaż wszystkie wyniki"), &ResultsBrowser::showAll);
    add(C::Filter, "filterItem", QStringLiteral("Filtruj wyniki... [F6]"), &ResultsBrowser::openFilter);
    contextMenu->addSeparator();
    add(C::DeleteSelected, "deleteSelectedItem", QStringLiteral("Usuń zaznaczony wynik"), &ResultsBrowser::deleteSelected);
    add(C::DeleteAll, "deleteAllItem", QStringLiteral("Usuń wyniki  [Ctrl + U]"), &ResultsBrowser::deleteAll);
    contextMenu->addSeparator();
    add(C::Close, "closeItem", QStringLiteral("Zamknij okno [Esc]"), &ResultsBrowser::closeWindow);

    table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { contextMenu->popup(table->viewport()->mapToGlobal(pos)); });
}

void ResultsBrowser::activateOnce()
{
    // Activation normally reads the file; when the main window is not the
    // active window the area does not report it yet.
    if (!active) {
        active = true;
        onActivated();
    }
}

QMdiSubWindow *ResultsBrowser::subWindow() const
{
    return qobject_cast<QMdiSubWindow *>(parentWidget());
}

// ---------------------------------------------------------------------------
// Reading

const Records &ResultsBrowser::rows() const
{
    return model->records();
}

QStringList ResultsBrowser::reportLines() const
{
    return results::report(reportRecords);
}

bool ResultsBrowser::filterMode() const
{
    return state.filterMode;
}

void ResultsBrowser::setFilterMode(bool on)
{
    state.filterMode = on;
}

void ResultsBrowser::onActivated()
{
    // While tmp.tvw exists, the browser shows the filtered set.
    const bool filtered = files::dataExists(results::kTempFile);
    setFilterMode(filtered);
    readResults(filtered ? results::kTempFile : kResultsFile);
    setHourglass(false);
}

void ResultsBrowser::readResults(const QString &fileName)
{
    reportRecords.clear();
    table->horizontalHeader()->setSortIndicatorShown(false);
    if (!files::dataExists(fileName)) {
        if (fileName == kResultsFile)
            readAs = {};
        model->setRecords({});
        return;
    }
    results::ReadRecords read = results::readRecordsFile(files::dataPath(fileName));
    if (!read.status) {
        model->setRecords({});
        setHourglass(false);
        showMessage(this, read.status.message, kCaption, Services::Icon::Error);
        return;
    }
    if (fileName == kResultsFile)
        readAs = read.fingerprint;
    reportRecords = read.records;
    model->setRecords(std::move(read.records));
}

void ResultsBrowser::showAll()
{
    // tmp.tvw stays: the next activation returns to the filtered set.
    setFilterMode(false);
    readResults(kResultsFile);
}

// ---------------------------------------------------------------------------
// Sorting

void ResultsBrowser::sortByColumn(int column)
{
    if (column < 0 || column >= results::ColumnCount)
        return;
    state.sortColumn = column;
    setHourglass(true);
    model->sortBy(column);
    // Always ascending: the indicator says by which column.
    QHeaderView *header = table->horizontalHeader();
    header->setSortIndicator(column, Qt::AscendingOrder);
    header->setSortIndicatorShown(true);
    setHourglass(false);
}

int ResultsBrowser::selectedRow() const
{
    const QModelIndexList rowsSelected = table->selectionModel()->selectedRows();
    return rowsSelected.isEmpty() ? -1 : rowsSelected.first().row();
}

void ResultsBrowser::selectRow(int row)
{
    table->selectRow(row);
}

// ---------------------------------------------------------------------------
// Deleting

void ResultsBrowser::rewriteResults(std::optional<int> removedRow)
{
    setHourglass(true);
    std::optional<size_t> row;
    if (removedRow && *removedRow >= 0)
        row = static_cast<size_t>(*removedRow);
    const results::Removal done =
        results::removeRecord(files::dataPath(kResultsFile), model->records(), row, readAs);
    setHourglass(false);
    using Outcome = results::Removal::Outcome;
    switch (done.outcome) {
    case Outcome::Written:
        if (row)
            model->takeRecord(*removedRow);
        readAs = done.fingerprint;
        return;
    case Outcome::Merged:
    case Outcome::Unchanged:
    case Outcome::RecordGone:
        // Another copy of the program wrote the file after it was read: the
        // table now shows the file as it is.
        readAs = done.fingerprint;
        reportRecords = done.records;
        model->setRecords(done.records);
        table->horizontalHeader()->setSortIndicatorShown(false);
        if (done.outcome == Outcome::RecordGone)
            showMessage(this,
                        QStringLiteral("Tego wyniku nie ma już w pliku z wynikami: w międzyczasie zmieniła go inna "
                                       "kopia programu Terravia.\r\nNic nie zostało usunięte."),
                        kCaption, Services::Icon::Information);
        return;
    case Outcome::Failed:
        showMessage(this, done.status.message, kCaption, Services::Icon::Error);
        return;
    }
}

void ResultsBrowser::deleteSelected()
{
    if (filterMode()) {
        showMessage(this,
                    QStringLiteral("Jesteś w trybie filtracji wyników testów. Z tego poziomu operacja usuwania jest "
                                   "zabroniona.\r\nWybierz opcję: Pokaż wszystkie wyniki i wówczas usuń "
                                   "zaznaczony..."),
                    kCaption, Services::Icon::Error);
        return;
    }
    const int row = selectedRow();
    if (row < 0)
        return;
    const QString user = model->records()[row].user;
    const auto answer = showMessage(this, QStringLiteral("Czy napewno chcesz usunąć wynik: ") + user, kCaption,
                                    Services::Icon::Warning, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    // Rewritten whatever the answer: the file takes the order displayed.
    rewriteResults(answer == QMessageBox::Yes ? std::optional<int>(row) : std::nullopt);
}

bool deleteAllResults(QWidget *parent)
{
    if (!files::dataExists(kResultsFile)) {
        showMessage(parent, kNoResults, kCaption, Services::Icon::Information);
        return false;
    }
    const auto answer =
        showMessage(parent, QStringLiteral("Czy napewno chcesz usunąć wszystkie wyniki testów?"), kCaption,
                    Services::Icon::Warning, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return false;
    setHourglass(true);
    const Status deleted = results::deleteResultsFile(files::dataPath(kResultsFile));
    setHourglass(false);
    if (!deleted) {
        showMessage(parent, deleted.message, kCaption, Services::Icon::Error);
        return false;
    }
    return true;
}

void ResultsBrowser::deleteAll()
{
    if (deleteAllResults(this))
        if (QMdiSubWindow *sub = subWindow())
            sub->close();
}

// ---------------------------------------------------------------------------
// Printing

void ResultsBrowser::print()
{
    // The header alone is no result: nothing worth a sheet of paper.
    if (reportRecords.empty()) {
        showMessage(this, QStringLiteral("Brak wyników do wydruku"), kCaption, Services::Icon::Information);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Wyniki testów"));
    printer.setPageMargins(QMarginsF(20, 15, 15, 15), QPageLayout::Millimeter);
    if (!Services::get().printDialog(this, printer))
        return;
    setHourglass(true);
    const bool printed = printReport(printer);
    setHourglass(false);
    if (!printed)
        showMessage(this, QStringLiteral("Nie można rozpocząć drukowania na wybranej drukarce."), kCaption,
                    Services::Icon::Error);
}

bool ResultsBrowser::printReport(QPrinter &printer) const
{
    QPainter p;
    if (!p.begin(&printer))
        return false;
    QFont font(QStringLiteral("Arial"), 12);
    font.setStyleHint(QFont::SansSerif);
    p.setFont(font);
    const QFontMetrics fm = p.fontMetrics();
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const int width = page.width();
    const int height = page.height();
    int y = fm.ascent();
    for (const QString &line : reportLines()) {
        if (y + fm.descent() > height) {
            printer.newPage();
            y = fm.ascent();
        }
        p.drawText(0, y, fm.elidedText(line, Qt::ElideRight, width));
        y += fm.lineSpacing();
    }
    return p.end();
}

// ---------------------------------------------------------------------------
// Keys, the filter and closing

bool ResultsBrowser::isOurKey(const QKeyEvent *key)
{
    const auto mods = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    if (mods == Qt::ControlModifier)
        return key->key() == Qt::Key_P || key->key() == Qt::Key_U;
    if (mods == Qt::NoModifier)
        return key->key() == Qt::Key_F6 || key->key() == Qt::Key_Escape;
    return false;
}

void ResultsBrowser::keyCommand(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_P:
        print();
        break;
    case Qt::Key_U:
        deleteAll();
        break;
    case Qt::Key_F6:
        openFilter();
        break;
    case Qt::Key_Escape:
        if (QMdiSubWindow *sub = subWindow())
            sub->close();
        break;
    default:
        break;
    }
}

bool ResultsBrowser::event(QEvent *e)
{
    // The main window binds Ctrl+P and Ctrl+U to its own forms of the
    // commands; while the browser has the focus, its forms win.
    if (e->type() == QEvent::ShortcutOverride && isOurKey(static_cast<QKeyEvent *>(e))) {
        e->accept();
        return true;
    }
    if (e->type() == QEvent::KeyPress && isOurKey(static_cast<QKeyEvent *>(e))) {
        keyCommand(static_cast<QKeyEvent *>(e));
        return true;
    }
    return QWidget::event(e);
}

bool ResultsBrowser::eventFilter(QObject *watched, QEvent *e)
{
    if ((watched == table || watched == table->viewport())
        && (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress)
        && isOurKey(static_cast<QKeyEvent *>(e))) {
        e->accept();
        if (e->type() == QEvent::KeyPress)
            keyCommand(static_cast<QKeyEvent *>(e));
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

void ResultsBrowser::openFilter()
{
    if (QMdiSubWindow *sub = subWindow())
        sub->close();
    emit filterRequested();
}

void ResultsBrowser::closeWindow()
{
    shell.closeActiveChild();
}

void ResultsBrowser::closeEvent(QCloseEvent *event)
{
    if (files::dataExists(results::kTempFile))
        QFile::remove(files::dataPath(results::kTempFile));
    setFilterMode(false);
    shell.unlockAfterTest();
    shell.setCommandEnabled(Command::ItemResults, true);
    shell.setCommandEnabled(Command::ButtonResults, true);
    shell.setCommandEnabled(Command::ItemDeleteResults, true);
    shell.setCommandEnabled(Command::ItemPrintResults, false);
    event->accept();
}

} // namespace tv
