#include "Session.h"

#include "Protocol.h"

namespace tv {

Session::Session(QObject *parent) : QObject(parent)
{
    pollTimer.setObjectName(QStringLiteral("serverPoll"));
    pollTimer.setInterval(1000);
}

void Session::send(const QString &)
{
}

void Session::sendMissingFileReport(const QString &title)
{
    send(protocol::missingFileReport(user, title));
}

void Session::sendResultReport(const QStringList &)
{
}

} // namespace tv
