#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace tv {

// What a test does on a missing file during a client-server session.
// What a launch does in a lesson when a file of the test is missing.
enum class Mark {
    None,
    NoteMissingFile,            // the connection's end then tells of the missing file
    ReportAnyMissing,           // reports any missing file to the server and keeps the lock
    ReportMissingConfiguration, // reports a missing configuration file, with its message
};

// One map test of the "Testy" menu. Texts are exactly as the program shows,
// stores and sends them (trailing blanks and odd spellings included).
struct CatalogueEntry {
    int code; // server code, 10..58
    QString menu;
    QString item;
    QString title;
    QString configurationFile;
    QString descriptionFile;
    QString pictureFile;
    QString promptName;
    Mark mark;
};

// One "Wszystko o..." entry: it runs a chain of tests.
struct ChainEntry {
    int code; // 59..65
    QString item;
    int chain; // 1..7
    int taskTotal;
    QString title;
    QString status; // status panel 1 and the main window's caption
    QString configurationFile;
    QString descriptionFile;
    QString pictureFile;
    QString promptName;
};

// One test of a chain, in running order.
struct ChainStep {
    int chain;
    int step;
    QString title;
    QString status;  // empty for step 1: the chain's start writes it
    QString caption; // the main window's caption when it differs from status
    QString configurationFile;
    QString descriptionFile;
    QString pictureFile;

    const QString &windowCaption() const { return caption.isEmpty() ? status : caption; }
};

namespace catalogue {

// The 49 single tests, in menu order.
const std::vector<CatalogueEntry> &singleTests();
// The 7 chains, in menu order ("Wszystko o...").
const std::vector<ChainEntry> &chainEntries();
// The region sub-menus of "Testy", in order.
QStringList menuGroups();
inline const QString kChainMenu = QStringLiteral("Wszystko o...");

const CatalogueEntry *findByCode(int code);
const CatalogueEntry *findByTitle(const QString &title);
const ChainEntry *findChain(int chain);
const ChainEntry *findChainByCode(int code);
// The name the assigned-test prompt shows for a server code, of a single
// test or a chain; empty for a code no entry has.
QString promptNameFor(int code);

// The tests a chain runs, step 1 first.
std::vector<ChainStep> chainSteps(int chain);
const ChainStep *chainStep(int chain, int step);
int chainLength(int chain);
// The title strip text of a chain's result.
QString chainEndTitle(int chain);

// The title stored with a result of the place game.
inline const QString kPlaceGameTitle = QStringLiteral("Test: Odgadnij miejsce na ziemi");

// The lists of tests (the file check, the random draw, the results filter)
// name the single tests in server-code order, and spell a few of them as
// the menu does rather than as the title strip does ("Długości granic
// sąsiadów" for "Granice sąsiadów", "Flagi państw Cz. 1" for "Flagi
// państw"); the filter also writes "Cz. 1" where the others write "Cz.1".
enum class TitleList { FileCheck, Draw, Filter };
QString listedTitle(const CatalogueEntry &entry, TitleList list);
// A chain as the draw and the filter list it ("Test: Wszystko o Polsce").
QString listedTitle(const ChainEntry &chain);
const CatalogueEntry *findByListedTitle(const QString &title, TitleList list);
const ChainEntry *findChainByListedTitle(const QString &title);
// The single tests in server-code order, as every list shows them.
std::vector<const CatalogueEntry *> inCodeOrder();

} // namespace catalogue
} // namespace tv
