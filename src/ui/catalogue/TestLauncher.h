#pragma once

#include "quiz/TestWindow.h"
#include "platform/KeptSpellings.h"

#include <QObject>
#include <QString>

#include <functional>

namespace tv {

struct CatalogueEntry;
struct ChainEntry;

// The message of a launch that finds a test file missing: 0 configuration,
// 1 description, 2 picture. Shown with caption "Terravia: Brak pliku".
QString missingFileMessage(int which);
inline const QString kMissingFileCaption = QStringLiteral("Terravia: Brak pliku");

// The message of a chain whose files are incomplete, with its caption.
inline const QString kChainMissingText = kept::kChainMissingText;
inline const QString kChainMissingCaption = QStringLiteral("Terravia-Brak plików...");

// The one launch routine of the catalogue: menu items, the creator, the
// random draw and the teacher's assignments all start tests through here.
// It fills the launch request, locks the main window's commands and opens
// the test window, or reports what is missing.
class TestLauncher : public QObject {
    Q_OBJECT

public:
    explicit TestLauncher(const TestWindowContext &context, QObject *parent = nullptr);

    // How the creator's launches differ from the catalogue's own.
    struct Options {
        QString statusText;              // status panel 1 when it differs from the title
        bool reportsToServer = true;     // the session marks of the entry apply
        QWidget *messageParent = nullptr; // where a missing-file message is centred
        std::function<void()> beforeOpening;
    };

    // Launches the entry (single test or chain) with this server code; false
    // when there is none.
    bool launch(int code);
    // A single test; false when a file is missing (reported).
    bool launchEntry(const CatalogueEntry &entry, const Options &options);
    bool launchEntry(const CatalogueEntry &entry) { return launchEntry(entry, Options{}); }
    // A "Wszystko o..." chain; false when its files are incomplete (reported).
    bool launchChain(const ChainEntry &chain, const Options &options);
    bool launchChain(const ChainEntry &chain) { return launchChain(chain, Options{}); }
    // A test of the teacher's own, from the folder of own tests: run as a
    // single test, under "Test: Moje - " + its title. Not offered during a
    // client-server session (the teacher's server has no code for it).
    bool launchOwn(const QString &folder, const QString &code, const QString &title)
    {
        return launchOwnTest(folder, code, title, Options{});
    }
    bool launchOwnTest(const QString &folder, const QString &code, const QString &title, const Options &options);
    // True when every file of every test of the chain is present.
    bool chainFilesPresent(int chain) const;

    // The test window among the main window's child windows, if one is open.
    TestWindow *testWindow() const;

signals:
    // Forwarded from the test windows this launcher opens.
    void creatorRequested(bool animated);
    void helpRequested();
    void filterRequested();

private:
    TestWindow *openTestWindow();

    TestWindowContext context;
};

} // namespace tv
