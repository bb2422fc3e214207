#pragma once

#include <QByteArray>
#include <memory>

#include "wire/client_table.h"

class QIODevice;
class RowReader;

/// Copies a row reader's rows into `table`: the column rule ("Additional columns must be added
/// after the prescribed columns."), further columns added, all rows replaced.
void loadTable(wire::ClientTable& table, const RowReader& reader);

/// Assigns a table packet to `table` as its complete data (columns and rows); a null packet
/// leaves an empty table without columns.
void loadTable(wire::ClientTable& table, const std::shared_ptr<const wire::ClientTable>& packet);

/// The stream receipt rule: reads `stream` from its start in blocks of 1024 bytes while a read
/// fills the whole block, and keeps the bytes only when their count equals the announced size.
/// An announced size of 0, a null stream or a length that differs gives no content (empty).
QByteArray receiveStream(QIODevice* stream, qint64 announcedSize);
