#include "Locking.h"

namespace tv {
namespace {

constexpr Effect U = Effect::Untouched;
constexpr Effect E = Effect::Enable;
constexpr Effect D = Effect::Disable;

struct Row {
    Command command;
    Effect start, end, client;
};

// One row per command: test start, test end, client-server lock.
constexpr Row kRows[] = {
    {Command::MenuPlik, U, U, D},
    {Command::MenuTesty, D, E, D},
    {Command::MenuSprawdz, U, U, D},
    {Command::MenuOpcje, U, U, D},
    {Command::MenuUstawienia, U, U, D},
    {Command::MenuPomoc, U, U, D},
    {Command::ItemZamknijProgram, D, E, U},
    {Command::ItemKreator, D, E, U},
    {Command::ItemWyniki, D, E, U},
    {Command::ItemFiltruj, D, E, U},
    {Command::ItemZamknijOkno, E, D, U},
    {Command::ItemZresetuj, U, U, D},
    {Command::ItemCoToZaMiejsce, U, U, D},
    {Command::ButtonKreator, D, E, D},
    {Command::ButtonWylosuj, U, U, D},
    {Command::ButtonOdgadnij, U, U, D},
    {Command::ButtonWyniki, D, E, D},
    {Command::ButtonFiltruj, D, E, D},
    {Command::ButtonSprawdzPliki, U, U, D},
    {Command::ButtonArchitektura, U, U, D},
    {Command::ButtonUstawienia, U, U, D},
    {Command::ButtonUzytkownicy, U, U, D},
    {Command::ButtonPokazWynik, U, U, D},
    {Command::ButtonZresetuj, U, U, D},
    {Command::ButtonNapisz, U, U, D},
    {Command::ButtonZamknijOkno, E, D, D},
    {Command::ButtonZakoncz, D, E, D},
};
static_assert(sizeof(kRows) / sizeof(kRows[0]) == static_cast<size_t>(Command::Count));

constexpr bool rowsInCommandOrder()
{
    for (size_t i = 0; i < sizeof(kRows) / sizeof(kRows[0]); ++i)
        if (static_cast<size_t>(kRows[i].command) != i)
            return false;
    return true;
}
static_assert(rowsInCommandOrder());

} // namespace

Effect lockEffect(LockOperation op, Command command)
{
    const Row &row = kRows[static_cast<int>(command)];
    switch (op) {
    case LockOperation::TestStart:
        return row.start;
    case LockOperation::TestEnd:
        return row.end;
    case LockOperation::ClientLock:
        return row.client;
    }
    return U;
}

ExitDecision decideExit(bool sessionActive, bool childWindowOpen)
{
    if (sessionActive)
        return ExitDecision::Ignore;
    if (childWindowOpen)
        return ExitDecision::RefuseWhileChildOpen;
    return ExitDecision::Terminate;
}

} // namespace tv
