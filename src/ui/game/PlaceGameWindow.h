#pragma once

#include "game/PlaceGame.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>

class QAction;
class QFrame;
class QLabel;
class QMdiSubWindow;
class QMenu;
class QScrollArea;
class QTableWidget;
class QTimer;
class QToolBar;

namespace tv {

class ProgramSettings;
class Shell;

// "Jakie to miejsce": the picture of a place under 36 covers on the left,
// the names to choose from on the right. A maximised child of the main
// window, made for one visit and destroyed when it closes; the main window
// is in test mode while it is open.
// The game's commands: each one action, on the tool bar and in the menu.
enum class GameCommand { Draw, TryName, Search, Close, Count };

class PlaceGameWindow : public QWidget {
    Q_OBJECT

public:
    PlaceGameWindow(Shell &shell, const ProgramSettings &settings, QWidget *parent = nullptr);
    ~PlaceGameWindow() override;

    // The game's command in the main window and the creator: test mode,
    // the title strip, and the window with a game started. A game already
    // open is brought to the front instead of a second one.
    static PlaceGameWindow *open(Shell &shell, const ProgramSettings &settings);
    static PlaceGameWindow *find(Shell &shell);

    // --- commands ------------------------------------------------------------------
    // "Wylosuj miejsce na Świecie": the names, the covers, a drawn place.
    void newGame();
    // "Wynik testu": tries the chosen name.
    void tryChosenName();
    // A double click on an entry: chooses it and tries it while a game is on.
    void tryEntry(int row);
    // "Szukaj nazwy...".
    void searchName();
    // "Zamknij..." / "Zamknij okno".
    void stop();
    // A click on cover i (0..35).
    void openCover(int i);
    // The game clock's second.
    void tick();
    // The window became the active child window.
    void onActivated();
    // Each command's action, shared by the tool bar and the context menu.
    QAction *command(GameCommand c) const { return commands[static_cast<int>(c)]; }

    // --- what the window shows, read-only ------------------------------------------
    const game::PlaceGame &gameState() const { return game; }
    // The names on the list, in list order.
    const QStringList &listedNames() const { return names; }
    int closedCoverCount() const;
    // The scale of the picture and its covers: the largest that fits the
    // window beside the name list, at least 1.
    double scale() const { return zoom; }
    // Whether the picture now drawn is the sharper companion.
    bool showsSharper() const { return sharperShown; }

signals:
    // Closed by its own command with the start-creator option on: the
    // creator opens with its animation.
    void creatorRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void buildMenu();
    void fillNames();
    void layOutCovers();
    void removeCovers();
    void loadPicture();
    void setPlaying(bool playing);
    void finishGame(bool won);
    bool saveResult();
    void waitForNewGame();
    void relayout();
    void showPicture();

    Shell &shell;
    const ProgramSettings &settings;
    game::PlaceGame game;
    QStringList names; // in list order
    QTableWidget *nameList = nullptr;
    QScrollArea *pictureScroll = nullptr;
    QLabel *picture = nullptr;
    QWidget *picturePanel = nullptr;
    QTimer *clock = nullptr;
    QMenu *contextMenu = nullptr;
    // The covers of the game in order, null once removed.
    QList<QPointer<QFrame>> covers;
    QToolBar *toolBar = nullptr;
    QWidget *sidePanel = nullptr;
    QImage naturalPicture;
    QImage sharperPicture;
    double zoom = 1.0;
    bool sharperShown = false;
    std::array<QAction *, static_cast<int>(GameCommand::Count)> commands{};
};

} // namespace tv
