#include "server/handlers/table_builder.h"

namespace server {

TableBuilder::TableBuilder(const QList<wire::ColumnDef>& columns)
    : table_(std::make_shared<wire::ClientTable>()) {
    table_->defineColumns(columns);
}

}  // namespace server
