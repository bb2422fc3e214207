#include "wire/server_address.h"

#include <QtGlobal>

namespace wire {

namespace {

bool parsePort(QStringView text, quint16& port) {
    bool ok = false;
    const uint value = text.toUInt(&ok);
    if (!ok || value == 0 || value > 65535)
        return false;
    port = quint16(value);
    return true;
}

}  // namespace

bool parseServerAddress(const QString& text, ServerAddress& address) {
    const QString trimmed = text.trimmed();
    QString host = trimmed;
    quint16 port = kDefaultServerPort;
    if (trimmed.startsWith(u'[')) {  // "[v6-address]" or "[v6-address]:port"
        const qsizetype close = trimmed.indexOf(u']');
        if (close < 0)
            return false;
        host = trimmed.mid(1, close - 1);
        const QStringView rest = QStringView(trimmed).mid(close + 1);
        if (!rest.isEmpty() && !(rest.startsWith(u':') && parsePort(rest.mid(1), port)))
            return false;
    } else if (trimmed.count(u':') == 1) {  // "host:port"; several colons are a bare v6 address
        const qsizetype colon = trimmed.indexOf(u':');
        host = trimmed.left(colon);
        if (!parsePort(QStringView(trimmed).mid(colon + 1), port))
            return false;
    }
    if (host.isEmpty())
        return false;
    address = {host, port};
    return true;
}

ServerAddress defaultServerAddress() {
    ServerAddress address{QString::fromLatin1(kDefaultServerHost), kDefaultServerPort};
    const QString configured = qEnvironmentVariable(kServerAddressVariable);
    if (!configured.isEmpty())
        parseServerAddress(configured, address);
    return address;
}

}  // namespace wire
