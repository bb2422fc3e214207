#pragma once

#include <QString>
#include <memory>

#include "wire/frame.h"

class QTcpSocket;

namespace wire {

/// One TCP connection to a varlenta-server, used by one thread with blocking calls. Several
/// calls may follow one another on it.
class Channel {
public:
    struct Timeouts {
        int connectMs = 3000;  ///< per connect attempt: a dropped SYN must not freeze a window
        int callMs = 60000;    ///< from sending a request to the last byte of its answer
    };

    Channel();
    ~Channel();
    Channel(const Channel&) = delete;
    Channel& operator=(const Channel&) = delete;

    /// Throws wire::Error (ETransportError) when the server cannot be reached in time.
    void open(const QString& host, quint16 port, Timeouts timeouts);
    void open(const QString& host, quint16 port) { open(host, port, Timeouts{}); }
    void close();  ///< closing a closed channel does nothing
    bool isOpen() const;

    /// Sends one request and waits for its answer. A remote failure throws wire::Error with the
    /// server's class name and message; a broken or timed-out connection throws ETransportError
    /// and closes the channel; a malformed answer throws EProtocolError and closes the channel.
    Response call(const Request& request);

private:
    std::unique_ptr<QTcpSocket> socket_;
    Timeouts timeouts_;
};

}  // namespace wire
