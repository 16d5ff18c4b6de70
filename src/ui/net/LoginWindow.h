#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tv {

class Session;

// The login window of client-server mode, shown before the main window when
// the program is configured as a client. The pupil gives a name and the
// program connects to the teacher's server; the server's answer comes by
// polling. It is also the only way back to local mode, with the access
// password. It leaves only by a login, by local mode or by ending the program.
class LoginWindow : public QDialog {
    Q_OBJECT

public:
    // The height that shows the password row below the status bar.
    static constexpr int kGrownHeight = 216;

    LoginWindow(Session &session, QWidget *parent = nullptr);

    // "OK", or Enter in the name field.
    void login();
    // "Anuluj": ends the program.
    void cancel();
    // "Tryb lokalny": shows the password row and reads the stored password.
    void askPassword();
    // The small "OK" of the password row.
    void confirmPassword();

    // A connection attempt found no server: the window waits for another OK.
    void connectionFailed();
    QString name() const;
    void focusName();
    QString status() const;
    void setStatus(const QString &text);
    // The server accepted the login.
    void finish();
    bool passwordRowShown() const;
    const QString &storedPassword() const { return hiddenPassword; }

signals:
    void helpRequested();

protected:
    void done(int result) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void leave(int result);

    Session &session;
    QLabel *statusLabel = nullptr;
    QWidget *passwordRow = nullptr;
    QString hiddenPassword;
    int collapsedHeight = 0;
    bool leaving = false;

    QLineEdit *nameEdit = nullptr;
    QLineEdit *passwordEdit = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QPushButton *localButton = nullptr;
    QPushButton *helpButton = nullptr;
    QPushButton *passwordOkButton = nullptr;
};

} // namespace tv
