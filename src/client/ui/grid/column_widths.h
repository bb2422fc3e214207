#pragma once

namespace ui {

class DataGrid;

/// Shares the grid's width among its visible columns by weight, within one display update:
/// U = (grid width - 30) / (sum of the visible weights), truncated; each column gets weight × U.
/// Returns U (0 when no visible column has a weight).
int SutunlariYay(DataGrid& grid);

/// Fits every visible column to its header and content. Large tables are sampled rather than
/// measured row by row, so this stays quick on 100,000 rows.
void fitColumnsToContent(DataGrid& grid);

}  // namespace ui
