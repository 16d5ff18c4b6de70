#pragma once

#include "platform/Status.h"
#include "results/ResultsFile.h"

#include <QStringList>
#include <QWidget>

class QAction;
class QKeyEvent;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QTableView;

namespace tv {

class ResultsModel;

// The results browser: the stored results of this workstation, or the set
// the results filter left in tmp.tvw, one row per record. A maximised child
// of the main window, made anew at each opening and freed when closed.
class TWyniki : public QWidget {
    Q_OBJECT

public:
    explicit TWyniki(QWidget *parent = nullptr);
    ~TWyniki() override;

    // Makes a browser as a maximised child window of the main window; it
    // reads its file as it becomes active.
    static TWyniki *open();
    // The browser among the main window's child windows, if one is open.
    static TWyniki *find();
    // The column last clicked; shared by every browser.
    static int sortColumn;

    void FormActivate();
    // Empties the table and the report and reads the file into both.
    void Odczyt_wynikow(const QString &fileName);
    void ListView1ColumnClick(int column);
    void UsunZaznaczonyClick();
    void UsunWynikiClick(); // delete all, browser form
    void DrukujClick();
    void PokazWszystkieClick();
    void FiltrujClick();
    void ZamknijClick(); // the context menu's "Zamknij okno [Esc]"
    // Rewrites Wyniki.tvw from the table in the order displayed.
    Status Zapisz_wyniki();
    // Prints the whole report; false when the printer could not be started.
    bool Drukuj_raport(QPrinter &printer) const;

    QTableView *ListView1 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *action(const QString &objectName) const;

    // What the window holds, for the main window and for tests.
    const results::Records &rows() const;
    QStringList reportLines() const;
    bool filterMode() const;
    int selectedRow() const; // -1 when no row is selected
    void selectRow(int row);

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

    ResultsModel *model = nullptr;
    // The records the report was built from: it follows what was read, not
    // the deletions and sorting that come after.
    results::Records raport;
    bool active = false; // the active child window of the main window
};

// Deletes Wyniki.tvw after asking; both the browser and the main window
// offer it. True when the file was deleted.
bool deleteAllResults(QWidget *parent);

} // namespace tv
