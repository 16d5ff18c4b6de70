#include "ClassroomServer.h"

#include "platform/Cp1250.h"
#include "platform/System.h"

#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>

namespace tv::teacher {

ClassroomServer::ClassroomServer(Classroom &classroom, const ServerEndpoints &endpoints, QObject *parent)
    : QObject(parent), room(classroom), where(endpoints)
{
    room.setTransport([this](int id, const QString &line) { sendLine(id, line); },
                      [this](int id) { closeLink(id); });
    idleSweep = new QTimer(this);
    idleSweep->setInterval(1000);
    connect(idleSweep, &QTimer::timeout, this, &ClassroomServer::closeIdle);
}

ClassroomServer::~ClassroomServer()
{
    room.setTransport({}, {});
    stop();
}

Status ClassroomServer::start()
{
    stop();
    session = new QTcpServer(this);
    probe = new QTcpServer(this);
    udp = new QUdpSocket(this);
    const auto failed = [this](quint16 port, const QString &kind, const QString &why) {
        stop();
        return Status::failure(QStringLiteral("Nie mogę otworzyć portu %1 (%2): %3\r\n"
                                              "Być może działa już inny serwer Terravia na tym komputerze.")
                                   .arg(port)
                                   .arg(kind, why));
    };
    // A class connecting at once must not wait in the listening queue.
    session->setMaxPendingConnections(kMaxConnections);
    if (!session->listen(where.bindAddress, where.sessionPort))
        return failed(where.sessionPort, QStringLiteral("TCP"), session->errorString());
    if (!probe->listen(where.bindAddress, where.discoveryTcpPort))
        return failed(where.discoveryTcpPort, QStringLiteral("TCP"), probe->errorString());
    if (!udp->bind(where.bindAddress, where.discoveryUdpPort))
        return failed(where.discoveryUdpPort, QStringLiteral("UDP"), udp->errorString());
    connect(session, &QTcpServer::newConnection, this, &ClassroomServer::acceptSession);
    connect(probe, &QTcpServer::newConnection, this, &ClassroomServer::acceptProbe);
    connect(udp, &QUdpSocket::readyRead, this, &ClassroomServer::answerDatagrams);
    idleSweep->start();
    return Status::success();
}

void ClassroomServer::stop()
{
    const QList<int> ids = sockets.keys();
    for (const int id : ids) {
        Link *link = sockets.take(id);
        link->socket->disconnect(this);
        link->socket->abort();
        link->socket->deleteLater();
        delete link;
        room.connectionClosed(id);
    }
    delete session;
    delete probe;
    delete udp;
    session = nullptr;
    probe = nullptr;
    udp = nullptr;
}

bool ClassroomServer::listening() const
{
    return session && session->isListening();
}

quint16 ClassroomServer::discoveryUdpPort() const
{
    return udp ? udp->localPort() : 0;
}

quint16 ClassroomServer::discoveryTcpPort() const
{
    return probe ? probe->serverPort() : 0;
}

quint16 ClassroomServer::sessionPort() const
{
    return session ? session->serverPort() : 0;
}

// ---------------------------------------------------------------------------
// Discovery

QString ClassroomServer::ownAddress() const
{
    if (!where.announcedAddress.isEmpty())
        return where.announcedAddress;
    if (where.bindAddress != QHostAddress(QHostAddress::AnyIPv4) && where.bindAddress != QHostAddress(QHostAddress::Any))
        return protocol::dottedAddress(where.bindAddress);
    return protocol::dottedAddress(protocol::chooseLocalAddress({}, QNetworkInterface::allAddresses()));
}

QString ClassroomServer::announcedAddressFor(const QHostAddress &sender) const
{
    if (!where.announcedAddress.isEmpty())
        return where.announcedAddress;
    bool ok = false;
    const QHostAddress from(sender.toIPv4Address(&ok));
    if (ok && !from.isLoopback()) {
        for (const QNetworkInterface &nic : QNetworkInterface::allInterfaces())
            for (const QNetworkAddressEntry &entry : nic.addressEntries()) {
                const QHostAddress ip = entry.ip();
                if (ip.protocol() == QAbstractSocket::IPv4Protocol && !ip.isLoopback()
                    && from.isInSubnet(ip, entry.prefixLength()))
                    return ip.toString();
            }
    }
    return ownAddress();
}

void ClassroomServer::answerDatagrams()
{
    while (udp->hasPendingDatagrams()) {
        const QNetworkDatagram d = udp->receiveDatagram(512);
        if (d.data().trimmed() != protocol::kDiscoveryRequest || d.senderPort() <= 0)
            continue;
        const QByteArray answer =
            cp1250::encode(announcedAddressFor(d.senderAddress()) + protocol::kFieldEnd + pass);
        udp->writeDatagram(answer, d.senderAddress(), quint16(d.senderPort()));
    }
}

void ClassroomServer::acceptProbe()
{
    while (QTcpSocket *s = probe->nextPendingConnection()) {
        connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        // The client takes the whole of its first read as the password: one
        // write, no line end.
        s->write(cp1250::encode(pass));
        s->disconnectFromHost();
    }
}

// ---------------------------------------------------------------------------
// Session

int ClassroomServer::waitingForLogin() const
{
    int n = 0;
    for (auto it = sockets.begin(); it != sockets.end(); ++it)
        n += room.loggedIn(it.key()) ? 0 : 1;
    return n;
}

void ClassroomServer::reached(Limit limit, int &count, const QString &text)
{
    ++count;
    // A flood of hostile connections must not flood the teacher's log too.
    const qint64 now = Clock::current().tickMs();
    const auto last = lastSaid.find(int(limit));
    if (last != lastSaid.end() && now - *last < 60 * 1000)
        return;
    lastSaid.insert(int(limit), now);
    emit limitReached(QStringLiteral("%1 (razem: %2)").arg(text).arg(count));
}

void ClassroomServer::closeIdle()
{
    const qint64 now = Clock::current().tickMs();
    QList<int> late;
    for (auto it = sockets.begin(); it != sockets.end(); ++it)
        if (!room.loggedIn(it.key()) && now - it.value()->openedAt >= qint64(kLoginSeconds) * 1000)
            late << it.key();
    for (const int id : late) {
        reached(Limit::Idle, limits.idle,
                QStringLiteral("Zamknięto połączenie, które nie zalogowało się w ciągu %1 s").arg(kLoginSeconds));
        sockets.value(id)->socket->abort();
        linkGone(id);
    }
}

void ClassroomServer::acceptSession()
{
    while (QTcpSocket *s = session->nextPendingConnection()) {
        const bool full = sockets.size() >= kMaxConnections;
        if (full || waitingForLogin() >= kMaxWaitingForLogin) {
            if (!full)
                reached(Limit::Waiting, limits.waiting,
                        QStringLiteral("Odrzucono połączenie: %1 połączeń czeka już na logowanie")
                            .arg(kMaxWaitingForLogin));
            s->abort();
            s->deleteLater();
            continue;
        }
        const int id = nextId++;
        Link *link = new Link;
        link->socket = s;
        link->openedAt = link->secondStart = Clock::current().tickMs();
        link->address = protocol::dottedAddress(s->peerAddress());
        sockets.insert(id, link);
        connect(s, &QTcpSocket::readyRead, this, [this, id] { readFrom(id); });
        // Queued: a connection may close while the classroom is still
        // handling one of its lines.
        connect(s, &QTcpSocket::disconnected, this, [this, id] { linkGone(id); }, Qt::QueuedConnection);
        room.connectionOpened(id, link->address);
        if (s->bytesAvailable() > 0)
            readFrom(id);
    }
}

void ClassroomServer::readFrom(int id)
{
    Link *link = sockets.value(id);
    if (!link)
        return;
    link->decoder.feed(link->socket->readAll());
    while (std::optional<QString> line = link->decoder.next()) {
        const qint64 now = Clock::current().tickMs();
        if (now - link->secondStart >= 1000) {
            link->secondStart = now;
            link->linesThisSecond = 0;
        }
        if (++link->linesThisSecond > kMaxLinesPerSecond) {
            reached(Limit::Flooding, limits.flooding,
                    QStringLiteral("Zamknięto połączenie z %1: więcej niż %2 wierszy na sekundę")
                        .arg(link->address)
                        .arg(kMaxLinesPerSecond));
            link->socket->abort();
            linkGone(id);
            return;
        }
        room.lineReceived(id, *line);
        // The line may have ended the connection.
        if (!sockets.contains(id))
            return;
    }
}

void ClassroomServer::sendLine(int id, const QString &line)
{
    Link *link = sockets.value(id);
    if (!link || link->socket->state() != QAbstractSocket::ConnectedState)
        return;
    link->socket->write(protocol::encodeLine(line));
}

void ClassroomServer::closeLink(int id)
{
    Link *link = sockets.value(id);
    if (!link)
        return;
    // What was written still goes out before the connection ends.
    link->socket->disconnectFromHost();
}

void ClassroomServer::linkGone(int id)
{
    Link *link = sockets.take(id);
    if (!link)
        return;
    link->socket->disconnect(this);
    link->socket->deleteLater();
    delete link;
    room.connectionClosed(id);
}

} // namespace tv::teacher
