#pragma once

#include <QHeaderView>

#include "client/ui/grid/grid_appearance.h"

namespace ui {

class GridModel;

/// The column headers of a grid: coloured captions, the sort arrow and, when enabled, a filter
/// button at the right of every bound column (highlighted while the column is filtered).
class GridHeader : public QHeaderView {
    Q_OBJECT

public:
    GridHeader(const GridModel* model, const GridAppearance* appearance, QWidget* parent);

    void setFilterButtons(bool on);
    bool filterButtons() const { return filterButtons_; }
    /// The filter button of a section in viewport coordinates; empty when it has none.
    QRect filterButtonRect(int logicalIndex) const;

Q_SIGNALS:
    void filterButtonClicked(int logicalIndex);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRect buttonIn(const QRect& section, int logicalIndex) const;

    const GridModel* model_;
    const GridAppearance* appearance_;
    bool filterButtons_ = false;
    bool pressedOnButton_ = false;
};

/// The narrow row indicator left of the rows: a dark bar with a marker at the focused row.
class RowIndicator : public QHeaderView {
public:
    RowIndicator(const GridAppearance* appearance, QWidget* parent);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sizeHint() const override;

private:
    const GridAppearance* appearance_;
};

}  // namespace ui
