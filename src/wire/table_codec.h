#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include "wire/client_table.h"

namespace wire {

/// The binary columnar table form (docs/protocol.md): column names and types once, then each
/// column's values; text as UTF-8 with offsets, nulls as a bitmap.
QByteArray encodeTable(const ClientTable& table);
/// Appends the table blob to `out` (what encodeTable returns, without the extra copy).
void appendTable(QByteArray& out, const ClientTable& table);

/// Decodes a table blob. Every length and offset is checked against the blob; malformed input
/// (short data, offsets out of order, invalid UTF-8, unknown types) throws wire::Error
/// (EProtocolError) and never reads outside the blob.
ClientTable decodeTable(QByteArrayView blob);
/// The same, but the table keeps sharing `blob` (implicit sharing) instead of copying it; a
/// column is copied only when it is edited locally.
ClientTable decodeTable(const QByteArray& blob);
/// Decodes the table blob at [offset, offset + length) of `payload`, sharing `payload`.
ClientTable decodeTable(const QByteArray& payload, qsizetype offset, qsizetype length);

}  // namespace wire
