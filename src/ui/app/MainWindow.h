#pragma once

#include "app/Locking.h"
#include "app/Shell.h"

#include <QMainWindow>
#include <QPalette>

#include <array>

class QAction;
class QLabel;
class QTimer;
class QListWidget;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace tv {

class ProgramSettings;
class Session;

// The multiple-document frame of the whole program: menus, tool bar, title
// strip, status bar and the background panel. It carries out the commands
// that need nothing but the desktop (exit, restart, help, licence, the
// running-score toggle); every other command it announces by a signal, and
// the application opens the window that belongs to it.
class MainWindow : public QMainWindow, public Shell {
    Q_OBJECT

public:
    MainWindow(ProgramSettings &settings, const Session &session, QWidget *parent = nullptr);
    ~MainWindow() override;

    // --- Shell -----------------------------------------------------------------
    QWidget *frame() override { return this; }
    QString title() const override;
    void setTitle(const QString &text) override;
    QString statusText(int panel) const override;
    void setStatusText(int panel, const QString &text) override;
    void setCaption(const QString &text) override;
    void lockForTest() override;
    void unlockAfterTest() override;
    void lockForSession() override;
    void setCommandEnabled(Command command, bool enabled) override;
    bool showScoreOn() const override;
    void setBackgroundVisible(bool visible) override;
    QMdiSubWindow *addChildWindow(QWidget *child) override;
    QMdiArea *childArea() const override { return mdi; }
    bool hasChildWindow() const override;
    void closeActiveChild() override;
    QPixmap testWindowPicture() const override { return skinTestPicture; }

    // --- commands carried out here ------------------------------------------------
    void exitProgram();
    void askRestart();
    void restartProgram();
    void setShowScore(bool on);
    void openLicence();
    void openHelp();
    // The system's information program where there is one (Windows);
    // elsewhere the program's own window (computerInfoRequested).
    void openComputerInfo();
    void openSystemInformationProgram();

    // Shows the window maximised or normal, as the settings chose.
    void showAsConfigured();
    // Runs on every activation: the date panel.
    void onActivated();
    // Deletes the child windows while the frame is still whole, so none of
    // them reports its end to a window that is being destroyed.
    void closeChildrenForShutdown();

    // A new choice in the skins window: 0 the standard look, 1 … 7 a skin.
    // It takes effect at once; a test window already open keeps its panels.
    void applySkin(int index);

    // --- what the window shows, read-only ------------------------------------------
    QAction *commandAction(Command command) const { return commands[static_cast<int>(command)]; }
    bool backgroundVisible() const;
    bool toolbarTransparent() const { return transparentToolbar; }
    // The skin files found at start-up when a skin is chosen (kept only).
    const QStringList &skinFiles() const { return skins; }
    // The skin whose look is in force (0: the standard look).
    int skinInForce() const { return skinIndex; }

signals:
    // The catalogue entry (single test or chain) with this server code was
    // chosen from the "Testy" menu.
    void testChosen(int code);
    void creatorRequested();
    void randomTestRequested();
    void placeGameRequested();
    void resultsRequested();
    void filterRequested();
    void printRequested();
    void worksheetRequested();
    void deleteResultsRequested();
    void settingsRequested();
    void networkSettingsRequested();
    void fileCheckRequested();
    void usersRequested();
    void legendRequested();
    void screenAdviceRequested();
    void skinsRequested();
    void webPageRequested();
    void mailRequested();
    void aboutRequested();
    void computerInfoRequested();
    // A teacher's own tests: the editor, import, export, and one chosen
    // from "Testy" > "Moje testy".
    void ownTestNewRequested();
    void ownTestEditRequested();
    void ownTestImportRequested();
    void ownTestExportRequested();
    void ownTestChosen(const QString &folder, const QString &code, const QString &title);
    // A child window has gone (the test mode may end).
    void childWindowClosed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using Slot = void (MainWindow::*)();
    // Gives the background the sharpest picture for its size, once a burst of resizes settles.
    void sharpenBackground();
    void setToolbarTransparent(bool transparent);
    void buildMenus();
    void buildTestsMenu(QMenu *tests);
    // Filled each time it opens, so a test saved or copied in a moment ago
    // is there without a restart.
    void fillOwnTestsMenu(QMenu *menu);
    void buildToolBar();
    void buildTitleStrip();
    void buildStatusBar();
    void buildBackground();
    void bindKeys();
    // Runs a menu item as choosing it would: only while it and its menu are enabled.
    bool triggerIfChoosable(QAction *item);
    void applyLock(LockOperation op);
    void refuseExit();
    QAction *item(QMenu *menu, const QString &name, const QString &caption, Slot slot);
    QAction *button(const QString &name, const QString &icon, const QString &hint, Slot slot);

    ProgramSettings &settings;
    const Session &session;
    QMdiArea *mdi = nullptr;
    QToolBar *toolBar = nullptr;
    QToolBar *titleStrip = nullptr;
    QLabel *titleLabel = nullptr;
    QWidget *background = nullptr;
    QLabel *backgroundPicture = nullptr;
    // The picture behind the frame as the skin (or the program) gives it, its
    // sharper companion, and the built-in picture drawn at the size needed.
    QPixmap backgroundNatural;
    QPixmap backgroundSharper;
    bool backgroundBuiltIn = true;
    QPixmap backgroundRendered;
    QTimer *backgroundSharpen = nullptr;
    QListWidget *users = nullptr; // the registered users, hidden
    std::array<QLabel *, 4> panels{};
    QAction *showScoreItem = nullptr;
    QAction *settingsItem = nullptr;
    QAction *networkItem = nullptr;
    QAction *usersItem = nullptr;
    QAction *fitMapItem = nullptr;
    QAction *showScoreButton = nullptr;
    std::array<QAction *, static_cast<int>(Command::Count)> commands{};
    bool transparentToolbar = false;
    bool startMaximised = true;
    QStringList skins;
    void useSkinLook(int index);
    int skinIndex = 0;
    QPalette standardPalette;
    QPixmap skinTestPicture;
};

} // namespace tv
