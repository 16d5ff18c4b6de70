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
    {Command::MenuFile, U, U, D},
    {Command::MenuTests, D, E, D},
    {Command::MenuCheck, U, U, D},
    {Command::MenuOptions, U, U, D},
    {Command::MenuSettings, U, U, D},
    {Command::MenuHelp, U, U, D},
    {Command::ItemExit, D, E, U},
    {Command::ItemCreator, D, E, U},
    {Command::ItemResults, D, E, U},
    {Command::ItemFilter, D, E, U},
    {Command::ItemCloseChild, E, D, U},
    {Command::ItemRestart, U, U, D},
    {Command::ItemPlaceGame, U, U, D},
    {Command::ButtonCreator, D, E, D},
    {Command::ButtonRandomTest, U, U, D},
    {Command::ButtonPlaceGame, U, U, D},
    {Command::ButtonResults, D, E, D},
    {Command::ButtonFilter, D, E, D},
    {Command::ButtonFileCheck, U, U, D},
    {Command::ButtonNetwork, U, U, D},
    {Command::ButtonSettings, U, U, D},
    {Command::ButtonUsers, U, U, D},
    {Command::ButtonShowScore, U, U, D},
    {Command::ButtonRestart, U, U, D},
    {Command::ButtonMail, U, U, D},
    {Command::ButtonCloseChild, E, D, D},
    {Command::ButtonExit, D, E, D},
    {Command::ItemPrintResults, U, U, U},
    {Command::ItemDeleteResults, U, U, U},
    // Locked as the other test commands are: a test being replaced while it
    // runs, or made during a lesson the server knows nothing of, helps no one.
    {Command::ItemOwnNew, D, E, D},
    {Command::ItemOwnEdit, D, E, D},
    {Command::ItemOwnImport, D, E, D},
    {Command::ItemOwnExport, D, E, D},
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
