#include "PostgresServer.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTcpServer>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace tv::test {

QString PostgresServer::binaries() { return QStringLiteral("/usr/lib/postgresql/15/bin"); }

PostgresServer::PostgresServer() = default;

PostgresServer::~PostgresServer()
{
    if (up)
        run({binaries() + QStringLiteral("/pg_ctl"), QStringLiteral("-D"), dir->filePath(QStringLiteral("data")),
             QStringLiteral("-m"), QStringLiteral("immediate"), QStringLiteral("-w"), QStringLiteral("stop")});
}

bool PostgresServer::run(const QStringList &command, QString *output)
{
    QStringList args = command;
    QString program = args.takeFirst();
    if (asNobody) {
        args = QStringList{QStringLiteral("-u"), QStringLiteral("nobody"), QStringLiteral("--"), program} + args;
        program = QStringLiteral("runuser");
    }
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setWorkingDirectory(dir->path());
    p.start(program, args);
    const bool finished = p.waitForFinished(60000);
    const QString text = QString::fromLocal8Bit(p.readAll());
    if (output)
        *output = text;
    if (!finished || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        reason = QStringLiteral("%1 failed: %2").arg(QFileInfo(command.first()).fileName(), text.trimmed());
        return false;
    }
    return true;
}

bool PostgresServer::start(bool durable)
{
    if (!QFileInfo::exists(binaries() + QStringLiteral("/initdb"))) {
        reason = QStringLiteral("no PostgreSQL binaries in ") + binaries();
        return false;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        reason = QStringLiteral("the QPSQL driver (libqt6sql6-psql) is not installed");
        return false;
    }
    dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/terravia-pg-XXXXXX"));
    if (!dir->isValid()) {
        reason = QStringLiteral("no temporary folder");
        return false;
    }
    // The server will not run as root: the cluster belongs to nobody then.
#ifdef Q_OS_WIN
    asNobody = false;
#else
    asNobody = ::geteuid() == 0;
#endif
    if (asNobody) {
        QFile::setPermissions(dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (QProcess::execute(QStringLiteral("chown"), {QStringLiteral("nobody"), dir->path()}) != 0) {
            reason = QStringLiteral("cannot give the temporary folder to the user nobody");
            return false;
        }
    }
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0)) {
        reason = QStringLiteral("no free loopback port");
        return false;
    }
    portNumber = probe.serverPort();
    probe.close();

    const QString data = dir->filePath(QStringLiteral("data"));
    if (!run({binaries() + QStringLiteral("/initdb"), QStringLiteral("-D"), data, QStringLiteral("-U"), user(),
              QStringLiteral("-A"), QStringLiteral("trust"), QStringLiteral("-E"), QStringLiteral("UTF8"),
              QStringLiteral("--no-locale"), QStringLiteral("--no-sync")}))
        return false;
    QString options = QStringLiteral("-p %1 -k %2 -c listen_addresses=127.0.0.1").arg(portNumber).arg(dir->path());
    if (!durable)
        options += QStringLiteral(" -c fsync=off -c synchronous_commit=off -c full_page_writes=off");
    if (!run({binaries() + QStringLiteral("/pg_ctl"), QStringLiteral("-D"), data, QStringLiteral("-l"),
              dir->filePath(QStringLiteral("server.log")), QStringLiteral("-o"), options, QStringLiteral("-w"),
              QStringLiteral("-t"), QStringLiteral("60"), QStringLiteral("start")}))
        return false;
    up = true;
    return true;
}

QString PostgresServer::createDatabase()
{
    const QString name = QStringLiteral("gradebook%1").arg(++databases);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("pg-admin"));
        db.setHostName(QStringLiteral("127.0.0.1"));
        db.setPort(portNumber);
        db.setUserName(user());
        db.setDatabaseName(QStringLiteral("postgres"));
        if (db.open())
            QSqlQuery(db).exec(QStringLiteral("CREATE DATABASE ") + name);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("pg-admin"));
    return name;
}

} // namespace tv::test
