#include "PlaceGameWindow.h"

#include "app/Shell.h"
#include "platform/ChildArrival.h"
#include "platform/Files.h"
#include "platform/LineFile.h"
#include "platform/Look.h"
#include "platform/ScaledPicture.h"
#include "platform/Services.h"
#include "profile/ProgramSettings.h"
#include "results/ResultRecord.h"
#include "wizards/RandomDraw.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace tv {

namespace {

constexpr int kPicturePanelWidth = 601;
constexpr int kNameColumnWidth = 250;
// What the name list needs beside a scaled picture: its column, frame and
// scroll bar.
constexpr int kSideMinimum = kNameColumnWidth + 40;
constexpr int kPictureSide = 600;
const QColor kNavy(0, 0, 128);

const QString kDrawHint = QStringLiteral("Wylosuj miejsce na Świecie");
const QString kResultHint = QStringLiteral("Wynik testu");
const QString kSearchHint = QStringLiteral("Szukaj nazwy...");

// Painting goes on while the covers appear one by one, but no click may
// reach a game that is half laid out.
void letWindowsPaint()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

PlaceGameWindow::PlaceGameWindow(Shell &shell, const ProgramSettings &settings, QWidget *parent)
    : QWidget(parent), shell(shell), settings(settings)
{
    setObjectName(QStringLiteral("placeGameWindow"));
    setWindowTitle(QStringLiteral("Jakie to miejsce"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/miejsce.svg")));
    setAttribute(Qt::WA_DeleteOnClose);
    // The child's frame paints no background of its own; the window paints
    // all of it, so nothing of the frame's picture shows through the tool bar.
    setAutoFillBackground(true);
    buildLayout();
    buildMenu();

    clock = new QTimer(this);
    clock->setObjectName(QStringLiteral("clock"));
    clock->setInterval(1000);
    connect(clock, &QTimer::timeout, this, &PlaceGameWindow::tick);

    // Activation starts the counters again when the pupil comes back from
    // another child window.
    onChildArrival(shell.childArea(), this, [this] { onActivated(); });
}

PlaceGameWindow::~PlaceGameWindow() = default;

PlaceGameWindow *PlaceGameWindow::find(Shell &shell)
{
    if (QMdiArea *mdi = shell.childArea())
        for (QMdiSubWindow *sub : mdi->subWindowList())
            if (auto *w = qobject_cast<PlaceGameWindow *>(sub->widget()))
                return w;
    return nullptr;
}

PlaceGameWindow *PlaceGameWindow::open(Shell &shell, const ProgramSettings &settings)
{
    if (PlaceGameWindow *open = find(shell)) {
        shell.childArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(open->parentWidget()));
        return open;
    }
    shell.lockForTest();
    shell.setTitle(game::kTitleStrip);
    auto *window = new PlaceGameWindow(shell, settings);
    QMdiSubWindow *sub = shell.addChildWindow(window);
    sub->setAttribute(Qt::WA_OpaquePaintEvent);
    sub->showMaximized();
    shell.childArea()->setActiveSubWindow(sub);
    window->newGame();
    return window;
}

// ---------------------------------------------------------------------------
// Building the window

void PlaceGameWindow::buildLayout()
{
    picturePanel = new QWidget(this);
    picturePanel->setObjectName(QStringLiteral("picturePanel"));
    picturePanel->setFixedWidth(kPicturePanelWidth);
    fillBackground(picturePanel, Qt::black);
    pictureScroll = new QScrollArea(picturePanel);
    pictureScroll->setObjectName(QStringLiteral("pictureScroll"));
    pictureScroll->setFrameShape(QFrame::NoFrame);
    pictureScroll->setWidgetResizable(false);
    pictureScroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fillBackground(pictureScroll->viewport(), Qt::black);
    picture = new QLabel;
    picture->setObjectName(QStringLiteral("picture"));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fillBackground(picture, Qt::black);
    picture->resize(0, 0);
    pictureScroll->setWidget(picture);
    auto *pictureLayout = new QVBoxLayout(picturePanel);
    pictureLayout->setContentsMargins(0, 0, 0, 0);
    pictureLayout->addWidget(pictureScroll);
    for (QWidget *w : {static_cast<QWidget *>(picturePanel), pictureScroll->viewport(), static_cast<QWidget *>(picture)})
        w->installEventFilter(this);

    sidePanel = new QWidget(this);
    sidePanel->setObjectName(QStringLiteral("sidePanel"));
    toolBar = new QToolBar(sidePanel);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setIconSize(QSize(22, 22));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // One action per command, shared by the tool bar (its short caption) and
    // the context menu (its full caption): nothing in a lesson locks one
    // without the other.
    auto command = [this](GameCommand c, const char *name, const char *icon, const QString &toolText,
                          const QString &hint, const QString &menuText, void (PlaceGameWindow::*slot)()) {
        auto *a = new QAction(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))), menuText, this);
        a->setObjectName(QString::fromLatin1(name));
        a->setIconText(toolText);
        a->setToolTip(hint);
        toolBar->addAction(a);
        connect(a, &QAction::triggered, this, slot);
        commands[static_cast<int>(c)] = a;
    };
    command(GameCommand::Draw, "drawCommand", "losuj", QStringLiteral("Wylosuj miejsce"), kDrawHint, kDrawHint,
            &PlaceGameWindow::newGame);
    command(GameCommand::TryName, "resultCommand", "wynik_testu", kResultHint, kResultHint, kResultHint,
            &PlaceGameWindow::tryChosenName);
    command(GameCommand::Search, "searchCommand", "szukaj", QStringLiteral("Szukaj nazwy"), kSearchHint, kSearchHint,
            &PlaceGameWindow::searchName);
    command(GameCommand::Close, "stopCommand", "zamknij_okno", QStringLiteral("Zamknij"), QStringLiteral("Zamknij..."),
            QStringLiteral("Zamknij okno"), &PlaceGameWindow::stop);

    nameList = new QTableWidget(0, 1, sidePanel);
    nameList->setObjectName(QStringLiteral("nameList"));
    nameList->setHorizontalHeaderLabels({QStringLiteral("Dostępne nazwy")});
    nameList->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    nameList->horizontalHeader()->setSectionsClickable(false);
    nameList->setColumnWidth(0, kNameColumnWidth);
    nameList->verticalHeader()->hide();
    nameList->verticalHeader()->setDefaultSectionSize(nameList->fontMetrics().height() + 6);
    nameList->setShowGrid(true);
    nameList->setSelectionBehavior(QAbstractItemView::SelectRows);
    nameList->setSelectionMode(QAbstractItemView::SingleSelection);
    nameList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    nameList->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    nameList->setIconSize(QSize(16, 16));
    nameList->setWordWrap(false);
    nameList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(nameList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { contextMenu->popup(nameList->viewport()->mapToGlobal(at)); });
    // A name is chosen by a click, the keys or the search; nothing selected
    // leaves the choice as it was.
    connect(nameList, &QTableWidget::itemSelectionChanged, this, [this] {
        const QList<QTableWidgetItem *> chosen = nameList->selectedItems();
        if (!chosen.isEmpty())
            game.chosen = chosen.first()->text();
    });
    connect(nameList, &QTableWidget::itemDoubleClicked, this,
            [this](QTableWidgetItem *item) { tryEntry(item->row()); });

    auto *side = new QVBoxLayout(sidePanel);
    side->setContentsMargins(0, 0, 0, 0);
    side->setSpacing(0);
    side->addWidget(toolBar);
    side->addWidget(nameList, 1);

    auto *root = new QHBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addWidget(picturePanel);
    root->addWidget(sidePanel, 1);
    connect(&settings, &ProgramSettings::fitMapChanged, this, &PlaceGameWindow::relayout);
}

void PlaceGameWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void PlaceGameWindow::relayout()
{
    const QSize natural = naturalPicture.isNull() ? QSize(kPictureSide, kPictureSide) : naturalPicture.size();
    const QSize area(width() - kSideMinimum, height());
    const bool fits = natural.width() <= area.width() && natural.height() <= area.height();
    const double s = settings.fitMap() && fits ? fitScale(natural, area) : 1.0;
    zoom = s;
    picturePanel->setFixedWidth(int((kPicturePanelWidth - 1) * s) + 1);
    showPicture();
    // The covers keep their grid over the scaled picture.
    const std::vector<QPoint> at = game::coverPositions(kPicturePanelWidth);
    const int side = int(game::kCoverSize * s);
    for (int i = 0; i < covers.size() && i < int(at.size()); ++i)
        if (QFrame *cover = covers.at(i))
            cover->setGeometry(int(at[i].x() * s), int(at[i].y() * s), side, side);
}

void PlaceGameWindow::showPicture()
{
    if (naturalPicture.isNull())
        return;
    const QSize shown(int(naturalPicture.width() * zoom), int(naturalPicture.height() * zoom));
    const bool sharp = !sharperPicture.isNull() && zoom * devicePixelRatioF() > 1.0;
    if (sharp != sharperShown || picture->pixmap().isNull()) {
        QPixmap pixmap = QPixmap::fromImage(sharp ? sharperPicture : naturalPicture);
        // The sharper picture counts as the natural size, drawn with twice the pixels.
        if (sharp)
            pixmap.setDevicePixelRatio(2.0);
        picture->setPixmap(pixmap);
        sharperShown = sharp;
    }
    picture->setScaledContents(shown != naturalPicture.size() || sharp);
    picture->resize(shown);
}

void PlaceGameWindow::buildMenu()
{
    contextMenu = new QMenu(this);
    contextMenu->setObjectName(QStringLiteral("contextMenu"));
    // The menu lists the result first, as the pupil reaches for it most.
    contextMenu->addAction(command(GameCommand::TryName));
    contextMenu->addSeparator();
    contextMenu->addAction(command(GameCommand::Draw));
    contextMenu->addAction(command(GameCommand::Search));
    contextMenu->addSeparator();
    contextMenu->addAction(command(GameCommand::Close));
}

bool PlaceGameWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ContextMenu) {
        contextMenu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *cover = qobject_cast<QFrame *>(watched);
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const int i = cover ? covers.indexOf(cover) : -1;
        if (i >= 0 && mouse->button() == Qt::LeftButton && cover->rect().contains(mouse->position().toPoint())) {
            openCover(i);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// A game

void PlaceGameWindow::setPlaying(bool playing)
{
    command(GameCommand::Draw)->setEnabled(!playing);
    command(GameCommand::TryName)->setEnabled(playing);
}

void PlaceGameWindow::fillNames()
{
    nameList->clearContents();
    nameList->setRowCount(0);
    names.clear();
    const lines::ReadResult read = lines::readFile(files::dataPath(game::kNamesFile));
    if (read.status) {
        names = read.lines;
        game::sortNames(names);
    } else if (!read.missing) {
        showMessage(this, read.status.message, QStringLiteral("Terravia"), Services::Icon::Error);
    }
    QFont bold = nameList->font();
    bold.setBold(true);
    const QIcon icon(QStringLiteral(":/icons/pinezka.svg"));
    nameList->setRowCount(static_cast<int>(names.size()));
    for (int row = 0; row < names.size(); ++row) {
        auto *entry = new QTableWidgetItem(icon, names.at(row));
        entry->setFont(bold);
        entry->setForeground(kNavy);
        nameList->setItem(row, 0, entry);
    }
    nameList->scrollToTop();
}

void PlaceGameWindow::removeCovers()
{
    for (const QPointer<QFrame> &cover : covers)
        if (cover) {
            cover->hide();
            // A cover may be the one whose click ended the game.
            cover->deleteLater();
        }
    covers.clear();
}

int PlaceGameWindow::closedCoverCount() const
{
    int n = 0;
    for (const QPointer<QFrame> &cover : covers)
        if (cover && !cover->isHidden())
            ++n;
    return n;
}

void PlaceGameWindow::layOutCovers()
{
    removeCovers();
    // The grid is laid out over the natural picture panel and scaled with it.
    for (const QPoint &at : game::coverPositions(kPicturePanelWidth)) {
        auto *cover = new QFrame(this);
        cover->setObjectName(QStringLiteral("cover"));
        cover->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        cover->setLineWidth(1);
        fillBackground(cover, kNavy);
        const int side = int(game::kCoverSize * zoom);
        cover->setGeometry(int(at.x() * zoom), int(at.y() * zoom), side, side);
        cover->setCursor(Qt::PointingHandCursor);
        cover->installEventFilter(this);
        covers.append(cover);
        cover->show();
        cover->raise();
        letWindowsPaint();
    }
}

void PlaceGameWindow::loadPicture()
{
    const int n = game.place;
    const QString name = game::pictureFile(n);
    QImage image;
    if (files::dataExists(name)) {
        QImageReader reader(files::dataPath(name));
        reader.setAutoTransform(false);
        image = reader.read();
    }
    if (image.isNull()) {
        // No picture of another place may wait under the covers.
        naturalPicture = QImage();
        sharperPicture = QImage();
        sharperShown = false;
        picture->setPixmap(QPixmap());
        picture->resize(0, 0);
        relayout();
        showMessage(this, game::kMissingPictureText, game::missingPictureCaption(n), Services::Icon::None);
        return;
    }
    naturalPicture = image;
    sharperPicture = readSharper(files::dataPath(name), image.size());
    sharperShown = false;
    picture->setPixmap(QPixmap());
    relayout();
    pictureScroll->horizontalScrollBar()->setValue(0);
    pictureScroll->verticalScrollBar()->setValue(0);
}

void PlaceGameWindow::newGame()
{
    clock->stop();
    game.chosen.clear();
    fillNames();
    letWindowsPaint();
    layOutCovers();
    picture->show();
    letWindowsPaint();
    game.start(game::drawPlace(names, draw::nextSeed()));
    loadPicture();
    setPlaying(true);
    clock->start();
}

void PlaceGameWindow::onActivated()
{
    game.resetCounters();
}

void PlaceGameWindow::tick()
{
    game.tick();
}

void PlaceGameWindow::openCover(int i)
{
    if (i < 0 || i >= covers.size() || !covers.at(i) || covers.at(i)->isHidden())
        return;
    covers.at(i)->hide();
    if (!game.openCover())
        return;
    clock->stop();
    removeCovers();
    picture->show();
    finishGame(false);
}

void PlaceGameWindow::tryEntry(int row)
{
    // A finished game is not scored a second time.
    if (game.state != game::PlaceGame::State::Playing || row < 0 || row >= names.size())
        return;
    nameList->selectRow(row);
    game.chosen = names.at(row);
    tryChosenName();
}

void PlaceGameWindow::tryChosenName()
{
    if (game.state != game::PlaceGame::State::Playing)
        return;
    if (names.isEmpty()) {
        showMessage(this, game::kEmptyListText, QStringLiteral("Terravia"), Services::Icon::None);
        return;
    }
    clock->stop();
    if (game.tryName() == game::PlaceGame::Try::Wrong) {
        showMessage(this, game::kWrongText, game::kWrongCaption, Services::Icon::Warning);
        clock->start();
        return;
    }
    removeCovers();
    picture->show();
    finishGame(true);
}

void PlaceGameWindow::finishGame(bool won)
{
    const QMessageBox::StandardButton answer =
        showMessage(this, game.resultText(won), game::kResultCaption, Services::Icon::Question,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes) {
        const bool saved = saveResult();
        if (won && saved) {
            game.resetCounters();
            newGame();
            return;
        }
        // After a loss, or when the result could not be stored, the picture
        // stays until the pupil asks for the next place.
        waitForNewGame();
        return;
    }
    if (answer == QMessageBox::No) {
        waitForNewGame();
        return;
    }
    game.resetCounters();
    newGame();
}

bool PlaceGameWindow::saveResult()
{
    const std::optional<QString> name = Services::get().input(this, QStringLiteral("Zapis wyniku..."),
                                                              QStringLiteral("Wpisz swoje imię i nazwisko"), QString());
    if (!name || name->isEmpty())
        return true; // nothing to store
    const Status saved = appendResult(files::dataDir(), game.record(*name));
    if (!saved)
        showMessage(this, saved.message, QStringLiteral("Terravia"), Services::Icon::Error);
    return saved.ok;
}

void PlaceGameWindow::waitForNewGame()
{
    setPlaying(false);
    game.resetCounters();
}

void PlaceGameWindow::searchName()
{
    const std::optional<QString> query =
        Services::get().input(this, QStringLiteral("Szukanie nazwy..."), QStringLiteral("Wpisz szukana nazwę..."),
                              QString());
    if (!query || query->isEmpty())
        return;
    const int row = game::findName(names, *query);
    if (row < 0)
        return;
    nameList->selectRow(row);
    nameList->setFocus();
    QTableWidgetItem *entry = nameList->item(row, 0);
    QScrollBar *bar = nameList->verticalScrollBar();
    bar->setValue(bar->value() + nameList->visualItemRect(entry).top() - 50);
    game.chosen = entry->text();
}

void PlaceGameWindow::stop()
{
    if (settings.startCreator())
        emit creatorRequested();
    if (QWidget *frame = parentWidget())
        frame->close();
    else
        close();
}

void PlaceGameWindow::closeEvent(QCloseEvent *event)
{
    clock->stop();
    removeCovers();
    event->accept();
    shell.unlockAfterTest();
}

} // namespace tv
