#pragma once

#include <QStyledItemDelegate>

#include "client/ui/grid/grid_appearance.h"

namespace ui {

class GridModel;

/// Paints every cell of a grid: the row colours, the text kinds, the icons, check boxes, the
/// owner's custom cells, and the group header and footer rows.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(const GridModel* model, const GridAppearance* appearance, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    void paintDataCell(QPainter* painter, const QStyleOptionViewItem& option,
                       const QModelIndex& index) const;
    void paintGroupRow(QPainter* painter, const QStyleOptionViewItem& option,
                       const QModelIndex& index, bool header) const;
    void paintGridLines(QPainter* painter, const QRect& rect) const;

    const GridModel* model_;
    const GridAppearance* appearance_;
};

}  // namespace ui
