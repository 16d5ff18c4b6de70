#pragma once

#include <QString>

namespace tv {

// The commands of the main window that the three locking operations touch.
enum class Command {
    MenuPlik,
    MenuTesty,
    MenuSprawdz,
    MenuOpcje,
    MenuUstawienia,
    MenuPomoc,
    ItemZamknijProgram,
    ItemKreator,
    ItemWyniki,
    ItemFiltruj,
    ItemZamknijOkno,
    ItemZresetuj,
    ItemCoToZaMiejsce,
    ButtonKreator,
    ButtonWylosuj,
    ButtonOdgadnij,
    ButtonWyniki,
    ButtonFiltruj,
    ButtonSprawdzPliki,
    ButtonArchitektura,
    ButtonUstawienia,
    ButtonUzytkownicy,
    ButtonPokazWynik,
    ButtonZresetuj,
    ButtonNapisz,
    ButtonZamknijOkno,
    ButtonZakoncz,
    Count
};

enum class LockOperation {
    TestStart,  // Menu_test_start: a test window is about to open
    TestEnd,    // Menu_test_koniec: back to the idle local state
    ClientLock, // Menu_KS: the client-server session lock
};

enum class Effect { Untouched, Enable, Disable };

Effect lockEffect(LockOperation op, Command command);

// What the exit command or a close request of the main window does.
enum class ExitDecision {
    Ignore,               // in a session: nothing happens, nothing is said
    RefuseWhileChildOpen, // the refusal message, and the background panel hides
    Terminate,
};

ExitDecision decideExit(bool sessionActive, bool childWindowOpen);

// Texts that belong to the main window.
namespace texts {
inline const QString kCaption = QStringLiteral("Terravia v2.4 [Klient]");
inline const QString kIdleStatus = QStringLiteral("Test: Oczekiwanie...");
inline const QString kLocalMode = QStringLiteral("Tryb: Lokalny");
inline const QString kClientMode = QStringLiteral("Tryb: Klient-Server");
inline const QString kRefuseExit = QStringLiteral(
    "Nie można zamknąć teraz programu, ponieważ jesteś obecnie w trybie rozwiązywania testu lub masz otwarte okno "
    "podrzędne.\r\nJeżeli chcesz zakończyć program: Skończ lub przerwij test i wówczas będzie można wyjść");
inline const QString kShowScoreOn = QStringLiteral("W teście Wszystko o... Pokazuj  aktualny wynik: TAK");
inline const QString kShowScoreOff = QStringLiteral("W teście Wszystko o... Pokazuj  aktualny wynik: NIE");
} // namespace texts

} // namespace tv
