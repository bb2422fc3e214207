#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace ui {

class DataGrid;

/// Asks where to save (the save dialog, filter "Excel|*.xls*") and writes the whole grid there:
/// every row that passes the grid's filter (not only the selected one), groups expanded, the
/// visible columns in their order, cells in their own types. A name without extension gets
/// ".xlsx". Cancelling does nothing. Returns true when a workbook was written; a failed write is
/// reported to the user.
bool GridExceleAktar(DataGrid& grid, QWidget* sahip = nullptr);

/// Writes the grid to `path` as an .xlsx workbook. Returns false when the file cannot be written.
bool writeGridWorkbook(const DataGrid& grid, const QString& path);

/// The file name a workbook is written to for what the user typed (adds ".xlsx" when the name has
/// no extension, and makes ".xls" ".xlsx", since the content is an .xlsx workbook).
QString workbookFileName(const QString& chosen);

/// The save dialog: returns the chosen file name, or an empty text when the user cancels.
/// Tests replace it (see ScriptedSaveDialog) so that no test waits on a modal dialog.
using KayitYeriSorucu = std::function<QString(QWidget* sahip, const QString& filter)>;
KayitYeriSorucu kayitYeriSorucusuKur(KayitYeriSorucu sorucu);  ///< returns the previous one

}  // namespace ui
