#pragma once

#include <QString>

namespace tv {

// The commands of the main window that other windows enable and disable:
// those the three locking operations touch, and the two results commands
// that the results browser switches while it is open.
enum class Command {
    MenuFile,
    MenuTests,
    MenuCheck,
    MenuOptions,
    MenuSettings,
    MenuHelp,
    ItemExit,
    ItemCreator,
    ItemResults,
    ItemFilter,
    ItemCloseChild,
    ItemRestart,
    ItemPlaceGame,
    ButtonCreator,
    ButtonRandomTest,
    ButtonPlaceGame,
    ButtonResults,
    ButtonFilter,
    ButtonFileCheck,
    ButtonNetwork,
    ButtonSettings,
    ButtonUsers,
    ButtonShowScore,
    ButtonRestart,
    ButtonMail,
    ButtonCloseChild,
    ButtonExit,
    ItemPrintResults,
    ItemDeleteResults,
    // A teacher's own tests: the editor, import and export.
    ItemOwnNew,
    ItemOwnEdit,
    ItemOwnImport,
    ItemOwnExport,
    Count
};

enum class LockOperation {
    TestStart,  // a test window is about to open
    TestEnd,    // back to the idle local state
    ClientLock, // the client-server session lock
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
