#include "client/server/row_reader.h"

#include "wire/error.h"

RowReader::RowReader(std::shared_ptr<const wire::ClientTable> rows)
    : rows_(rows ? std::move(rows) : std::make_shared<const wire::ClientTable>()) {}

bool RowReader::next() {
    if (row_ >= rows_->rowCount())
        return false;
    return ++row_ < rows_->rowCount();
}

int RowReader::checked(int col) const {
    if (row_ < 0 || row_ >= rows_->rowCount()) {
        throw wire::Error(QString::fromLatin1(wire::kDatabaseErrorClass),
                          QStringLiteral("The row reader has no current row"));
    }
    if (col < 0 || col >= rows_->columnCount()) {
        throw wire::Error(QString::fromLatin1(wire::kDatabaseErrorClass),
                          QStringLiteral("Field index %1 out of range: the reader has %2 columns")
                              .arg(col)
                              .arg(rows_->columnCount()));
    }
    return col;
}
