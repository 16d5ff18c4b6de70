#include "StandInServer.h"

#include "platform/Cp1250.h"

#include <QNetworkDatagram>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>

namespace tv::test {

StandInServer::StandInServer()
{
    session = new QTcpServer(this);
    session->listen(QHostAddress::LocalHost, 0);
    connect(session, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *s = session->nextPendingConnection()) {
            client = s;
            connect(s, &QTcpSocket::readyRead, this, [this, s] { bytes += s->readAll(); });
        }
    });

    probe = new QTcpServer(this);
    probe->listen(QHostAddress::LocalHost, 0);
    connect(probe, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *s = probe->nextPendingConnection()) {
            ++probeConnections;
            connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            if (!probeAnswer.isEmpty()) {
                s->write(probeAnswer);
                s->flush();
            }
            s->disconnectFromHost();
        }
    });

    udp = new QUdpSocket(this);
    udp->bind(QHostAddress::LocalHost, 0);
    connect(udp, &QUdpSocket::readyRead, this, [this] {
        while (udp->hasPendingDatagrams()) {
            const QNetworkDatagram d = udp->receiveDatagram();
            udpRequests.append(d.data());
            if (!udpAnswer.isEmpty())
                udp->writeDatagram(udpAnswer, d.senderAddress(), d.senderPort());
        }
    });
}

StandInServer::~StandInServer()
{
    if (client)
        client->abort();
}

protocol::Endpoints StandInServer::endpoints() const
{
    protocol::Endpoints e;
    e.broadcastTarget = QStringLiteral("127.0.0.1");
    e.discoveryUdpPort = udp->localPort();
    e.discoveryTcpPort = probe->serverPort();
    e.sessionPort = session->serverPort();
    e.fixedLocalAddress = QStringLiteral("192.168.5.17");
    return e;
}

quint16 StandInServer::sessionPort() const
{
    return session->serverPort();
}

void StandInServer::stopListening()
{
    closedPort = session->serverPort();
    session->close();
}

bool StandInServer::listenAgain()
{
    return session->listen(QHostAddress::LocalHost, closedPort);
}

bool StandInServer::waitForClient()
{
    for (int i = 0; i < 500 && !clientConnected(); ++i)
        QTest::qWait(10);
    return clientConnected();
}

bool StandInServer::clientConnected() const
{
    return client && client->state() == QAbstractSocket::ConnectedState;
}

void StandInServer::send(const QByteArray &data)
{
    if (!client)
        return;
    client->write(data);
    client->flush();
}

bool StandInServer::waitForLines(int n)
{
    for (int i = 0; i < 500 && bytes.count("\r\n") < n; ++i)
        QTest::qWait(10);
    return bytes.count("\r\n") >= n;
}

QStringList StandInServer::lines() const
{
    QStringList out;
    for (const QByteArray &line : bytes.split('\n')) {
        if (line.isEmpty())
            continue;
        out << cp1250::decode(line.endsWith('\r') ? line.chopped(1) : line);
    }
    return out;
}

void StandInServer::dropClient()
{
    if (client)
        client->disconnectFromHost();
}

} // namespace tv::test
