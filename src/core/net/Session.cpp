#include "Session.h"

#include "NetworkFiles.h"

#include <QCoreApplication>
#include <QTcpSocket>

namespace tv {

Session::Session(QObject *parent) : QObject(parent)
{
    pollTimer.setObjectName(QStringLiteral("serverPoll"));
    pollTimer.setInterval(1000);
    connect(&pollTimer, &QTimer::timeout, this, &Session::pollTick);

    socket = new QTcpSocket(this);
    connect(socket, &QTcpSocket::connected, this, &Session::onConnected);
    connect(socket, &QTcpSocket::errorOccurred, this, &Session::onSocketError);
    connect(socket, &QTcpSocket::disconnected, this, &Session::onDisconnected);
}

Session::~Session()
{
    socket->disconnect(this);
    socket->abort();
}

// ---------------------------------------------------------------------------
// The connection

void Session::connectToServer(const QString &address, const QString &name)
{
    if (socket->state() == QAbstractSocket::ConnectedState)
        return; // the login request is out; its answer comes by polling
    isActive = true;
    login = name;
    // A refusal of an earlier attempt must not decide how this one ends.
    reason = Unexpected;
    refreshLocalAddress();
    dropSocket();
    incoming.clear();
    connectionOpen = false;
    remoteClosed = false;
    socket->connectToHost(address, targets.sessionPort);
}

bool Session::connectionUp() const
{
    return socket->state() == QAbstractSocket::ConnectedState;
}

void Session::onConnected()
{
    if (quiet)
        return;
    connectionOpen = true;
    send(protocol::loginRequest(login));
    emit connected();
    pollTimer.start();
}

void Session::onSocketError()
{
    if (quiet || connectionOpen)
        return; // a lost connection is reported by onDisconnected
    reason = ConnectFailed;
    isActive = false;
    dropSocket();
    emit connectFailed();
}

void Session::onDisconnected()
{
    if (quiet || !connectionOpen)
        return;
    takeIn();
    remoteClosed = true;
    if (inTick)
        return; // the tick under way sees it
    // Lines the server sent before closing are still carried out, one per
    // tick; the end comes after them.
    if (incoming.hasLine()) {
        if (!pollTimer.isActive())
            pollTimer.start();
        return;
    }
    endOfConnection();
}

void Session::dropSocket()
{
    quiet = true;
    socket->abort();
    quiet = false;
}

void Session::closeConnection()
{
    if (socket->state() != QAbstractSocket::UnconnectedState) {
        quiet = true;
        socket->flush();
        socket->disconnectFromHost();
        if (socket->state() != QAbstractSocket::UnconnectedState)
            socket->abort();
        quiet = false;
    }
    incoming.clear();
    endOfConnection();
}

void Session::endOfConnection()
{
    if (!connectionOpen)
        return;
    connectionOpen = false;
    remoteClosed = false;
    pollTimer.stop();
    // Refused by name: the pupil may try another one, or leave, or cancel;
    // none of that may be blocked by a session that does not exist.
    if (reason == NameTaken)
        isActive = false;
    emit connectionEnded(reason);
}

void Session::leave()
{
    pollTimer.stop();
    dropSocket();
    incoming.clear();
    connectionOpen = false;
    remoteClosed = false;
    isActive = false;
}

// ---------------------------------------------------------------------------
// Lines to the server

bool Session::send(const QString &line)
{
    if (socket->state() != QAbstractSocket::ConnectedState)
        return false;
    socket->write(protocol::encodeLine(line));
    socket->flush();
    return true;
}

void Session::sendMissingFileReport(const QString &title)
{
    send(protocol::missingFileReport(user, title));
}

void Session::sendResultReport(const QStringList &record)
{
    send(protocol::resultReport(record));
}

void Session::sendStatusRunning(const QString &title)
{
    send(protocol::statusRunning(title, localAddress()));
}

void Session::sendStatusIdle()
{
    send(protocol::statusIdle(localAddress()));
}

void Session::refreshLocalAddress()
{
    if (targets.fixedLocalAddress.isEmpty())
        local.refresh();
}

QString Session::localAddress() const
{
    return targets.fixedLocalAddress.isEmpty() ? local.current() : targets.fixedLocalAddress;
}

// ---------------------------------------------------------------------------
// Polling

void Session::takeIn()
{
    if (socket->bytesAvailable() > 0)
        incoming.feed(socket->readAll());
}

bool Session::lineWaiting()
{
    takeIn();
    return incoming.hasLine();
}

void Session::pollTick()
{
    pollTimer.stop();
    inTick = true;
    takeIn();
    if (!incoming.hasLine() && socket->state() == QAbstractSocket::ConnectedState && socket->waitForReadyRead(5))
        takeIn();
    const std::optional<QString> line = incoming.next();
    if (!line) {
        inTick = false;
        if (socket->state() != QAbstractSocket::ConnectedState) {
            if (remoteClosed)
                endOfConnection();
            return; // polling stays stopped
        }
        pollTimer.start();
        return;
    }
    dispatch(protocol::parseServerLine(*line));
    inTick = false;
    pollTimer.start();
}

void Session::dispatch(const protocol::ServerCommand &command)
{
    using Kind = protocol::ServerCommand::Kind;
    switch (command.kind) {
    case Kind::EndSession:
        reason = EndedByServer;
        user.clear();
        emit endSessionRequested();
        closeConnection();
        break;
    case Kind::EndTest:
        emit endTestRequested();
        break;
    case Kind::LoginAccepted:
        emit loginAccepted();
        break;
    case Kind::NameTaken:
        reason = NameTaken;
        user.clear();
        closeConnection();
        break;
    case Kind::Message:
        emit teacherMessage(command.text);
        break;
    case Kind::ReportState:
        emit stateRequested();
        break;
    case Kind::LoginRefusedBusy:
        reason = ServerBusy;
        closeConnection();
        break;
    case Kind::ForgetServer:
        // The session goes on; the next start is in local mode.
        netfiles::removeClientConfiguration(passwords);
        break;
    case Kind::AssignTest:
        emit assignmentReceived(command.code);
        break;
    case Kind::None:
        break;
    }
}

} // namespace tv
