#include "wire/channel.h"

#include <QDeadlineTimer>
#include <QTcpSocket>

#include "wire/byte_reader.h"
#include "wire/error.h"
#include "wire/large_buffer.h"

namespace wire {

namespace {

[[noreturn]] void throwTransport(const QString& message) {
    throw Error(QString::fromLatin1(kTransportErrorClass), message);
}

// Payload buffers grow with the data that arrives, so a peer announcing a large frame gets no
// large allocation before it sends the bytes.
constexpr qsizetype kFirstChunk = qsizetype(1) << 20;

}  // namespace

Channel::Channel() = default;

Channel::~Channel() {
    close();
}

void Channel::open(const QString& host, quint16 port, Timeouts timeouts) {
    close();
    timeouts_ = timeouts;
    auto socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(host, port);
    if (!socket->waitForConnected(timeouts.connectMs)) {
        const QString reason =
            socket->error() == QAbstractSocket::SocketTimeoutError
                ? QStringLiteral("no answer within %1 ms").arg(timeouts.connectMs)
                : socket->errorString();
        socket->abort();
        throwTransport(
            QStringLiteral("Cannot connect to %1:%2: %3").arg(host).arg(port).arg(reason));
    }
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    socket_ = std::move(socket);
}

void Channel::close() {
    if (!socket_)
        return;
    socket_->abort();
    socket_.reset();
}

bool Channel::isOpen() const {
    return socket_ && socket_->state() == QAbstractSocket::ConnectedState;
}

Response Channel::call(const Request& request) {
    if (!socket_)
        throwTransport(QStringLiteral("The connection is not open"));
    const QByteArray frame = encodeRequestFrame(request);
    if (quint64(frame.size() - kFrameHeaderSize) > kMaxRequestBytes)
        throw Error(QString::fromLatin1(kProtocolErrorClass),
                    QStringLiteral("The request of %1 bytes exceeds the limit of %2 bytes")
                        .arg(frame.size() - kFrameHeaderSize)
                        .arg(kMaxRequestBytes));

    const QDeadlineTimer deadline(timeouts_.callMs);
    QTcpSocket& socket = *socket_;
    auto fail = [this](const QString& message) {
        close();
        throwTransport(message);
    };
    auto timedOut = [&] {
        fail(
            QStringLiteral("%1: no answer within %2 ms").arg(request.method).arg(timeouts_.callMs));
    };

    if (socket.write(frame) != frame.size())
        fail(socket.errorString());
    while (socket.bytesToWrite() > 0) {
        if (deadline.hasExpired())
            timedOut();
        if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
            socket.error() == QAbstractSocket::SocketTimeoutError ? timedOut()
                                                                  : fail(socket.errorString());
    }

    // Reads exactly `size` bytes into `into` starting at `at`, waiting as needed.
    auto readInto = [&](char* into, qint64 size) {
        qint64 done = 0;
        while (done < size) {
            const qint64 got = socket.read(into + done, size - done);
            if (got < 0)
                fail(socket.errorString());
            done += got;
            if (done == size)
                break;
            if (deadline.hasExpired())
                timedOut();
            if (!socket.waitForReadyRead(int(deadline.remainingTime()))) {
                if (socket.error() == QAbstractSocket::SocketTimeoutError)
                    timedOut();
                fail(QStringLiteral("The server closed the connection during %1 (%2)")
                         .arg(request.method, socket.errorString()));
            }
        }
    };

    char header[kFrameHeaderSize];
    readInto(header, kFrameHeaderSize);
    FrameHeader parsed;
    try {
        parsed = parseFrameHeader(QByteArrayView(header, kFrameHeaderSize), kMaxResponseBytes);
        if (parsed.type == FrameType::Request)
            throwProtocolError(QStringLiteral("The server sent a request frame"));
    } catch (const Error&) {
        close();
        throw;
    }

    QByteArray payload;
    qsizetype filled = 0;
    while (filled < qsizetype(parsed.payloadSize)) {
        const qsizetype target =
            qMin<qsizetype>(parsed.payloadSize, qMax<qsizetype>(kFirstChunk, 2 * filled));
        reserveLargeBuffer(payload, target - payload.size());  // exact: the table may keep it
        payload.resize(target);
        readInto(payload.data() + filled, target - filled);
        filled = target;
    }

    Response response;
    Failure failure;
    try {
        if (parsed.type == FrameType::Error)
            failure = decodeErrorPayload(payload);
        else
            response = decodeResponsePayload(payload);
    } catch (const Error&) {
        close();  // the stream can no longer be trusted
        throw;
    }
    if (parsed.type == FrameType::Error)
        throw Error(failure.className, failure.message);
    return response;
}

}  // namespace wire
