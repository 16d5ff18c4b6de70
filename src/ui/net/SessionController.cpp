#include "SessionController.h"

#include "AssignmentPrompt.h"
#include "LoginWindow.h"
#include "app/Shell.h"
#include "catalogue/Catalogue.h"
#include "catalogue/TestLauncher.h"
#include "net/Session.h"
#include "platform/Services.h"
#include "platform/Text.h"
#include "results/ResultDialog.h"
#include "results/ResultState.h"
#include "platform/System.h"

#include <QCoreApplication>

namespace tv {

QString connectionEndMessage(int reason, const QString &loginName)
{
    switch (reason) {
    case Session::EndedByServer:
        return QStringLiteral("UWAGA: Zostełeś(aś) rozłączony przez Administratora - Nauczyciela\r\n"
                              "Terravia zostanie zamknięty");
    case Session::NameTaken:
        return QStringLiteral("Nie możesz się zalogować, ponieważ użytkownik:\r\n[") + text::upperAZ(loginName)
            + QStringLiteral("] jest już zalogowany w systemie\r\nZmień swoją nazwę i spróbuj ponownie...");
    case Session::ServerBusy:
        return QStringLiteral("Nie możesz się teraz zalogować, ponieważ obecnie pewna ilość użytkowników rozwiązuje "
                              "test. Odczekaj chwilkę i spróbuj za jakiś czas ponownie się zalogować\r\n"
                              "Terravia zostanie zamknięty");
    case Session::MissingFile:
        return QStringLiteral("Nie można załadować tego testu ponieważ, na Twoim dysku brak pliku konfiguracyjnego\r\n"
                              "Powiedz o tym fakcie Administratorowi - Nauczycielowi");
    default:
        return QStringLiteral("BŁĄD: Nie można połączyć się z serwerem Terravia\r\n"
                              "W architekturze Klient-Server jest to konieczne.\r\n"
                              "Skontaktuj się z Administratorem. Aplikacja zostanie zamknięta");
    }
}

SessionController::SessionController(Session &session, ResultState &result, const Windows &windows,
                                     QObject *parent)
    : QObject(parent), session(session), result(result), windows(windows)
{
    LoginWindow &login = windows.login;
    Shell &shell = windows.shell;

    connect(&session, &Session::connected, this,
            [&login] { login.setStatus(QStringLiteral("Połączono do serwera... Oczekiwanie na odpowiedź")); });
    connect(&session, &Session::connectFailed, &login, &LoginWindow::connectionFailed);
    connect(&session, &Session::endSessionRequested, this, [&shell] { shell.closeActiveChild(); });
    connect(&session, &Session::endTestRequested, this, &SessionController::endTestByTeacher);
    connect(&session, &Session::loginAccepted, this, [this, &login, &shell] {
        setHourglass(false);
        shell.lockForSession();
        this->session.setUserName(login.name());
        letPendingEventsRun();
        login.finish();
        letPendingEventsRun();
    });
    connect(&session, &Session::teacherMessage, this, [&shell](const QString &text) {
        showMessage(shell.frame(), QStringLiteral("Wiadomość od Administratora - Nauczyciela:\r\n") + text,
                    QStringLiteral("Terravia: Wiadomość"), Services::Icon::Information);
    });
    connect(&session, &Session::stateRequested, this, [this, &shell] {
        if (shell.hasChildWindow())
            this->session.sendStatusRunning(shell.title());
        else
            this->session.sendStatusIdle();
    });
    connect(&session, &Session::assignmentReceived, this, &SessionController::showAssignment);
    connect(&session, &Session::connectionEnded, this, &SessionController::connectionEnded);
    connect(&windows.prompt, &AssignmentPrompt::launchRequested, this, &SessionController::launchAssigned);
}

void SessionController::closeTestWindow()
{
    // Only after the close state says "now": the session keeps a test window
    // open until its result is sent or the teacher ends it.
    result.closing = ResultState::Closing::Now;
    windows.shell.closeActiveChild();
}

void SessionController::endTestByTeacher()
{
    result.closing = ResultState::Closing::Now;
    letPendingEventsRun();
    showMessage(windows.shell.frame(),
                QStringLiteral("Administrator - Nauczyciel: Wyłączył Tobie aktualny test który rozwiązywałeś(aś)"),
                QStringLiteral("Terravia: Test przerwany..."), Services::Icon::Information);
    closeTestWindow();
    windows.shell.lockForSession();
}

void SessionController::showAssignment(int code)
{
    const QString name = catalogue::promptNameFor(code);
    if (name.isEmpty())
        return;
    windows.prompt.assign(code, session.userName(), name);
}

void SessionController::launchAssigned(int code)
{
    if (windows.resultDialog.isVisible()) {
        // The open test is finished and its result waits in the dialog: it
        // goes to the teacher, and the dialog closes the test window.
        windows.resultDialog.send();
    } else if (windows.shell.hasChildWindow()) {
        closeTestWindow();
        windows.shell.lockForSession();
    }
    windows.launcher.launch(code);
}

void SessionController::connectionEnded(int reason)
{
    setHourglass(false);
    QWidget *parent = windows.login.isVisible() ? static_cast<QWidget *>(&windows.login) : windows.shell.frame();
    const Services::Icon icon = reason == Session::MissingFile                            ? Services::Icon::Warning
                                : reason == Session::NameTaken || reason == Session::ServerBusy ? Services::Icon::Information
                                                                                                 : Services::Icon::Error;
    showMessage(parent, connectionEndMessage(reason, session.loginName()),
                reason == Session::MissingFile ? QStringLiteral("Terravia: Brak pliku") : QStringLiteral("Terravia"),
                icon);
    if (reason == Session::NameTaken) {
        windows.login.focusName();
        return;
    }
    Services::get().terminateApplication();
}

} // namespace tv
