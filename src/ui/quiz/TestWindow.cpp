#include "TestWindow.h"

#include "MapView.h"
#include "Markers.h"
#include "app/Shell.h"
#include "catalogue/Catalogue.h"
#include "catalogue/LaunchRequest.h"
#include "catalogue/LoadingWindow.h"
#include "extras/LegendWindow.h"
#include "net/Session.h"
#include "platform/ChildArrival.h"
#include "platform/Files.h"
#include "platform/LineFile.h"
#include "platform/Pictures.h"
#include "platform/ScaledPicture.h"
#include "platform/Services.h"
#include "platform/System.h"
#include "platform/Text.h"
#include "profile/ProgramSettings.h"
#include "quiz/ChainProgress.h"
#include "quiz/Grades.h"
#include "quiz/Learning.h"
#include "quiz/Worksheet.h"
#include "quiz/Shuffle.h"
#include "results/ResultDialog.h"
#include "results/ResultState.h"
#include "platform/Look.h"
#include "platform/KeptSpellings.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragMoveEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace tv {

namespace {

quint64 &fixedSeed()
{
    static quint64 seed = 0;
    return seed;
}

const QString kNotAvailable = QStringLiteral("Operacja: Cofnij zaznaczenie, obecnie nie jest dostępna");
const QString kNoHint = QStringLiteral("Wybrano:?");
const QString kMissingConfiguration =
    QStringLiteral("Nie można załadować tego testu ponieważ, na Twoim dysku brak pliku konfiguracyjnego: ED.dat");
const QString kMissingDescription =
    QStringLiteral("Nie można załadować tego testu ponieważ, na Twoim dysku brak pliku konfiguracyjnego: ED_o.dat");
const QString kMissingFileCaption = QStringLiteral("Terravia: Brak pliku");
constexpr int kRightColumn = 150;
// The corner of the map the hint panel may cover: the content pack keeps its
// boxes out of it.
constexpr int kHintRight = 10;
constexpr int kHintTop = 4;
constexpr int kHintMaxWidth = 302;

enum class Shots { Repeating, Once };

// The window's timers: named, so tests find them.
template <typename Slot>
QTimer *makeTimer(TestWindow *window, const char *name, int ms, Shots shots, Slot slot)
{
    auto *timer = new QTimer(window);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setSingleShot(shots == Shots::Once);
    timer->setInterval(ms);
    QObject::connect(timer, &QTimer::timeout, window, slot);
    return timer;
}

} // namespace

void TestWindow::setShuffleSeed(quint64 seed)
{
    fixedSeed() = seed;
}

TestWindow::TestWindow(const TestWindowContext &context, QWidget *parent)
    : QWidget(parent), context(context), runningTitle(context.request.title)
{
    setObjectName(QStringLiteral("testWindow"));
    setWindowTitle(QStringLiteral("Test geograficzny"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/terravia.svg")));
    setAttribute(Qt::WA_DeleteOnClose);
    buildLayout();
    buildMenus();
    bindKeys();
    setUpKeyboard();

    startDelay = makeTimer(this, "startDelay", 1000, Shots::Once, &TestWindow::onStartDelay);
    clock = makeTimer(this, "clock", 1000, Shots::Repeating, &TestWindow::tick);

    // Only becoming the active child resets the record and, in a lesson,
    // withholds the result: a pupil who clicks another program, or the
    // teacher's "01" message box closing, must not lose the way to finish.
    onChildArrival(context.shell.childArea(), this, [this] { onActivated(); });
}

TestWindow::~TestWindow() = default;

// ---------------------------------------------------------------------------
// Building the window

void TestWindow::buildLayout()
{
    mapPanel = new QWidget(this);
    mapPanel->setObjectName(QStringLiteral("mapPanel"));
    fillBackground(mapPanel, Qt::white);
    toolBar = new QToolBar(mapPanel);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setIconSize(QSize(22, 22));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto tool = [this](TestCommand c, const char *name, const char *icon, const QString &hint,
                       void (TestWindow::*slot)()) {
        auto *a = new QAction(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))), hint, this);
        a->setObjectName(QString::fromLatin1(name));
        commands[static_cast<int>(c)] = a;
        a->setToolTip(hint);
        toolBar->addAction(a);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    tool(TestCommand::ResultTool, "resultAction", "wynik_testu", QStringLiteral("Wynik testu"), &TestWindow::showResult);
    toolBar->addSeparator();
    tool(TestCommand::OtherTestTool, "otherTestAction", "inny_test", QStringLiteral("Załaduj inny test"), &TestWindow::loadOtherTest);
    tool(TestCommand::SameTestTool, "sameTestAction", "ten_sam_test", QStringLiteral("Załaduj ten sam test"), &TestWindow::reloadTest);
    toolBar->addSeparator();
    tool(TestCommand::UndoTool, "undoAction", "cofnij", QStringLiteral("Cofnij ostatnie posunięcie"), &TestWindow::undo)->setEnabled(false);
    toolBar->addSeparator();
    tool(TestCommand::StopTool, "stopAction", "przerwij", QStringLiteral("Przerwij test"), &TestWindow::stopTest);
    toolBar->addSeparator();
    tool(TestCommand::CorrectionsTool, "correctionsAction", "poprawne", learning::kShowCorrections, &TestWindow::showCorrections);
    tool(TestCommand::RetestTool, "retestAction", "powtorz", learning::kRetestMissed, &TestWindow::retestMissed);
    tool(TestCommand::WorksheetTool, "worksheetAction", "karta_pracy", learning::kPrintWorksheet, &TestWindow::printWorksheet);

    mapScroll = new MapView(mapPanel);
    mapScroll->setFitToWindow(context.settings.fitMap());
    connect(&context.settings, &ProgramSettings::fitMapChanged, mapScroll, &MapView::setFitToWindow);
    canvas = mapScroll->page();
    mapPicture = mapScroll->picture();
    // The map takes a dragged name only to scroll under it near its edges;
    // names are dropped on the markers.
    canvas->setAcceptDrops(true);
    canvas->installEventFilter(this);
    mapPicture->installEventFilter(this);
    for (int k = 1; k <= kMaxMarkers; ++k) {
        MarkerBox *m = mapScroll->marker(k);
        markers[k - 1] = m;
        connect(m, &MarkerBox::dropped, this,
                [this](MarkerBox *target, int source) { dropName(markers::markerOfAnswer(target->tag), source); });
        connect(m, &MarkerBox::doubleClicked, this, [this](MarkerBox *target) { askMarker(markers::markerOfAnswer(target->tag)); });
        connect(m, &MarkerBox::dropRequested, this, [this](MarkerBox *target) { dropPicked(target->number()); });
        connect(m, &MarkerBox::moveRequested, this,
                [this](MarkerBox *target, navigation::Direction d) { moveFocusFrom(target->number(), d); });
        m->installEventFilter(this);
    }

    auto *left = new QVBoxLayout(mapPanel);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(0);
    left->addWidget(toolBar);
    left->addWidget(mapScroll, 1);

    // Over the map's top right corner, where the content pack keeps every
    // box clear of it; it scrolls with the map and keeps its own size on
    // every scale.
    hintPanel = new HintPanel(canvas);
    hintPanel->raise();

    namesPanel = new QWidget(this);
    namesPanel->setObjectName(QStringLiteral("namesPanel"));
    namesPanel->setFixedWidth(kRightColumn);
    fillBackground(namesPanel, Qt::white);
    auto *heading = new QLabel(QStringLiteral("Dostępne nazwy"), namesPanel);
    heading->setObjectName(QStringLiteral("namesHeading"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setGeometry(4, 0, 136, 16);
    for (int k = 1; k <= kMaxMarkers; ++k) {
        auto *e = new NameField(k, namesPanel);
        e->move(4, 16 + 24 * (k - 1));
        fields[k - 1] = e;
        connect(e, &NameField::chosen, this, [this](NameField *f) { setHint(QStringLiteral("Wybrano: ") + f->text()); });
        connect(e, &NameField::pickRequested, this, [this](NameField *f) { pickName(f->tag); });
    }
    resultButton = new QPushButton(QIcon(QStringLiteral(":/icons/wynik_testu.svg")), QStringLiteral("Wynik testu"),
                                   namesPanel);
    resultButton->setObjectName(QStringLiteral("resultButton"));
    resultButton->setToolTip(QStringLiteral("Wynik testu"));
    resultButton->setGeometry(4, 16 + 24 * kMaxMarkers + 8, 136, 32);
    connect(resultButton, &QPushButton::clicked, this, &TestWindow::showResult);

    testsMenuButton = new QToolButton(namesPanel);
    testsMenuButton->setObjectName(QStringLiteral("testsMenuButton"));
    testsMenuButton->setText(kept::kLoadTestButton);
    testsMenuButton->setToolTip(QStringLiteral("Ładuj test..."));
    testsMenuButton->hide();
    connect(testsMenuButton, &QToolButton::clicked, this, &TestWindow::showTestsMenu);

    // A skin's picture lies behind both panels instead of the white.
    const QPixmap skin = context.shell.testWindowPicture();
    if (!skin.isNull()) {
        fillBackgroundPicture(mapPanel, skin);
        fillBackgroundPicture(namesPanel, skin);
    }

    auto *root = new QHBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addWidget(mapPanel, 1);
    root->addWidget(namesPanel);
    mapPanel->installEventFilter(this);
}

void TestWindow::buildMenus()
{
    auto item = [this](QMenu *menu, TestCommand c, const char *name, const QString &caption,
                       void (TestWindow::*slot)()) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        commands[static_cast<int>(c)] = a;
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    contextMenu = new QMenu(this);
    contextMenu->setObjectName(QStringLiteral("contextMenu"));
    item(contextMenu, TestCommand::ResultItem, "resultItem", QStringLiteral("Wynik testu  [F4]"), &TestWindow::showResult);
    contextMenu->addSeparator();
    item(contextMenu, TestCommand::OtherTestItem, "otherTestItem", QStringLiteral("Załaduj inny test  [F3]"), &TestWindow::loadOtherTest);
    item(contextMenu, TestCommand::ReloadItem, "reloadItem", kept::kReloadThisTest, &TestWindow::reloadTest);
    contextMenu->addSeparator();
    item(contextMenu, TestCommand::UndoItem, "undoItem", QStringLiteral("Cofnij wybór"), &TestWindow::undo)->setEnabled(false);
    contextMenu->addSeparator();
    item(contextMenu, TestCommand::LegendItem, "legendItem", QStringLiteral("Legenda  [F2]"), &TestWindow::showLegend);
    contextMenu->addSeparator();
    item(contextMenu, TestCommand::StopItem, "stopItem", QStringLiteral("Przerwij test  [F5]"), &TestWindow::stopTest);
    contextMenu->addSeparator();
    item(contextMenu, TestCommand::CorrectionsItem, "correctionsItem", learning::kShowCorrections + QStringLiteral("  [Ctrl + O]"),
         &TestWindow::showCorrections);
    item(contextMenu, TestCommand::RetestItem, "retestItem", learning::kRetestMissed + QStringLiteral("  [Ctrl + B]"),
         &TestWindow::retestMissed);
    item(contextMenu, TestCommand::WorksheetItem, "worksheetItem", learning::kPrintWorksheet + QStringLiteral("  [Ctrl + K]"),
         &TestWindow::printWorksheet);
    // Nothing is judged yet; in a chain the corrections are a switch the
    // pupil sets before a step is judged.
    setLearningEnabled(false);

    testsMenu = new QMenu(this);
    testsMenu->setObjectName(QStringLiteral("testsMenu"));
    item(testsMenu, TestCommand::SameTestMenuItem, "sameTestMenuItem", QStringLiteral("Załaduj ten sam test"), &TestWindow::reloadTest);
    item(testsMenu, TestCommand::OtherTestMenuItem, "otherTestMenuItem", QStringLiteral("Załaduj inny test"), &TestWindow::loadOtherTest);
    testsMenu->addSeparator();
    item(testsMenu, TestCommand::StopTestsMenuItem, "stopTestsMenuItem", QStringLiteral("Przerwij testy"), &TestWindow::stopTest);
}

void TestWindow::bindKeys()
{
    // The window sees these keys before its controls and consumes them. In a
    // session a key works only while its command's button is usable.
    auto key = [this](Qt::Key k, std::function<void()> run) {
        auto *sc = new QShortcut(QKeySequence(k), this);
        sc->setContext(Qt::WindowShortcut);
        connect(sc, &QShortcut::activated, this, std::move(run));
    };
    auto usable = [this](TestCommand c) { return command(c)->isEnabled(); };
    key(Qt::Key_F1, [this] { emit helpRequested(); });
    key(Qt::Key_F2, [this] { showLegend(); });
    key(Qt::Key_F3, [this, usable] {
        if (!sessionActive() || usable(TestCommand::OtherTestTool))
            loadOtherTest();
    });
    // F4 is the key of the menu item "Wynik testu  [F4]", which loading
    // makes usable in a session too, and judging takes away again.
    key(Qt::Key_F4, [this, usable] {
        if (!sessionActive() || usable(TestCommand::ResultItem))
            showResult();
    });
    key(Qt::Key_F6, [this] { emit filterRequested(); });
    // The commands after judging work from the keyboard only while offered.
    auto learningKey = [this, usable](Qt::Key k, TestCommand name, void (TestWindow::*run)()) {
        auto *sc = new QShortcut(QKeySequence(Qt::CTRL | k), this);
        sc->setContext(Qt::WindowShortcut);
        connect(sc, &QShortcut::activated, this, [this, usable, name, run] {
            if (usable(name))
                (this->*run)();
        });
    };
    learningKey(Qt::Key_O, TestCommand::CorrectionsTool, &TestWindow::showCorrections);
    learningKey(Qt::Key_B, TestCommand::RetestTool, &TestWindow::retestMissed);
    learningKey(Qt::Key_K, TestCommand::WorksheetTool, &TestWindow::printWorksheet);
    for (Qt::Key k : {Qt::Key_F5, Qt::Key_Escape})
        key(k, [this, usable] {
            if (!sessionActive() || usable(TestCommand::StopTool))
                stopTest();
        });
}

bool TestWindow::sessionActive() const
{
    return context.session.active();
}

bool TestWindow::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == canvas || watched == mapPicture) && event->type() == QEvent::ContextMenu) {
        contextMenu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    if (pendingStep && (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress)) {
        // Any key or click in the window goes on with the chain; the tool
        // bar keeps its commands (a pupil may still stop the chain).
        auto *w = qobject_cast<QWidget *>(watched);
        if (w && (w == this || isAncestorOf(w)) && !toolBar->isAncestorOf(w)) {
            goOn();
            return true;
        }
    }
    auto *marker = qobject_cast<MarkerBox *>(watched);
    if (marker && event->type() == QEvent::FocusIn) {
        lastMarker = marker->number();
        mapScroll->ensureWidgetVisible(marker, 40, 40);
    }
    if (marker && (event->type() == QEvent::FocusIn || event->type() == QEvent::Enter)
        && !marker->correction().isEmpty())
        setHint(learning::correctionHint({marker->number(), marker->text(), marker->correction()}));
    if (watched == canvas || marker) {
        auto *w = static_cast<QWidget *>(watched);
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto *drag = static_cast<QDragMoveEvent *>(event);
            if (!drag->mimeData() || !drag->mimeData()->hasFormat(kNameMime))
                break;
            dragMovedTo(mapScroll->viewport()->mapFromGlobal(w->mapToGlobal(drag->position().toPoint())));
            if (watched == canvas) {
                // Entered to hear the moves; no drop on the bare map.
                if (event->type() == QEvent::DragEnter)
                    drag->acceptProposedAction();
                else
                    drag->ignore();
                return true;
            }
            break;
        }
        case QEvent::Drop:
            dragEnded();
            if (watched == canvas) {
                event->ignore();
                return true;
            }
            break;
        case QEvent::DragLeave:
            if (watched == canvas)
                edgeScroll->stop();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// The keyboard

void TestWindow::setUpKeyboard()
{
    numberPause = makeTimer(this, "numberPause", 900, Shots::Once, &TestWindow::onNumberPause);
    edgeScroll = makeTimer(this, "edgeScroll", 40, Shots::Repeating, &TestWindow::edgeScrollTick);

    // Tab goes through the names, then the markers, then the commands; the
    // map itself is no stop (its markers are).
    mapScroll->setFocusPolicy(Qt::NoFocus);
    QList<QWidget *> chain;
    for (NameField *f : fields)
        chain << f;
    for (MarkerBox *m : markers)
        chain << m;
    chain << resultButton;
    for (QAction *a : toolBar->actions())
        if (QWidget *b = a->isSeparator() ? nullptr : toolBar->widgetForAction(a)) {
            b->setFocusPolicy(Qt::TabFocus);
            chain << b;
        }
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void TestWindow::setPicked(int field)
{
    picked = field;
    for (NameField *f : fields)
        f->setPicked(f->tag == field);
    numberEntry.reset(field ? test.count() : 0);
    numberPause->stop();
}

void TestWindow::pickName(int field)
{
    if (field < 1 || field > test.count())
        return;
    setPicked(field);
    // On to the map: the marker last visited, else the first still blank.
    int target = lastMarker >= 1 && lastMarker <= test.count() ? lastMarker : 0;
    for (int k = 1; k <= test.count() && !target; ++k)
        if (test.marker(k).state == MarkerState::Blank)
            target = k;
    markers[(target ? target : 1) - 1]->setFocus(Qt::OtherFocusReason);
}

void TestWindow::dropPicked(int marker)
{
    if (numberEntry.waiting()) {
        // Enter after a first digit: that number, not the focused marker.
        numberPause->stop();
        marker = numberEntry.commit();
    }
    if (marker < 1 || marker > test.count())
        return;
    const int field = picked;
    if (!field) {
        setHint(kNoHint);
        return;
    }
    setPicked(0);
    QPointer<TestWindow> alive(this);
    dropName(marker, field);
    // The drop may have ended the test, and the result dialog the window.
    if (alive && !context.result.testFinished)
        focusAfterDrop(field);
}

void TestWindow::focusAfterDrop(int field)
{
    const int n = test.count();
    for (int i = 1; i <= n; ++i) {
        NameField *f = fields[(field - 1 + i) % n];
        if (!f->text().isEmpty()) {
            f->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    resultButton->setFocus(Qt::OtherFocusReason);
}

void TestWindow::typeDigit(int digit)
{
    if (!picked)
        return;
    const int marker = numberEntry.type(digit);
    if (marker) {
        numberPause->stop();
        dropPicked(marker);
    } else if (numberEntry.waiting()) {
        numberPause->start();
    }
}

void TestWindow::onNumberPause()
{
    numberPause->stop();
    if (const int marker = numberEntry.commit())
        dropPicked(marker);
}

void TestWindow::moveFocusFrom(int marker, navigation::Direction direction)
{
    std::vector<QPoint> centres;
    for (int k = 1; k <= test.count(); ++k)
        centres.push_back(markers[k - 1]->geometry().center());
    const int to = navigation::nearestMarker(centres, marker - 1, direction);
    if (to >= 0)
        markers[to]->setFocus(Qt::OtherFocusReason);
}

void TestWindow::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9 && !(event->modifiers() & ~Qt::KeypadModifier) && picked) {
        event->accept();
        typeDigit(key - Qt::Key_0);
        return;
    }
    QWidget::keyPressEvent(event);
}

void TestWindow::dragMovedTo(QPoint viewportPos)
{
    dragAt = viewportPos;
    if (!navigation::edgeScrollStep(mapScroll->viewport()->rect(), dragAt).isNull()) {
        if (!edgeScroll->isActive())
            edgeScroll->start();
    } else {
        edgeScroll->stop();
    }
}

void TestWindow::dragEnded()
{
    edgeScroll->stop();
}

void TestWindow::edgeScrollTick()
{
    const QPoint step = navigation::edgeScrollStep(mapScroll->viewport()->rect(), dragAt);
    QScrollBar *h = mapScroll->horizontalScrollBar();
    QScrollBar *v = mapScroll->verticalScrollBar();
    const QPoint before(h->value(), v->value());
    h->setValue(h->value() + step.x());
    v->setValue(v->value() + step.y());
    if (QPoint(h->value(), v->value()) == before)
        edgeScroll->stop(); // at the end of the map that way
}

void TestWindow::setHint(const QString &text)
{
    hintPanel->announce(text);
    const int wanted = qBound(200, hintPanel->fontMetrics().horizontalAdvance(text) + 24, kHintMaxWidth);
    if (wanted != hintPanel->width()) {
        const int right = hintPanel->x() + hintPanel->width();
        hintPanel->setFixedWidth(wanted);
        hintPanel->move(qMax(0, right - wanted), hintPanel->y());
    }
    hintPanel->repaint();
}

// ---------------------------------------------------------------------------
// Showing, activation and closing

void TestWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (shownOnce)
        return;
    shownOnce = true;
    test.chainGood = 0;
    sizeToPicture();
    startDelay->start();
}

void TestWindow::showTitle(const QString &title)
{
    runningTitle = title;
    context.shell.setTitle(title);
}

void TestWindow::sizeToPicture()
{
    mapScroll->pinTopRight(hintPanel, kHintRight, kHintTop);
}

void TestWindow::onActivated()
{
    test.resetUndo();
    setUndoEnabled(false);
    context.result.closing = sessionActive() ? ResultState::Closing::Pending : ResultState::Closing::Allowed;
    context.result.testFinished = false;
    sizeToPicture();
    if (sessionActive()) {
        using C = TestCommand;
        for (C c : {C::ResultItem, C::OtherTestItem, C::ReloadItem, C::StopItem, C::StopTool, C::SameTestTool,
                    C::OtherTestTool, C::ResultTool})
            command(c)->setEnabled(false);
        resultButton->setEnabled(false);
        testsMenuButton->setEnabled(false);
        context.shell.setCommandEnabled(Command::ButtonCloseChild, false);
        setLearningEnabled(false);
    }
}

void TestWindow::closeEvent(QCloseEvent *event)
{
    Shell &shell = context.shell;
    const bool session = sessionActive();
    if (session)
        shell.lockForSession();
    const ResultState::CloseAnswer answer = context.result.answerClose(session);
    if (answer == ResultState::CloseAnswer::Stay) {
        event->ignore();
        return;
    }
    if (answer == ResultState::CloseAnswer::CloseAtOnce) {
        startDelay->stop();
        clock->stop();
        shell.lockForSession();
        shell.setBackgroundVisible(true);
        setHourglass(false);
        shell.setTitle(QString());
        event->accept();
        return;
    }
    startDelay->stop();
    clock->stop();
    if (context.settings.startCreator())
        emit creatorRequested(true);
    letPendingEventsRun();
    command(TestCommand::SameTestMenuItem)->setEnabled(true);
    command(TestCommand::ReloadItem)->setEnabled(true);
    event->accept();
    shell.unlockAfterTest();
}

// ---------------------------------------------------------------------------
// Loading

void TestWindow::onStartDelay()
{
    startDelay->stop();
    loadRequestedTest();
}

void TestWindow::failLoading(const QString &message, const QString &caption)
{
    setUpdatesEnabled(true);
    clock->stop();
    setHourglass(false);
    // The always-on-top loading window would cover the message.
    context.loading.hide();
    showMessage(this, message, caption, Services::Icon::Information);
    emit loaded(false);
    // Nothing half-built stays behind: the window goes as a whole.
    if (QWidget *frame = parentWidget())
        frame->close();
    else
        close();
}

bool TestWindow::loadRequestedTest()
{
    const LaunchRequest &request = context.request;
    return loadTest(request.configurationFile, request.descriptionFile, request.pictureFile);
}

QString TestWindow::testFilePath(const QString &name) const
{
    const QString &folder = context.request.folder;
    return folder.isEmpty() ? files::dataPath(name) : files::resolve(folder, name);
}

bool TestWindow::testFileExists(const QString &name) const
{
    const QString &folder = context.request.folder;
    return folder.isEmpty() ? files::dataExists(name) : files::exists(folder, name);
}

bool TestWindow::loadTest(const QString &configurationFile, const QString &descriptionFile,
                          const QString &pictureFile)
{
    // The half-built map is not painted: the window shows again, whole, when
    // the layout is done. Pending events still run while it loads.
    setUpdatesEnabled(false);
    mapScroll->horizontalScrollBar()->setValue(0);
    mapScroll->verticalScrollBar()->setValue(0);
    letPendingEventsRun();
    if (!testFileExists(configurationFile)) {
        failLoading(kMissingConfiguration, kMissingFileCaption);
        return false;
    }
    if (!testFileExists(descriptionFile)) {
        failLoading(kMissingDescription, kMissingFileCaption);
        return false;
    }
    clock->stop();
    test.testClock = 0;
    setResultEnabled(true);
    setHourglass(true);
    LoadingWindow &loading = context.loading;
    loading.showNow();
    loading.setAction(QStringLiteral("Akcja: Odczyt danych..."));
    loading.setAction(QStringLiteral("Akcja: Ładowanie tekstów"));
    if (!readDescription(descriptionFile))
        return false;
    picturePath = testFilePath(pictureFile);
    if (!readConfiguration(configurationFile))
        return false;
    loading.setAction(QStringLiteral("Akcja: Ustawianie okien"));
    if (!layOut())
        return false;
    setHourglass(false);
    loading.hide();
    letPendingEventsRun();
    // The finished map is painted as soon as control returns to the loop.
    setUpdatesEnabled(true);
    clock->start();
    // A pupil at the keyboard starts at the first name.
    setPicked(0);
    lastMarker = 0;
    fields[0]->setFocus(Qt::OtherFocusReason);
    emit loaded(true);
    return true;
}

std::optional<QStringList> TestWindow::readTestLines(const QString &name)
{
    lines::ReadResult read = lines::readFile(testFilePath(name));
    if (!read.status) {
        failLoading(read.status.message, QStringLiteral("Terravia"));
        return std::nullopt;
    }
    return std::move(read.lines);
}

bool TestWindow::readDescription(const QString &descriptionFile)
{
    const std::optional<QStringList> read = readTestLines(descriptionFile);
    if (!read)
        return false;
    description = parseDescription(*read);
    return true;
}

bool TestWindow::readConfiguration(const QString &configurationFile)
{
    const std::optional<QStringList> read = readTestLines(configurationFile);
    if (!read)
        return false;
    const ConfigurationRead conf = parseConfiguration(*read, configurationFile);
    letPendingEventsRun();
    if (!conf.status) {
        failLoading(conf.status.message, QStringLiteral("Terravia"));
        return false;
    }
    if (!markerCountValid(conf.config.count)) {
        failLoading(markerCountMessage(configurationFile, conf.config.count), QStringLiteral("Terravia"));
        return false;
    }
    configuration = conf.config;
    return true;
}

bool TestWindow::loadPicture(const QString &path)
{
    if (path == shownPicture && !mapPicture->isNull())
        return true;
    const Picture picture = readPicture(path);
    if (picture.image.isNull()) {
        failLoading(QStringLiteral("Nie można odczytać mapy testu z pliku %1:\r\n%2")
                        .arg(QDir::toNativeSeparators(path), picture.reason),
                    QStringLiteral("Terravia"));
        return false;
    }
    // The natural picture is the test's; a sharper companion only draws it.
    mapScroll->setPicture(picture.image, readSharper(path, picture.image.size()));
    shownPicture = path;
    sizeToPicture();
    return true;
}

bool TestWindow::layOut()
{
    if (!loadPicture(picturePath))
        return false;
    letPendingEventsRun();
    const int n = configuration.count;
    test.start(n, description);
    correctionsOn = false;
    judged = false;
    for (int k = 1; k <= n; ++k) {
        MarkerBox *m = markers[k - 1];
        mapScroll->placeMarker(k, configuration.positions[k - 1]);
        m->show();
        m->tag = markers::answerNumber(k);
        m->setCorrection(QString());
        applyMarker(k);
    }
    names.clear();
    for (int k = 1; k <= n; ++k) {
        fields[k - 1]->show();
        names.append(answerName(description.value(k - 1)));
    }
    letPendingEventsRun();
    const quint64 seed = fixedSeed() ? fixedSeed() : QRandomGenerator::global()->generate64();
    shuffledNames.clear();
    for (int i : shuffledOrder(names.size(), seed))
        shuffledNames.append(names.at(i));
    letPendingEventsRun();
    showShuffledNames();
    return true;
}

void TestWindow::showShuffledNames()
{
    for (int k = 1; k <= shuffledNames.size() && k <= kMaxMarkers; ++k)
        fields[k - 1]->setText(shuffledNames.at(k - 1));
}

void TestWindow::clearMarkers()
{
    test.clearMarkers();
    for (MarkerBox *m : markers) {
        m->clear();
        m->setCorrection(QString());
        m->setState(MarkerState::Blank);
        m->hide();
    }
}

void TestWindow::clearNameFields()
{
    for (NameField *e : fields) {
        e->clear();
        e->hide();
    }
}

// ---------------------------------------------------------------------------
// Answering

void TestWindow::applyMarker(int k)
{
    const MarkerInfo &info = test.marker(k);
    MarkerBox *m = markers[k - 1];
    m->setText(info.caption);
    m->setState(info.state);
}

void TestWindow::setUndoEnabled(bool on)
{
    command(TestCommand::UndoItem)->setEnabled(on);
    command(TestCommand::UndoTool)->setEnabled(on);
}

void TestWindow::setResultEnabled(bool on)
{
    resultButton->setEnabled(on);
    command(TestCommand::ResultItem)->setEnabled(on);
    // A test is judged once: a second judging would count its answers twice.
    command(TestCommand::ResultTool)->setEnabled(on && !sessionActive());
}

void TestWindow::dropName(int marker, int field)
{
    setPicked(0);
    edgeScroll->stop();
    setHint(kNoHint);
    if (field < 1 || field > kMaxMarkers)
        return;
    NameField *source = fields[field - 1];
    const auto r = test.drop(marker, field, source->text(),
                             {context.settings.removePlacedNames(), sessionActive(), context.result.testFinished});
    if (r.refused) {
        if (context.result.testFinished)
            setHint(QStringLiteral("TEST ZAKOŃCZONY"));
        return;
    }
    applyMarker(marker);
    setUndoEnabled(true);
    if (r.clearField)
        source->setText(r.fieldText);
    letPendingEventsRun();
    const QString sound = files::soundPath(context.settings.current().dropSound);
    if (!sound.isEmpty())
        Services::get().playSound(sound);
    if (r.runResult)
        showResult();
}

void TestWindow::undo()
{
    const auto r = test.undo();
    if (!r.available) {
        showMessage(this, kNotAvailable, QStringLiteral("Terravia"), Services::Icon::Information);
        return;
    }
    if (r.marker)
        applyMarker(r.marker);
    if (r.field >= 1 && r.field <= kMaxMarkers)
        fields[r.field - 1]->setText(r.fieldText);
    setUndoEnabled(false);
    setHint(kNoHint);
}

void TestWindow::askMarker(int k)
{
    const QString caption = markers[k - 1]->text();
    const QString value = caption.isEmpty() ? QStringLiteral("Nie zaznaczono jeszcze wartości") : caption;
    showMessage(this, runningTitle + QStringLiteral("\r\nWartość pola: ") + text::upperAZ(value),
                QStringLiteral("Terravia"), Services::Icon::Information);
}

QString TestWindow::elapsedText() const
{
    return timeText(context.chain.active ? test.chainClock : test.testClock);
}

void TestWindow::tick()
{
    test.tick();
}

void TestWindow::showResult()
{
    if (!test.awaitingJudgement())
        return;
    const bool chain = context.chain.active;
    setResultEnabled(false);
    if (!chain)
        clock->stop();
    setHourglass(true);
    const MapTest::Judgement j = test.judge();
    for (int k = 1; k <= test.count(); ++k)
        applyMarker(k);
    if (!j.ok) {
        setHourglass(false);
        showMessage(this,
                    QStringLiteral("Błąd w pliku opisu testu: wiersz \"%1\" nie kończy się numerem pola (dwie cyfry).")
                        .arg(lines::excerpt(j.badLine)),
                    QStringLiteral("Terravia"), Services::Icon::Error);
        return;
    }
    if (chain) {
        names.clear();
        shuffledNames.clear();
        command(TestCommand::SameTestMenuItem)->setEnabled(false);
        command(TestCommand::ReloadItem)->setEnabled(false);
        setHourglass(false);
        advanceChain(context.chain.chain, context.chain.step);
        return;
    }
    judged = true;
    // A retest is graded as a test of the markers it asked.
    const int asked = test.askedCount();
    const Grade grade = singleTestGrade(asked, j.good);
    // The pupil types a name next: no hourglass over the dialog.
    setHourglass(false);
    QPointer<TestWindow> self(this);
    context.resultDialog.present({runningTitle, elapsedText(), asked, j.good, j.bad, grade.label, grade.icon});
    // Saved or not, a window still open offers what the result teaches.
    if (self && !sessionActive())
        setLearningEnabled(true);
}

void TestWindow::advanceChain(int chain, int step)
{
    Shell &shell = context.shell;
    context.chain.step += 1;
    if (reviewSteps && !sessionActive()) {
        // The review: the step's right answers stay until the pupil goes on.
        for (const MapTest::Correction &c : test.corrections())
            markers[c.marker - 1]->setCorrection(c.right);
        correctionsOn = true;
        if (shell.showScoreOn())
            showMessage(this,
                        runningTitle + QStringLiteral("\r\nDobrych odpowiedzi: ") + QString::number(test.goodAnswers)
                            + QStringLiteral("\r\nBłędnych odpowiedzi: ") + QString::number(test.badAnswers)
                            + QStringLiteral("\r\nCzas testu: ") + timeText(test.chainClock),
                        QStringLiteral("Terravia"), Services::Icon::Information);
        setHint(learning::kGoOn);
        pendingChain = chain;
        pendingStep = step;
        qApp->installEventFilter(this);
        return;
    }
    if (shell.showScoreOn())
        showMessage(this,
                    runningTitle + QStringLiteral("\r\nDobrych odpowiedzi: ") + QString::number(test.goodAnswers)
                        + QStringLiteral("\r\nBłędnych odpowiedzi: ") + QString::number(test.badAnswers)
                        + QStringLiteral("\r\nCzas testu: ") + timeText(test.chainClock),
                    QStringLiteral("Terravia"), Services::Icon::Information);
    else
        waitMs(1500);
    letPendingEventsRun();
    proceedChain(chain, step);
}

void TestWindow::goOn()
{
    if (!pendingStep)
        return;
    qApp->removeEventFilter(this);
    const int chain = pendingChain;
    const int step = pendingStep;
    pendingChain = 0;
    pendingStep = 0;
    setHint(kNoHint);
    letPendingEventsRun();
    proceedChain(chain, step);
}

void TestWindow::proceedChain(int chain, int step)
{
    Shell &shell = context.shell;
    if (const ChainStep *next = catalogue::chainStep(chain, step + 1)) {
        setHourglass(true);
        showTitle(next->title);
        shell.setStatusText(Shell::TestPanel, next->status);
        shell.setCaption(next->windowCaption());
        context.loading.showNow();
        clearMarkers();
        letPendingEventsRun();
        clearNameFields();
        loadTest(next->configurationFile, next->descriptionFile, next->pictureFile);
        return;
    }

    showTitle(catalogue::chainEndTitle(chain));
    context.resultDialog.present({runningTitle, timeText(test.chainClock), context.chain.taskTotal, test.chainGood, test.chainBad,
                                  chainGrade(chain, test.chainGood), QString()});
}

void TestWindow::loadOtherTest()
{
    QWidget *frame = parentWidget() ? parentWidget() : this;
    if (!frame->close())
        return;
    emit creatorRequested(false);
}

void TestWindow::reloadTest()
{
    context.result.testFinished = false;
    // A retest ends: the test is taken whole again, under its own title.
    if (!context.chain.active)
        showTitle(learning::originalTitle(runningTitle));
    setLearningEnabled(false);
    names.clear();
    shuffledNames.clear();
    loadRequestedTest();
}

// ---------------------------------------------------------------------------
// Learning from the judged test

void TestWindow::setLearningEnabled(bool judged)
{
    const bool session = sessionActive();
    const bool chain = context.chain.active;
    const bool missed = judged && !test.missed().isEmpty();
    for (TestCommand c : {TestCommand::CorrectionsTool, TestCommand::CorrectionsItem}) {
        QAction *a = command(c);
        a->setVisible(!session);
        // In a chain a switch for the steps still to be judged.
        a->setCheckable(chain);
        a->setChecked(chain && reviewSteps);
        a->setEnabled(!session && (chain || (missed && !correctionsOn)));
    }
    for (TestCommand c : {TestCommand::RetestTool, TestCommand::RetestItem}) {
        QAction *a = command(c);
        a->setVisible(!session && !chain);
        a->setEnabled(!session && !chain && missed);
    }
    for (TestCommand c : {TestCommand::WorksheetTool, TestCommand::WorksheetItem}) {
        QAction *a = command(c);
        a->setVisible(!session);
        a->setEnabled(!session);
    }
}

void TestWindow::showCorrections()
{
    if (sessionActive())
        return;
    if (context.chain.active) {
        if (pendingStep)
            return; // the step's corrections are already shown
        reviewSteps = !reviewSteps;
        setLearningEnabled(false);
        return;
    }
    if (!judged)
        return; // nothing judged yet
    for (const MapTest::Correction &c : test.corrections())
        markers[c.marker - 1]->setCorrection(c.right);
    correctionsOn = true;
    setLearningEnabled(true);
}

void TestWindow::retestMissed()
{
    if (sessionActive() || context.chain.active || !judged)
        return;
    const QList<int> missed = test.missed();
    if (missed.isEmpty())
        return;
    const quint64 seed = fixedSeed() ? fixedSeed() : QRandomGenerator::global()->generate64();
    shuffledNames = learning::retestNames(test, seed);
    names.clear();
    for (int k : missed)
        names.append(test.rightName(k));
    test.startRetest(missed);
    correctionsOn = false;
    judged = false;
    for (int k = 1; k <= test.count(); ++k) {
        markers[k - 1]->setCorrection(QString());
        applyMarker(k);
    }
    clearNameFields();
    for (int k = 1; k <= shuffledNames.size(); ++k)
        fields[k - 1]->show();
    showShuffledNames();
    showTitle(learning::retestTitle(runningTitle));
    context.result.testFinished = false;
    test.testClock = 0;
    clock->start();
    setResultEnabled(true);
    setUndoEnabled(false);
    setLearningEnabled(false);
    setHint(kNoHint);
    setPicked(0);
    lastMarker = 0;
    fields[0]->setFocus(Qt::OtherFocusReason);
}

void TestWindow::printWorksheet()
{
    if (sessionActive())
        return;
    QList<worksheet::Source> sources;
    if (context.chain.active) {
        sources = learning::sheetSources(context.request, context.chain);
    } else {
        // Under the title it runs with: a drawn or assigned test too.
        const LaunchRequest &r = context.request;
        sources.append({learning::originalTitle(runningTitle), r.configurationFile, r.descriptionFile,
                        r.pictureFile});
    }
    worksheet::run(this, sources);
}

void TestWindow::stopTest()
{
    if (QWidget *frame = parentWidget())
        frame->close();
    else
        close();
}

void TestWindow::showLegend()
{
    LegendWindow legend(this);
    Services::get().execModal(legend);
}

void TestWindow::showTestsMenu()
{
    testsMenu->popup(mapToGlobal(QPoint(600, height() - 70)));
}

} // namespace tv
