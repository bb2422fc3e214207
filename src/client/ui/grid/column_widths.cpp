#include "client/ui/grid/column_widths.h"

#include <QFontMetrics>
#include <QTableView>

#include "client/ui/grid/data_grid.h"

namespace ui {

namespace {

constexpr int kMeasuredRowsAtTop = 200;
constexpr int kSpreadSamples = 300;
constexpr int kCellPadding = 14;
constexpr int kFilterButtonRoom = 18;
constexpr int kIconColumnWidth = 36;
constexpr int kWrappedTextCap = 320;

}  // namespace

int SutunlariYay(DataGrid& grid) {
    const QList<int> columns = grid.visibleColumns();
    int weights = 0;
    for (int c : columns)
        weights += grid.model()->column(c).weight;
    if (weights <= 0)
        return 0;
    const int unit = (grid.width() - 30) / weights;
    grid.setUpdatesEnabled(false);
    for (int c : columns)
        grid.view()->setColumnWidth(c, grid.model()->column(c).weight * unit);
    grid.setUpdatesEnabled(true);
    return unit;
}

void fitColumnsToContent(DataGrid& grid) {
    const GridModel& model = *grid.model();
    const QFontMetrics text(grid.appearance().font);
    const QFontMetrics header(grid.appearance().headerFont);
    const int rows = model.dataRowCount();

    // The top rows (what the user sees first) and an even spread over the rest.
    QList<int> samples;
    for (int i = 0; i < std::min(rows, kMeasuredRowsAtTop); ++i)
        samples << model.orderedSourceRow(i);
    if (rows > kMeasuredRowsAtTop) {
        const int step = std::max(1, (rows - kMeasuredRowsAtTop) / kSpreadSamples);
        for (int i = kMeasuredRowsAtTop; i < rows; i += step)
            samples << model.orderedSourceRow(i);
    }

    grid.setUpdatesEnabled(false);
    for (int c : grid.visibleColumns()) {
        const GridColumn& column = model.column(c);
        int width =
            header.horizontalAdvance(column.headerText()) + kCellPadding + kFilterButtonRoom;
        switch (column.kind) {
            case CellKind::Picture:
            case CellKind::Flag:
            case CellKind::CheckBox:
            case CellKind::Custom:
                width = std::max(width, kIconColumnWidth);
                break;
            case CellKind::StockState:
                if (!column.showStateDescription) {
                    width = std::max(width, kIconColumnWidth);
                    break;
                }
                [[fallthrough]];
            case CellKind::Text:
            case CellKind::WrappedText: {
                const int extra = column.kind == CellKind::StockState ? kIconColumnWidth : 0;
                for (int source : samples) {
                    const int w =
                        text.horizontalAdvance(model.displayText(source, c)) + kCellPadding;
                    width = std::max(width, w + extra);
                }
                if (column.kind == CellKind::WrappedText)
                    width = std::min(width, kWrappedTextCap);
                break;
            }
        }
        grid.view()->setColumnWidth(c, width);
    }
    grid.setUpdatesEnabled(true);
}

}  // namespace ui
