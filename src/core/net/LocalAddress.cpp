#include "LocalAddress.h"

#include "Protocol.h"

#include <QHostInfo>
#include <QNetworkInterface>

namespace tv {

LocalAddress::LocalAddress(QObject *parent) : QObject(parent)
{
}

LocalAddress::~LocalAddress()
{
    if (lookupId >= 0)
        QHostInfo::abortHostLookup(lookupId);
}

void LocalAddress::refresh()
{
    if (lookupId >= 0)
        return;
    lookupId = QHostInfo::lookupHost(QHostInfo::localHostName(), this, [this](const QHostInfo &info) {
        lookupId = -1;
        if (info.error() == QHostInfo::NoError)
            fromHostName = info.addresses();
    });
}

QString LocalAddress::current() const
{
    return protocol::dottedAddress(protocol::chooseLocalAddress(fromHostName, QNetworkInterface::allAddresses()));
}

} // namespace tv
