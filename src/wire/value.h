#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <variant>

namespace wire {

class ClientTable;

/// Every kind a parameter or result of a remote method can have. The numbers are wire values.
enum class Kind : quint8 {
    None = 0,  ///< no value (a method without result)
    Text = 1,
    Integer = 2,      ///< signed 32-bit
    LongInteger = 3,  ///< signed 64-bit
    Real = 4,         ///< IEEE double
    Date = 5,         ///< OLE Automation date as a double
    Boolean = 6,
    Record = 7,        ///< one transfer record as JSON text (UTF-8)
    JsonArray = 8,     ///< JSON text (UTF-8)
    RowReader = 9,     ///< a table read forward once
    TablePacket = 10,  ///< a complete table
    Stream = 11,       ///< raw bytes
    Callback = 12,     ///< server-to-client callback; never sent by this client
    Any = 13,          ///< any object sent as JSON (null when absent)
};

QString kindName(Kind kind);
/// The kinds whose values may be null: Record, JsonArray, RowReader, TablePacket, Stream, Any.
bool isReferenceKind(Kind kind);

/// One value on the wire: a kind and its content. Records, JSON arrays and streams keep their
/// bytes; tables are shared read-only. A record, JSON array, table or stream may be null.
class Value {
public:
    Value() = default;  ///< kind None

    static Value text(const QString& value);
    static Value integer(qint32 value);
    static Value longInteger(qint64 value);
    static Value real(double value);
    static Value date(double oleDate);
    static Value boolean(bool value);
    static Value record(QByteArray json);  ///< json must be one JSON object
    static Value jsonArray(QByteArray json);
    static Value table(Kind kind,
                       std::shared_ptr<const ClientTable> table);  ///< RowReader/TablePacket
    static Value stream(QByteArray bytes);
    static Value any(QByteArray json);  ///< any JSON value, as text
    /// A null of a reference kind (Record, JsonArray, RowReader, TablePacket, Stream, Any).
    static Value null(Kind kind);

    Kind kind() const { return kind_; }
    bool isNull() const;

    // Each accessor throws wire::Error (EConversionError) when the kind does not match.
    QString toText() const;
    qint32 toInteger() const;
    qint64 toLongInteger() const;
    double toReal() const;  ///< Real or Date
    bool toBoolean() const;
    const QByteArray& bytes() const;                     ///< Record, JsonArray, Any, Stream
    std::shared_ptr<const ClientTable> toTable() const;  ///< RowReader or TablePacket

private:
    using Data = std::variant<std::monostate, QString, qint32, qint64, double, bool, QByteArray,
                              std::shared_ptr<const ClientTable>>;
    Value(Kind kind, Data data, bool null = false)
        : kind_(kind), null_(null), data_(std::move(data)) {}

    Kind kind_ = Kind::None;
    bool null_ = false;
    Data data_;
};

}  // namespace wire
