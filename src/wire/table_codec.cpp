#include "wire/table_codec.h"

#include "wire/byte_reader.h"
#include "wire/client_table_storage.h"
#include "wire/large_buffer.h"
#include "wire/utf8.h"

namespace wire {

namespace {

constexpr quint8 kNoNulls = 0;
constexpr quint8 kNullBitmap = 1;
// type u8, name length u32, size i32: the least a column header takes.
constexpr qsizetype kMinColumnHeaderBytes = 9;

bool isKnownType(quint8 type) {
    return type >= quint8(FieldType::Integer) && type <= quint8(FieldType::Text);
}

qsizetype bitmapBytes(int rows) {
    return (qsizetype(rows) + 7) / 8;
}

/// Booleans travel as single bytes 0 or 1.
bool booleansValid(const char* values, qsizetype count) {
    qsizetype i = 0;
    for (; i + 8 <= count; i += 8) {
        quint64 word;
        std::memcpy(&word, values + i, 8);
        if (word & 0xFEFEFEFEFEFEFEFEull)
            return false;
    }
    for (; i < count; ++i)
        if (quint8(values[i]) > 1)
            return false;
    return true;
}

void readTextColumn(ByteReader& in, ColumnData& column, int rows, const QString& name) {
    const QByteArrayView offsetBytes = in.bytes(4 * (qint64(rows) + 1));
    column.offsets = offsetBytes.data();
    const quint32 total = column.offset(rows);
    const QByteArrayView text = in.bytes(total);
    column.values = text.data();
    if (column.offset(0) != 0)
        throwProtocolError(QStringLiteral("Text column %1 does not start at offset 0").arg(name));
    const auto* bytes = reinterpret_cast<const uchar*>(text.data());
    quint32 previous = 0;
    for (int row = 1; row < rows; ++row) {
        const quint32 at = column.offset(row);
        // Every cell starts at or after the previous one and on a character boundary.
        if (at < previous || at > total || (at < total && (bytes[at] & 0xC0) == 0x80))
            throwProtocolError(
                QStringLiteral("Text column %1 has a bad offset at row %2").arg(name).arg(row));
        previous = at;
    }
    if (total < previous)
        throwProtocolError(
            QStringLiteral("Text column %1 has a bad offset at row %2").arg(name).arg(rows));
    if (!isValidUtf8(text))
        throwProtocolError(QStringLiteral("Invalid UTF-8 in text column %1").arg(name));
}

ClientTable decodeShared(const QByteArray& backing, QByteArrayView blob) {
    ByteReader in(blob);
    const quint32 rowCount = in.u32();
    const quint32 columnCount = in.u32();
    if (rowCount > quint32(std::numeric_limits<int>::max()))
        throwProtocolError(QStringLiteral("Table announces %1 rows").arg(rowCount));
    if (qint64(columnCount) * kMinColumnHeaderBytes > in.remaining())
        throwProtocolError(QStringLiteral("Table announces %1 columns, more than its bytes hold")
                               .arg(columnCount));
    if (columnCount == 0 && rowCount != 0)
        throwProtocolError(QStringLiteral("Table has rows but no columns"));
    const int rows = int(rowCount);

    QList<ColumnDef> columns;
    columns.reserve(columnCount);
    for (quint32 i = 0; i < columnCount; ++i) {
        ColumnDef def;
        const quint8 type = in.u8();
        if (!isKnownType(type))
            throwProtocolError(QStringLiteral("Unknown column type %1").arg(type));
        def.type = FieldType(type);
        def.name = utf8ToString(in.lengthPrefixed(), "a column name");
        def.size = in.i32();
        columns.append(std::move(def));
    }

    ClientTable table;
    ClientTable::Storage& storage = table.storage();
    storage.data.reserve(columnCount);
    for (const ColumnDef& def : columns) {
        ColumnData column;
        column.type = def.type;
        column.backing = backing;
        const quint8 nullFlag = in.u8();
        if (nullFlag == kNullBitmap) {
            column.nulls = reinterpret_cast<const uchar*>(in.bytes(bitmapBytes(rows)).data());
        } else if (nullFlag != kNoNulls) {
            throwProtocolError(QStringLiteral("Column %1 has an unknown null flag %2")
                                   .arg(def.name)
                                   .arg(nullFlag));
        }
        if (def.type == FieldType::Text) {
            readTextColumn(in, column, rows, def.name);
        } else {
            const qint64 size = qint64(rows) * fixedWidth(def.type);
            column.values = in.bytes(size).data();
            if (def.type == FieldType::Boolean && !booleansValid(column.values, size))
                throwProtocolError(
                    QStringLiteral("Boolean column %1 holds a value other than 0 or 1")
                        .arg(def.name));
        }
        storage.data.append(std::move(column));
    }
    in.expectEnd("table");
    storage.displayFormats = QList<QString>(columns.size());
    storage.columns = std::move(columns);
    storage.rows = rows;
    storage.open = true;
    return table;
}

/// True when the array owns its bytes (not QByteArray::fromRawData), so sharing it is safe.
bool ownsItsBytes(const QByteArray& bytes) {
    return const_cast<QByteArray&>(bytes).data_ptr().isMutable();  // data_ptr() does not detach
}

}  // namespace

QByteArray encodeTable(const ClientTable& table) {
    QByteArray out;
    appendTable(out, table);
    return out;
}

void appendTable(QByteArray& out, const ClientTable& table) {
    const ClientTable::Storage& storage = table.storage();
    const int rows = storage.rows;
    qsizetype size = 8;
    QList<QByteArray> names;
    names.reserve(storage.columns.size());
    for (const ColumnDef& def : storage.columns) {
        names.append(def.name.toUtf8());
        size += kMinColumnHeaderBytes + names.last().size();
    }
    for (const ColumnData& column : storage.data) {
        size += 1 + (column.nulls ? bitmapBytes(rows) : 0) + column.valueBytes(rows) +
                (column.type == FieldType::Text ? 4 * (qsizetype(rows) + 1) : 0);
    }

    reserveLargeBuffer(out, size);
    ByteWriter w(out);
    w.u32(quint32(rows));
    w.u32(quint32(storage.columns.size()));
    for (int i = 0; i < storage.columns.size(); ++i) {
        w.u8(quint8(storage.columns.at(i).type));
        w.lengthPrefixed(names.at(i));
        w.i32(storage.columns.at(i).size);
    }
    for (const ColumnData& column : storage.data) {
        if (column.nulls) {
            w.u8(kNullBitmap);
            w.bytes(QByteArrayView(reinterpret_cast<const char*>(column.nulls), bitmapBytes(rows)));
        } else {
            w.u8(kNoNulls);
        }
        if (column.type == FieldType::Text)
            w.bytes(QByteArrayView(column.offsets, 4 * (qsizetype(rows) + 1)));
        w.bytes(QByteArrayView(column.values, column.valueBytes(rows)));
    }
}

ClientTable decodeTable(QByteArrayView blob) {
    QByteArray copy;
    reserveLargeBuffer(copy, blob.size());
    copy.append(blob);
    return decodeShared(copy, copy);
}

ClientTable decodeTable(const QByteArray& blob) {
    if (!ownsItsBytes(blob))
        return decodeTable(QByteArrayView(blob));
    return decodeShared(blob, blob);
}

ClientTable decodeTable(const QByteArray& payload, qsizetype offset, qsizetype length) {
    Q_ASSERT(offset >= 0 && length >= 0 && offset + length <= payload.size());
    if (!ownsItsBytes(payload))
        return decodeTable(QByteArrayView(payload).sliced(offset, length));
    return decodeShared(payload, QByteArrayView(payload).sliced(offset, length));
}

}  // namespace wire
