#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace tv {

// The client-server session as the rest of the program sees it: whether one
// is active, who is logged in, why the connection would end, and the lines
// the program sends to the teacher's server. Until a connection exists no
// line leaves the program.
class Session : public QObject {
    Q_OBJECT

public:
    explicit Session(QObject *parent = nullptr);

    bool active() const { return isActive; }
    void setActive(bool on) { isActive = on; }
    const QString &userName() const { return user; }
    void setUserName(const QString &name) { user = name; }

    // The message shown when the connection ends depends on it.
    int disconnectReason() const { return reason; }
    void setDisconnectReason(int value) { reason = value; }

    bool connectionUp() const { return false; }
    void send(const QString &line);
    void sendMissingFileReport(const QString &title);
    // The seven fields of a result record, in record order.
    void sendResultReport(const QStringList &record);

    // Reads the server's lines once a second while a session runs.
    QTimer &serverPoll() { return pollTimer; }
    void resumePolling() { pollTimer.start(); }

private:
    bool isActive = false;
    QString user;
    int reason = 11;
    QTimer pollTimer;
};

} // namespace tv
