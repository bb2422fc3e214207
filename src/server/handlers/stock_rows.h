#pragma once

#include <QList>
#include <QString>

#include "wire/client_table.h"

class QSqlQuery;

namespace server {

struct DiscountChain;
class TableBuilder;

/// The columns of every stock list (search, new items, campaign items).
const QList<wire::ColumnDef>& stockColumns();
/// The select list (over "stock s") that addStockRow reads.
QString stockSelectList();
/// One stock row with the prices for an account's discount chain (see docs/server.md).
void addStockRow(TableBuilder& table, const QSqlQuery& row, const DiscountChain& chain);

}  // namespace server
