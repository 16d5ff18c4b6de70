#include "Application.h"

#include "MainWindow.h"
#include "PlaceholderDialog.h"
#include "catalogue/Catalogue.h"
#include "catalogue/FileCheckWindow.h"
#include "catalogue/LoadingWindow.h"
#include "catalogue/TestLauncher.h"
#include "extras/LegendWindow.h"
#include "extras/MailForm.h"
#include "net/LoginWindow.h"
#include "platform/Files.h"
#include "platform/Services.h"
#include "platform/System.h"
#include "profile/SettingsDialog.h"
#include "profile/UsersDialog.h"
#include "results/ResultDialog.h"
#include "results/ResultsCommands.h"
#include "results/ResultsFilterDialog.h"
#include "wizards/CreatorWizard.h"
#include "wizards/RandomTestWindow.h"

#include <QCoreApplication>

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
    // The main window first: creating it takes the skin choice, the settings
    // and the kind of system into account.
    const SettingsLoad load = shared.settings.loadAtStart(files::dataDir());
    main = new MainWindow(shared.settings, shared.session);
    if (!load.status)
        showMessage(main, load.status.message, QStringLiteral("Terravia"), Services::Icon::Error);
    shared.osKind = detectOsKind();

    login = new LoginWindow(main);
    creatorWizard = new CreatorWizard(*main, main);
    creatorWizard->show();
    // The about box, the network settings, the skins and the teacher's
    // prompt come with later parts of the program.
    about = new PlaceholderDialog(QStringLiteral("aboutDialog"), QStringLiteral("O programie"), main);
    loading = new LoadingWindow(main);
    settingsWindow = new SettingsDialog(shared.settings, main);
    mail = new MailForm(main);
    result = new ResultDialog(*main, shared.settings, shared.session, shared.result, main);
    filter = new ResultsFilterDialog(*main, shared.settings, shared.browser, main);
    network = new PlaceholderDialog(QStringLiteral("networkSettingsDialog"), QStringLiteral("Architektura Klient-Server"), main);
    skins = new PlaceholderDialog(QStringLiteral("skinsDialog"), QStringLiteral("Skóry"), main);
    prompt = new PlaceholderDialog(QStringLiteral("assignmentPrompt"), QStringLiteral("Terravia"), main);

    testLauncher = new TestLauncher({*main, *loading, *result, shared.request, shared.chain, shared.settings,
                                     shared.session, shared.result});
    resultsCommands = new ResultsCommands(*main, shared.browser, *filter);
}

void Application::connectCommands()
{
    MainWindow *m = main;
    auto modal = [](QDialog &dialog) { Services::get().execModal(dialog); };

    connect(m, &MainWindow::testChosen, testLauncher, &TestLauncher::launch);
    connect(m, &MainWindow::creatorRequested, creatorWizard, &CreatorWizard::openAnimated);
    connect(m, &MainWindow::randomTestRequested, this, [this] {
        RandomTestWindow random(*testLauncher, main);
        Services::get().execModal(random);
    });
    connect(m, &MainWindow::resultsRequested, resultsCommands, &ResultsCommands::openResults);
    connect(m, &MainWindow::filterRequested, resultsCommands, &ResultsCommands::openFilter);
    connect(m, &MainWindow::printRequested, resultsCommands, &ResultsCommands::printResults);
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
    connect(m, &MainWindow::aboutRequested, this, [this, modal] { modal(*about); });

    connect(settingsWindow, &SettingsDialog::networkSettingsRequested, this, [this, modal] { modal(*network); });

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

    connect(testLauncher, &TestLauncher::creatorRequested, this, [this](bool animated) {
        if (animated)
            creatorWizard->openAnimated();
        else
            creatorWizard->showPlain();
    });
    connect(testLauncher, &TestLauncher::helpRequested, m, &MainWindow::openHelp);
    connect(testLauncher, &TestLauncher::filterRequested, resultsCommands, &ResultsCommands::openFilter);
}

void Application::showStartWindows()
{
    if (files::dataExists(QStringLiteral("Net_konf.dat"))) {
        creatorWizard->close();
        Services::get().execModal(*login);
        return;
    }
    // The creator stays a tool window of the main window: on top of
    // everything it would hide the dialogs opened while it is shown.
    if (shared.settings.startCreator()) {
        QCoreApplication::processEvents();
        creatorWizard->showPlain();
    } else {
        creatorWizard->close();
    }
}

} // namespace tv
