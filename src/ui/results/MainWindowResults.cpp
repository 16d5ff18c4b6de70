// The main window's results commands: the browser, the filter, printing and
// deleting all results.

#include "app/TForm1.h"

namespace tv {

void TForm1::WynikiClick()
{
}

void TForm1::FiltrujClick()
{
}

void TForm1::DrukujClick()
{
}

void TForm1::UsunWynikiClick()
{
}

} // namespace tv
