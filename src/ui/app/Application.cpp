#include "Application.h"

#include "MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/FileCheckWindow.h"
#include "catalogue/LoadingWindow.h"
#include "catalogue/OwnTestsCommands.h"
#include "catalogue/TestLauncher.h"
#include "extras/AboutDialog.h"
#include "extras/ComputerInfoWindow.h"
#include "extras/Contacts.h"
#include "extras/LegendWindow.h"
#include "extras/MailForm.h"
#include "extras/ScreenAdviceWindow.h"
#include "game/PlaceGameWindow.h"
#include "net/AssignmentPrompt.h"
#include "net/LoginWindow.h"
#include "net/NetworkFiles.h"
#include "net/NetworkSettingsDialog.h"
#include "net/SessionController.h"
#include "platform/FileLock.h"
#include "platform/Files.h"
#include "platform/Services.h"
#include "platform/System.h"
#include "profile/SettingsDialog.h"
#include "quiz/TestWindow.h"
#include "quiz/Worksheet.h"
#include "profile/SkinsDialog.h"
#include "profile/UsersDialog.h"
#include "results/ResultDialog.h"
#include "results/ResultRecord.h"
#include "results/ResultsCommands.h"
#include "results/ResultsFilterDialog.h"
#include "wizards/CreatorWizard.h"
#include "wizards/RandomTestWindow.h"

#include <QCoreApplication>
#include <QUrl>

namespace tv {

Application::Application()
{
    createWindows();
    connectCommands();
}

Application::~Application()
{
    // The child windows go first, while every window they report to is
    // whole; then the others in reverse order of creation, the frame last.
    main->closeChildrenForShutdown();
    delete sessionWindows;
    delete ownTestsCommands;
    delete resultsCommands;
    delete testLauncher;
    delete prompt;
    delete skins;
    delete network;
    delete filter;
    delete result;
    delete mail;
    delete settingsWindow;
    delete loading;
    delete about;
    delete creatorWizard;
    delete login;
    delete main;
}

void Application::createWindows()
{
    // Writes cut short by a crash or a power cut leave temporary files.
    files::removeStaleTemporaries(files::dataPath(kResultsFile));
    files::removeStaleTemporaries(files::dataPath(kSettingsFile));
    // The main window first: creating it takes the skin choice, the settings
    // and the kind of system into account.
    const SettingsLoad load = shared.settings.loadAtStart(files::dataDir());
    shared.settings.loadViewOptions(files::userConfigDir());
    main = new MainWindow(shared.settings, shared.session);
    if (!load.status)
        showMessage(main, load.status.message, QStringLiteral("Terravia"), Services::Icon::Error);
    shared.session.setPasswordPlace(detectPasswordPlace());

    login = new LoginWindow(shared.session, main);
    creatorWizard = new CreatorWizard(*main, main);
    creatorWizard->show();
    about = new AboutDialog(main);
    loading = new LoadingWindow(main);
    settingsWindow = new SettingsDialog(shared.settings, main);
    mail = new MailForm(main);
    result = new ResultDialog(*main, shared.settings, shared.session, shared.result, main);
    filter = new ResultsFilterDialog(*main, shared.settings, shared.browser, main);
    network = new NetworkSettingsDialog(shared.session, main);
    skins = new SkinsDialog(main);
    prompt = new AssignmentPrompt(main);

    testLauncher = new TestLauncher({*main, *loading, *result, shared.request, shared.chain, shared.settings,
                                     shared.session, shared.result});
    resultsCommands = new ResultsCommands(*main, shared.browser, *filter);
    ownTestsCommands = new OwnTestsCommands(main);
    sessionWindows = new SessionController(shared.session, shared.result, {*main, *login, *prompt, *result, *testLauncher});
}

void Application::connectCommands()
{
    MainWindow *m = main;
    auto modal = [](QDialog &dialog) { Services::get().execModal(dialog); };

    connect(m, &MainWindow::testChosen, testLauncher, &TestLauncher::launch);
    connect(m, &MainWindow::ownTestChosen, testLauncher, &TestLauncher::launchOwn);
    connect(m, &MainWindow::ownTestNewRequested, ownTestsCommands, &OwnTestsCommands::newTest);
    connect(m, &MainWindow::ownTestEditRequested, ownTestsCommands, &OwnTestsCommands::editTest);
    connect(m, &MainWindow::ownTestImportRequested, ownTestsCommands, &OwnTestsCommands::importTest);
    connect(m, &MainWindow::ownTestExportRequested, ownTestsCommands, &OwnTestsCommands::exportTest);
    connect(m, &MainWindow::creatorRequested, creatorWizard, &CreatorWizard::openAnimated);
    connect(m, &MainWindow::randomTestRequested, this, [this] {
        RandomTestWindow random(*testLauncher, main);
        Services::get().execModal(random);
    });
    connect(m, &MainWindow::placeGameRequested, this, &Application::openPlaceGame);
    connect(m, &MainWindow::resultsRequested, resultsCommands, &ResultsCommands::openResults);
    connect(m, &MainWindow::filterRequested, resultsCommands, &ResultsCommands::openFilter);
    connect(m, &MainWindow::printRequested, resultsCommands, &ResultsCommands::printResults);
    // The worksheet of the test open, else of the test chosen last; the
    // session's lock of the "Plik" menu keeps it from a lesson.
    connect(m, &MainWindow::worksheetRequested, this, [this] {
        if (shared.session.active())
            return;
        if (TestWindow *w = testLauncher->testWindow()) {
            w->printWorksheet();
            return;
        }
        const QList<learning::SheetSource> sources = learning::sheetSources(shared.request, shared.chain);
        if (sources.isEmpty()) {
            showMessage(main, QStringLiteral("Najpierw wybierz test (menu \"Testy\"), którego kartę pracy chcesz wydrukować."),
                        QStringLiteral("Terravia: Karta pracy"), Services::Icon::Information);
            return;
        }
        worksheet::run(main, sources);
    });
    connect(m, &MainWindow::deleteResultsRequested, resultsCommands, &ResultsCommands::deleteAllResults);
    connect(m, &MainWindow::settingsRequested, this, [this, modal] { modal(*settingsWindow); });
    connect(m, &MainWindow::networkSettingsRequested, this, [this, modal] { modal(*network); });
    connect(m, &MainWindow::fileCheckRequested, this, [this] {
        FileCheckWindow check(*mail, main);
        Services::get().execModal(check);
    });
    connect(m, &MainWindow::usersRequested, this, [this] {
        UsersDialog users(shared.settings, main);
        Services::get().execModal(users);
    });
    connect(m, &MainWindow::legendRequested, this, [this] {
        LegendWindow legend(main);
        Services::get().execModal(legend);
    });
    connect(m, &MainWindow::mailRequested, this, [this, modal] { modal(*mail); });
    connect(m, &MainWindow::aboutRequested, about, &AboutDialog::openAnimated);
    connect(m, &MainWindow::webPageRequested, this,
            [] { Services::get().openWithDesktop(QUrl(contacts::kWebPage)); });
    connect(m, &MainWindow::screenAdviceRequested, this, [this] {
        ScreenAdviceWindow screen(main);
        Services::get().execModal(screen);
    });
    connect(m, &MainWindow::computerInfoRequested, this, [this] {
        ComputerInfoWindow info(main);
        Services::get().execModal(info);
    });
    connect(m, &MainWindow::skinsRequested, this, [this, modal] { modal(*skins); });
    connect(skins, &SkinsDialog::skinChosen, m, &MainWindow::applySkin);

    connect(settingsWindow, &SettingsDialog::networkSettingsRequested, this, [this, modal] { modal(*network); });
    connect(network, &NetworkSettingsDialog::restartRequested, m, &MainWindow::restartProgram);
    connect(login, &LoginWindow::helpRequested, m, &MainWindow::openHelp);

    // The creator's launches are the catalogue's, except that they never
    // report to the server and hide the creator when the test window opens.
    connect(creatorWizard, &CreatorWizard::testChosen, this,
            [this](const CatalogueEntry &entry, const QString &statusText) {
                TestLauncher::Options options;
                options.statusText = statusText;
                options.reportsToServer = false;
                options.messageParent = creatorWizard;
                options.beforeOpening = [this] { creatorWizard->hide(); };
                testLauncher->launchEntry(entry, options);
            });
    connect(creatorWizard, &CreatorWizard::chainChosen, this, [this](const ChainEntry &chain) {
        TestLauncher::Options options;
        options.messageParent = creatorWizard;
        options.beforeOpening = [this] { creatorWizard->hide(); };
        testLauncher->launchChain(chain, options);
    });
    connect(creatorWizard, &CreatorWizard::drawnTestChosen, testLauncher, &TestLauncher::launch);
    connect(creatorWizard, &CreatorWizard::ownTestChosen, this,
            [this](const QString &folder, const QString &code, const QString &title) {
                TestLauncher::Options options;
                options.messageParent = creatorWizard;
                options.beforeOpening = [this] { creatorWizard->hide(); };
                testLauncher->launchOwnTest(folder, code, title, options);
            });
    connect(creatorWizard, &CreatorWizard::placeGameRequested, this, &Application::openPlaceGame);

    connect(testLauncher, &TestLauncher::creatorRequested, this, [this](bool animated) {
        if (animated)
            creatorWizard->openAnimated();
        else
            creatorWizard->showPlain();
    });
    connect(testLauncher, &TestLauncher::helpRequested, m, &MainWindow::openHelp);
    connect(testLauncher, &TestLauncher::filterRequested, resultsCommands, &ResultsCommands::openFilter);
}

void Application::openPlaceGame()
{
    PlaceGameWindow *game = PlaceGameWindow::open(*main, shared.settings);
    connect(game, &PlaceGameWindow::creatorRequested, creatorWizard, &CreatorWizard::openAnimated,
            Qt::UniqueConnection);
}

void Application::showStartWindows()
{
    if (netfiles::clientModeConfigured()) {
        creatorWizard->close();
        Services::get().execModal(*login);
        return;
    }
    // The creator stays a tool window of the main window: on top of
    // everything it would hide the dialogs opened while it is shown.
    if (shared.settings.startCreator()) {
        letPendingEventsRun();
        creatorWizard->showPlain();
    } else {
        creatorWizard->close();
    }
}

} // namespace tv
