#pragma once

#include <QList>
#include <QString>

#include "wire/client_table.h"

namespace wire {
class TableAppender;
}

namespace server {

struct DiscountChain;
class RowCursor;

/// The columns of every stock list (search, new items, campaign items).
const QList<wire::ColumnDef>& stockColumns();
/// The select list (over "stock s") that addStockRow reads.
QString stockSelectList();
/// One stock row with the prices for an account's discount chain (see docs/server.md), read from
/// a cursor over stockSelectList().
void addStockRow(wire::TableAppender& out, RowCursor& row, const DiscountChain& chain);

}  // namespace server
