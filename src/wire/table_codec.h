#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include "wire/client_table.h"

namespace wire {

/// The binary columnar table form (docs/protocol.md): column names and types once, then each
/// column's values; text as UTF-8 with offsets, nulls as a bitmap.
QByteArray encodeTable(const ClientTable& table);

/// Decodes a table blob. Every length and offset is checked against the blob; malformed input
/// (short data, offsets out of order, invalid UTF-8, unknown types) throws wire::Error
/// (EProtocolError) and never reads outside the blob.
ClientTable decodeTable(QByteArrayView blob);

}  // namespace wire
