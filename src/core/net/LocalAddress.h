#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>

namespace tv {

// This computer's address as the teacher's server should see it. Resolving
// the host's own name may wait on a name server, so it runs in the
// background; until it answers, the network interfaces alone decide.
class LocalAddress : public QObject {
    Q_OBJECT

public:
    explicit LocalAddress(QObject *parent = nullptr);
    ~LocalAddress() override;

    // Starts resolving the host's own name again (once at a time).
    void refresh();
    // The first IPv4 address that is not loopback, in dotted form.
    QString current() const;

private:
    QList<QHostAddress> fromHostName;
    int lookupId = -1;
};

} // namespace tv
