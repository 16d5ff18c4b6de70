#pragma once

#include <QObject>

namespace tv {

class ResultsBrowser;
class ResultsFilterDialog;
class Shell;
struct BrowserState;

// The main window's results commands: the browser, the filter, printing
// and deleting all results.
class ResultsCommands : public QObject {
    Q_OBJECT

public:
    ResultsCommands(Shell &shell, BrowserState &state, ResultsFilterDialog &filter, QObject *parent = nullptr);

    // "Wyniki testów": the browser, with the results commands locked.
    void openResults();
    // "Filtruj wyniki testów": the filter, modally.
    void openFilter();
    // "Drukuj wyniki testów": the open browser's report.
    void printResults();
    // "Usuń wyniki testów": deletes Wyniki.tvw after asking.
    void deleteAllResults();

    // Makes a browser as a maximised child window of the main window; it
    // reads its file as it becomes active.
    ResultsBrowser *openBrowser();
    // The browser among the main window's child windows, if one is open.
    ResultsBrowser *findBrowser() const;

private:
    Shell &shell;
    BrowserState &state;
    ResultsFilterDialog &filter;
};

} // namespace tv
