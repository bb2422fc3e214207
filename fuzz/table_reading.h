#pragma once

#include "wire/client_table.h"

namespace wire::fuzzing {

/// Reads every cell of a table the way the screens do, so a decoder that let bad bounds through
/// shows up as an out-of-bounds read under AddressSanitizer.
inline qsizetype touchEveryCell(const ClientTable& table) {
    qsizetype sum = 0;
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int col = 0; col < table.columnCount(); ++col) {
            sum += table.isNull(row, col);
            sum += table.textAt(row, col).size();
            if (table.column(col).type == FieldType::Text) sum += table.utf8At(row, col).size();
        }
    }
    return sum;
}

}  // namespace wire::fuzzing
