#include "client/ui/grid/cell_delegate.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QTableView>

#include "client/ui/grid/grid_model.h"
#include "client/ui/stock_state.h"

namespace ui {

namespace {

constexpr int kIconSize = 24;
constexpr int kTextMargin = 5;

Qt::Alignment alignmentOf(const QModelIndex& index) {
    return Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
}

QRect iconRect(const QRect& cell, int size, Qt::Alignment alignment) {
    QRect r(0, 0, size, size);
    r.moveCenter(cell.center());
    if (alignment & Qt::AlignRight)
        r.moveRight(cell.right() - kTextMargin);
    else if ((alignment & Qt::AlignLeft) && !(alignment & Qt::AlignHCenter))
        r.moveLeft(cell.left() + kTextMargin);
    return r;
}

}  // namespace

CellDelegate::CellDelegate(const GridModel* model, const GridAppearance* appearance,
                           QObject* parent)
    : QStyledItemDelegate(parent), model_(model), appearance_(appearance) {}

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    switch (model_->rowKind(index.row())) {
        case GridModel::RowKind::Data:
            paintDataCell(painter, option, index);
            break;
        case GridModel::RowKind::GroupHeader:
            paintGroupRow(painter, option, index, true);
            break;
        case GridModel::RowKind::GroupFooter:
            paintGroupRow(painter, option, index, false);
            break;
    }
}

void CellDelegate::paintGridLines(QPainter* painter, const QRect& rect) const {
    painter->setPen(appearance_->gridLine);
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
}

void CellDelegate::paintDataCell(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    const QRect cell = option.rect;
    painter->fillRect(cell, appearance_->rowBackground(index.row(), selected));

    const GridColumn& column = model_->column(index.column());
    const QColor textColour = selected ? appearance_->selectedText : appearance_->text;
    const QRect textArea = cell.adjusted(kTextMargin, 1, -kTextMargin, -1);
    const QVariant number = index.data(GridModel::CellNumberRole);
    const int iconSize = std::min(kIconSize, cell.height() - 4);

    switch (column.kind) {
        case CellKind::Text:
        case CellKind::WrappedText: {
            const QString text = index.data(Qt::DisplayRole).toString();
            if (text.isEmpty())
                break;
            painter->setPen(textColour);
            const int flags = int(alignmentOf(index));
            if (column.kind == CellKind::WrappedText) {
                painter->drawText(textArea, flags | Qt::TextWordWrap, text);
            } else {
                const QString shown =
                    option.fontMetrics.elidedText(text, Qt::ElideRight, textArea.width());
                painter->drawText(textArea, flags, shown);
            }
            break;
        }
        case CellKind::StockState: {
            if (!number.isValid() || !isStockState(number.toInt()))
                break;
            const QString description = index.data(Qt::DisplayRole).toString();
            const Qt::Alignment alignment =
                description.isEmpty() ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter;
            const QRect icon = iconRect(cell, iconSize, alignment);
            stockStateIcon(number.toInt()).paint(painter, icon);
            if (!description.isEmpty()) {
                painter->setPen(textColour);
                const QRect rest = textArea.adjusted(icon.width() + kTextMargin, 0, 0, 0);
                painter->drawText(
                    rest, Qt::AlignLeft | Qt::AlignVCenter,
                    option.fontMetrics.elidedText(description, Qt::ElideRight, rest.width()));
            }
            break;
        }
        case CellKind::Picture:
        case CellKind::Flag:
            if (number.isValid() && number.toDouble() == 1) {
                const QIcon icon = column.kind == CellKind::Picture ? pictureIcon() : flagIcon();
                icon.paint(painter, iconRect(cell, iconSize, Qt::AlignCenter));
            }
            break;
        case CellKind::CheckBox: {
            QStyleOptionButton box;
            box.state = QStyle::State_Enabled;
            box.state |= index.data(Qt::CheckStateRole).toInt() == Qt::Checked ? QStyle::State_On
                                                                               : QStyle::State_Off;
            const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
            const int size = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, option.widget);
            box.rect = iconRect(cell, size, Qt::AlignCenter);
            style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter, option.widget);
            break;
        }
        case CellKind::Custom:
            if (column.paint) {
                painter->save();
                painter->setClipRect(cell);
                column.paint(painter, option, index.data(GridModel::SourceRowRole).toInt());
                painter->restore();
            }
            break;
    }
    paintGridLines(painter, cell);
}

void CellDelegate::paintGroupRow(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index, bool header) const {
    const QRect cell = option.rect;
    painter->save();
    painter->setClipRect(cell);
    painter->fillRect(cell, header ? appearance_->groupRow : appearance_->footer);
    QFont bold = option.font;
    bold.setBold(true);
    painter->setFont(bold);
    painter->setPen(appearance_->text);
    const QString text = index.data(Qt::DisplayRole).toString();
    if (header) {
        // The title runs across the whole row: every cell draws it from the row's start, clipped
        // to itself, so the row reads the same however the columns are scrolled.
        const auto* view = qobject_cast<const QTableView*>(option.widget);
        const int rowStart = view ? -view->horizontalHeader()->offset() : cell.left();
        const QRect row(rowStart, cell.top(), 4000, cell.height());
        const bool open = index.data(GridModel::GroupExpandedRole).toBool();
        const QPoint c(row.left() + 14, row.center().y());
        QPolygon arrow;
        if (open)
            arrow << c + QPoint(-5, -3) << c + QPoint(5, -3) << c + QPoint(0, 3);
        else
            arrow << c + QPoint(-3, -5) << c + QPoint(3, 0) << c + QPoint(-3, 5);
        painter->setBrush(appearance_->text);
        painter->setRenderHint(QPainter::Antialiasing);
        painter->drawPolygon(arrow);
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->drawText(row.adjusted(28, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    } else if (!text.isEmpty()) {
        painter->drawText(cell.adjusted(kTextMargin, 0, -kTextMargin, 0),
                          Qt::AlignRight | Qt::AlignVCenter, text);
    }
    painter->setPen(appearance_->gridLine);
    painter->drawLine(cell.bottomLeft(), cell.bottomRight());
    if (!header)
        painter->drawLine(cell.topRight(), cell.bottomRight());
    painter->restore();
}

}  // namespace ui
