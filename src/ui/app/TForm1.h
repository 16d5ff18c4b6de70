#pragma once

#include "app/Locking.h"
#include "app/SharedState.h"
#include "profile/Settings.h"

#include <QMainWindow>

#include <array>

class QAction;
class QLabel;
class QListWidget;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class QToolBar;

namespace tv {

struct CatalogueEntry;
struct ChainEntry;
class TTest_kontynety;

// The multiple-document frame of the whole program. Besides its menus, tool
// bar, title strip and status bar it owns the state that the other windows
// share: the launch request, the chain counters, the session, the settings.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // --- shared state ------------------------------------------------------
    LaunchRequest request;
    CompositeState composite;
    SessionState session;
    int osKind = 2;
    Settings settings;
    // The skin directory and the skin files found at start-up (kept only).
    QString skinDir;
    QStringList skinFiles;

    // --- locking -----------------------------------------------------------
    void Menu_test_start();
    void Menu_test_koniec();
    void Menu_KS();

    // --- commands ------------------------------------------------------------
    void Zamknij_MDIClick();
    void ZakonczClick();
    void ZresetujClick();
    void Restart_programu();
    void Pokaz_wynikClick();
    void setShowScore(bool on);
    void LicencjaClick();
    void UstawieniaClick();
    void ArchitekturaClick();

    void KreatorClick();
    void WylosujClick();
    void SprawdzPlikiClick();
    // Results (the browser, the filter, printing, deleting).
    void WynikiClick();
    void FiltrujClick();
    void DrukujClick();
    void UsunWynikiClick();
    // Help and the small windows around the quiz.
    void PomocClick();
    void InfoClick();
    void NapiszClick();
    void OProgramieClick();
    void UzytkownicyClick();
    void LegendaClick();

    // --- the catalogue's launch ---------------------------------------------------
    void buildTestsMenu(QMenu *testy);
    // Launches a single test; false when a file is missing (reported).
    bool launchEntry(const CatalogueEntry &entry);
    // Launches a "Wszystko o..." chain; false when its files are incomplete.
    bool launchChain(const ChainEntry &chain);
    // Launches the entry with this server code (single or chain).
    bool launchCode(int code);
    bool Sprawdzenie(int chain) const;
    TTest_kontynety *openTestWindow();
    TTest_kontynety *testWindow() const;

    // --- the server connection ------------------------------------------------------
    bool connectionUp() const { return false; }
    void sendLine(const QString &line);
    void sendResultReport(const QStringList &record);

    // Decides, before the window is first shown, between the login window
    // (client-server mode configured) and the test creator.
    void FormShow();
    // Shows the window maximised or normal, as the settings chose.
    void showAsConfigured();
    // Runs on every activation: the date panel.
    void FormActivate();

    // --- what other windows read and write -----------------------------------
    QString titleStrip() const;
    void setTitleStrip(const QString &text);
    QString statusText(int panel) const;
    void setStatusText(int panel, const QString &text);
    bool showScoreOn() const; // the tool button jaka_r is pressed
    QMdiArea *mdiArea() const { return mdi; }
    bool hasChildWindow() const;
    QMdiSubWindow *addChildWindow(QWidget *child);
    void setUsers(const QStringList &users);
    QListWidget *usersList() const { return lista; }
    bool backgroundPanelVisible() const;
    void setBackgroundPanelVisible(bool visible);
    bool startsMaximised() const { return maximised; }
    void setToolbarTransparent(bool transparent);
    bool toolbarTransparent() const { return transparentToolbar; }

    // The control behind each command of the locking table.
    QAction *commandAction(Command command) const { return commands[static_cast<int>(command)]; }
    QAction *menuItem(const QString &objectName) const;
    QTimer *pollingTimer() const { return Timer1; }

signals:
    // Emitted after a child window closed (the test mode may end).
    void childWindowClosed();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void readSettingsAtStart();
    void buildMenus();
    void buildToolBar();
    void buildTitleStrip();
    void buildStatusBar();
    void buildBackground();
    void bindKeys();
    void applyLock(LockOperation op);
    void refuseExit();
    QAction *item(QMenu *menu, const QString &name, const QString &caption, void (TForm1::*slot)() = nullptr);
    QAction *button(const QString &name, const QString &icon, const QString &hint,
                    void (TForm1::*slot)() = nullptr);
    void notBuiltYet();

    QMdiArea *mdi = nullptr;
    QToolBar *ToolBar1 = nullptr;
    QToolBar *ToolBar2 = nullptr; // the title strip
    QLabel *tytul = nullptr;
    QWidget *tlo = nullptr;       // the background panel
    QLabel *tloObraz = nullptr;
    QListWidget *lista = nullptr; // registered users, hidden
    std::array<QLabel *, 4> panels{};
    QTimer *Timer1 = nullptr;     // server polling, disabled until a session
    QAction *Pokaz_wynik1 = nullptr;
    QAction *jaka_r = nullptr;
    std::array<QAction *, static_cast<int>(Command::Count)> commands{};
    bool maximised = true;
    bool transparentToolbar = false;
};

} // namespace tv
