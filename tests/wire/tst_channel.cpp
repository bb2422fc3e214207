#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <atomic>
#include <future>
#include <thread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "wire/channel.h"
#include "wire/error.h"

using namespace wire;

namespace {

/// A peer on a real socket, served by a thread of its own with blocking calls. It answers by
/// method name: "Echo" sends the parameters back, "Fail" answers with an error frame, "Silent"
/// never answers, "HalfFrame" sends half an answer and hangs up, "Garbage" answers with a wrong
/// magic, "Huge" announces an answer over the limit.
class ScriptedPeer {
public:
    ScriptedPeer() {
        std::promise<quint16> port;
        auto ready = port.get_future();
        thread_ = std::thread([this, &port] { run(port); });
        port_ = ready.get();
    }
    ~ScriptedPeer() {
        stop_ = true;
        thread_.join();
    }
    quint16 port() const { return port_; }

private:
    void run(std::promise<quint16>& port) {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost);
        port.set_value(server.serverPort());
        while (!stop_) {
            if (!server.waitForNewConnection(50))
                continue;
            std::unique_ptr<QTcpSocket> socket(server.nextPendingConnection());
            serve(*socket);
        }
    }

    bool readExactly(QTcpSocket& socket, char* into, qint64 size) {
        qint64 done = 0;
        while (done < size) {
            if (stop_)
                return false;
            if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(50)) {
                if (socket.state() != QAbstractSocket::ConnectedState)
                    return false;
                continue;
            }
            done += socket.read(into + done, size - done);
        }
        return true;
    }

    void send(QTcpSocket& socket, const QByteArray& bytes) {
        socket.write(bytes);
        while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(1000)) {
        }
    }

    void serve(QTcpSocket& socket) {
        for (;;) {
            char header[kFrameHeaderSize];
            if (!readExactly(socket, header, kFrameHeaderSize))
                return;
            const FrameHeader parsed =
                parseFrameHeader({header, kFrameHeaderSize}, kMaxRequestBytes);
            QByteArray payload(parsed.payloadSize, '\0');
            if (!readExactly(socket, payload.data(), payload.size()))
                return;
            const Request request = decodeRequestPayload(payload);
            const QString method = request.method.section(u'.', 1);
            if (method == u"Echo") {
                send(socket, encodeResponseFrame({request.params}));
            } else if (method == u"Fail") {
                send(socket, encodeErrorFrame({"EDivByZero", "Sıfıra bölme"}));
            } else if (method == u"Silent") {
                char ignored;
                readExactly(socket, &ignored, 1);  // until the client gives up and hangs up
                return;
            } else if (method == u"HalfFrame") {
                const QByteArray frame = encodeResponseFrame({{Value::text("yarım kalan")}});
                send(socket, frame.first(frame.size() / 2));
                socket.disconnectFromHost();
                return;
            } else if (method == u"Garbage") {
                send(socket, QByteArray("HTTP/1.1 400 Bad Request\r\n\r\n"));
            } else if (method == u"Huge") {
                QByteArray frame = encodeResponseFrame({});
                qToLittleEndian(kMaxResponseBytes + 1, frame.data() + 8);
                send(socket, frame);
            }
        }
    }

    std::thread thread_;
    quint16 port_ = 0;
    std::atomic<bool> stop_{false};
};

Request call(const char* method, QList<Value> params = {}) {
    return {QStringLiteral("TServerMethods1.") + QLatin1String(method), std::move(params)};
}

Channel::Timeouts quick() {
    return {1000, 1500};
}

}  // namespace

class ChannelTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void callsFollowOneAnotherOnOneConnection() {
        ScriptedPeer peer;
        Channel channel;
        channel.open(QStringLiteral("127.0.0.1"), peer.port(), quick());
        QVERIFY(channel.isOpen());
        for (int i = 0; i < 3; ++i) {
            const Response response =
                channel.call(call("Echo", {Value::integer(i), Value::text("ş")}));
            QCOMPARE(response.values.size(), 2);
            QCOMPARE(response.values.at(0).toInteger(), i);
            QCOMPARE(response.values.at(1).toText(), QStringLiteral("ş"));
        }
        channel.close();
        channel.close();
        QVERIFY(!channel.isOpen());
        QVERIFY_THROWS_EXCEPTION(Error, channel.call(call("Echo")));
    }

    void remoteErrorKeepsServerClassAndConnection() {
        ScriptedPeer peer;
        Channel channel;
        channel.open(QStringLiteral("127.0.0.1"), peer.port(), quick());
        try {
            channel.call(call("Fail"));
            QFAIL("no error");
        } catch (const Error& error) {
            QCOMPARE(error.fullText(), QStringLiteral("EDivByZero: Sıfıra bölme"));
        }
        QVERIFY(channel.isOpen());
        QCOMPARE(channel.call(call("Echo", {Value::boolean(true)})).values.size(), 1);
    }

    void brokenAnswersCloseTheChannel_data() {
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QString>("errorClass");
        QTest::newRow("call time-out") << QByteArray("Silent") << QString(kTransportErrorClass);
        QTest::newRow("peer hangs up mid-frame")
            << QByteArray("HalfFrame") << QString(kTransportErrorClass);
        QTest::newRow("wrong magic") << QByteArray("Garbage") << QString(kProtocolErrorClass);
        QTest::newRow("announced size over the limit")
            << QByteArray("Huge") << QString(kProtocolErrorClass);
    }

    void brokenAnswersCloseTheChannel() {
        QFETCH(QByteArray, method);
        QFETCH(QString, errorClass);
        ScriptedPeer peer;
        Channel channel;
        channel.open(QStringLiteral("127.0.0.1"), peer.port(), quick());
        try {
            channel.call(call(method.constData()));
            QFAIL("no error");
        } catch (const Error& error) {
            QCOMPARE(error.className(), errorClass);
        }
        QVERIFY(!channel.isOpen());
    }

    void connectFailsWithTransportError_data() {
        QTest::addColumn<QString>("host");
        QTest::addColumn<bool>("closedPort");
        QTest::newRow("closed port") << QStringLiteral("127.0.0.1") << true;
        QTest::newRow("unknown host") << QStringLiteral("host.invalid") << false;
    }

    void connectFailsWithTransportError() {
        QFETCH(QString, host);
        QFETCH(bool, closedPort);
        quint16 port = 9090;
        if (closedPort) {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost));
            port = probe.serverPort();
        }
        Channel channel;
        try {
            channel.open(host, port, {300, 1000});
            QFAIL("connected");
        } catch (const Error& error) {
            QCOMPARE(error.className(), QString(kTransportErrorClass));
        }
        QVERIFY(!channel.isOpen());
    }

    void connectTimesOutWhenNoAnswerComes() {
        // A listener with a full accept queue drops further SYNs: the connect waits unanswered.
        const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        QCOMPARE(::bind(listener, reinterpret_cast<sockaddr*>(&address), length), 0);
        QCOMPARE(::listen(listener, 0), 0);
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
        const quint16 port = ntohs(address.sin_port);

        std::vector<std::unique_ptr<Channel>> queued;
        QString failure;
        for (int attempt = 0; attempt < 8 && failure.isEmpty(); ++attempt) {
            auto channel = std::make_unique<Channel>();
            try {
                channel->open(QStringLiteral("127.0.0.1"), port, {200, 1000});
                queued.push_back(std::move(channel));
            } catch (const Error& error) {
                failure = error.className();
                QVERIFY(!channel->isOpen());
            }
        }
        ::close(listener);
        QCOMPARE(failure, QString(kTransportErrorClass));
    }

    void worksOnAThreadWithoutEventLoop() {
        ScriptedPeer peer;
        auto answer = std::async(std::launch::async, [&] {
            Channel channel;
            channel.open(QStringLiteral("127.0.0.1"), peer.port(), quick());
            return channel.call(call("Echo", {Value::real(2.5)})).values.at(0).toReal();
        });
        QCOMPARE(answer.get(), 2.5);
    }
};

QTEST_GUILESS_MAIN(ChannelTest)
#include "tst_channel.moc"
