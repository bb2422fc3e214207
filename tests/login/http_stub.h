#pragma once

#include <QByteArray>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

/// A very small HTTP server on loopback for the update download: answers every GET with one
/// prepared response and counts the requests.
class HttpStub : public QObject {
public:
    enum class Mode { WithLength, WithoutLength, NotFound, Slow, SlowNotFound };

    HttpStub(Mode mode, QByteArray body) : mode_(mode), body_(std::move(body)) {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    QString url() const {
        return u"http://127.0.0.1:"_qs + QString::number(server_.serverPort()) +
               u"/exe/VarlentaSetup.exe"_qs;
    }
    void stop() { server_.close(); }  ///< the address then refuses connections
    int requests() const { return requests_; }
    QByteArray firstRequest() const { return firstRequest_; }
    QByteArray lastRequest() const { return lastRequest_; }

private:
    void serve(QTcpSocket* socket) {
        QByteArray& buffer = pending_[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n")) {
            return;
        }
        ++requests_;
        lastRequest_ = buffer;
        if (firstRequest_.isEmpty()) {
            firstRequest_ = buffer;
        }
        pending_.remove(socket);
        respond(socket, mode_);
    }

    void respond(QTcpSocket* socket, Mode mode) {
        const QByteArray length = "Content-Length: " + QByteArray::number(body_.size()) + "\r\n";
        switch (mode) {
            case Mode::SlowNotFound:
                QTimer::singleShot(300, socket,
                                   [this, socket] { respond(socket, Mode::NotFound); });
                break;
            case Mode::NotFound:
                socket->write(
                    "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\nConnection: close\r\n\r\n"
                    "not found");
                socket->disconnectFromHost();
                break;
            case Mode::WithLength:
                socket->write("HTTP/1.1 200 OK\r\n" + length + "Connection: close\r\n\r\n" + body_);
                socket->disconnectFromHost();
                break;
            case Mode::WithoutLength:
                socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + body_);
                socket->disconnectFromHost();
                break;
            case Mode::Slow: {
                const qsizetype half = body_.size() / 2;
                socket->write("HTTP/1.1 200 OK\r\n" + length + "Connection: close\r\n\r\n" +
                              body_.left(half));
                QTimer::singleShot(150, socket, [this, socket, half] {
                    socket->write(body_.mid(half));
                    socket->disconnectFromHost();
                });
                break;
            }
        }
    }

    Mode mode_;
    QByteArray body_;
    QTcpServer server_;
    QHash<QTcpSocket*, QByteArray> pending_;
    int requests_ = 0;
    QByteArray firstRequest_;
    QByteArray lastRequest_;
};
