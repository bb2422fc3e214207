#pragma once

#include <QDateTime>
#include <QTimeZone>
#include <limits>

#include "wire/client_table.h"

namespace wire::testing {

/// A table with one column of every type, edge values and nulls in each column.
inline ClientTable everyTypeTable() {
    ClientTable table;
    table.defineColumns({{"STOKNO", FieldType::Integer, 0},
                         {"BOYUT", FieldType::LongInteger, 0},
                         {"FIYAT", FieldType::Real, 0},
                         {"TARIH", FieldType::Date, 0},
                         {"SEC", FieldType::Boolean, 0},
                         {"STOKADI", FieldType::Text, 40}});
    const QDateTime noon(QDate(2024, 2, 29), QTime(12, 0), QTimeZone::utc());
    table.appendRow({std::numeric_limits<qint32>::min(), std::numeric_limits<qint64>::max(), -0.5,
                     noon, true, QStringLiteral("FREN BALATASI ÖN ışığı")});
    table.appendRow({QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant()});
    table.appendRow({42, qint64(-1), 1234567.891, QDate(1899, 12, 30), false, QString()});
    table.appendRow({std::numeric_limits<qint32>::max(), qint64(0), 0.0, QVariant(), QVariant(),
                     QStringLiteral("😀 ğüşöç")});
    return table;
}

}  // namespace wire::testing
