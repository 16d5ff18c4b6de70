#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace tv::test {

// A PostgreSQL server of its own for the gradebook's tests and benchmark: a
// cluster made in a temporary folder, listening on a free loopback port only,
// run by an unprivileged user (the server refuses to run as root), stopped
// and removed with the object. Nothing of the machine's own servers is used.
class PostgresServer {
public:
    PostgresServer();
    ~PostgresServer();
    PostgresServer(const PostgresServer &) = delete;
    PostgresServer &operator=(const PostgresServer &) = delete;

    // Makes and starts the cluster; false with why() when it cannot be done
    // here (no binaries, no unprivileged user to run them).
    bool start(bool durable = false);
    bool running() const { return up; }
    const QString &why() const { return reason; }
    int port() const { return portNumber; }
    QString user() const { return QStringLiteral("terravia"); }
    // A fresh, empty database on the server.
    QString createDatabase();

    static QString binaries();

private:
    bool run(const QStringList &command, QString *output = nullptr);

    std::unique_ptr<QTemporaryDir> dir;
    QString reason;
    int portNumber = 0;
    int databases = 0;
    bool up = false;
    bool asNobody = false;
};

} // namespace tv::test
