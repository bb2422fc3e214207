#include "client/server/row_reader.h"

RowReader::RowReader(std::shared_ptr<const wire::ClientTable> rows)
    : rows_(rows ? std::move(rows) : std::make_shared<const wire::ClientTable>()) {}

bool RowReader::next() {
    if (row_ >= rows_->rowCount())
        return false;
    return ++row_ < rows_->rowCount();
}
