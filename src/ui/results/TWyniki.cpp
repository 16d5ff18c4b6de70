#include "TWyniki.h"

#include "app/Forms.h"
#include "app/Locking.h"
#include "app/TForm1.h"
#include "platform/Files.h"
#include "platform/Services.h"
#include "results/TFiltr_wyniki.h"

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

int TWyniki::sortColumn = 0;

TWyniki::TWyniki(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Wyniki"));
    setWindowTitle(QStringLiteral("Wyniki testów"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/wyniki.svg")));
    setAttribute(Qt::WA_DeleteOnClose);

    model = new ResultsModel(this);
    ListView1 = new QTableView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setModel(model);
    ListView1->setShowGrid(true);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setWordWrap(false);
    ListView1->setTabKeyNavigation(false);
    ListView1->setCornerButtonEnabled(false);
    ListView1->setIconSize(QSize(16, 16));
    // Fixed row heights: the view never measures rows, which keeps a table
    // of many thousand results quick to fill and to sort.
    QHeaderView *rowsHeader = ListView1->verticalHeader();
    rowsHeader->hide();
    rowsHeader->setSectionResizeMode(QHeaderView::Fixed);
    rowsHeader->setDefaultSectionSize(qMax(18, ListView1->fontMetrics().height() + 4));
    QHeaderView *header = ListView1->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSortIndicatorShown(false);
    for (int c = 0; c < results::ColumnCount; ++c)
        header->resizeSection(c, kColumns[c].width);
    // The designed widths, widened where this system's font needs more room
    // for the longest grade of the scale beside its picture.
    const int gradeWidth = ListView1->fontMetrics().horizontalAdvance(QStringLiteral("Bardzo dobry minus (5-)"))
        + ListView1->iconSize().width() + 20; // the picture and the cell's margins
    header->resizeSection(results::ColumnGrade, qMax(kColumns[results::ColumnGrade].width, gradeWidth));
    ListView1->setItemDelegate(new RowDelegate(ListView1));
    connect(header, &QHeaderView::sectionClicked, this, &TWyniki::ListView1ColumnClick);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ListView1);

    buildMenu();
    // The browser sees its keys before the table does.
    ListView1->installEventFilter(this);
    ListView1->viewport()->installEventFilter(this);

    if (QMdiArea *mdi = forms().Form1 ? forms().Form1->mdiArea() : nullptr)
        connect(mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *w) {
            // The main window losing the focus leaves its active child
            // active: only a change of child window is an activation.
            if (!w)
                return;
            const bool mine = w->widget() == this;
            if (mine && !active) {
                active = true;
                FormActivate();
            } else if (!mine) {
                active = false;
            }
        });
}

TWyniki::~TWyniki() = default;

void TWyniki::buildMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto add = [this](const char *name, const QString &caption, void (TWyniki::*slot)()) {
        auto *a = PopupMenu1->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
    };
    add("Drukujwynik1", QStringLiteral("Drukuj wynik  [Ctrl + P]"), &TWyniki::DrukujClick);
    PopupMenu1->addSeparator();
    add("Pokawszystkiewyniki1", QStringLiteral("Pokaż wszystkie wyniki"), &TWyniki::PokazWszystkieClick);
    add("Filtrujwyniki1", QStringLiteral("Filtruj wyniki... [F6]"), &TWyniki::FiltrujClick);
    PopupMenu1->addSeparator();
    add("Usuzaznaczonywynik1", QStringLiteral("Usuń zaznaczony wynik"), &TWyniki::UsunZaznaczonyClick);
    add("Usuwyniki2", QStringLiteral("Usuń wyniki  [Ctrl + U]"), &TWyniki::UsunWynikiClick);
    PopupMenu1->addSeparator();
    add("Zamknijokno1", QStringLiteral("Zamknij okno [Esc]"), &TWyniki::ZamknijClick);

    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ListView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { PopupMenu1->popup(ListView1->viewport()->mapToGlobal(pos)); });
}

QAction *TWyniki::action(const QString &objectName) const
{
    return PopupMenu1->findChild<QAction *>(objectName);
}

TWyniki *TWyniki::open()
{
    TForm1 *main = forms().Form1;
    auto *browser = new TWyniki;
    QMdiSubWindow *sub = main->addChildWindow(browser);
    sub->showMaximized();
    main->mdiArea()->setActiveSubWindow(sub);
    // Activation normally reads the file; when the main window is not the
    // active window the area does not report it yet.
    if (!browser->active) {
        browser->active = true;
        browser->FormActivate();
    }
    return browser;
}

TWyniki *TWyniki::find()
{
    TForm1 *main = forms().Form1;
    if (!main)
        return nullptr;
    QMdiArea *mdi = main->mdiArea();
    if (QMdiSubWindow *a = mdi->activeSubWindow())
        if (auto *w = qobject_cast<TWyniki *>(a->widget()))
            return w;
    for (QMdiSubWindow *sub : mdi->subWindowList())
        if (auto *w = qobject_cast<TWyniki *>(sub->widget()))
            return w;
    return nullptr;
}

QMdiSubWindow *TWyniki::subWindow() const
{
    return qobject_cast<QMdiSubWindow *>(parentWidget());
}

// ---------------------------------------------------------------------------
// Reading

const Records &TWyniki::rows() const
{
    return model->records();
}

QStringList TWyniki::reportLines() const
{
    return results::report(raport);
}

bool TWyniki::filterMode() const
{
    const TFiltr_wyniki *f = forms().Filtr_wyniki;
    return f && f->filterMode;
}

void TWyniki::setFilterMode(bool on)
{
    if (TFiltr_wyniki *f = forms().Filtr_wyniki)
        f->filterMode = on;
}

void TWyniki::FormActivate()
{
    // While tmp.tvw exists, the browser shows the filtered set.
    const bool filtered = files::dataExists(results::kTempFile);
    setFilterMode(filtered);
    Odczyt_wynikow(filtered ? results::kTempFile : kResultsFile);
    setHourglass(false);
}

void TWyniki::Odczyt_wynikow(const QString &fileName)
{
    raport.clear();
    ListView1->horizontalHeader()->setSortIndicatorShown(false);
    if (!files::dataExists(fileName)) {
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
    raport = read.records;
    model->setRecords(std::move(read.records));
}

void TWyniki::PokazWszystkieClick()
{
    // tmp.tvw stays: the next activation returns to the filtered set.
    setFilterMode(false);
    Odczyt_wynikow(kResultsFile);
}

// ---------------------------------------------------------------------------
// Sorting

void TWyniki::ListView1ColumnClick(int column)
{
    if (column < 0 || column >= results::ColumnCount)
        return;
    sortColumn = column;
    setHourglass(true);
    model->sortBy(column);
    // Always ascending: the indicator says by which column.
    QHeaderView *header = ListView1->horizontalHeader();
    header->setSortIndicator(column, Qt::AscendingOrder);
    header->setSortIndicatorShown(true);
    setHourglass(false);
}

int TWyniki::selectedRow() const
{
    const QModelIndexList rowsSelected = ListView1->selectionModel()->selectedRows();
    return rowsSelected.isEmpty() ? -1 : rowsSelected.first().row();
}

void TWyniki::selectRow(int row)
{
    ListView1->selectRow(row);
}

// ---------------------------------------------------------------------------
// Deleting

Status TWyniki::Zapisz_wyniki()
{
    setHourglass(true);
    const Status s = results::writeRecordsFile(files::dataPath(kResultsFile), model->records());
    setHourglass(false);
    return s;
}

void TWyniki::UsunZaznaczonyClick()
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
                                    Services::Icon::Warning, QMessageBox::Yes | QMessageBox::No);
    std::optional<ResultRecord> removed;
    if (answer == QMessageBox::Yes)
        removed = model->takeRecord(row);
    // Rewritten whatever the answer: the file takes the order displayed.
    const Status s = Zapisz_wyniki();
    if (!s) {
        // The file still holds the record, so the table shows it again.
        if (removed)
            model->insertRecord(row, std::move(*removed));
        showMessage(this, s.message, kCaption, Services::Icon::Error);
    }
}

bool deleteAllResults(QWidget *parent)
{
    if (!files::dataExists(kResultsFile)) {
        showMessage(parent, kNoResults, kCaption, Services::Icon::Information);
        return false;
    }
    const auto answer =
        showMessage(parent, QStringLiteral("Czy napewno chcesz usunąć wszystkie wyniki testów?"), kCaption,
                    Services::Icon::Warning, QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return false;
    QFile f(files::dataPath(kResultsFile));
    if (!f.remove()) {
        showMessage(parent,
                    QStringLiteral("Nie można usunąć pliku %1:\r\n%2")
                        .arg(QDir::toNativeSeparators(f.fileName()), f.errorString()),
                    kCaption, Services::Icon::Error);
        return false;
    }
    return true;
}

void TWyniki::UsunWynikiClick()
{
    if (deleteAllResults(this))
        if (QMdiSubWindow *sub = subWindow())
            sub->close();
}

// ---------------------------------------------------------------------------
// Printing

void TWyniki::DrukujClick()
{
    // The header alone is no result: nothing worth a sheet of paper.
    if (raport.empty()) {
        showMessage(this, QStringLiteral("Brak wyników do wydruku"), kCaption, Services::Icon::Information);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Wyniki testów"));
    printer.setPageMargins(QMarginsF(20, 15, 15, 15), QPageLayout::Millimeter);
    if (!Services::get().printDialog(this, printer))
        return;
    setHourglass(true);
    const bool printed = Drukuj_raport(printer);
    setHourglass(false);
    if (!printed)
        showMessage(this, QStringLiteral("Nie można rozpocząć drukowania na wybranej drukarce."), kCaption,
                    Services::Icon::Error);
}

bool TWyniki::Drukuj_raport(QPrinter &printer) const
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

bool TWyniki::isOurKey(const QKeyEvent *key)
{
    const auto mods = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    if (mods == Qt::ControlModifier)
        return key->key() == Qt::Key_P || key->key() == Qt::Key_U;
    if (mods == Qt::NoModifier)
        return key->key() == Qt::Key_F6 || key->key() == Qt::Key_Escape;
    return false;
}

void TWyniki::keyCommand(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_P:
        DrukujClick();
        break;
    case Qt::Key_U:
        UsunWynikiClick();
        break;
    case Qt::Key_F6:
        FiltrujClick();
        break;
    case Qt::Key_Escape:
        if (QMdiSubWindow *sub = subWindow())
            sub->close();
        break;
    default:
        break;
    }
}

bool TWyniki::event(QEvent *e)
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

bool TWyniki::eventFilter(QObject *watched, QEvent *e)
{
    if ((watched == ListView1 || watched == ListView1->viewport())
        && (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress)
        && isOurKey(static_cast<QKeyEvent *>(e))) {
        e->accept();
        if (e->type() == QEvent::KeyPress)
            keyCommand(static_cast<QKeyEvent *>(e));
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

void TWyniki::FiltrujClick()
{
    if (QMdiSubWindow *sub = subWindow())
        sub->close();
    forms().Form1->FiltrujClick();
}

void TWyniki::ZamknijClick()
{
    forms().Form1->Zamknij_MDIClick();
}

void TWyniki::closeEvent(QCloseEvent *event)
{
    if (files::dataExists(results::kTempFile))
        QFile::remove(files::dataPath(results::kTempFile));
    setFilterMode(false);
    TForm1 *main = forms().Form1;
    main->Menu_test_koniec();
    main->commandAction(Command::ItemWyniki)->setEnabled(true);
    main->commandAction(Command::ButtonWyniki)->setEnabled(true);
    if (QAction *a = main->menuItem(QStringLiteral("Usuwyniki1")))
        a->setEnabled(true);
    if (QAction *a = main->menuItem(QStringLiteral("Drukujwynikitestw1")))
        a->setEnabled(false);
    event->accept();
}

} // namespace tv
