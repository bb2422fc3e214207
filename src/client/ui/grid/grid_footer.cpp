#include "client/ui/grid/grid_footer.h"

#include <QHeaderView>
#include <QPainter>
#include <QTableView>

#include "client/ui/grid/grid_model.h"

namespace ui {

GridFooter::GridFooter(const GridModel* model, const QTableView* view,
                       const GridAppearance* appearance, QWidget* parent)
    : QWidget(parent), model_(model), view_(view), appearance_(appearance) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize GridFooter::sizeHint() const {
    return QSize(100, std::max(28, QFontMetrics(appearance_->headerFont).height() + 12));
}

void GridFooter::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), appearance_->footer);
    painter.setPen(appearance_->gridLine);
    painter.drawLine(rect().topLeft(), rect().topRight());

    QFont font = appearance_->font;
    font.setBold(true);
    painter.setFont(font);
    const QHeaderView* header = view_->horizontalHeader();
    const int origin =
        view_->frameWidth() +
        (view_->verticalHeader()->isVisible() ? view_->verticalHeader()->width() : 0);
    painter.setClipRect(QRect(origin, 0, view_->viewport()->width(), height()));
    for (int column = 0; column < model_->columnCount(); ++column) {
        if (header->isSectionHidden(column))
            continue;
        const QString text = model_->footerText(column);
        if (text.isEmpty())
            continue;
        const QRect cell(origin + header->sectionViewportPosition(column), 0,
                         header->sectionSize(column), height());
        painter.setPen(appearance_->text);
        painter.drawText(cell.adjusted(5, 0, -5, 0), Qt::AlignRight | Qt::AlignVCenter, text);
        painter.setPen(appearance_->gridLine);
        painter.drawLine(cell.topRight(), cell.bottomRight());
    }
}

}  // namespace ui
