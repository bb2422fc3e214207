#include "wire/frame.h"

#include "wire/byte_reader.h"
#include "wire/client_table.h"
#include "wire/error.h"
#include "wire/table_codec.h"
#include "wire/utf8.h"

namespace wire {

namespace {

constexpr char kMagic[4] = {'V', 'L', 'B', '2'};
constexpr quint8 kNullFlag = 1;
constexpr qsizetype kMinValueBytes = 2;  // kind and flags

// --- values ------------------------------------------------------------------------------

void writeValue(QByteArray& out, const Value& value) {
    ByteWriter w(out);
    w.u8(quint8(value.kind()));
    const bool null = value.kind() != Kind::None && value.isNull();
    w.u8(null ? kNullFlag : 0);
    if (null)
        return;
    switch (value.kind()) {
        case Kind::None:
            break;
        case Kind::Text:
            w.lengthPrefixed(value.toText().toUtf8());
            break;
        case Kind::Integer:
            w.i32(value.toInteger());
            break;
        case Kind::LongInteger:
            w.i64(value.toLongInteger());
            break;
        case Kind::Real:
        case Kind::Date:
            w.f64(value.toReal());
            break;
        case Kind::Boolean:
            w.u8(value.toBoolean() ? 1 : 0);
            break;
        case Kind::Record:
        case Kind::JsonArray:
        case Kind::Any:
        case Kind::Stream:
            w.lengthPrefixed(value.bytes());
            break;
        case Kind::RowReader:
        case Kind::TablePacket: {
            const qsizetype lengthAt = out.size();
            w.u32(0);
            appendTable(out, *value.toTable());
            const qint64 length = out.size() - lengthAt - 4;
            if (length > qint64(0xffffffffu))
                throwProtocolError(
                    QStringLiteral("A table of %1 bytes is too long to send").arg(length));
            qToLittleEndian(quint32(length), out.data() + lengthAt);
            break;
        }
        case Kind::Callback:
            throwProtocolError(QStringLiteral("A callback cannot be sent"));
    }
}

/// Reads values; `backing`, when given, holds the bytes `in` reads so tables can share them.
class ValueReader {
public:
    ValueReader(QByteArrayView payload, const QByteArray* backing)
        : in(payload), payload_(payload), backing_(backing) {}

    QList<Value> values() {
        const quint32 count = in.u32();
        if (qint64(count) * kMinValueBytes > in.remaining())
            throwProtocolError(
                QStringLiteral("%1 values announced, more than the frame holds").arg(count));
        QList<Value> values;
        values.reserve(count);
        for (quint32 i = 0; i < count; ++i)
            values.append(value());
        return values;
    }

    Value value() {
        const quint8 kindByte = in.u8();
        const quint8 flags = in.u8();
        if (kindByte > quint8(Kind::Any))
            throwProtocolError(QStringLiteral("Unknown value kind %1").arg(kindByte));
        const Kind kind = Kind(kindByte);
        if (flags & ~kNullFlag)
            throwProtocolError(QStringLiteral("Unknown value flags %1").arg(flags));
        if (flags & kNullFlag) {
            if (!isReferenceKind(kind))
                throwProtocolError(QStringLiteral("A %1 value cannot be null").arg(kindName(kind)));
            return Value::null(kind);
        }
        switch (kind) {
            case Kind::None:
                return Value();
            case Kind::Text:
                return Value::text(utf8ToString(in.lengthPrefixed(), "a text value"));
            case Kind::Integer:
                return Value::integer(in.i32());
            case Kind::LongInteger:
                return Value::longInteger(in.i64());
            case Kind::Real:
                return Value::real(in.f64());
            case Kind::Date:
                return Value::date(in.f64());
            case Kind::Boolean: {
                const quint8 b = in.u8();
                if (b > 1)
                    throwProtocolError(QStringLiteral("Boolean value %1").arg(b));
                return Value::boolean(b != 0);
            }
            case Kind::Record:
                return Value::record(json());
            case Kind::JsonArray:
                return Value::jsonArray(json());
            case Kind::Any:
                return Value::any(json());
            case Kind::Stream:
                return Value::stream(in.lengthPrefixed().toByteArray());
            case Kind::RowReader:
            case Kind::TablePacket:
                return Value::table(kind, table());
            case Kind::Callback:
                break;
        }
        throwProtocolError(QStringLiteral("A callback cannot be received"));
    }

    ByteReader in;

private:
    QByteArray json() {
        const QByteArrayView text = in.lengthPrefixed();
        if (!isValidUtf8(text))
            throwProtocolError(QStringLiteral("Invalid UTF-8 in JSON text"));
        return text.toByteArray();
    }

    std::shared_ptr<const ClientTable> table() {
        const quint32 length = in.u32();
        const qsizetype offset = in.position();
        const QByteArrayView blob = in.bytes(length);
        if (backing_)
            return std::make_shared<const ClientTable>(
                decodeTable(*backing_, (payload_.data() - backing_->constData()) + offset, length));
        return std::make_shared<const ClientTable>(decodeTable(blob));
    }

    QByteArrayView payload_;
    const QByteArray* backing_;
};

// --- frames ------------------------------------------------------------------------------

QByteArray startFrame(FrameType type) {
    QByteArray out;
    out.append(kMagic, 4);
    out.append(char(kProtocolVersion));
    out.append(char(type));
    out.append(6, '\0');  // reserved and the length, written by finishFrame
    return out;
}

QByteArray finishFrame(QByteArray frame) {
    const qint64 payload = frame.size() - kFrameHeaderSize;
    if (payload > qint64(0xffffffffu))
        throwProtocolError(QStringLiteral("A frame of %1 bytes is too long to send").arg(payload));
    qToLittleEndian(quint32(payload), frame.data() + 8);
    return frame;
}

void writeValues(QByteArray& out, const QList<Value>& values) {
    ByteWriter(out).u32(quint32(values.size()));
    for (const Value& value : values)
        writeValue(out, value);
}

Response decodeResponse(QByteArrayView payload, const QByteArray* backing) {
    ValueReader reader(payload, backing);
    Response response;
    response.values = reader.values();
    reader.in.expectEnd("response");
    return response;
}

}  // namespace

FrameHeader parseFrameHeader(QByteArrayView header, quint32 maxPayload) {
    if (header.size() < kFrameHeaderSize)
        throwProtocolError(QStringLiteral("Frame header of %1 bytes").arg(header.size()));
    if (std::memcmp(header.data(), kMagic, 4) != 0)
        throwProtocolError(QStringLiteral("Not a Varlenta frame (bad magic)"));
    ByteReader in(header.first(kFrameHeaderSize));
    in.bytes(4);
    const quint8 version = in.u8();
    if (version != kProtocolVersion)
        throwProtocolError(QStringLiteral("Unsupported protocol version %1").arg(version));
    const quint8 type = in.u8();
    if (type < quint8(FrameType::Request) || type > quint8(FrameType::Error))
        throwProtocolError(QStringLiteral("Unknown frame type %1").arg(type));
    if (in.u16() != 0)
        throwProtocolError(QStringLiteral("Reserved header bytes are not zero"));
    FrameHeader result;
    result.type = FrameType(type);
    result.payloadSize = in.u32();
    if (result.payloadSize > maxPayload)
        throwProtocolError(QStringLiteral("Frame of %1 bytes exceeds the limit of %2 bytes")
                               .arg(result.payloadSize)
                               .arg(maxPayload));
    return result;
}

QByteArray encodeRequestFrame(const Request& request) {
    QByteArray frame = startFrame(FrameType::Request);
    ByteWriter(frame).lengthPrefixed(request.method.toUtf8());
    writeValues(frame, request.params);
    return finishFrame(std::move(frame));
}

QByteArray encodeResponseFrame(const Response& response) {
    QByteArray frame = startFrame(FrameType::Response);
    writeValues(frame, response.values);
    return finishFrame(std::move(frame));
}

QByteArray encodeErrorFrame(const Failure& failure) {
    QByteArray frame = startFrame(FrameType::Error);
    ByteWriter w(frame);
    w.lengthPrefixed(failure.className.toUtf8());
    w.lengthPrefixed(failure.message.toUtf8());
    return finishFrame(std::move(frame));
}

Request decodeRequestPayload(QByteArrayView payload) {
    ValueReader reader(payload, nullptr);
    Request request;
    request.method = utf8ToString(reader.in.lengthPrefixed(), "the method name");
    request.params = reader.values();
    reader.in.expectEnd("request");
    return request;
}

Response decodeResponsePayload(QByteArrayView payload) {
    return decodeResponse(payload, nullptr);
}

Response decodeResponsePayload(const QByteArray& payload) {
    return decodeResponse(payload, &payload);
}

Failure decodeErrorPayload(QByteArrayView payload) {
    ByteReader in(payload);
    Failure failure;
    failure.className = utf8ToString(in.lengthPrefixed(), "the error class");
    failure.message = utf8ToString(in.lengthPrefixed(), "the error message");
    in.expectEnd("error");
    return failure;
}

}  // namespace wire
