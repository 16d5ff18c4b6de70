#include "Discovery.h"

#include <QNetworkDatagram>
#include <QTcpSocket>
#include <QUdpSocket>

namespace tv {

Discovery::Discovery(const protocol::Endpoints &endpoints, QObject *parent)
    : QObject(parent), endpoints(endpoints)
{
    udp = new QUdpSocket(this);
    tcp = new QTcpSocket(this);
    udpTimer.setSingleShot(true);
    udpTimer.setInterval(kUdpWaitMs);
    connect(&udpTimer, &QTimer::timeout, this, &Discovery::onUdpTimeout);
    connect(udp, &QUdpSocket::readyRead, this, &Discovery::readDatagram);
    connect(udp, &QUdpSocket::errorOccurred, this, [this] {
        if (!udpTimer.isActive())
            return;
        udpTimer.stop();
        emit udpFailed();
    });

    connect(tcp, &QTcpSocket::connected, this, [this] {
        if (!quiet)
            emit probeConnected(protocol::dottedAddress(tcp->peerAddress()));
    });
    connect(tcp, &QTcpSocket::readyRead, this, &Discovery::readProbe);
    connect(tcp, &QTcpSocket::errorOccurred, this, &Discovery::onProbeError);
}

Discovery::~Discovery()
{
    udp->disconnect(this);
    tcp->disconnect(this);
    tcp->abort();
}

// ---------------------------------------------------------------------------
// UDP

void Discovery::searchUdp()
{
    udpTimer.stop();
    // An IPv4 socket: broadcasting from a socket that also speaks IPv6 is
    // refused by some systems.
    if (udp->state() != QAbstractSocket::BoundState && !udp->bind(QHostAddress::AnyIPv4, 0)) {
        emit udpFailed();
        return;
    }
    while (udp->hasPendingDatagrams())
        udp->receiveDatagram(); // a late answer to an earlier search
    const qint64 sent = udp->writeDatagram(protocol::kDiscoveryRequest, QHostAddress(endpoints.broadcastTarget),
                                           endpoints.discoveryUdpPort);
    if (sent < 0) {
        emit udpFailed();
        return;
    }
    udpTimer.start();
}

void Discovery::readDatagram()
{
    while (udp->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = udp->receiveDatagram();
        if (!udpTimer.isActive())
            continue;
        udpTimer.stop();
        const protocol::DiscoveryReply reply = protocol::parseUdpReply(datagram.data());
        emit udpReply(reply.address, reply.password);
    }
}

void Discovery::onUdpTimeout()
{
    udpTimer.stop();
    emit udpTimedOut();
}

// ---------------------------------------------------------------------------
// TCP

void Discovery::dropProbe()
{
    quiet = true;
    tcp->abort();
    quiet = false;
}

bool Discovery::probe(const QString &host)
{
    dropProbe();
    starting = true;
    failedAtOnce = false;
    tcp->connectToHost(host, endpoints.discoveryTcpPort);
    starting = false;
    if (failedAtOnce || tcp->state() == QAbstractSocket::UnconnectedState) {
        dropProbe();
        return false;
    }
    return true;
}

void Discovery::stopProbe()
{
    dropProbe();
}

void Discovery::cancel()
{
    udpTimer.stop();
    dropProbe();
}

void Discovery::readProbe()
{
    if (quiet)
        return;
    const QString text = protocol::parseProbeReply(tcp->readAll());
    emit probeData(text);
    dropProbe();
}

void Discovery::onProbeError()
{
    if (quiet)
        return;
    if (starting) {
        failedAtOnce = true;
        return;
    }
    // The server closing after it has answered is the normal end.
    if (tcp->error() == QAbstractSocket::RemoteHostClosedError)
        return;
    dropProbe();
    emit probeFailed();
}

} // namespace tv
