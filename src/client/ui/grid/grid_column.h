#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <Qt>
#include <functional>

class QPainter;
class QStyleOptionViewItem;

namespace ui {

/// Whether a column is shown, and whether the user may change that.
enum class ColumnVisibility {
    Shown,
    Hidden,        ///< hidden at start; the column chooser offers it
    HiddenLocked,  ///< hidden and never offered to the user
};

/// How a cell is drawn.
enum class CellKind {
    Text,
    WrappedText,  ///< several lines, vertically centred
    StockState,   ///< the stock-state icon of the value 0-5, optionally with its description
    Picture,      ///< a picture icon for 1, nothing otherwise
    Flag,         ///< a green flag icon for 1, nothing otherwise
    CheckBox,     ///< ticked for 1, empty otherwise; never editable
    Custom,       ///< drawn by the grid's owner, see GridColumn::paint
};

/// Paints one cell of a custom-drawn column. `sourceRow` is the table row; the painter is already
/// clipped to the cell, and the option carries the cell rectangle and whether it is selected.
using CellPainter =
    std::function<void(QPainter* painter, const QStyleOptionViewItem& option, int sourceRow)>;

/// One column of a grid's column table.
struct GridColumn {
    QString field;    ///< table field it shows; may be absent from the table (an empty column)
    QString caption;  ///< header text; empty shows the field name
    int weight = 1;   ///< share of the grid width (SutunlariYay)
    ColumnVisibility visibility = ColumnVisibility::Shown;
    CellKind kind = CellKind::Text;
    Qt::Alignment alignment = {};  ///< {} chooses by type: numbers right, everything else left
    Qt::Alignment headerAlignment = {};  ///< {} uses the grid's (centred or left)
    bool captionSuppressed = false;      ///< the header shows nothing at all
    bool showStateDescription = false;   ///< StockState: the description after the icon
    QStringList stateDescriptions;       ///< StockState: overrides of the six descriptions
    CellPainter paint;                   ///< Custom: the owner's painter

    QString headerText() const {
        if (captionSuppressed)
            return {};
        return caption.isEmpty() ? field : caption;
    }
    bool offeredToUser() const { return visibility != ColumnVisibility::HiddenLocked; }
};

using GridColumns = QList<GridColumn>;

}  // namespace ui
