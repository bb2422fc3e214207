#include "wire/client_table_appender.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "wire/client_table_storage.h"

namespace wire {

namespace {

// QByteArray::append goes through the general insert and resize; a cell is a few bytes, so grow
// geometrically, copy straight in and move the end (with its terminating zero) by hand.
void appendBytes(QByteArray& to, const char* bytes, qsizetype count) {
    if (count <= 0)
        return;
    const qsizetype at = to.size();
    if (!to.isDetached() || to.data_ptr().freeSpaceAtEnd() < count)
        to.reserve(std::max(2 * to.capacity(), at + count + 256));  // also unshares
    QByteArray::DataPointer& d = to.data_ptr();
    std::memcpy(d.data() + at, bytes, size_t(count));
    d.size = at + count;
    d.data()[d.size] = '\0';
}

// A column without nulls has no bitmap; only one with nulls needs this row's bit cleared.
void markNotNull(ColumnData& column, int row) {
    if (!column.ownNulls.isEmpty())
        setNullBit(column, row, row + 1, false);
}

template <class T>
void appendFixed(ColumnData& column, int row, T value) {
    markNotNull(column, row);
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    appendBytes(column.ownValues, bytes, qsizetype(sizeof(T)));
}

void appendDouble(ColumnData& column, int row, double value) {
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    appendFixed(column, row, bits);
}

void appendUtf8(ColumnData& column, int row, QByteArrayView utf8) {
    markNotNull(column, row);
    appendBytes(column.ownValues, utf8.data(), utf8.size());
    char end[4];
    qToLittleEndian(quint32(column.ownValues.size()), end);
    appendBytes(column.ownOffsets, end, 4);
}

/// Takes a column of `rows` rows plus cells of an unfinished row back to `rows` rows.
void dropUnfinishedCell(ColumnData& column, int rows) {
    if (column.type == FieldType::Text) {
        column.ownOffsets.truncate(4 * (qsizetype(rows) + 1));
        column.ownValues.truncate(qsizetype(column.offset(rows)));
    } else {
        column.ownValues.truncate(qsizetype(rows) * fixedWidth(column.type));
    }
    if (!column.ownNulls.isEmpty()) {
        setNullBit(column, rows, rows + 1, false);
        column.ownNulls.truncate((qsizetype(rows) + 7) / 8);
    }
    column.pointAtOwn();
}

}  // namespace

TableAppender::TableAppender(ClientTable& table) : table_(table.storage()) {
    for (ColumnData& column : table_.data) {
        column.makeOwned(table_.rows);
        column.pointAtOwn();
    }
}

TableAppender::~TableAppender() {
    for (int col = 0; col < cell_; ++col)
        dropUnfinishedCell(table_.data[col], table_.rows);
}

ClientTable::Storage& TableAppender::next() {
    if (cell_ >= table_.data.size())
        throw std::logic_error("TableAppender: more cells than the table has columns");
    return table_;
}

TableAppender& TableAppender::integer(qint64 value) {
    ColumnData& column = next().data[cell_];
    const int row = table_.rows;
    switch (column.type) {
        case FieldType::Integer:
            appendFixed(column, row, qint32(value));
            break;
        case FieldType::LongInteger:
            appendFixed(column, row, value);
            break;
        case FieldType::Real:
        case FieldType::Date:
            appendDouble(column, row, double(value));
            break;
        case FieldType::Boolean:
            appendFixed(column, row, quint8(value != 0 ? 1 : 0));
            break;
        case FieldType::Text:
            appendCell(column, row, QVariant(value));
            break;
    }
    ++cell_;
    return *this;
}

TableAppender& TableAppender::real(double value) {
    ColumnData& column = next().data[cell_];
    if (column.type == FieldType::Real || column.type == FieldType::Date)
        appendDouble(column, table_.rows, value);
    else
        appendCell(column, table_.rows, QVariant(value));
    ++cell_;
    return *this;
}

TableAppender& TableAppender::text(QByteArrayView utf8) {
    ColumnData& column = next().data[cell_];
    if (column.type == FieldType::Text)
        appendUtf8(column, table_.rows, utf8);
    else
        appendCell(column, table_.rows, QVariant(QString::fromUtf8(utf8)));
    ++cell_;
    return *this;
}

TableAppender& TableAppender::text(QStringView value) {
    ColumnData& column = next().data[cell_];
    if (column.type == FieldType::Text)
        appendUtf8(column, table_.rows, value.toUtf8());
    else
        appendCell(column, table_.rows, QVariant(value.toString()));
    ++cell_;
    return *this;
}

TableAppender& TableAppender::null() {
    appendCell(next().data[cell_], table_.rows, QVariant());
    ++cell_;
    return *this;
}

void TableAppender::endRow() {
    const int row = table_.rows;
    for (int col = 0; col < table_.data.size(); ++col) {
        ColumnData& column = table_.data[col];
        if (col >= cell_)
            appendCell(column, row, QVariant());
        column.pointAtOwn();
    }
    table_.rows = row + 1;
    cell_ = 0;
}

}  // namespace wire
