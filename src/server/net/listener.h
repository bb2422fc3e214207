#pragma once

#include <QString>
#include <atomic>
#include <memory>

namespace server {

class RequestHandler;

struct ListenerOptions {
    QString host = QStringLiteral("0.0.0.0");
    quint16 port = 9090;
    int workers = 16;            ///< threads that run calls (each with its own database connection)
    int maxConnections = 1024;   ///< further connections get a "busy" error frame and are closed
    int frameTimeoutMs = 15000;  ///< a started frame must be complete within this time
    int idleTimeoutMs = 60000;   ///< a connection without a started frame is closed after this
    int writeTimeoutMs = 60000;  ///< an answer must be taken by the client within this time
};

/// The server's one listening socket and its connections. One I/O thread (the caller of run())
/// accepts and reads frames without blocking; complete requests go to a fixed pool of worker
/// threads, which call the handler and write the answer. A slow or silent client only ever holds
/// its own connection, and never a worker while it sends.
class Listener {
public:
    Listener(ListenerOptions options, RequestHandler& handler);
    ~Listener();
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    /// Binds and listens; throws std::runtime_error. Returns the bound port.
    quint16 bind();
    /// Serves until stop(); then lets the calls in progress finish and returns.
    void run();
    /// Safe from a signal handler and from any thread.
    void stop();

    QString boundHost() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace server
