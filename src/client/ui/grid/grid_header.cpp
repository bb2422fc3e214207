#include "client/ui/grid/grid_header.h"

#include <QAbstractItemView>
#include <QMouseEvent>
#include <QPainter>

#include "client/ui/grid/grid_model.h"

namespace ui {

namespace {
constexpr int kButtonWidth = 16;
}

GridHeader::GridHeader(const GridModel* model, const GridAppearance* appearance, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), model_(model), appearance_(appearance) {
    setSectionsClickable(true);
    setHighlightSections(false);
    setSortIndicatorShown(false);
}

void GridHeader::setFilterButtons(bool on) {
    filterButtons_ = on;
    viewport()->update();
}

QRect GridHeader::buttonIn(const QRect& section, int logicalIndex) const {
    if (!filterButtons_ || model_->tableColumn(logicalIndex) < 0 ||
        section.width() < 2 * kButtonWidth)
        return {};
    return QRect(section.right() - kButtonWidth, section.top(), kButtonWidth, section.height());
}

QRect GridHeader::filterButtonRect(int logicalIndex) const {
    const QRect section(sectionViewportPosition(logicalIndex), 0, sectionSize(logicalIndex),
                        height());
    return buttonIn(section, logicalIndex);
}

void GridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    painter->save();
    painter->fillRect(rect, appearance_->header);
    painter->setPen(appearance_->header.darker(125));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());

    const QRect button = buttonIn(rect, logicalIndex);
    QRect textArea = rect.adjusted(4, 0, -4, 0);
    const bool sorted = isSortIndicatorShown() && sortIndicatorSection() == logicalIndex;
    if (!button.isEmpty())
        textArea.setRight(button.left() - 2);
    if (sorted)
        textArea.setRight(textArea.right() - 12);

    painter->setFont(appearance_->headerFont);
    painter->setPen(appearance_->headerText);
    const QString text =
        model_->headerData(logicalIndex, Qt::Horizontal, Qt::DisplayRole).toString();
    Qt::Alignment alignment = model_->column(logicalIndex).headerAlignment;
    if (!alignment)
        alignment = appearance_->headerCentred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter;
    else if (!(alignment & Qt::AlignVertical_Mask))
        alignment |= Qt::AlignVCenter;
    painter->drawText(
        textArea, int(alignment) | Qt::TextWordWrap,
        painter->fontMetrics().elidedText(text, Qt::ElideRight, textArea.width() * 2));

    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    if (sorted) {
        const QPoint c(textArea.right() + 7, rect.center().y());
        QPolygon arrow;
        if (sortIndicatorOrder() == Qt::AscendingOrder)
            arrow << c + QPoint(-4, 2) << c + QPoint(4, 2) << c + QPoint(0, -3);
        else
            arrow << c + QPoint(-4, -2) << c + QPoint(4, -2) << c + QPoint(0, 3);
        painter->setBrush(appearance_->headerText);
        painter->drawPolygon(arrow);
    }
    if (!button.isEmpty()) {
        const bool filtered = !model_->columnFilter(logicalIndex).isEmpty();
        const QPoint c = button.center();
        QPolygon funnel;
        funnel << c + QPoint(-5, -4) << c + QPoint(5, -4) << c + QPoint(1, 1) << c + QPoint(1, 5)
               << c + QPoint(-1, 5) << c + QPoint(-1, 1);
        painter->setBrush(filtered ? QColor(255, 214, 0) : appearance_->headerText.darker(115));
        painter->drawPolygon(funnel);
    }
    painter->restore();
}

void GridHeader::mousePressEvent(QMouseEvent* event) {
    const int logical = logicalIndexAt(event->position().toPoint());
    pressedOnButton_ =
        logical >= 0 && filterButtonRect(logical).contains(event->position().toPoint());
    if (pressedOnButton_) {
        Q_EMIT filterButtonClicked(logical);
        return;
    }
    QHeaderView::mousePressEvent(event);
}

void GridHeader::mouseReleaseEvent(QMouseEvent* event) {
    if (pressedOnButton_) {
        pressedOnButton_ = false;
        return;
    }
    QHeaderView::mouseReleaseEvent(event);
}

RowIndicator::RowIndicator(const GridAppearance* appearance, QWidget* parent)
    : QHeaderView(Qt::Vertical, parent), appearance_(appearance) {
    setSectionResizeMode(QHeaderView::Fixed);
    setSectionsClickable(false);
}

QSize RowIndicator::sizeHint() const {
    return QSize(12, QHeaderView::sizeHint().height());
}

void RowIndicator::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    painter->fillRect(rect, appearance_->indicator);
    const auto* view = qobject_cast<const QAbstractItemView*>(parentWidget());
    if (view && view->currentIndex().row() == logicalIndex) {
        const QPoint c = rect.center();
        QPolygon marker;
        marker << c + QPoint(-2, -4) << c + QPoint(3, 0) << c + QPoint(-2, 4);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(Qt::white);
        painter->drawPolygon(marker);
        painter->restore();
    }
}

}  // namespace ui
