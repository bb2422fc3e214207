#pragma once

#include <QByteArrayView>
#include <QStringView>
#include <QtGlobal>

#include "wire/client_table.h"

namespace wire {

/// Fills a client table row by row with typed cells in column order, written straight into the
/// column storage: no QVariant and no QString per value. A cell whose kind differs from its
/// column's type is converted the way ClientTable::appendRow converts it.
///
///     TableAppender out(table);
///     out.integer(7).text("FREN BALATASI").real(12.5);
///     out.endRow();
///
/// A row left unfinished when the appender goes away is dropped; the table keeps the rows ended.
class TableAppender {
public:
    explicit TableAppender(ClientTable& table);
    ~TableAppender();
    TableAppender(const TableAppender&) = delete;
    TableAppender& operator=(const TableAppender&) = delete;

    TableAppender& integer(qint64 value);
    TableAppender& real(double value);
    TableAppender& text(QByteArrayView utf8);
    TableAppender& text(QStringView value);
    TableAppender& null();

    /// Ends the current row; columns not given a cell are null.
    void endRow();
    /// Cells given to the current row so far.
    int cellsInRow() const { return cell_; }

private:
    ClientTable::Storage& next();

    ClientTable::Storage& table_;
    int cell_ = 0;
};

}  // namespace wire
