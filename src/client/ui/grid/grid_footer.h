#pragma once

#include <QWidget>

#include "client/ui/grid/grid_appearance.h"

class QTableView;

namespace ui {

class GridModel;

/// The footer row under a grid: each summary under its column, following the columns' positions
/// as they are resized, moved and scrolled.
class GridFooter : public QWidget {
public:
    GridFooter(const GridModel* model, const QTableView* view, const GridAppearance* appearance,
               QWidget* parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const GridModel* model_;
    const QTableView* view_;
    const GridAppearance* appearance_;
};

}  // namespace ui
