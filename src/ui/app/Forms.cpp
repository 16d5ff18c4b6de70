#include "Forms.h"

#include "TForm1.h"
#include "catalogue/Tladuj.h"
#include "extras/TO_mnie.h"
#include "extras/Te_mail.h"
#include "net/TA_KS.h"
#include "net/TKomunikat_test.h"
#include "net/TLink_Server.h"
#include "profile/TSkory.h"
#include "profile/TUstawienia.h"
#include "results/TFiltr_wyniki.h"
#include "results/Twynik_test.h"
#include "wizards/TKreator.h"

namespace tv {

Forms &forms()
{
    static Forms f;
    return f;
}

void createForms()
{
    Forms &f = forms();
    f.Form1 = new TForm1;
    f.Link_Server = new TLink_Server(f.Form1);
    f.Kreator = new TKreator(f.Form1);
    f.Kreator->show();
    f.O_mnie = new TO_mnie(f.Form1);
    f.laduj = new Tladuj(f.Form1);
    f.Ustawienia = new TUstawienia(f.Form1);
    f.e_mail = new Te_mail(f.Form1);
    f.wynik_test = new Twynik_test(f.Form1);
    f.Filtr_wyniki = new TFiltr_wyniki(f.Form1);
    f.A_KS = new TA_KS(f.Form1);
    f.Skory = new TSkory(f.Form1);
    f.Komunikat_test = new TKomunikat_test(f.Form1);
}

void destroyForms()
{
    Forms &f = forms();
    // The others are children of the main window and go with it.
    delete f.Form1;
    f = Forms{};
}

} // namespace tv
