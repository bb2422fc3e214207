#pragma once

#include <QString>
#include <QVariant>
#include <memory>

#include "wire/client_table.h"

/// A table result read forward once: the columns, then one row after the other. It holds the
/// whole answer, so it stays readable while further calls run on the same connection.
class RowReader {
public:
    /// `rows` may be null: a reader without columns and rows.
    explicit RowReader(std::shared_ptr<const wire::ClientTable> rows);

    int columnCount() const { return rows_->columnCount(); }
    const wire::ColumnDef& column(int col) const { return rows_->column(col); }

    /// Moves to the next row; false once every row has been read.
    bool next();

    // Values of the current row by column position (after a next() that returned true). The
    // server decides the columns: a position it did not send, or reading without a current row,
    // throws wire::Error (EDatabaseError) instead of reading outside the table.
    bool isNull(int col) const { return rows_->isNull(row_, checked(col)); }
    qint32 integer(int col) const { return rows_->integerAt(row_, checked(col)); }
    double real(int col) const { return rows_->numberAt(row_, checked(col)); }
    bool boolean(int col) const { return rows_->booleanAt(row_, checked(col)); }
    QString text(int col) const { return rows_->textAt(row_, checked(col)); }
    QVariant value(int col) const { return rows_->valueAt(row_, checked(col)); }

    /// Every row of the answer, for copying into a client table.
    const wire::ClientTable& rows() const { return *rows_; }

private:
    int checked(int col) const;

    std::shared_ptr<const wire::ClientTable> rows_;
    int row_ = -1;
};
