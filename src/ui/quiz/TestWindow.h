#pragma once

#include "MapView.h"
#include "quiz/MapNavigation.h"
#include "quiz/MapTest.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QTimer;
class QToolBar;
class QToolButton;

namespace tv {

class HintPanel;
class ScaledPicture;
class LoadingWindow;
class MarkerBox;
class NameField;
class ProgramSettings;
class ResultDialog;
class Session;
class Shell;
struct ChainProgress;
struct LaunchRequest;
struct ResultState;

// What a test window works with: the main window's shell, the loading
// window, the result dialog, and the shared state it reads and advances.
// The test window's commands, one QAction each. A command offered in two
// places is two entries, named for the place: in a lesson the tool bar's
// "Wynik testu" stays locked while the menu's is usable (a test is judged
// once, from the menu or by F4), and the tests menu's items stay usable while
// the context menu's are locked, so the lock table enables them one by one.
enum class TestCommand {
    ResultTool, OtherTestTool, SameTestTool, UndoTool, StopTool, CorrectionsTool, RetestTool, WorksheetTool,
    ResultItem, OtherTestItem, ReloadItem, UndoItem, LegendItem, StopItem, CorrectionsItem, RetestItem, WorksheetItem,
    SameTestMenuItem, OtherTestMenuItem, StopTestsMenuItem,
    Count
};

struct TestWindowContext {
    Shell &shell;
    LoadingWindow &loading;
    ResultDialog &resultDialog;
    LaunchRequest &request;
    ChainProgress &chain;
    const ProgramSettings &settings;
    Session &session;
    ResultState &result;
};

// The map test window: the map with its markers on the left, the names on
// the right. A maximised child of the main window, one per launched test; a
// "Wszystko o..." chain runs all its tests in one window.
class TestWindow : public QWidget {
    Q_OBJECT

public:
    explicit TestWindow(const TestWindowContext &context, QWidget *parent = nullptr);
    ~TestWindow() override;

    // --- loading -------------------------------------------------------------------
    // One second after the window appears: loads the test of the launch request.
    void onStartDelay();
    bool loadRequestedTest();
    // Description, configuration, picture, markers and names of one test;
    // false when something is missing or unreadable (reported, and the
    // window closes).
    bool loadTest(const QString &configurationFile, const QString &descriptionFile, const QString &pictureFile);
    // A file of the test: in the data directory, or in the folder of the
    // launch request (a teacher's own test).
    QString testFilePath(const QString &name) const;
    bool testFileExists(const QString &name) const;
    // Loads a picture into the map and sizes the map to it.
    bool loadPicture(const QString &path);
    void clearMarkers();
    void clearNameFields();

    // --- answering -------------------------------------------------------------------
    void dropName(int marker, int field);
    void undo();
    void askMarker(int marker);
    // The result command: judges the markers, then shows the result or goes
    // on with the chain.
    void showResult();
    QString elapsedText() const;
    void tick();
    void loadOtherTest();
    void reloadTest();
    void stopTest();
    void showLegend();
    void showTestsMenu();

    // --- the keyboard ------------------------------------------------------------------
    // Picks up the name of field `field` (Enter or Space on it): the focus
    // goes to a marker, where Enter, or the marker's number, drops it.
    void pickName(int field);
    // Enter or Space on marker `marker`: the picked name goes there, through
    // the same drop as the mouse's.
    void dropPicked(int marker);
    // A digit typed while a name is picked.
    void typeDigit(int digit);
    // The pause after a first digit that could begin a longer number ends.
    void onNumberPause();
    // An arrow key on a marker: the nearest marker that way takes the focus.
    void moveFocusFrom(int marker, navigation::Direction direction);

    // --- dragging near the edge of the map ------------------------------------------------
    // Where a dragged name is, in the map view's coordinates; near an edge
    // the map scrolls by itself until the name moves away or is dropped.
    void dragMovedTo(QPoint viewportPos);
    void dragEnded();
    void edgeScrollTick();

    // --- learning from the judged test ------------------------------------------------
    // Every wrong or empty marker shows its right name; offered once a
    // single test's result dialog has closed. In a chain, with the command
    // switched on, each judged step shows them until a key or a click.
    void showCorrections();
    bool correctionsShown() const { return correctionsOn; }
    // The same map again with only the missed markers open.
    void retestMissed();
    // "Drukuj kartę pracy...": this test, or every test of the chain.
    void printWorksheet();
    // A judged step of a chain waits, its corrections shown, for a key or a click.
    bool waitingToGoOn() const { return pendingStep != 0; }
    void goOn();

    // Runs when the window becomes the active child window.
    void onActivated();
    // After a test of a chain has been judged: the next test, or the chain's result.
    void advanceChain(int chain, int step);

    // --- what the window shows, read-only -----------------------------------------------
    // The test as it stands: its names, the answers dropped, the judged markers.
    const MapTest &mapTest() const { return test; }
    QAction *command(TestCommand c) const { return commands[static_cast<int>(c)]; }
    // A fixed seed for the order of names, so a run can be repeated; 0 seeds from the clock.
    static void setShuffleSeed(quint64 seed);

signals:
    // Loading ended; true when the test is ready to answer.
    void loaded(bool ok);
    // The creator should open (after a normal close with the start-creator
    // option on, animated; for "Załaduj inny test", plain).
    void creatorRequested(bool animated);
    void helpRequested();
    void filterRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void buildMenus();
    void bindKeys();
    // A file of the test, as lines; a failure is reported and the window closes.
    std::optional<QStringList> readTestLines(const QString &name);
    bool readDescription(const QString &descriptionFile);
    bool readConfiguration(const QString &configurationFile);
    bool layOut();
    void showShuffledNames();
    void failLoading(const QString &message, const QString &caption);
    void applyMarker(int k);
    void sizeToPicture();
    void setUndoEnabled(bool on);
    void setResultEnabled(bool on);
    bool sessionActive() const;
    void setPicked(int field);
    void focusAfterDrop(int field);
    void setUpKeyboard();
    void setLearningEnabled(bool judged);
    void proceedChain(int chain, int step);

    void setHint(const QString &text);

    TestWindowContext context;
    MapTest test;
    QStringList names;         // in description order
    QStringList shuffledNames; // the same names in the order the fields show them
    QString picturePath;
    QWidget *mapPanel = nullptr;
    QWidget *namesPanel = nullptr;
    QToolBar *toolBar = nullptr;
    MapView *mapScroll = nullptr;
    QWidget *canvas = nullptr;
    ScaledPicture *mapPicture = nullptr;
    QPushButton *resultButton = nullptr;
    QToolButton *testsMenuButton = nullptr;
    HintPanel *hintPanel = nullptr;
    QMenu *contextMenu = nullptr;
    QMenu *testsMenu = nullptr;
    std::array<QAction *, static_cast<int>(TestCommand::Count)> commands{};
    std::array<MarkerBox *, kMaxMarkers> markers{};
    std::array<NameField *, kMaxMarkers> fields{};
    QTimer *startDelay = nullptr;
    QTimer *clock = nullptr;
    bool shownOnce = false;
    QStringList description;     // description lines read, used by the layout
    Configuration configuration; // marker count and positions read
    QString shownPicture;        // the picture now on the map
    int picked = 0;              // the name field picked up by the keyboard, 0 none
    int lastMarker = 0;          // the marker that last had the focus
    navigation::NumberEntry numberEntry;
    QTimer *numberPause = nullptr;
    QTimer *edgeScroll = nullptr;
    QPoint dragAt;               // the dragged name, in the map view's coordinates
    // The title of what the window shows: the launched test, a chain's step or
    // its end, a retest. The title strip shows it; nothing reads it back from there.
    QString runningTitle;
    void showTitle(const QString &title);
    bool judged = false;         // a single test (or retest) judged, not yet loaded again
    bool correctionsOn = false;  // the judged markers show their right names
    bool reviewSteps = false;    // in a chain: each judged step shows its corrections
    int pendingStep = 0;         // a chain step judged and waiting for a key or a click
    int pendingChain = 0;
};

} // namespace tv
