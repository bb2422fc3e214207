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

namespace {

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

[[noreturn]] void throwWrongKind(Kind actual, const char* wanted) {
    throw Error(QString::fromLatin1(kConversionErrorClass),
                QStringLiteral("A %1 value cannot be read as %2")
                    .arg(kindName(actual), QLatin1String(wanted)));
}

}  // namespace

Value Value::text(const QString& value) {
    Value v;
    v.kind_ = Kind::Text;
    v.data_ = value;
    return v;
}

Value Value::integer(qint32 value) {
    Value v;
    v.kind_ = Kind::Integer;
    v.data_ = value;
    return v;
}

Value Value::longInteger(qint64 value) {
    Value v;
    v.kind_ = Kind::LongInteger;
    v.data_ = value;
    return v;
}

Value Value::real(double value) {
    Value v;
    v.kind_ = Kind::Real;
    v.data_ = value;
    return v;
}

Value Value::date(double oleDate) {
    Value v;
    v.kind_ = Kind::Date;
    v.data_ = oleDate;
    return v;
}

Value Value::boolean(bool value) {
    Value v;
    v.kind_ = Kind::Boolean;
    v.data_ = value;
    return v;
}

Value Value::record(QByteArray json) {
    Value v;
    v.kind_ = Kind::Record;
    v.data_ = std::move(json);
    return v;
}

Value Value::jsonArray(QByteArray json) {
    Value v;
    v.kind_ = Kind::JsonArray;
    v.data_ = std::move(json);
    return v;
}

Value Value::table(Kind kind, std::shared_ptr<const ClientTable> table) {
    if (kind != Kind::RowReader && kind != Kind::TablePacket)
        throwWrongKind(kind, "table");
    Value v;
    v.kind_ = kind;
    v.null_ = !table;
    v.data_ = std::move(table);
    return v;
}

Value Value::stream(QByteArray bytes) {
    Value v;
    v.kind_ = Kind::Stream;
    v.data_ = std::move(bytes);
    return v;
}

Value Value::any(QByteArray json) {
    Value v;
    v.kind_ = Kind::Any;
    v.data_ = std::move(json);
    return v;
}

Value Value::null(Kind kind) {
    if (!isReferenceKind(kind))
        throwWrongKind(kind, "null");
    Value v;
    v.kind_ = kind;
    v.null_ = true;
    if (kind == Kind::RowReader || kind == Kind::TablePacket)
        v.data_ = std::shared_ptr<const ClientTable>();
    else
        v.data_ = QByteArray();
    return v;
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
