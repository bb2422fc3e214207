#include "table_checks.h"

#include "money.h"
#include "wire/client_table.h"

void FloatBicimle(wire::ClientTable& table) {
    const QString format = kParaDeseni.toString();
    for (int col = 0; col < table.columnCount(); ++col) {
        if (wire::isFloatingPoint(table.column(col).type)) {
            table.setDisplayFormat(col, format);
        }
    }
}

bool VeriVarMi(const wire::ClientTable& table) {
    return table.isOpen() && table.rowCount() > 0;
}

bool SeciliVarMi(const wire::ClientTable& table) {
    if (!VeriVarMi(table)) {
        return false;
    }
    const int sec = table.columnIndex(u"SEC");
    if (sec < 0) {
        return false;
    }
    for (int row = 0; row < table.rowCount(); ++row) {
        if (!table.isNull(row, sec) && table.valueAt(row, sec).toDouble() == 1.0) {
            return true;
        }
    }
    return false;
}
