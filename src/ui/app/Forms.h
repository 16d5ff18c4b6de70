#pragma once

namespace tv {

class TForm1;
class TLink_Server;
class TKreator;
class TO_mnie;
class Tladuj;
class TUstawienia;
class Te_mail;
class Twynik_test;
class TFiltr_wyniki;
class TA_KS;
class TSkory;
class TKomunikat_test;

// The windows that live from start to end of the program; they are created
// once, in this order, and only shown and hidden afterwards.
struct Forms {
    TForm1 *Form1 = nullptr;
    TLink_Server *Link_Server = nullptr;
    TKreator *Kreator = nullptr;
    TO_mnie *O_mnie = nullptr;
    Tladuj *laduj = nullptr;
    TUstawienia *Ustawienia = nullptr;
    Te_mail *e_mail = nullptr;
    Twynik_test *wynik_test = nullptr;
    TFiltr_wyniki *Filtr_wyniki = nullptr;
    TA_KS *A_KS = nullptr;
    TSkory *Skory = nullptr;
    TKomunikat_test *Komunikat_test = nullptr;
};

Forms &forms();

// Creates the windows in their fixed order, the main window first. The test
// creator is visible right after its creation; the others stay hidden.
void createForms();
// Destroys them all (end of the program, end of a test).
void destroyForms();

} // namespace tv
