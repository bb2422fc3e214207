#pragma once

#include "server/dispatch/server_settings.h"
#include "server/net/request_handler.h"

namespace server {

class ConnectionPool;

/// Turns one request frame into one answer frame: decodes the request, finds the method in the
/// method table, checks the parameters against the catalogue, runs the handler on the calling
/// thread's database session and encodes its result or its error. Owns no socket.
class Dispatcher final : public RequestHandler {
public:
    Dispatcher(ConnectionPool& pool, ServerSettings settings);

    QByteArray handle(QByteArrayView requestPayload) override;
    void threadFinished() override;

private:
    ConnectionPool& pool_;
    ServerSettings settings_;
};

}  // namespace server
