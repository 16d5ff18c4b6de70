#include "ResultsCommands.h"

#include "app/Shell.h"
#include "platform/Files.h"
#include "platform/Services.h"
#include "results/ResultRecord.h"
#include "results/ResultsBrowser.h"
#include "results/ResultsFilterDialog.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace tv {

ResultsCommands::ResultsCommands(Shell &shell, BrowserState &state, ResultsFilterDialog &filter, QObject *parent)
    : QObject(parent), shell(shell), state(state), filter(filter)
{
    connect(&filter, &ResultsFilterDialog::browseRequested, this, &ResultsCommands::openBrowser);
}

void ResultsCommands::openResults()
{
    if (!files::dataExists(kResultsFile)) {
        showMessage(shell.frame(), QStringLiteral("Nie znaleziono żadnych wyników testów na Twoim dysku"),
                    QStringLiteral("Terravia"), Services::Icon::Information);
        return;
    }
    setHourglass(true);
    shell.setBackgroundVisible(false);
    shell.lockForTest();
    shell.setCommandEnabled(Command::ItemResults, false);
    shell.setCommandEnabled(Command::ButtonResults, false);
    shell.setCommandEnabled(Command::ItemDeleteResults, false);
    // Printing acts on this browser, so it is offered while it is open.
    shell.setCommandEnabled(Command::ItemPrintResults, true);
    openBrowser();
}

ResultsBrowser *ResultsCommands::openBrowser()
{
    auto *browser = new ResultsBrowser(shell, state);
    connect(browser, &ResultsBrowser::filterRequested, this, &ResultsCommands::openFilter);
    QMdiSubWindow *sub = shell.addChildWindow(browser);
    sub->showMaximized();
    shell.childArea()->setActiveSubWindow(sub);
    browser->activateOnce();
    return browser;
}

ResultsBrowser *ResultsCommands::findBrowser() const
{
    QMdiArea *mdi = shell.childArea();
    if (QMdiSubWindow *a = mdi->activeSubWindow())
        if (auto *w = qobject_cast<ResultsBrowser *>(a->widget()))
            return w;
    for (QMdiSubWindow *sub : mdi->subWindowList())
        if (auto *w = qobject_cast<ResultsBrowser *>(sub->widget()))
            return w;
    return nullptr;
}

void ResultsCommands::openFilter()
{
    setHourglass(true);
    Services::get().execModal(filter);
    setHourglass(false);
}

void ResultsCommands::printResults()
{
    if (ResultsBrowser *browser = findBrowser())
        browser->print();
}

void ResultsCommands::deleteAllResults()
{
    if (tv::deleteAllResults(shell.frame()))
        showMessage(shell.frame(), QStringLiteral("Plik z wynikami został usunięty z powodzeniem"),
                    QStringLiteral("Terravia"), Services::Icon::Information);
}

} // namespace tv
