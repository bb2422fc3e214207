#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include "wire/value.h"

namespace wire {

/// Frame header: magic "VLB2", version, frame type, two reserved bytes, payload length (u32 LE).
inline constexpr int kFrameHeaderSize = 12;
inline constexpr quint8 kProtocolVersion = 1;
/// Limits: a server accepts requests up to kMaxRequestBytes; a client accepts answers up to
/// kMaxResponseBytes. A frame that announces more is refused before anything is read.
inline constexpr quint32 kMaxRequestBytes = 16u << 20;
inline constexpr quint32 kMaxResponseBytes = 1024u << 20;

enum class FrameType : quint8 { Request = 1, Response = 2, Error = 3 };

struct FrameHeader {
    FrameType type = FrameType::Request;
    quint32 payloadSize = 0;
};

/// Checks magic, version, type and the size limit; throws wire::Error (EProtocolError).
FrameHeader parseFrameHeader(QByteArrayView header, quint32 maxPayload);

/// A call: the method text ("TServerMethods1.SepetEkle2") and the in-parameters in ordinal
/// order (out parameters are not sent).
struct Request {
    QString method;
    QList<Value> params;
};

/// An answer: the out parameters in ordinal order, then the return value when there is one.
struct Response {
    QList<Value> values;
};

/// A failure reported by the peer.
struct Failure {
    QString className;
    QString message;
};

QByteArray encodeRequestFrame(const Request& request);
QByteArray encodeResponseFrame(const Response& response);
QByteArray encodeErrorFrame(const Failure& failure);

// Payload decoders (the bytes after the header); each throws wire::Error (EProtocolError) on
// malformed input and never reads outside the payload.
Request decodeRequestPayload(QByteArrayView payload);
Response decodeResponsePayload(QByteArrayView payload);
/// The same; tables in the answer share `payload` instead of copying their bytes.
Response decodeResponsePayload(const QByteArray& payload);
Failure decodeErrorPayload(QByteArrayView payload);

}  // namespace wire
