#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QSet>
#include <vector>

#include "client/ui/grid/grid_column.h"

namespace wire {
class ClientTable;
}

namespace ui {

/// A footer summary: the row count or the sum of a column, shown under that column in the grid
/// footer and in every group footer.
struct FooterSummary {
    enum Kind { Count, Sum };
    QString field;
    Kind kind = Sum;
};

/// The one model behind every grid: the columns of a column table over the rows of a ClientTable.
///
/// The table stays where it is; the model keeps only a vector of row numbers for the current
/// filter and sort order (none at all while neither is set) and, while grouped, one entry per
/// shown row, group header and group footer. So a sort or a filter of a large table rearranges
/// integers and never copies cells.
class GridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum class RowKind { Data, GroupHeader, GroupFooter };
    enum Role {
        RowKindRole = Qt::UserRole + 1,  ///< RowKind as int
        SourceRowRole,                   ///< table row of a data row, -1 otherwise
        CellNumberRole,     ///< the cell as a number (state codes, flags); invalid when null
        GroupExpandedRole,  ///< group header rows: whether the group is open
    };

    explicit GridModel(GridColumns columns, QObject* parent = nullptr);
    ~GridModel() override;

    // --- binding
    /// Shows `table` (nullptr: shows nothing). The table is not owned; it must outlive the binding
    /// and must not change while bound except through refreshRows(). Filters, sort and grouping
    /// are kept and applied to the new rows.
    void setTable(const wire::ClientTable* table);
    const wire::ClientTable* table() const { return table_; }
    /// Cells of bound rows changed in place (a local edit): repaint and recompute the summaries.
    void refreshRows();

    /// Replaces the column table; sort, filters and grouping are dropped.
    void setColumns(GridColumns columns);
    const GridColumns& columns() const { return columns_; }
    const GridColumn& column(int column) const { return columns_.at(column); }
    int columnOf(QStringView field) const;  ///< -1 when the column table has no such field
    int tableColumn(int column) const;      ///< the bound table column, -1 when unbound

    // --- rows of the view
    RowKind rowKind(int row) const;
    int sourceRow(int row) const;          ///< -1 for group rows
    int rowOfSource(int sourceRow) const;  ///< -1 when filtered out or in a collapsed group
    int dataRowCount() const;              ///< rows passing the filter, shown or collapsed
    /// The i-th of those rows in grid order (groups expanded), as a table row.
    int orderedSourceRow(int i) const { return orderedRow(i); }
    /// Range [first, last) of a group in the orderedSourceRow numbering.
    std::pair<int, int> groupRange(int group) const {
        return {groups_[size_t(group)].begin, groups_[size_t(group)].end};
    }

    QString displayText(int sourceRow, int column) const;

    // --- sorting and filtering
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    int sortColumn() const { return sortColumn_; }
    Qt::SortOrder sortOrder() const { return sortOrder_; }

    /// The distinct display texts of a column in sorted order, for the header filter.
    QStringList distinctValues(int column) const;
    /// Keeps only rows whose cell shows one of `values`; an empty list removes the column's filter.
    void setColumnFilter(int column, const QStringList& values);
    QStringList columnFilter(int column) const;
    bool hasFilter() const { return !filters_.isEmpty(); }
    void clearFilters();

    /// The first data row from `startRow` on (wrapping round) whose cell in `column` starts with
    /// `prefix`, ignoring case; -1 when there is none.
    int findPrefix(int column, const QString& prefix, int startRow) const;

    // --- grouping
    void setGroupColumn(int column);  ///< -1 ungroups
    int groupColumn() const { return groupColumn_; }
    int groupCount() const { return int(groups_.size()); }
    int groupOfRow(int row) const;  ///< the group a view row belongs to, -1 when ungrouped
    void setGroupExpanded(int group, bool expanded);
    bool isGroupExpanded(int group) const;
    void setAllGroupsExpanded(bool expanded);
    QString groupTitle(int group) const;

    // --- summaries
    void setSummaries(QList<FooterSummary> summaries);
    const QList<FooterSummary>& summaries() const { return summaries_; }
    QString footerText(int column) const;  ///< the grid footer's text under a column
    QString groupFooterText(int group, int column) const;

    /// Bytes the model holds besides the table (row vectors, filters, summaries).
    qsizetype memoryBytes() const;

    // --- QAbstractItemModel
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

Q_SIGNALS:
    void summariesChanged();

private:
    struct Filter;
    struct Group {
        int begin = 0, end = 0;  ///< range in order_
        bool expanded = true;
        std::vector<double> sums;  ///< per summary
    };

    void bindColumns();
    Filter* makeFilter(int column, const QStringList& values) const;
    void rebuild();     ///< deriveView() inside a model reset
    void deriveView();  ///< filter, sort, group and summarise the bound rows
    void applyFilterAndSort();
    void sortRows(std::vector<int>& rows, int column, bool descending) const;
    void buildGroups();
    void buildDisplayRows();
    void computeSummaries();
    bool passesFilters(int sourceRow) const;
    int compareRows(int column, int a, int b) const;
    int orderedCount() const;
    int orderedRow(int i) const;
    double summaryValue(const FooterSummary& summary, int from, int to) const;
    QString summaryText(int summaryIndex, double value) const;
    QVariant dataRowData(int sourceRow, int column, int role) const;
    QVariant groupRowData(RowKind kind, int group, int column, int role) const;

    GridColumns columns_;
    QList<int> tableColumns_;
    const wire::ClientTable* table_ = nullptr;

    bool identity_ = true;      ///< no filter and no sort: row i is table row i
    std::vector<int> order_;    ///< table rows after filter and sort, grouped when grouping
    std::vector<int> display_;  ///< while grouped: >= 0 table row, else encoded group header/footer

    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    QHash<int, Filter*> filters_;

    int groupColumn_ = -1;
    std::vector<Group> groups_;
    QSet<QString> collapsedGroups_;  ///< titles of groups closed by the user, kept across loads

    QList<FooterSummary> summaries_;
    std::vector<double> totals_;  ///< per summary, over all filtered rows
};

}  // namespace ui
