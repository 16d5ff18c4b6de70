#pragma once

#include "net/Protocol.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>

class QTcpServer;
class QTcpSocket;
class QUdpSocket;

namespace tv::test {

// A teacher's server for the tests, on the loopback address only: the
// session port, the discovery answer by UDP and the password by TCP. Every
// port is chosen by the system; endpoints() points the program at them.
class StandInServer : public QObject {
    Q_OBJECT

public:
    StandInServer();
    ~StandInServer() override;

    // Ports and broadcast target of this server, and a fixed local address.
    protocol::Endpoints endpoints() const;

    // --- session (TCP) -----------------------------------------------------------------
    // Waits (events running) until the client has connected.
    bool waitForClient();
    bool clientConnected() const;
    // Bytes as they go on the wire; a line wants its own LF.
    void send(const QByteArray &bytes);
    void sendLine(const QByteArray &line) { send(line + "\n"); }
    // Every byte received from the client so far.
    QByteArray received() const { return bytes; }
    // Waits until the received bytes hold at least n CR LF line ends.
    bool waitForLines(int n);
    // The received lines, CR LF removed, decoded from Windows-1250.
    QStringList lines() const;
    void dropClient();
    quint16 sessionPort() const;
    // The port of the session server, closed: connecting there fails.
    void stopListening();
    // The same port open again, as a teacher's server started late.
    bool listenAgain();

    // --- discovery -----------------------------------------------------------------------
    // The UDP answer to "d"; none is sent while it is empty.
    QByteArray udpAnswer;
    // What the UDP port received.
    QList<QByteArray> udpRequests;
    // What the TCP discovery port sends on a connection, then closes.
    QByteArray probeAnswer;
    int probeConnections = 0;

private:
    QTcpServer *session = nullptr;
    quint16 closedPort = 0;
    QTcpServer *probe = nullptr;
    QUdpSocket *udp = nullptr;
    QPointer<QTcpSocket> client;
    QByteArray bytes;
};

} // namespace tv::test
