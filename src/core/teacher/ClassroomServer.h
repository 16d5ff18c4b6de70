#pragma once

#include "Classroom.h"
#include "net/Protocol.h"

#include <QHash>
#include <QHostAddress>
#include <QObject>

class QTcpServer;
class QTimer;
class QTcpSocket;
class QUdpSocket;

namespace tv::teacher {

// Where the server listens and what it says its address is. The defaults are
// the program's fixed values; tests listen on the loopback address, on ports
// the system chooses (0), and give the address to announce.
struct ServerEndpoints {
    QHostAddress bindAddress = QHostAddress(QHostAddress::AnyIPv4);
    quint16 discoveryUdpPort = protocol::kDiscoveryUdpPort;
    quint16 discoveryTcpPort = protocol::kDiscoveryTcpPort;
    quint16 sessionPort = protocol::kSessionPort;
    // When not empty, the address given in the UDP answer.
    QString announcedAddress;
};

// The teacher's server on the wire: the UDP answer to "d", the password on
// every discovery connection, and the session port where the pupils' lines go
// to the classroom and its lines go back to them. A connection that breaks
// off, sends rubbish or over-long lines costs only itself.
class ClassroomServer : public QObject {
    Q_OBJECT

public:
    // Connections beyond this are closed at once: a class is 30 to 40.
    static constexpr int kMaxConnections = 200;
    // A class is at most 40 pupils: more than this many connections waiting
    // for their login at once are not a class.
    static constexpr int kMaxWaitingForLogin = 60;
    // A pupil's program logs in as soon as it connects.
    static constexpr int kLoginSeconds = 30;
    // A pupil's program sends a line now and then; this many in a second is a flood.
    static constexpr int kMaxLinesPerSecond = 50;

    ClassroomServer(Classroom &classroom, const ServerEndpoints &endpoints, QObject *parent = nullptr);
    ~ClassroomServer() override;

    // Opens the three ports; a failure names the port that could not be
    // opened (another server running, say), and nothing stays open.
    Status start();
    void stop();
    bool listening() const;

    void setPassword(const QString &password) { pass = password; }
    const QString &password() const { return pass; }

    // The ports actually opened (those asked for, or chosen by the system).
    quint16 discoveryUdpPort() const;
    quint16 discoveryTcpPort() const;
    quint16 sessionPort() const;

    // The address the UDP answer gives to a pupil at this sender: the one of
    // this computer's networks the sender belongs to, else this computer's
    // first address that is not loopback.
    QString announcedAddressFor(const QHostAddress &sender) const;
    // This computer's address as the teacher is shown it.
    QString ownAddress() const;

    int openConnections() const { return int(sockets.size()); }
    // Closes the connections that have not logged in in time (every second
    // by the server's own timer; tests call it after moving their clock).
    void closeIdle();

    // How often each limit closed or refused a connection.
    struct Limits {
        int idle = 0;
        int waiting = 0;
        int flooding = 0;
    };
    const Limits &limitsReached() const { return limits; }

signals:
    // A limit closed a connection; said once a minute at most for each limit.
    void limitReached(const QString &text);

private:
    struct Link {
        QTcpSocket *socket = nullptr;
        protocol::LineDecoder decoder;
        QString address;         // the peer's, kept: a reset socket forgets it
        qint64 openedAt = 0;     // clock tick of the connection
        qint64 secondStart = 0;  // the second its lines are being counted in
        int linesThisSecond = 0;
    };
    enum class Limit { Idle, Waiting, Flooding };
    void reached(Limit limit, int &count, const QString &text);
    int waitingForLogin() const;

    void acceptSession();
    void acceptProbe();
    void answerDatagrams();
    void readFrom(int id);
    void sendLine(int id, const QString &line);
    void closeLink(int id);
    void linkGone(int id);

    Classroom &room;
    ServerEndpoints where;
    QString pass;
    QTcpServer *session = nullptr;
    QTcpServer *probe = nullptr;
    QUdpSocket *udp = nullptr;
    QHash<int, Link *> sockets;
    int nextId = 1;
    Limits limits;
    QHash<int, qint64> lastSaid; // by limit: when it was last logged
    QTimer *idleSweep = nullptr;
};

} // namespace tv::teacher
