#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include "server/dispatch/server_settings.h"
#include "server/net/listener.h"
#include "server/storage/database_url.h"

namespace server {

struct ServerOptions {
    ListenerOptions listener;
    DatabaseUrl database;
    int demoItems = 50000;
    QDate demoDate = QDate::currentDate();
    ServerSettings settings;
};

/// Reads the command line of the serving program; prints help or an error and exits on bad
/// input, as command-line programs do.
ServerOptions parseServerOptions(const QStringList& arguments);

}  // namespace server
