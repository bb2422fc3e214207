#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkInterface>

#include "host_name.h"
#include "identity.h"

namespace {

const QString kLoopbackAddress = QStringLiteral("127.0.0.1");

QString firstOutwardIpv4(const QList<QHostAddress>& addresses) {
    for (const QHostAddress& address : addresses) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback()) {
            return address.toString();
        }
    }
    return {};
}

}  // namespace

QString YerelIpAl() {
    const QString hostName = localHostName();
    const QList<QHostAddress> named =
        hostName.isEmpty() ? QList<QHostAddress>() : QHostInfo::fromName(hostName).addresses();
    if (named.isEmpty()) {
        return kLoopbackAddress;
    }
    QString address = firstOutwardIpv4(named);
    if (address.isEmpty()) {
        // Many distributions map the host name to 127.0.1.1 in /etc/hosts; the address the
        // machine's interfaces carry then stands in for it.
        address = firstOutwardIpv4(QNetworkInterface::allAddresses());
    }
    return address.isEmpty() ? kLoopbackAddress : address;
}
