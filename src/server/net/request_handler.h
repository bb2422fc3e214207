#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace server {

/// What the network layer hands a complete request frame to. It answers with a complete frame
/// (a response or an error frame) and never throws; it owns no socket.
class RequestHandler {
public:
    virtual ~RequestHandler() = default;
    virtual QByteArray handle(QByteArrayView requestPayload) = 0;
    /// Called on a worker thread before it ends, to release what the thread holds.
    virtual void threadFinished() {}
};

}  // namespace server
