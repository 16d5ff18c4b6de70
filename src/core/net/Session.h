#pragma once

#include "LocalAddress.h"
#include "Protocol.h"

#include <QObject>
#include "platform/System.h"

#include <QString>
#include <QStringList>
#include <QTimer>

class QTcpSocket;

namespace tv {

// The client-server session with the teacher's server: whether one is
// active, who is logged in, why the connection would end, the connection
// itself, and the one-second tick that reads and carries out the server's
// commands, one line per tick. What a command changes on screen the windows
// do, on the signals below; the session keeps to the state and the wire.
class Session : public QObject {
    Q_OBJECT

public:
    // Why the connection ends; the message shown then depends on it.
    enum Reason {
        EndedByServer = 0,  // "00"
        NameTaken = 4,      // "04": the login window stays for another name
        ConnectFailed = 5,
        ServerBusy = 7,     // "07"
        MissingFile = 8,    // a launch found a test file missing
        Unexpected = 11,    // the value at start
    };

    explicit Session(QObject *parent = nullptr);
    ~Session() override;

    bool active() const { return isActive; }
    void setActive(bool on) { isActive = on; }
    const QString &userName() const { return user; }
    void setUserName(const QString &name) { user = name; }
    // The name of the last login attempt.
    const QString &loginName() const { return login; }

    int disconnectReason() const { return reason; }
    void setDisconnectReason(int value) { reason = value; }

    // Ports, broadcast target and, for tests, this computer's address.
    protocol::Endpoints &endpoints() { return targets; }
    const protocol::Endpoints &endpoints() const { return targets; }
    // Where this system keeps the access-password file.
    void setPasswordPlace(PasswordPlace place) { passwords = place; }
    PasswordPlace passwordPlace() const { return passwords; }

    // --- the connection ----------------------------------------------------------------
    // Raises the session flag and connects; once connected, sends the login
    // request and starts polling. A failed attempt sets reason 5, lowers the
    // flag and reports connectFailed. Ignored while a connection is up.
    void connectToServer(const QString &address, const QString &name);
    bool connectionUp() const;
    // The client ends the connection; connectionEnded follows at once.
    void closeConnection();
    // Leaving client-server mode: any connection is dropped without a word,
    // polling stops and the flag goes down.
    void leave();

    // Lines to the server; nothing leaves while there is no connection.
    bool send(const QString &line);
    void sendMissingFileReport(const QString &title);
    // The seven fields of a result record, in record order.
    void sendResultReport(const QStringList &record);
    void sendStatusRunning(const QString &title);
    void sendStatusIdle();
    // This computer's address as the status report gives it.
    QString localAddress() const;
    // Starts finding out this computer's address anew, in the background.
    void refreshLocalAddress();

    // --- polling -----------------------------------------------------------------------
    // Reads the server's lines once a second while a session runs.
    QTimer &serverPoll() { return pollTimer; }
    void resumePolling() { pollTimer.start(); }
    // One tick: stop, read at most one line (waiting at most 5 ms), carry it
    // out, start again. A tick that finds the connection gone ends polling.
    void pollTick();
    // Takes in what has arrived; true when a whole line waits for a tick.
    bool lineWaiting();

signals:
    void connected();
    void connectFailed();
    void endSessionRequested(); // "00", before the connection closes
    void endTestRequested();    // "01"
    void loginAccepted();       // "02"
    void teacherMessage(const QString &text); // "05"
    void stateRequested();      // "06": answer with sendStatusRunning or sendStatusIdle
    void assignmentReceived(int code); // "1" + code
    // The connection is gone, closed by either side. For every reason but
    // NameTaken the program ends after its message.
    void connectionEnded(int reason);

private:
    void onConnected();
    void onSocketError();
    void onDisconnected();
    void takeIn();
    void dispatch(const protocol::ServerCommand &command);
    void dropSocket();
    void endOfConnection();

    bool isActive = false;
    QString user;
    QString login;
    int reason = Unexpected;
    PasswordPlace passwords = PasswordPlace::WindowsFolder;
    protocol::Endpoints targets;
    LocalAddress local;
    QTcpSocket *socket = nullptr;
    protocol::LineDecoder incoming;
    QTimer pollTimer;
    bool connectionOpen = false; // connected, and its end not yet handled
    bool remoteClosed = false;   // the server has closed; lines may still wait
    bool inTick = false;
    bool quiet = false;          // closing on our own: the socket's events are ours
};

} // namespace tv
