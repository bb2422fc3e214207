#include "client/ui/grid/grid_model.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

#include "client/app/workstation/money.h"
#include "client/ui/grid/text_order.h"
#include "client/ui/stock_state.h"
#include "wire/client_table.h"
#include "wire/ole_date.h"

namespace ui {

namespace {

constexpr int kGroupCode = -1;  // display_ codes below 0: -1 - 2g header, -2 - 2g footer

bool isNumeric(wire::FieldType type) {
    return type != wire::FieldType::Text;
}

QString dateText(double oleDate) {
    const QDateTime when = wire::oleDateToDateTime(oleDate);
    if (when.time() == QTime(0, 0))
        return when.date().toString(QStringLiteral("dd.MM.yyyy"));
    return when.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

QString numberText(const wire::ClientTable& table, int tableColumn, double value) {
    switch (table.column(tableColumn).type) {
        case wire::FieldType::Real: {
            const QString format = table.displayFormat(tableColumn);
            return ParaBicimle(value, format.isEmpty() ? kParaDeseni : QStringView(format));
        }
        case wire::FieldType::Date:
            return dateText(value);
        default:
            return QString::number(qint64(value));
    }
}

}  // namespace

struct GridModel::Filter {
    QStringList values;      ///< display texts chosen by the user
    QSet<QByteArray> texts;  ///< text columns: UTF-8 of the chosen values
    QSet<double> numbers;    ///< other columns: every distinct value that shows as a chosen text
    bool nulls = false;      ///< the empty text was chosen
};

GridModel::GridModel(GridColumns columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::move(columns)) {
    bindColumns();
}

GridModel::~GridModel() {
    qDeleteAll(filters_);
}

// --- binding

void GridModel::setTable(const wire::ClientTable* table) {
    beginResetModel();
    table_ = table;
    collapsedGroups_.clear();
    bindColumns();
    // Filter keys depend on the rows: derive them again for the new table.
    for (auto it = filters_.begin(); it != filters_.end(); ++it) {
        Filter* rebuilt = makeFilter(it.key(), (*it)->values);
        delete *it;
        *it = rebuilt;
    }
    deriveView();
    endResetModel();
    Q_EMIT summariesChanged();
}

void GridModel::setColumns(GridColumns columns) {
    beginResetModel();
    columns_ = std::move(columns);
    qDeleteAll(filters_);
    filters_.clear();
    sortColumn_ = -1;
    groupColumn_ = -1;
    collapsedGroups_.clear();
    bindColumns();
    deriveView();
    endResetModel();
    Q_EMIT summariesChanged();
}

void GridModel::refreshRows() {
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    computeSummaries();
    Q_EMIT summariesChanged();
}

void GridModel::bindColumns() {
    tableColumns_.clear();
    for (const GridColumn& column : columns_)
        tableColumns_ << (table_ && !column.field.isEmpty() ? table_->columnIndex(column.field)
                                                            : -1);
}

int GridModel::columnOf(QStringView field) const {
    for (int i = 0; i < columns_.size(); ++i) {
        if (columns_[i].field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int GridModel::tableColumn(int column) const {
    return column >= 0 && column < tableColumns_.size() ? tableColumns_[column] : -1;
}

// --- rows

int GridModel::orderedCount() const {
    if (!table_)
        return 0;
    return identity_ ? table_->rowCount() : int(order_.size());
}

int GridModel::orderedRow(int i) const {
    return identity_ ? i : order_[size_t(i)];
}

int GridModel::dataRowCount() const {
    return orderedCount();
}

GridModel::RowKind GridModel::rowKind(int row) const {
    if (groupColumn_ < 0 || display_[size_t(row)] >= 0)
        return RowKind::Data;
    return (-display_[size_t(row)]) % 2 == 1 ? RowKind::GroupHeader : RowKind::GroupFooter;
}

int GridModel::sourceRow(int row) const {
    if (row < 0 || row >= rowCount())
        return -1;
    if (groupColumn_ < 0)
        return orderedRow(row);
    return std::max(display_[size_t(row)], -1);
}

int GridModel::groupOfRow(int row) const {
    if (groupColumn_ < 0 || row < 0 || row >= rowCount())
        return -1;
    for (int row2 = row; row2 >= 0; --row2) {
        const int code = display_[size_t(row2)];
        if (code < 0 && (-code) % 2 == 1)
            return (-code - 1) / 2;
    }
    return -1;
}

int GridModel::rowOfSource(int source) const {
    if (groupColumn_ >= 0) {
        const auto it = std::find(display_.begin(), display_.end(), source);
        return it == display_.end() ? -1 : int(it - display_.begin());
    }
    if (identity_)
        return table_ && source >= 0 && source < table_->rowCount() ? source : -1;
    const auto it = std::find(order_.begin(), order_.end(), source);
    return it == order_.end() ? -1 : int(it - order_.begin());
}

QString GridModel::displayText(int source, int column) const {
    const int col = tableColumn(column);
    if (col < 0 || table_->isNull(source, col))
        return {};
    const GridColumn& gc = columns_[column];
    if (gc.kind == CellKind::StockState) {
        const int code = int(table_->numberAt(source, col));
        if (code >= 0 && code < gc.stateDescriptions.size())
            return gc.stateDescriptions[code];
        return stockStateDescription(code);
    }
    const wire::FieldType type = table_->column(col).type;
    if (type == wire::FieldType::Text)
        return QString::fromUtf8(table_->utf8At(source, col));
    if (type == wire::FieldType::Boolean)
        return table_->textAt(source, col);
    return numberText(*table_, col, table_->numberAt(source, col));
}

// --- sorting and filtering

int GridModel::compareRows(int column, int a, int b) const {
    const int col = tableColumns_[column];
    const bool nullA = table_->isNull(a, col), nullB = table_->isNull(b, col);
    if (nullA || nullB)
        return int(nullB) - int(nullA);  // nulls first
    if (table_->column(col).type == wire::FieldType::Text)
        return compareTurkish(table_->utf8At(a, col), table_->utf8At(b, col));
    const double x = table_->numberAt(a, col), y = table_->numberAt(b, col);
    return x < y ? -1 : (y < x ? 1 : 0);
}

void GridModel::sort(int column, Qt::SortOrder order) {
    if (column >= columns_.size())
        return;
    beginResetModel();
    sortColumn_ = column;
    sortOrder_ = order;
    applyFilterAndSort();
    buildGroups();
    buildDisplayRows();
    endResetModel();
}

bool GridModel::passesFilters(int source) const {
    for (auto it = filters_.cbegin(); it != filters_.cend(); ++it) {
        const int col = tableColumns_[it.key()];
        const Filter& filter = **it;
        if (col < 0 || table_->isNull(source, col)) {
            if (!filter.nulls)
                return false;
        } else if (table_->column(col).type == wire::FieldType::Text) {
            const QByteArrayView text = table_->utf8At(source, col);
            if (!filter.texts.contains(QByteArray::fromRawData(text.data(), text.size())))
                return false;
        } else if (!filter.numbers.contains(table_->numberAt(source, col))) {
            return false;
        }
    }
    return true;
}

void GridModel::applyFilterAndSort() {
    order_.clear();
    const bool sorted = table_ && sortColumn_ >= 0 && tableColumns_[sortColumn_] >= 0;
    identity_ = !table_ || (filters_.isEmpty() && !sorted && groupColumn_ < 0);
    if (identity_)
        return;
    const int rows = table_->rowCount();
    order_.reserve(size_t(rows));
    for (int r = 0; r < rows; ++r) {
        if (filters_.isEmpty() || passesFilters(r))
            order_.push_back(r);
    }
    order_.shrink_to_fit();
    if (sorted)
        sortRows(order_, sortColumn_, sortOrder_ == Qt::DescendingOrder);
}

namespace {

/// A row with its sort key; text keys cover fifteen characters at a time.
struct KeyedRow {
    quint64 high, middle, low;
    int row;
    qint32 next;  ///< text: byte where the next key starts; -1 when the text ended in this key
};

}  // namespace

void GridModel::sortRows(std::vector<int>& rows, int column, bool descending) const {
    const int col = tableColumns_[column];
    const bool text = table_->column(col).type == wire::FieldType::Text;
    std::vector<KeyedRow> keyed;
    keyed.reserve(rows.size());
    for (int row : rows) {
        if (table_->isNull(row, col)) {
            keyed.push_back({0, 0, 0, row, -1});
        } else if (text) {
            // Nulls first, then texts: the top bit marks a value.
            const TurkishSortKey key = turkishSortKey(table_->utf8At(row, col));
            keyed.push_back({key.high | (quint64(1) << 63), key.middle, key.low, row,
                             key.full ? qint32(key.next) : -1});
        } else {
            // Doubles mapped to unsigned integers of the same order, after the nulls.
            const double value = table_->numberAt(row, col);
            quint64 bits;
            std::memcpy(&bits, &value, sizeof bits);
            bits = (bits >> 63) ? ~bits : bits | (quint64(1) << 63);
            keyed.push_back({1, bits, 0, row, -1});
        }
    }
    const auto less = [descending](const KeyedRow& a, const KeyedRow& b) {
        if (a.high != b.high)
            return descending ? a.high > b.high : a.high < b.high;
        if (a.middle != b.middle)
            return descending ? a.middle > b.middle : a.middle < b.middle;
        return descending ? a.low > b.low : a.low < b.low;
    };
    const auto sameKey = [](const KeyedRow& a, const KeyedRow& b) {
        return a.high == b.high && a.middle == b.middle && a.low == b.low;
    };
    // Sort by the keys; rows whose texts agree in the key and go on are sorted again by their
    // next fifteen characters, until the texts differ or end. No text is compared as a whole.
    std::vector<std::pair<size_t, size_t>> ranges{{0, keyed.size()}};
    while (!ranges.empty()) {
        const auto [first, last] = ranges.back();
        ranges.pop_back();
        std::stable_sort(keyed.begin() + qsizetype(first), keyed.begin() + qsizetype(last), less);
        for (size_t i = first; i < last;) {
            size_t j = i + 1;
            while (j < last && sameKey(keyed[i], keyed[j]))
                ++j;
            bool goesOn = false;
            for (size_t k = i; k < j && j - i > 1; ++k)
                goesOn = goesOn || keyed[k].next >= 0;
            if (goesOn) {
                for (size_t k = i; k < j; ++k) {
                    KeyedRow& r = keyed[k];
                    if (r.next < 0) {
                        r.high = r.middle = r.low = 0;  // ended: before every continuation
                        continue;
                    }
                    const TurkishSortKey key = turkishSortKey(table_->utf8At(r.row, col), r.next);
                    r.high = key.high | (quint64(1) << 63);
                    r.middle = key.middle;
                    r.low = key.low;
                    r.next = key.full ? qint32(key.next) : -1;
                }
                ranges.emplace_back(i, j);
            }
            i = j;
        }
    }
    for (size_t i = 0; i < keyed.size(); ++i)
        rows[i] = keyed[i].row;
}

QStringList GridModel::distinctValues(int column) const {
    const int col = tableColumn(column);
    if (col < 0)
        return {};
    const int rows = table_->rowCount();
    QStringList texts;
    bool hasNull = false;
    if (table_->column(col).type == wire::FieldType::Text) {
        // The rows in sorted order; equal texts are then neighbours.
        std::vector<int> sorted(size_t(rows), 0);
        std::iota(sorted.begin(), sorted.end(), 0);
        sortRows(sorted, column, false);
        // Texts that differ only in letter case sort as equals and may interleave: keep the
        // distinct spellings of the current run of equals.
        QList<QByteArrayView> run;
        for (int r : sorted) {
            if (table_->isNull(r, col)) {
                hasNull = true;
                continue;
            }
            const QByteArrayView v = table_->utf8At(r, col);
            if (v.isEmpty()) {
                hasNull = true;  // shows the same as a null: one "empty" entry for both
                continue;
            }
            if (!run.isEmpty() && compareTurkish(run.first(), v) != 0)
                run.clear();
            if (run.contains(v))
                continue;
            run << v;
            texts << QString::fromUtf8(v);
        }
    } else {
        std::vector<double> values;
        values.reserve(size_t(rows));
        for (int r = 0; r < rows; ++r) {
            if (table_->isNull(r, col))
                hasNull = true;
            else
                values.push_back(table_->numberAt(r, col));
        }
        std::sort(values.begin(), values.end());
        values.erase(std::unique(values.begin(), values.end()), values.end());
        const bool states = columns_[column].kind == CellKind::StockState;
        for (double v : values) {
            const QString text =
                states ? stockStateDescription(int(v)) : numberText(*table_, col, v);
            if (texts.isEmpty() || texts.last() != text)
                texts << text;
        }
    }
    if (hasNull)
        texts.prepend(QString());
    return texts;
}

GridModel::Filter* GridModel::makeFilter(int column, const QStringList& values) const {
    auto* filter = new Filter;
    filter->values = values;
    const QSet<QString> chosen(values.begin(), values.end());
    filter->nulls = chosen.contains(QString());
    const int col = tableColumn(column);
    if (col < 0)
        return filter;
    if (table_->column(col).type == wire::FieldType::Text) {
        for (const QString& v : values)
            filter->texts.insert(v.toUtf8());
        return filter;
    }
    // Money cells: a value shows as a chosen text only when it lies within one of the number that
    // text reads as, so most rows are ruled out without formatting them.
    QList<double> near;
    if (table_->column(col).type == wire::FieldType::Real &&
        columns_[column].kind != CellKind::StockState) {
        const QLocale locale = BicimYereli();
        for (const QString& text : values) {
            if (text.isEmpty())
                continue;
            bool ok = false;
            const double number =
                locale.toDouble(QString(text).remove(locale.groupSeparator()), &ok);
            if (!ok) {
                near.clear();
                break;
            }
            near << number;
        }
    }
    const auto couldShowAsChosen = [&near](double v) {
        return near.isEmpty() || std::any_of(near.begin(), near.end(),
                                             [v](double n) { return std::abs(v - n) <= 1; });
    };
    for (int r = 0; r < table_->rowCount(); ++r) {
        if (table_->isNull(r, col))
            continue;
        const double v = table_->numberAt(r, col);
        if (!filter->numbers.contains(v) && couldShowAsChosen(v) &&
            chosen.contains(displayText(r, column)))
            filter->numbers.insert(v);
    }
    return filter;
}

void GridModel::setColumnFilter(int column, const QStringList& values) {
    if (column < 0 || column >= columns_.size())
        return;
    delete filters_.take(column);
    if (!values.isEmpty())
        filters_.insert(column, makeFilter(column, values));
    rebuild();
}

QStringList GridModel::columnFilter(int column) const {
    const Filter* filter = filters_.value(column);
    return filter ? filter->values : QStringList();
}

void GridModel::clearFilters() {
    if (filters_.isEmpty())
        return;
    qDeleteAll(filters_);
    filters_.clear();
    rebuild();
}

int GridModel::findPrefix(int column, const QString& prefix, int startRow) const {
    const int rows = rowCount();
    if (rows == 0 || prefix.isEmpty() || tableColumn(column) < 0)
        return -1;
    startRow = std::clamp(startRow, 0, rows - 1);
    for (int i = 0; i < rows; ++i) {
        const int row = (startRow + i) % rows;
        const int source = sourceRow(row);
        if (source >= 0 && displayText(source, column).startsWith(prefix, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}

// --- grouping

void GridModel::setGroupColumn(int column) {
    groupColumn_ = column >= 0 && column < columns_.size() ? column : -1;
    collapsedGroups_.clear();
    rebuild();
}

void GridModel::buildGroups() {
    groups_.clear();
    if (groupColumn_ < 0 || !table_)
        return;
    const int col = tableColumns_[groupColumn_];
    if (col >= 0) {
        // Groups in ascending order of their value; the sort order holds inside each group.
        std::stable_sort(order_.begin(), order_.end(),
                         [&](int a, int b) { return compareRows(groupColumn_, a, b) < 0; });
    }
    const int n = int(order_.size());
    for (int i = 0; i < n;) {
        int j = i + 1;
        while (j < n && col >= 0 &&
               compareRows(groupColumn_, order_[size_t(i)], order_[size_t(j)]) == 0)
            ++j;
        if (col < 0)
            j = n;
        Group group;
        group.begin = i;
        group.end = j;
        groups_.push_back(std::move(group));
        i = j;
    }
    for (int g = 0; g < groupCount(); ++g)
        groups_[size_t(g)].expanded = !collapsedGroups_.contains(groupTitle(g));
}

void GridModel::buildDisplayRows() {
    display_.clear();
    if (groupColumn_ < 0)
        return;
    size_t size = 0;
    for (const Group& g : groups_)
        size += 2 + (g.expanded ? size_t(g.end - g.begin) : 0);
    display_.reserve(size);
    for (int g = 0; g < groupCount(); ++g) {
        const Group& group = groups_[size_t(g)];
        display_.push_back(kGroupCode - 2 * g);
        if (group.expanded)
            display_.insert(display_.end(), order_.begin() + group.begin,
                            order_.begin() + group.end);
        display_.push_back(kGroupCode - 2 * g - 1);
    }
}

void GridModel::setGroupExpanded(int group, bool expanded) {
    if (group < 0 || group >= groupCount() || groups_[size_t(group)].expanded == expanded)
        return;
    if (expanded)
        collapsedGroups_.remove(groupTitle(group));
    else
        collapsedGroups_.insert(groupTitle(group));
    beginResetModel();
    groups_[size_t(group)].expanded = expanded;
    buildDisplayRows();
    endResetModel();
}

bool GridModel::isGroupExpanded(int group) const {
    return group >= 0 && group < groupCount() && groups_[size_t(group)].expanded;
}

void GridModel::setAllGroupsExpanded(bool expanded) {
    beginResetModel();
    collapsedGroups_.clear();
    for (int g = 0; g < groupCount(); ++g) {
        groups_[size_t(g)].expanded = expanded;
        if (!expanded)
            collapsedGroups_.insert(groupTitle(g));
    }
    buildDisplayRows();
    endResetModel();
}

QString GridModel::groupTitle(int group) const {
    if (group < 0 || group >= groupCount())
        return {};
    const Group& g = groups_[size_t(group)];
    if (g.begin == g.end)
        return {};
    return displayText(order_[size_t(g.begin)], groupColumn_);
}

// --- summaries

void GridModel::setSummaries(QList<FooterSummary> summaries) {
    summaries_ = std::move(summaries);
    computeSummaries();
    if (groupColumn_ >= 0 && rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    Q_EMIT summariesChanged();
}

double GridModel::summaryValue(const FooterSummary& summary, int from, int to) const {
    if (summary.kind == FooterSummary::Count)
        return to - from;
    const int col = tableColumn(columnOf(summary.field));
    if (col < 0)
        return 0;
    double sum = 0;
    for (int i = from; i < to; ++i) {
        const int r = orderedRow(i);
        if (!table_->isNull(r, col))
            sum += table_->numberAt(r, col);
    }
    return sum;
}

void GridModel::computeSummaries() {
    totals_.assign(size_t(summaries_.size()), 0.0);
    for (Group& g : groups_)
        g.sums.assign(size_t(summaries_.size()), 0.0);
    if (!table_)
        return;
    for (int s = 0; s < summaries_.size(); ++s) {
        if (groupColumn_ >= 0) {
            // Group sums add up to the total; no second pass over the rows.
            double total = 0;
            for (Group& g : groups_) {
                g.sums[size_t(s)] = summaryValue(summaries_[s], g.begin, g.end);
                total += g.sums[size_t(s)];
            }
            totals_[size_t(s)] = total;
        } else {
            totals_[size_t(s)] = summaryValue(summaries_[s], 0, orderedCount());
        }
    }
}

QString GridModel::summaryText(int summaryIndex, double value) const {
    const FooterSummary& summary = summaries_[summaryIndex];
    if (summary.kind == FooterSummary::Count)
        return QString::number(qint64(value));
    const int col = tableColumn(columnOf(summary.field));
    if (col < 0)
        return {};
    if (table_->column(col).type == wire::FieldType::Real) {
        const QString format = table_->displayFormat(col);
        return ParaBicimle(value, format.isEmpty() ? kParaDeseni : QStringView(format));
    }
    return QString::number(qint64(value));
}

QString GridModel::footerText(int column) const {
    if (!table_ || column < 0 || column >= columns_.size())
        return {};
    for (int s = 0; s < summaries_.size(); ++s) {
        if (columnOf(summaries_[s].field) == column)
            return summaryText(s, totals_[size_t(s)]);
    }
    return {};
}

QString GridModel::groupFooterText(int group, int column) const {
    if (!table_ || group < 0 || group >= groupCount())
        return {};
    for (int s = 0; s < summaries_.size(); ++s) {
        if (columnOf(summaries_[s].field) == column)
            return summaryText(s, groups_[size_t(group)].sums[size_t(s)]);
    }
    return {};
}

qsizetype GridModel::memoryBytes() const {
    qsizetype bytes = sizeof(*this);
    bytes += qsizetype(order_.capacity() + display_.capacity()) * qsizetype(sizeof(int));
    bytes += qsizetype(groups_.capacity() * sizeof(Group));
    for (const Filter* f : filters_)
        bytes += qsizetype(sizeof(Filter)) + f->texts.size() * 32 + f->numbers.size() * 16;
    return bytes;
}

// --- rebuild

void GridModel::rebuild() {
    beginResetModel();
    deriveView();
    endResetModel();
    Q_EMIT summariesChanged();
}

void GridModel::deriveView() {
    applyFilterAndSort();
    buildGroups();
    buildDisplayRows();
    computeSummaries();
}

// --- QAbstractItemModel

int GridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return groupColumn_ >= 0 ? int(display_.size()) : orderedCount();
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int row = index.row();
    const RowKind kind = rowKind(row);
    if (role == RowKindRole)
        return int(kind);
    if (kind != RowKind::Data) {
        const int code = display_[size_t(row)];
        return groupRowData(kind, (-code - 1) / 2, index.column(), role);
    }
    const int source = sourceRow(row);
    if (role == SourceRowRole)
        return source;
    return dataRowData(source, index.column(), role);
}

QVariant GridModel::dataRowData(int source, int column, int role) const {
    const GridColumn& gc = columns_[column];
    const int col = tableColumns_[column];
    switch (role) {
        case Qt::DisplayRole:
            switch (gc.kind) {
                case CellKind::Picture:
                case CellKind::Flag:
                case CellKind::CheckBox:
                case CellKind::Custom:
                    return QString();
                case CellKind::StockState:
                    return gc.showStateDescription ? displayText(source, column) : QString();
                default:
                    return displayText(source, column);
            }
        case Qt::ToolTipRole:
            return gc.kind == CellKind::StockState ? QVariant(displayText(source, column))
                                                   : QVariant();
        case Qt::TextAlignmentRole: {
            if (gc.alignment)
                return QVariant::fromValue(gc.alignment | Qt::AlignVCenter);
            const bool number = col >= 0 && isNumeric(table_->column(col).type) &&
                                table_->column(col).type != wire::FieldType::Date;
            return QVariant::fromValue((number ? Qt::AlignRight : Qt::AlignLeft) |
                                       Qt::AlignVCenter);
        }
        case Qt::CheckStateRole:
            if (gc.kind != CellKind::CheckBox)
                return {};
            return (col >= 0 && !table_->isNull(source, col) && table_->numberAt(source, col) == 1)
                       ? Qt::Checked
                       : Qt::Unchecked;
        case CellNumberRole:
            if (col < 0 || table_->isNull(source, col) || !isNumeric(table_->column(col).type))
                return {};
            return table_->numberAt(source, col);
        default:
            return {};
    }
}

QVariant GridModel::groupRowData(RowKind kind, int group, int column, int role) const {
    switch (role) {
        case Qt::DisplayRole:
            if (kind == RowKind::GroupHeader) {
                const Group& g = groups_[size_t(group)];
                return QStringLiteral("%1: %2 (%3)")
                    .arg(columns_[groupColumn_].headerText(), groupTitle(group))
                    .arg(g.end - g.begin);
            }
            return groupFooterText(group, column);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(
                (kind == RowKind::GroupHeader ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
        case GroupExpandedRole:
            return groups_[size_t(group)].expanded;
        case SourceRowRole:
            return -1;
        default:
            return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columns_.size())
        return {};
    if (role == Qt::DisplayRole)
        return columns_[section].headerText();
    if (role == Qt::TextAlignmentRole) {
        const Qt::Alignment alignment = columns_[section].headerAlignment;
        return QVariant::fromValue(alignment ? alignment : Qt::Alignment(Qt::AlignCenter));
    }
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

}  // namespace ui
