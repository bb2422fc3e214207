#pragma once

namespace wire {
class ClientTable;
}

/// Gives every floating-point column of the table the money display format (kParaDeseni).
/// Call it on the main thread when a view shows the table.
void FloatBicimle(wire::ClientTable& table);
/// True when the table is open and has at least one row.
bool VeriVarMi(const wire::ClientTable& table);
/// True when some row's "SEC" equals 1 (a line marked for sending); false for a table without
/// data or without that column.
bool SeciliVarMi(const wire::ClientTable& table);
