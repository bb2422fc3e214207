#include "wire/value.h"

#include "wire/client_table.h"
#include "wire/error.h"

namespace wire {

QString kindName(Kind kind) {
    switch (kind) {
        case Kind::None:
            return QStringLiteral("none");
        case Kind::Text:
            return QStringLiteral("text");
        case Kind::Integer:
            return QStringLiteral("integer");
        case Kind::LongInteger:
            return QStringLiteral("longinteger");
        case Kind::Real:
            return QStringLiteral("real");
        case Kind::Date:
            return QStringLiteral("date");
        case Kind::Boolean:
            return QStringLiteral("boolean");
        case Kind::Record:
            return QStringLiteral("record");
        case Kind::JsonArray:
            return QStringLiteral("jsonarray");
        case Kind::RowReader:
            return QStringLiteral("rowreader");
        case Kind::TablePacket:
            return QStringLiteral("tablepacket");
        case Kind::Stream:
            return QStringLiteral("stream");
        case Kind::Callback:
            return QStringLiteral("callback");
        case Kind::Any:
            return QStringLiteral("any");
    }
    return QStringLiteral("kind %1").arg(int(kind));
}

bool isReferenceKind(Kind kind) {
    switch (kind) {
        case Kind::Record:
        case Kind::JsonArray:
        case Kind::RowReader:
        case Kind::TablePacket:
        case Kind::Stream:
        case Kind::Any:
            return true;
        default:
            return false;
    }
}

namespace {

[[noreturn]] void throwWrongKind(Kind actual, const char* wanted) {
    throw Error(QString::fromLatin1(kConversionErrorClass),
                QStringLiteral("A %1 value cannot be read as %2")
                    .arg(kindName(actual), QLatin1String(wanted)));
}

}  // namespace

Value Value::text(const QString& value) {
    return Value(Kind::Text, value);
}
Value Value::integer(qint32 value) {
    return Value(Kind::Integer, value);
}
Value Value::longInteger(qint64 value) {
    return Value(Kind::LongInteger, value);
}
Value Value::real(double value) {
    return Value(Kind::Real, value);
}
Value Value::date(double oleDate) {
    return Value(Kind::Date, oleDate);
}
Value Value::boolean(bool value) {
    return Value(Kind::Boolean, value);
}
Value Value::record(QByteArray json) {
    return Value(Kind::Record, std::move(json));
}
Value Value::jsonArray(QByteArray json) {
    return Value(Kind::JsonArray, std::move(json));
}
Value Value::stream(QByteArray bytes) {
    return Value(Kind::Stream, std::move(bytes));
}
Value Value::any(QByteArray json) {
    return Value(Kind::Any, std::move(json));
}

Value Value::table(Kind kind, std::shared_ptr<const ClientTable> table) {
    if (kind != Kind::RowReader && kind != Kind::TablePacket)
        throwWrongKind(kind, "table");
    const bool null = !table;
    return Value(kind, std::move(table), null);
}

Value Value::null(Kind kind) {
    if (!isReferenceKind(kind))
        throwWrongKind(kind, "null");
    if (kind == Kind::RowReader || kind == Kind::TablePacket)
        return Value(kind, std::shared_ptr<const ClientTable>(), true);
    return Value(kind, QByteArray(), true);
}

bool Value::isNull() const {
    return kind_ == Kind::None || null_;
}

QString Value::toText() const {
    if (kind_ != Kind::Text)
        throwWrongKind(kind_, "text");
    return std::get<QString>(data_);
}

qint32 Value::toInteger() const {
    if (kind_ != Kind::Integer)
        throwWrongKind(kind_, "integer");
    return std::get<qint32>(data_);
}

qint64 Value::toLongInteger() const {
    if (kind_ != Kind::LongInteger)
        throwWrongKind(kind_, "long integer");
    return std::get<qint64>(data_);
}

double Value::toReal() const {
    if (kind_ != Kind::Real && kind_ != Kind::Date)
        throwWrongKind(kind_, "real");
    return std::get<double>(data_);
}

bool Value::toBoolean() const {
    if (kind_ != Kind::Boolean)
        throwWrongKind(kind_, "boolean");
    return std::get<bool>(data_);
}

const QByteArray& Value::bytes() const {
    if (kind_ != Kind::Record && kind_ != Kind::JsonArray && kind_ != Kind::Any &&
        kind_ != Kind::Stream)
        throwWrongKind(kind_, "bytes");
    return std::get<QByteArray>(data_);
}

std::shared_ptr<const ClientTable> Value::toTable() const {
    if (kind_ != Kind::RowReader && kind_ != Kind::TablePacket)
        throwWrongKind(kind_, "table");
    return std::get<std::shared_ptr<const ClientTable>>(data_);
}

}  // namespace wire
