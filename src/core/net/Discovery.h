#pragma once

#include "Protocol.h"

#include <QObject>
#include <QTimer>

class QTcpSocket;
class QUdpSocket;

namespace tv {

// Finds the teacher's server. By UDP: one datagram "d" to the broadcast
// target, and the first answer within 30 seconds. By TCP: a connection to a
// name or address on the discovery port, where the server sends the access
// password. Everything is event-driven: the windows stay responsive while it
// waits.
class Discovery : public QObject {
    Q_OBJECT

public:
    static constexpr int kUdpWaitMs = 30000;

    explicit Discovery(const protocol::Endpoints &endpoints, QObject *parent = nullptr);
    ~Discovery() override;

    // --- UDP ---------------------------------------------------------------------------
    // Sends the request; udpReply, udpFailed or udpTimedOut follows.
    void searchUdp();
    bool udpWaiting() const { return udpTimer.isActive(); }
    // The wait has run out (the timer's handler; tests call it).
    void onUdpTimeout();
    QTimer &udpWaitTimer() { return udpTimer; }

    // --- TCP ---------------------------------------------------------------------------
    // Starts connecting; false when that failed at once (nothing follows).
    // Otherwise probeConnected and probeData, or probeFailed, follow.
    bool probe(const QString &host);
    void stopProbe();
    // Both ways stop; nothing more is reported.
    void cancel();

signals:
    void udpReply(const QString &address, const QString &password);
    void udpFailed();
    void udpTimedOut();
    void probeConnected(const QString &peerAddress);
    void probeData(const QString &text);
    void probeFailed();

private:
    void readDatagram();
    void readProbe();
    void onProbeError();
    void dropProbe();

    const protocol::Endpoints &endpoints;
    QUdpSocket *udp = nullptr;
    QTcpSocket *tcp = nullptr;
    QTimer udpTimer;
    bool starting = false;     // inside connectToHost
    bool failedAtOnce = false; // an error reported while starting
    bool quiet = false;        // closing on our own: no events
};

} // namespace tv
