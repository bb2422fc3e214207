#pragma once

#include <QString>
#include <memory>

#include "wire/channel.h"

/// The connection component of the client (the main window's `bagc`): the settings of a DataSnap
/// style connection to the application server and, while open, one wire::Channel to it. Used by
/// one thread at a time; a worker thread works on a clone of its own.
class ServerConnection {
public:
    ServerConnection();
    ~ServerConnection();
    ServerConnection(const ServerConnection&) = delete;
    ServerConnection& operator=(const ServerConnection&) = delete;

    // --- settings
    QString ConnectionName = QStringLiteral("DataSnapCONNECTION");
    QString DriverName = QStringLiteral("DataSnap");
    QString CommunicationProtocol = QStringLiteral("tcp/ip");
    /// "localhost" as designed; the program writes the dealer's server host at start.
    QString HostName = QStringLiteral("localhost");
    QString Port = QStringLiteral("9090");
    /// Server context path, kept for the driver; the transport does not use it.
    QString DatasnapContext = QStringLiteral("datasnap/");
    /// Takes effect only together with a proxy host, and none is set: no proxy is used.
    QString DSProxyPort = QStringLiteral("8090");
    /// "{}": requests and answers travel without transport filters.
    QString Filters = QStringLiteral("{}");
    bool LoginPrompt = false;
    /// Connect and call time-outs of the channel.
    wire::Channel::Timeouts Timeouts;

    /// A new connection with the same settings and the login prompt off, open at once when this
    /// one is open (the open may throw wire::Error as open() does), closed otherwise.
    std::unique_ptr<ServerConnection> clone() const;

    /// Connects to HostName:Port. Throws wire::Error (ETransportError) when the server cannot be
    /// reached or the port setting is no port number. Opening an open connection reconnects.
    void open();
    /// Closing a closed connection does nothing.
    void close();
    bool isOpen() const;

    /// The channel of an open connection; nullptr while closed.
    wire::Channel* channel();

private:
    wire::Channel channel_;
};
