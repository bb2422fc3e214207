#pragma once

#include <QList>
#include <QVariantList>
#include <memory>

#include "wire/client_table.h"
#include "wire/value.h"

namespace server {

/// Builds one table result row by row; the column list is fixed per result so that every load
/// into the same client table brings the same columns in the same order.
class TableBuilder {
public:
    explicit TableBuilder(const QList<wire::ColumnDef>& columns);

    void reserve(int rows) { table_->reserveRows(rows); }
    void add(const QVariantList& row) { table_->appendRow(row); }
    int rowCount() const { return table_->rowCount(); }
    /// The table itself, for a wire::TableAppender.
    wire::ClientTable& table() { return *table_; }

    wire::Value packet() { return wire::Value::table(wire::Kind::TablePacket, table_); }
    wire::Value reader() { return wire::Value::table(wire::Kind::RowReader, table_); }

private:
    std::shared_ptr<wire::ClientTable> table_;
};

/// Shorthands for column lists.
inline wire::ColumnDef textColumn(const char* name, int size) {
    return {QString::fromUtf8(name), wire::FieldType::Text, size};
}
inline wire::ColumnDef intColumn(const char* name) {
    return {QString::fromUtf8(name), wire::FieldType::Integer, 0};
}
inline wire::ColumnDef realColumn(const char* name) {
    return {QString::fromUtf8(name), wire::FieldType::Real, 0};
}
inline wire::ColumnDef dateColumn(const char* name) {
    return {QString::fromUtf8(name), wire::FieldType::Date, 0};
}

}  // namespace server
