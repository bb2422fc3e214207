#pragma once

#include <QString>
#include <memory>

#include "client/server/row_reader.h"
#include "client/server/server_methods_client.h"
#include "wire/channel.h"
#include "wire/client_table.h"
#include "wire/records/sonuc_bilgisi.h"

struct ServerPlace {
    QString host;
    quint16 port = 0;
};

/// One operation's connection with the proxy on it: the desktop client opens a connection for
/// each operation and closes it afterwards, and so does the load.
struct Operation {
    explicit Operation(const ServerPlace& server) {
        channel.open(server.host, server.port);
        proxy = std::make_unique<TServerMethods1Client>(&channel);
    }
    wire::Channel channel;
    std::unique_ptr<TServerMethods1Client> proxy;
};

/// The login record of a bound computer; throws std::runtime_error when the server does not
/// know the computer.
TSonucBilgisi fetchLogin(const ServerPlace& server, const QString& computerId);

/// A fresh copy of a login record for one call (the proxy consumes it), acting for `carino`.
TSonucBilgisi* loginFor(const TSonucBilgisi& login, int carino);

/// Column position by name; throws std::runtime_error when the answer lacks the column.
int columnOf(const wire::ClientTable& table, const char* name);

/// A lira amount as whole kuruş.
qint64 kurus(double lira);

/// Milliseconds since some fixed point, for latencies.
double nowMs();
