#include "client/server/server_connection.h"

#include "wire/error.h"

ServerConnection::ServerConnection() = default;
ServerConnection::~ServerConnection() = default;

std::unique_ptr<ServerConnection> ServerConnection::clone() const {
    auto copy = std::make_unique<ServerConnection>();
    copy->ConnectionName = ConnectionName;
    copy->DriverName = DriverName;
    copy->CommunicationProtocol = CommunicationProtocol;
    copy->HostName = HostName;
    copy->Port = Port;
    copy->DatasnapContext = DatasnapContext;
    copy->DSProxyPort = DSProxyPort;
    copy->Filters = Filters;
    copy->LoginPrompt = false;
    copy->Timeouts = Timeouts;
    if (isOpen())
        copy->open();
    return copy;
}

void ServerConnection::open() {
    bool ok = false;
    const uint port = Port.trimmed().toUInt(&ok);
    if (!ok || port == 0 || port > 65535) {
        throw wire::Error(QString::fromLatin1(wire::kTransportErrorClass),
                          QStringLiteral("\"%1\" is not a valid port").arg(Port));
    }
    channel_.open(HostName, quint16(port), Timeouts);
}

void ServerConnection::close() {
    channel_.close();
}

bool ServerConnection::isOpen() const {
    return channel_.isOpen();
}

wire::Channel* ServerConnection::channel() {
    return isOpen() ? &channel_ : nullptr;
}
