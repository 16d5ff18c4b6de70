#pragma once

#include <QObject>
#include <QString>

namespace tv {

class AssignmentPrompt;
class LoginWindow;
class ResultDialog;
class Session;
class Shell;
class TestLauncher;
struct ResultState;

// The message shown when the connection to the teacher's server ends, for
// the disconnect reason; loginName is the name of the last login attempt.
QString connectionEndMessage(int reason, const QString &loginName);

// What the server's commands do on screen: the login window's status and
// end, the teacher's messages, the end of a test, the assignment prompt and
// its launch, and the end of the program when the connection ends.
class SessionController : public QObject {
    Q_OBJECT

public:
    struct Windows {
        Shell &shell;
        LoginWindow &login;
        AssignmentPrompt &prompt;
        ResultDialog &resultDialog;
        TestLauncher &launcher;
    };

    SessionController(Session &session, ResultState &result, const Windows &windows, QObject *parent = nullptr);

    // "01": the teacher ends the running test; no result is sent for it.
    void endTestByTeacher();
    // An assigned test starts: a test still open is ended first, so that
    // there is never a second test window.
    void launchAssigned(int code);

private:
    void showAssignment(int code);
    void connectionEnded(int reason);
    void closeTestWindow();

    Session &session;
    ResultState &result;
    Windows windows;
};

} // namespace tv
