#pragma once

#include "app/ProgramState.h"

#include <QObject>

namespace tv {

class AboutDialog;
class CreatorWizard;
class LoadingWindow;
class LoginWindow;
class MailForm;
class AssignmentPrompt;
class MainWindow;
class NetworkSettingsDialog;
class OwnTestsCommands;
class ResultDialog;
class ResultsCommands;
class ResultsFilterDialog;
class SessionController;
class SettingsDialog;
class SkinsDialog;
class TestLauncher;

// The composition root: owns the shared state, creates the long-lived
// windows once, in their fixed order, hands each the few collaborators it
// needs and connects the commands of one window to the windows that carry
// them out. Destroying it takes everything down in reverse order.
class Application : public QObject {
    Q_OBJECT

public:
    Application();
    ~Application() override;

    // Before the main window is first shown: the login window when
    // client-server mode is configured, otherwise the creator as the
    // settings choose.
    void showStartWindows();

    ProgramState &state() { return shared; }
    MainWindow &mainWindow() { return *main; }
    LoginWindow &loginWindow() { return *login; }
    CreatorWizard &creator() { return *creatorWizard; }
    AboutDialog &aboutDialog() { return *about; }
    LoadingWindow &loadingWindow() { return *loading; }
    SettingsDialog &settingsDialog() { return *settingsWindow; }
    MailForm &mailForm() { return *mail; }
    ResultDialog &resultDialog() { return *result; }
    ResultsFilterDialog &filterDialog() { return *filter; }
    NetworkSettingsDialog &networkSettings() { return *network; }
    SkinsDialog &skinsDialog() { return *skins; }
    AssignmentPrompt &assignmentPrompt() { return *prompt; }
    TestLauncher &launcher() { return *testLauncher; }
    ResultsCommands &results() { return *resultsCommands; }
    OwnTestsCommands &ownTests() { return *ownTestsCommands; }
    SessionController &sessionController() { return *sessionWindows; }
    // "Co to za miejsce na ziemi", from the main window or the creator.
    void openPlaceGame();

private:
    void createWindows();
    void connectCommands();

    ProgramState shared;
    MainWindow *main = nullptr;
    LoginWindow *login = nullptr;
    CreatorWizard *creatorWizard = nullptr;
    AboutDialog *about = nullptr;
    LoadingWindow *loading = nullptr;
    SettingsDialog *settingsWindow = nullptr;
    MailForm *mail = nullptr;
    ResultDialog *result = nullptr;
    ResultsFilterDialog *filter = nullptr;
    NetworkSettingsDialog *network = nullptr;
    SkinsDialog *skins = nullptr;
    AssignmentPrompt *prompt = nullptr;
    TestLauncher *testLauncher = nullptr;
    ResultsCommands *resultsCommands = nullptr;
    OwnTestsCommands *ownTestsCommands = nullptr;
    SessionController *sessionWindows = nullptr;
};

} // namespace tv
