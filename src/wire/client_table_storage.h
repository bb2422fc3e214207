#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>
#include <QtEndian>
#include <cstring>

#include "wire/client_table.h"

namespace wire {

/// Bytes per value of a fixed-width column type; 0 for text.
int fixedWidth(FieldType type);

/// The values of one column in their wire layout: a null bitmap (bit row % 8 of byte row / 8 set
/// means null), fixed-width little-endian values, or for text rows + 1 u32 offsets into UTF-8
/// bytes. The read views point either into `backing` (the received bytes, shared, never written)
/// or into the column's own arrays, which exist once the column is built or edited locally.
struct ColumnData {
    FieldType type = FieldType::Text;
    const uchar* nulls = nullptr;   ///< nullptr: no null in the column
    const char* values = nullptr;   ///< fixed-width values, or the UTF-8 bytes of a text column
    const char* offsets = nullptr;  ///< text only
    QByteArray backing;             ///< wire bytes the views point into; empty when owned
    QByteArray ownNulls, ownValues, ownOffsets;

    bool isOwned() const { return backing.isNull(); }

    bool isNull(int row) const { return nulls && (nulls[row >> 3] >> (row & 7)) & 1; }
    quint32 offset(int row) const {
        return qFromLittleEndian<quint32>(offsets + 4 * qsizetype(row));
    }
    template <class T>
    T fixedAt(int row) const {
        return qFromLittleEndian<T>(values + sizeof(T) * qsizetype(row));
    }
    double doubleAt(int row) const {
        const quint64 bits = fixedAt<quint64>(row);
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    QByteArrayView utf8(int row) const {
        const quint32 begin = offset(row);
        return QByteArrayView(values + begin, qsizetype(offset(row + 1) - begin));
    }
    /// Byte length of the value area for `rows` rows.
    qsizetype valueBytes(int rows) const {
        return type == FieldType::Text ? qsizetype(offset(rows))
                                       : qsizetype(rows) * fixedWidth(type);
    }

    /// An empty owned column of the type.
    static ColumnData empty(FieldType type);
    /// Copies shared views into own arrays so the column can be changed.
    void makeOwned(int rows);
    /// Points the views at the own arrays again after they changed.
    void pointAtOwn();
};

/// Sets or clears the null bit of `row` in an owned column of `rows` rows.
void setNullBit(ColumnData& column, int row, int rows, bool null);
/// Appends one cell to an owned column holding `row` rows, converted to the column type; an
/// invalid or null QVariant is a null cell.
void appendCell(ColumnData& column, int row, const QVariant& value);

struct ClientTable::Storage {
    QList<ColumnDef> columns;
    QList<ColumnData> data;         ///< one per column
    QList<QString> displayFormats;  ///< one per column
    int rows = 0;
    bool open = false;
};

}  // namespace wire
