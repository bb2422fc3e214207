#pragma once

#include <QList>
#include <QString>

#include "wire/client_table.h"

class QSqlQuery;

namespace server {

class TableBuilder;

/// The columns of every list of order lines: an order's detail, all order lines of an account
/// and the outstanding balances.
const QList<wire::ColumnDef>& orderLineColumns();
/// SELECT … FROM order_lines l JOIN orders o JOIN stock s JOIN accounts a …, followed by the
/// caller's WHERE clause.
QString orderLineSelect();
void addOrderLineRow(TableBuilder& table, const QSqlQuery& row);

}  // namespace server
