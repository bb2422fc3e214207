#include "test_peer.h"

#include <QDeadlineTimer>
#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <future>

#include "wire/client_table.h"
#include "wire/error.h"
#include "wire/methods/method_catalogue.h"

namespace {

constexpr int kPollMs = 20;

/// Reads exactly `size` bytes; false when the peer goes away or the test peer stops.
bool readExactly(QTcpSocket& socket, char* into, qint64 size, const std::atomic<bool>& stopping) {
    qint64 done = 0;
    while (done < size) {
        const qint64 got = socket.read(into + done, size - done);
        if (got < 0)
            return false;
        done += got;
        if (done == size)
            break;
        if (stopping)
            return false;
        if (!socket.waitForReadyRead(kPollMs) && socket.state() != QAbstractSocket::ConnectedState)
            return false;
    }
    return true;
}

void pause(int ms, const std::atomic<bool>& stopping) {
    const QDeadlineTimer until(ms);
    while (!until.hasExpired() && !stopping)
        QThread::msleep(qMin<qint64>(kPollMs, until.remainingTime()));
}

wire::Value emptyValue(wire::Kind kind) {
    using wire::Kind;
    switch (kind) {
        case Kind::Text:
            return wire::Value::text(QString());
        case Kind::Integer:
            return wire::Value::integer(0);
        case Kind::LongInteger:
            return wire::Value::longInteger(0);
        case Kind::Real:
            return wire::Value::real(0);
        case Kind::Date:
            return wire::Value::date(0);
        case Kind::Boolean:
            return wire::Value::boolean(false);
        case Kind::JsonArray:
            return wire::Value::jsonArray("[]");
        case Kind::RowReader:
        case Kind::TablePacket:
            return wire::Value::table(kind, std::make_shared<wire::ClientTable>());
        case Kind::Stream:
            return wire::Value::stream(QByteArray());
        default:
            return wire::Value::null(kind);
    }
}

}  // namespace

/// Hands the descriptor of every accepted connection to the test peer without a Qt event loop.
class TestPeer::Listener : public QTcpServer {
public:
    explicit Listener(TestPeer& peer) : peer_(peer) {}

protected:
    void incomingConnection(qintptr socketDescriptor) override {
        QMutexLocker lock(&peer_.mutex_);
        ++peer_.connections_;
        TestPeer* peer = &peer_;
        peer_.connectionThreads_.emplace_back(
            [peer, socketDescriptor] { peer->serve(socketDescriptor); });
    }

private:
    TestPeer& peer_;
};

PeerReply PeerReply::values(QList<wire::Value> values) {
    PeerReply reply;
    reply.answer = std::move(values);
    return reply;
}

PeerReply PeerReply::failure(const QString& className, const QString& message) {
    PeerReply reply;
    reply.action = Action::Failure;
    reply.error = {className, message};
    return reply;
}

PeerReply PeerReply::raw(QByteArray bytes, bool keepOpen) {
    PeerReply reply;
    reply.action = Action::Raw;
    reply.bytes = std::move(bytes);
    reply.keepOpen = keepOpen;
    return reply;
}

PeerReply PeerReply::close() {
    PeerReply reply;
    reply.action = Action::Close;
    return reply;
}

PeerReply PeerReply::after(int ms) const {
    PeerReply reply = *this;
    reply.delayMs = ms;
    return reply;
}

TestPeer::TestPeer(Start start) {
    if (start == Listening && !listen())
        throw std::runtime_error("the test peer cannot listen");
}

TestPeer::~TestPeer() {
    stopping_ = true;
    if (acceptThread_.joinable())
        acceptThread_.join();
    // No connection thread starts once the accept thread has ended.
    for (std::thread& thread : connectionThreads_)
        thread.join();
}

bool TestPeer::listen(quint16 port) {
    if (acceptThread_.joinable())
        return false;
    std::promise<quint16> bound;
    std::future<quint16> boundPort = bound.get_future();
    acceptThread_ = std::thread([this, port, &bound] {
        Listener listener(*this);
        if (!listener.listen(QHostAddress::LocalHost, port)) {
            bound.set_value(0);
            return;
        }
        bound.set_value(listener.serverPort());
        while (!stopping_)
            listener.waitForNewConnection(kPollMs);
    });
    port_ = boundPort.get();
    if (port_ == 0) {
        acceptThread_.join();
        return false;
    }
    return true;
}

quint16 TestPeer::unusedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

void TestPeer::answer(const QString& method, PeerRule rule) {
    QMutexLocker lock(&mutex_);
    rules_.insert(method, std::move(rule));
}

void TestPeer::answer(const QString& method, const PeerReply& reply) {
    answer(method, [reply](const wire::Request&) { return reply; });
}

QList<wire::Request> TestPeer::requests() const {
    QMutexLocker lock(&mutex_);
    return requests_;
}

QStringList TestPeer::methods() const {
    QStringList texts;
    for (const wire::Request& request : requests())
        texts << request.method;
    return texts;
}

int TestPeer::connectionCount() const {
    QMutexLocker lock(&mutex_);
    return connections_;
}

PeerReply TestPeer::defaultReply(const wire::Request& request) {
    const QString prefix = QString::fromLatin1(wire::kServerClassPrefix);
    const wire::MethodSpec* method =
        request.method.startsWith(prefix)
            ? wire::findMethod(QStringView(request.method).mid(prefix.size()))
            : nullptr;
    if (!method)
        return PeerReply::failure(QStringLiteral("EPeerError"),
                                  request.method + QStringLiteral(" is unknown"));
    QList<wire::Value> values;
    for (const wire::ParamSpec& param : method->params) {
        if (param.out)
            values << emptyValue(param.kind);
    }
    if (method->result != wire::Kind::None)
        values << emptyValue(method->result);
    return PeerReply::values(values);
}

PeerReply TestPeer::replyTo(const wire::Request& request) {
    PeerRule rule;
    {
        QMutexLocker lock(&mutex_);
        requests_.append(request);
        const QString prefix = QString::fromLatin1(wire::kServerClassPrefix);
        const QString name =
            request.method.startsWith(prefix) ? request.method.mid(prefix.size()) : request.method;
        rule = rules_.value(name);
    }
    return rule ? rule(request) : defaultReply(request);
}

void TestPeer::serve(qintptr socketDescriptor) {
    QTcpSocket socket;
    if (!socket.setSocketDescriptor(socketDescriptor))
        return;
    auto send = [&socket](const QByteArray& bytes) {
        socket.write(bytes);
        while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(1000)) {
        }
    };
    while (!stopping_) {
        char header[wire::kFrameHeaderSize];
        if (!readExactly(socket, header, wire::kFrameHeaderSize, stopping_))
            return;
        wire::Request request;
        try {
            const wire::FrameHeader parsed = wire::parseFrameHeader(
                QByteArrayView(header, wire::kFrameHeaderSize), wire::kMaxRequestBytes);
            QByteArray payload(qsizetype(parsed.payloadSize), Qt::Uninitialized);
            if (!readExactly(socket, payload.data(), payload.size(), stopping_))
                return;
            request = wire::decodeRequestPayload(payload);
        } catch (const wire::Error& error) {
            send(wire::encodeErrorFrame({error.className(), error.message()}));
            return;
        }
        const PeerReply reply = replyTo(request);
        pause(reply.delayMs, stopping_);
        switch (reply.action) {
            case PeerReply::Action::Values:
                send(wire::encodeResponseFrame({reply.answer}));
                break;
            case PeerReply::Action::Failure:
                send(wire::encodeErrorFrame(reply.error));
                break;
            case PeerReply::Action::Raw:
                send(reply.bytes);
                if (!reply.keepOpen)
                    return;
                break;
            case PeerReply::Action::Close:
                return;
        }
    }
}
