#include "client/ui/grid/data_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "client/ui/grid/cell_delegate.h"
#include "client/ui/grid/grid_footer.h"
#include "client/ui/grid/grid_header.h"

namespace ui {

/// The table view of a grid: incremental search, group rows that open and close on a click, and
/// Enter or a double click activating a row.
class DataGrid::View : public QTableView {
public:
    explicit View(DataGrid* grid) : QTableView(grid), grid_(grid) {}

    void keyboardSearch(const QString& search) override {
        if (grid_->incrementalSearch_)
            grid_->searchIncrementally(search);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid() &&
            grid_->model_->rowKind(index.row()) == GridModel::RowKind::GroupHeader &&
            event->button() == Qt::LeftButton) {
            const int group = grid_->model_->groupOfRow(index.row());
            grid_->model_->setGroupExpanded(group, !grid_->model_->isGroupExpanded(group));
            return;
        }
        QTableView::mousePressEvent(event);
    }

    void keyPressEvent(QKeyEvent* event) override {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
            grid_->currentSourceRow() >= 0) {
            Q_EMIT grid_->rowActivated(grid_->currentSourceRow());
            return;
        }
        QTableView::keyPressEvent(event);
    }

    void scrollContentsBy(int dx, int dy) override {
        QTableView::scrollContentsBy(dx, dy);
        if (dx != 0)
            grid_->footer_->update();
    }

private:
    DataGrid* grid_;
};

DataGrid::DataGrid(GridColumns columns, QWidget* parent)
    : QWidget(parent), model_(new GridModel(std::move(columns), this)) {
    view_ = new View(this);
    header_ = new GridHeader(model_, &appearance_, view_);
    indicator_ = new RowIndicator(&appearance_, view_);
    view_->setHorizontalHeader(header_);
    view_->setVerticalHeader(indicator_);
    delegate_ = new CellDelegate(model_, &appearance_, view_);
    view_->setItemDelegate(delegate_);
    view_->setModel(model_);
    view_->setShowGrid(false);
    view_->setWordWrap(false);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view_->setFocusPolicy(Qt::StrongFocus);
    header_->setSectionResizeMode(QHeaderView::Interactive);
    header_->setSectionsMovable(true);
    header_->setContextMenuPolicy(Qt::CustomContextMenu);

    footer_ = new GridFooter(model_, view_, &appearance_, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(view_);
    layout->addWidget(footer_);
    footer_->hide();

    applyColumnStates();

    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, &DataGrid::saveLayout);
    connect(model_, &QAbstractItemModel::modelReset, this, &DataGrid::restoreLayout);
    connect(model_, &GridModel::summariesChanged, footer_, qOverload<>(&QWidget::update));
    connect(header_, &QHeaderView::sectionResized, footer_, qOverload<>(&QWidget::update));
    connect(header_, &QHeaderView::sectionMoved, footer_, qOverload<>(&QWidget::update));
    connect(header_, &QHeaderView::sectionClicked, this, &DataGrid::onHeaderClicked);
    connect(header_, &GridHeader::filterButtonClicked, this, &DataGrid::showFilterList);
    connect(header_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (columnChooser_)
            showColumnChooser(header_->mapToGlobal(pos));
    });
    connect(view_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        const int source = model_->sourceRow(index.row());
        if (source >= 0)
            Q_EMIT rowActivated(source);
    });
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                indicator_->viewport()->update();
                Q_EMIT currentRowChanged(current.isValid() ? model_->sourceRow(current.row()) : -1);
            });
    applyAppearance();
}

DataGrid::~DataGrid() = default;

void DataGrid::setColumns(GridColumns columns) {
    model_->setColumns(std::move(columns));
    header_->setSortIndicatorShown(false);
    applyColumnStates();
}

void DataGrid::applyColumnStates() {
    offered_.clear();
    for (int c = 0; c < model_->columnCount(); ++c) {
        const GridColumn& column = model_->column(c);
        offered_ << column.offeredToUser();
        view_->setColumnHidden(c, column.visibility != ColumnVisibility::Shown);
    }
    footer_->update();
}

// --- appearance and features

void DataGrid::setAppearance(const GridAppearance& appearance) {
    appearance_ = appearance;
    applyAppearance();
}

void DataGrid::applyAppearance() {
    view_->setFont(appearance_.font);
    QHeaderView* rows = view_->verticalHeader();
    rows->setMinimumSectionSize(1);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(appearance_.rowHeight);
    rows->setVisible(appearance_.rowIndicator);
    rows->setFixedWidth(12);
    header_->setFixedHeight(appearance_.headerHeight);
    header_->setMinimumSectionSize(0);
    view_->viewport()->update();
    header_->viewport()->update();
    footer_->setFixedHeight(footer_->sizeHint().height());
    footer_->update();
}

void DataGrid::setRowHeight(int height) {
    appearance_.rowHeight = height;
    view_->verticalHeader()->setDefaultSectionSize(height);
}

void DataGrid::setFilterButtons(bool on) {
    header_->setFilterButtons(on);
}

void DataGrid::setFooterVisible(bool on) {
    footer_->setVisible(on);
}

bool DataGrid::isFooterVisible() const {
    return !footer_->isHidden();
}

// --- binding

void DataGrid::attach(const wire::ClientTable* table) {
    model_->setTable(table);
    attached_ = true;
    view_->setUpdatesEnabled(true);
    footer_->setUpdatesEnabled(true);
}

void DataGrid::detach() {
    view_->setUpdatesEnabled(false);
    footer_->setUpdatesEnabled(false);
    attached_ = false;
    model_->setTable(nullptr);
}

void DataGrid::refresh() {
    model_->refreshRows();
}

void DataGrid::clearFilters() {
    model_->clearFilters();
    header_->viewport()->update();
}

// --- layout kept across resets

void DataGrid::saveLayout() {
    savedWidths_.clear();
    savedHidden_.clear();
    savedVisualOrder_.clear();
    for (int c = 0; c < model_->columnCount(); ++c) {
        savedWidths_ << header_->sectionSize(c);
        savedHidden_ << header_->isSectionHidden(c);
        savedVisualOrder_ << header_->visualIndex(c);
    }
    // The focused row is kept through a sort or a filter, not into another table.
    savedCurrentSource_ = model_->table() ? currentSourceRow() : -1;
}

void DataGrid::restoreLayout() {
    if (savedWidths_.size() != model_->columnCount())
        return;
    const bool blocked = header_->blockSignals(true);
    for (int c = 0; c < model_->columnCount(); ++c) {
        header_->resizeSection(c, savedWidths_[c]);
        header_->setSectionHidden(c, savedHidden_[c]);
    }
    for (int visual = 0; visual < model_->columnCount(); ++visual) {
        const int logical = int(savedVisualOrder_.indexOf(visual));
        if (logical >= 0 && header_->visualIndex(logical) != visual)
            header_->moveSection(header_->visualIndex(logical), visual);
    }
    header_->blockSignals(blocked);
    if (savedCurrentSource_ >= 0)
        setCurrentSourceRow(savedCurrentSource_);
    footer_->update();
}

// --- columns

bool DataGrid::isColumnShown(QStringView field) const {
    const int c = columnOf(field);
    return c >= 0 && !view_->isColumnHidden(c);
}

void DataGrid::setColumnShown(QStringView field, bool shown) {
    const int c = columnOf(field);
    if (c >= 0)
        view_->setColumnHidden(c, !shown);
    footer_->update();
}

void DataGrid::setColumnOffered(QStringView field, bool offered) {
    const int c = columnOf(field);
    if (c >= 0)
        offered_[c] = offered;
}

bool DataGrid::isColumnOffered(QStringView field) const {
    const int c = columnOf(field);
    return c >= 0 && offered_[c];
}

QList<int> DataGrid::chooserColumns() const {
    QList<int> columns;
    for (int c = 0; c < offered_.size(); ++c) {
        if (offered_[c] && c != model_->groupColumn())
            columns << c;
    }
    return columns;
}

QList<int> DataGrid::visibleColumns() const {
    QList<int> columns;
    for (int visual = 0; visual < header_->count(); ++visual) {
        const int logical = header_->logicalIndex(visual);
        if (!header_->isSectionHidden(logical))
            columns << logical;
    }
    return columns;
}

int DataGrid::columnWidth(QStringView field) const {
    const int c = columnOf(field);
    return c >= 0 ? view_->columnWidth(c) : 0;
}

void DataGrid::setColumnWidth(QStringView field, int width) {
    const int c = columnOf(field);
    if (c >= 0)
        view_->setColumnWidth(c, width);
}

void DataGrid::setGroupColumn(QStringView field) {
    const int previous = model_->groupColumn();
    const int c = field.isEmpty() ? -1 : columnOf(field);
    model_->setGroupColumn(c);
    if (previous >= 0 && previous != c)
        view_->setColumnHidden(previous, false);
    if (c >= 0)
        view_->setColumnHidden(c, true);
}

// --- rows

int DataGrid::currentSourceRow() const {
    const QModelIndex current = view_->currentIndex();
    return current.isValid() ? model_->sourceRow(current.row()) : -1;
}

void DataGrid::setCurrentSourceRow(int sourceRow) {
    const int row = model_->rowOfSource(sourceRow);
    if (row < 0)
        return;
    const int column = view_->currentIndex().isValid() ? view_->currentIndex().column()
                                                       : visibleColumns().value(0, 0);
    view_->setCurrentIndex(model_->index(row, column));
}

bool DataGrid::searchIncrementally(const QString& text) {
    if (text.isEmpty())
        return false;
    if (!searchClock_.isValid() || searchClock_.elapsed() > QApplication::keyboardInputInterval())
        searchText_.clear();
    searchClock_.start();
    QModelIndex current = view_->currentIndex();
    int column = current.isValid() ? current.column() : visibleColumns().value(0, -1);
    if (column < 0)
        return false;
    const QString wanted = searchText_ + text;
    const int row = model_->findPrefix(column, wanted, current.isValid() ? current.row() : 0);
    if (row < 0)
        return false;  // keep what was found so far
    searchText_ = wanted;
    view_->setCurrentIndex(model_->index(row, column));
    view_->scrollTo(model_->index(row, column));
    return true;
}

void DataGrid::onHeaderClicked(int column) {
    if (!sortingAllowed_ || model_->tableColumn(column) < 0)
        return;
    const Qt::SortOrder order =
        model_->sortColumn() == column && model_->sortOrder() == Qt::AscendingOrder
            ? Qt::DescendingOrder
            : Qt::AscendingOrder;
    model_->sort(column, order);
    header_->setSortIndicatorShown(true);
    header_->setSortIndicator(column, order);
}

void DataGrid::showColumnChooser(const QPoint& globalPos) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("sutunSecici"));
    for (int c : chooserColumns()) {
        QString title = model_->column(c).headerText();
        if (title.isEmpty())
            title = model_->column(c).field;
        QAction* action = menu.addAction(title);
        action->setCheckable(true);
        action->setChecked(!view_->isColumnHidden(c));
        connect(action, &QAction::toggled, this, [this, c](bool shown) {
            view_->setColumnHidden(c, !shown);
            footer_->update();
        });
    }
    menu.exec(globalPos);
}

void DataGrid::showFilterList(int column) {
    auto* list = new QListWidget(this);
    list->setObjectName(QStringLiteral("filtreListesi"));
    list->setWindowFlags(Qt::Popup);
    list->setAttribute(Qt::WA_DeleteOnClose);
    list->setUniformItemSizes(true);
    const QString all = QStringLiteral("(Tümü)");
    const QString empty = QStringLiteral("(Boş)");
    list->addItem(all);
    const QStringList chosen = model_->columnFilter(column);
    for (const QString& value : model_->distinctValues(column)) {
        auto* item = new QListWidgetItem(value.isEmpty() ? empty : value, list);
        item->setData(Qt::UserRole, value);
        if (chosen.contains(value))
            list->setCurrentItem(item);
    }
    connect(list, &QListWidget::itemClicked, this,
            [this, list, column, all](QListWidgetItem* item) {
                const QString value = item->data(Qt::UserRole).toString();
                model_->setColumnFilter(column, item->text() == all && value.isEmpty()
                                                    ? QStringList()
                                                    : QStringList{value});
                header_->viewport()->update();
                list->close();
            });
    const QRect button = header_->filterButtonRect(column);
    const int width = std::max(200, header_->sectionSize(column));
    list->resize(width, std::min(320, 22 * (list->count() + 1)));
    list->move(header_->viewport()->mapToGlobal(QPoint(button.right() - width, button.bottom())));
    list->show();
}

}  // namespace ui
