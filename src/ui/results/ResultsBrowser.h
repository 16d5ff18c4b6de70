#pragma once

#include "platform/Status.h"
#include "results/ResultsFile.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <optional>

class QAction;
class QKeyEvent;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QTableView;

namespace tv {

class ResultsModel;
class Shell;
struct BrowserState;

// The browser's menu commands. Their keys (Ctrl+P, Ctrl+U, F6, Esc) are
// read by the window itself: the main window binds Ctrl+P and Ctrl+U to its
// own forms of the commands, and two shortcuts on one key would each be
// ambiguous, so neither would run.
enum class ResultsCommand { Print, ShowAll, Filter, DeleteSelected, DeleteAll, Close, Count };

// The results browser: the stored results of this workstation, or the set
// the results filter left in tmp.tvw, one row per record. A maximised child
// of the main window, made anew at each opening and freed when closed.
class ResultsBrowser : public QWidget {
    Q_OBJECT

public:
    ResultsBrowser(Shell &shell, BrowserState &state, QWidget *parent = nullptr);
    ~ResultsBrowser() override;

    // Reads the file the first time the browser becomes the active child.
    void activateOnce();

    void onActivated();
    // Empties the table and the report and reads the file into both.
    void readResults(const QString &fileName);
    void sortByColumn(int column);
    void deleteSelected();
    void deleteAll(); // delete all, browser form
    void print();
    void showAll();
    void openFilter();
    void closeWindow(); // the context menu's "Zamknij okno [Esc]"
    // Rewrites Wyniki.tvw from the table in the order displayed, without the
    // row given (the one the user chose to delete); reports what went wrong.
    void rewriteResults(std::optional<int> removedRow);
    // Prints the whole report; false when the printer could not be started.
    bool printReport(QPrinter &printer) const;

    void selectRow(int row);
    QAction *command(ResultsCommand c) const { return commands[static_cast<int>(c)]; }

    // --- what the window shows, read-only ------------------------------------------
    const results::Records &rows() const;
    QStringList reportLines() const;
    bool filterMode() const;
    int selectedRow() const; // -1 when no row is selected

signals:
    // "Filtruj wyniki... [F6]": the browser has closed, the filter should open.
    void filterRequested();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();
    static bool isOurKey(const QKeyEvent *key);
    void keyCommand(const QKeyEvent *key);
    void setFilterMode(bool on);
    QMdiSubWindow *subWindow() const;

    Shell &shell;
    BrowserState &state;
    QTableView *table = nullptr;
    QMenu *contextMenu = nullptr;
    ResultsModel *model = nullptr;
    // The records the report was built from: it follows what was read, not
    // the deletions and sorting that come after.
    results::Records reportRecords;
    // Wyniki.tvw as last read or written here; a rewrite checks it against
    // the file, which another copy of the program may have changed.
    results::Fingerprint readAs;
    std::array<QAction *, static_cast<int>(ResultsCommand::Count)> commands{};
    bool active = false; // the active child window of the main window
};

// Deletes Wyniki.tvw after asking; both the browser and the main window
// offer it. True when the file was deleted.
bool deleteAllResults(QWidget *parent);

} // namespace tv
