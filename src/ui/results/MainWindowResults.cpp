// The main window's results commands: the browser, the filter, printing and
// deleting all results.

#include "app/Forms.h"
#include "app/TForm1.h"
#include "platform/Files.h"
#include "platform/Services.h"
#include "results/ResultRecord.h"
#include "results/TFiltr_wyniki.h"
#include "results/TWyniki.h"

#include <QAction>

namespace tv {

void TForm1::WynikiClick()
{
    if (!files::dataExists(kResultsFile)) {
        showMessage(this, QStringLiteral("Nie znaleziono żadnych wyników testów na Twoim dysku"),
                    QStringLiteral("Terravia"), Services::Icon::Information);
        return;
    }
    setHourglass(true);
    setBackgroundPanelVisible(false);
    Menu_test_start();
    commandAction(Command::ItemWyniki)->setEnabled(false);
    commandAction(Command::ButtonWyniki)->setEnabled(false);
    menuItem(QStringLiteral("Usuwyniki1"))->setEnabled(false);
    // Printing acts on this browser, so it is offered while it is open.
    menuItem(QStringLiteral("Drukujwynikitestw1"))->setEnabled(true);
    TWyniki::open();
}

void TForm1::FiltrujClick()
{
    setHourglass(true);
    Services::get().execModal(*forms().Filtr_wyniki);
    setHourglass(false);
}

void TForm1::DrukujClick()
{
    if (TWyniki *browser = TWyniki::find())
        browser->DrukujClick();
}

void TForm1::UsunWynikiClick()
{
    if (deleteAllResults(this))
        showMessage(this, QStringLiteral("Plik z wynikami został usunięty z powodzeniem"), QStringLiteral("Terravia"),
                    Services::Icon::Information);
}

} // namespace tv
