#pragma once

#include <QElapsedTimer>
#include <QWidget>

#include "client/ui/grid/grid_appearance.h"
#include "client/ui/grid/grid_column.h"
#include "client/ui/grid/grid_model.h"

class QTableView;

namespace wire {
class ClientTable;
}

namespace ui {

class CellDelegate;
class GridFooter;
class GridHeader;
class RowIndicator;

/// The data grid every list of the program uses: a column table over a ClientTable with row
/// selection, colours, header filter buttons, incremental search, a column chooser, a footer
/// with summaries and grouping. Cells are read-only.
class DataGrid : public QWidget {
    Q_OBJECT

public:
    explicit DataGrid(GridColumns columns, QWidget* parent = nullptr);
    ~DataGrid() override;

    /// Replaces the column table (a grid made before its owner knew its columns). Shown, hidden
    /// and offered states start as the new table says; sort, filters and grouping are dropped.
    void setColumns(GridColumns columns);

    GridModel* model() const { return model_; }
    QTableView* view() const { return view_; }

    void setAppearance(const GridAppearance& appearance);
    const GridAppearance& appearance() const { return appearance_; }

    // --- features
    void setSortingAllowed(bool on) { sortingAllowed_ = on; }
    void setFilterButtons(bool on);
    void setIncrementalSearch(bool on) { incrementalSearch_ = on; }
    bool incrementalSearch() const { return incrementalSearch_; }
    void setColumnChooser(bool on) { columnChooser_ = on; }
    void setFooterVisible(bool on);
    bool isFooterVisible() const;

    // --- binding
    /// Shows `table` (not owned; it must outlive the binding). Sort, filters and column layout
    /// stay.
    void attach(const wire::ClientTable* table);
    /// Lets go of the table before a load replaces it: nothing is painted until attach().
    void detach();
    bool isAttached() const { return attached_; }
    /// Repaints after local edits of bound cells and recomputes the summaries.
    void refresh();
    /// Removes every filter the user set.
    void clearFilters();

    // --- columns
    int columnOf(QStringView field) const { return model_->columnOf(field); }
    bool isColumnShown(QStringView field) const;
    void setColumnShown(QStringView field, bool shown);
    /// Whether the column chooser offers the column (hidden* columns start unoffered).
    void setColumnOffered(QStringView field, bool offered);
    bool isColumnOffered(QStringView field) const;
    QList<int> chooserColumns() const;  ///< the columns the chooser offers, in column-table order
    QList<int> visibleColumns() const;  ///< shown columns in display order
    int columnWidth(QStringView field) const;
    void setColumnWidth(QStringView field, int width);
    void setRowHeight(int height);

    void setFooterSummaries(QList<FooterSummary> summaries) {
        model_->setSummaries(std::move(summaries));
    }
    void setGroupColumn(QStringView field);  ///< empty ungroups; the grouping column is hidden
    void setAllGroupsExpanded(bool expanded) { model_->setAllGroupsExpanded(expanded); }

    // --- rows
    int currentSourceRow() const;  ///< the focused table row, -1 when none
    void setCurrentSourceRow(int sourceRow);
    /// Types `text` into the incremental search of the focused column (as keys typed in the grid
    /// do).
    bool searchIncrementally(const QString& text);
    /// Opens the column chooser at the given global position.
    void showColumnChooser(const QPoint& globalPos);
    /// Opens the filter list of a column under its header button.
    void showFilterList(int column);

Q_SIGNALS:
    void rowActivated(int sourceRow);  ///< double click or Enter on a data row
    void currentRowChanged(int sourceRow);

private:
    class View;
    friend class View;

    void applyAppearance();
    void applyColumnStates();
    void saveLayout();
    void restoreLayout();
    void onHeaderClicked(int column);
    void onRowClicked(const QModelIndex& index);

    GridAppearance appearance_;
    GridModel* model_;
    QTableView* view_;
    GridHeader* header_;
    RowIndicator* indicator_;
    CellDelegate* delegate_;
    GridFooter* footer_;
    QList<bool> offered_;
    bool sortingAllowed_ = true;
    bool incrementalSearch_ = true;
    bool columnChooser_ = true;
    bool attached_ = false;

    // Kept across model resets, which would otherwise drop them from the header.
    QList<int> savedWidths_;
    QList<bool> savedHidden_;
    QList<int> savedVisualOrder_;
    int savedCurrentSource_ = -1;

    QString searchText_;
    QElapsedTimer searchClock_;
};

}  // namespace ui
