// The data grid over a 100,000 × 40 table: first paint and page scrolling against a plain
// QTableView over the same model, sort and filter times, and the grid's own memory.
//
// Run: build/bench/grid_bench (offscreen by default). Compare FirstPaint/Grid with
// FirstPaint/PlainView and ScrollPage/Grid with ScrollPage/PlainView; the memory benchmark reports
// the grid's heap growth as a share of the table's bytes.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <memory>

#include "client/ui/grid/column_widths.h"
#include "client/ui/grid/data_grid.h"
#include "wire/client_table.h"

namespace {

constexpr int kRows = 100000;
constexpr int kTextColumns = 20, kRealColumns = 10, kIntegerColumns = 10;
constexpr int kWidth = 1330, kHeight = 700;

const wire::ClientTable& bigTable() {
    static const std::unique_ptr<wire::ClientTable> table = [] {
        using wire::FieldType;
        auto t = std::make_unique<wire::ClientTable>();
        QList<wire::ColumnDef> defs;
        for (int i = 0; i < kTextColumns; ++i)
            defs << wire::ColumnDef{QStringLiteral("TEXT%1").arg(i), FieldType::Text, 60};
        for (int i = 0; i < kRealColumns; ++i)
            defs << wire::ColumnDef{QStringLiteral("REAL%1").arg(i), FieldType::Real, 0};
        for (int i = 0; i < kIntegerColumns; ++i)
            defs << wire::ColumnDef{QStringLiteral("INT%1").arg(i), FieldType::Integer, 0};
        t->defineColumns(defs);
        t->reserveRows(kRows);
        static const char* words[] = {"FREN",     "BALATA",   "YAĞ",   "FİLTRE", "AMORTİSÖR",
                                      "DEBRİYAJ", "ŞANZIMAN", "İTİCİ", "MİL",    "ÖN",
                                      "ARKA",     "SOL",      "SAĞ"};
        quint32 seed = 12345;
        auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
        for (int r = 0; r < kRows; ++r) {
            QVariantList values;
            values.reserve(defs.size());
            for (int i = 0; i < kTextColumns; ++i) {
                QString text = QString::fromUtf8(words[next() % 13]) + ' ' +
                               QString::fromUtf8(words[next() % 13]) + ' ' +
                               QString::number(next() % 100000);
                values << text;
            }
            for (int i = 0; i < kRealColumns; ++i)
                values << double(next() % 10000000) / 100.0;
            for (int i = 0; i < kIntegerColumns; ++i)
                values << int(next() % 6);
            t->appendRow(values);
        }
        return t;
    }();
    return *table;
}

ui::GridColumns bigColumns() {
    ui::GridColumns columns;
    for (const wire::ColumnDef& def : bigTable().columns()) {
        ui::GridColumn c;
        c.field = def.name;
        c.weight = def.type == wire::FieldType::Text ? 3 : 2;
        columns << c;
    }
    columns[kTextColumns + kRealColumns].kind = ui::CellKind::StockState;
    columns[kTextColumns + kRealColumns + 1].kind = ui::CellKind::Flag;
    return columns;
}

void setUpPlainView(QTableView& view) {
    view.resize(kWidth, kHeight);
    view.verticalHeader()->setDefaultSectionSize(40);
    view.horizontalHeader()->setDefaultSectionSize(100);
}

void setUpGrid(ui::DataGrid& grid) {
    grid.resize(kWidth, kHeight);
    grid.setFilterButtons(true);
    grid.setFooterVisible(true);
    grid.setFooterSummaries(
        {{"TEXT0", ui::FooterSummary::Count}, {"REAL0", ui::FooterSummary::Sum}});
    for (int c = 0; c < grid.model()->columnCount(); ++c)
        grid.view()->setColumnWidth(c, 100);
}

// From a finished table to the first painted screen.
void FirstPaint_Grid(benchmark::State& state) {
    const wire::ClientTable& table = bigTable();
    ui::DataGrid grid(bigColumns());
    setUpGrid(grid);
    for (auto _ : state) {
        grid.detach();
        grid.attach(&table);
        benchmark::DoNotOptimize(grid.grab());
    }
}
BENCHMARK(FirstPaint_Grid)->Unit(benchmark::kMillisecond);

void FirstPaint_PlainView(benchmark::State& state) {
    const wire::ClientTable& table = bigTable();
    ui::GridModel model(bigColumns());
    QTableView view;
    view.setModel(&model);
    setUpPlainView(view);
    for (auto _ : state) {
        model.setTable(nullptr);
        model.setTable(&table);
        benchmark::DoNotOptimize(view.grab());
    }
}
BENCHMARK(FirstPaint_PlainView)->Unit(benchmark::kMillisecond);

// One page down and the repaint that follows.
template <class Setup>
void scrollPages(benchmark::State& state, QAbstractScrollArea& area, QWidget& shown) {
    shown.show();
    QApplication::processEvents();
    QScrollBar* bar = area.verticalScrollBar();
    for (auto _ : state) {
        bar->setValue(
            bar->value() + bar->pageStep() < bar->maximum() ? bar->value() + bar->pageStep() : 0);
        area.viewport()->repaint();
    }
}

void ScrollPage_Grid(benchmark::State& state) {
    ui::DataGrid grid(bigColumns());
    setUpGrid(grid);
    grid.attach(&bigTable());
    scrollPages<void>(state, *grid.view(), grid);
}
BENCHMARK(ScrollPage_Grid)->Unit(benchmark::kMicrosecond);

void ScrollPage_PlainView(benchmark::State& state) {
    ui::GridModel model(bigColumns());
    model.setTable(&bigTable());
    QTableView view;
    view.setModel(&model);
    setUpPlainView(view);
    scrollPages<void>(state, view, view);
}
BENCHMARK(ScrollPage_PlainView)->Unit(benchmark::kMicrosecond);

void SortByTextColumn(benchmark::State& state) {
    ui::GridModel model(bigColumns());
    model.setTable(&bigTable());
    bool descending = false;
    for (auto _ : state) {
        model.sort(1, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        descending = !descending;
    }
}
BENCHMARK(SortByTextColumn)->Unit(benchmark::kMillisecond);

void FilterByValue(benchmark::State& state) {
    ui::GridModel model(bigColumns());
    model.setTable(&bigTable());
    const QString value = model.displayText(0, 1);
    const int stateColumn = kTextColumns + kRealColumns;
    for (auto _ : state) {
        model.setColumnFilter(1, {value});
        model.setColumnFilter(1, {});
        model.setColumnFilter(stateColumn, {"Var"});
        model.setColumnFilter(stateColumn, {});
    }
    state.SetLabel("4 filter changes per iteration (text set, cleared, state set, cleared)");
}
BENCHMARK(FilterByValue)->Unit(benchmark::kMillisecond);

void FilterByMoneyValue(benchmark::State& state) {
    ui::GridModel model(bigColumns());
    model.setTable(&bigTable());
    const int money = kTextColumns;
    const QString value = model.displayText(0, money);
    for (auto _ : state) {
        model.setColumnFilter(money, {value});
        model.setColumnFilter(money, {});
    }
    state.SetLabel("money column: set and cleared per iteration");
}
BENCHMARK(FilterByMoneyValue)->Unit(benchmark::kMillisecond);

void FilterValueList(benchmark::State& state) {
    ui::GridModel model(bigColumns());
    model.setTable(&bigTable());
    for (auto _ : state)
        benchmark::DoNotOptimize(model.distinctValues(1));
}
BENCHMARK(FilterValueList)->Unit(benchmark::kMillisecond);

void WidthsFitToContent(benchmark::State& state) {
    ui::DataGrid grid(bigColumns());
    setUpGrid(grid);
    grid.attach(&bigTable());
    for (auto _ : state)
        ui::fitColumnsToContent(grid);
}
BENCHMARK(WidthsFitToContent)->Unit(benchmark::kMillisecond);

// The grid's own heap: a grid shown over the table, sorted and filtered (the worst case: a full
// row vector), against the bytes of the table.
void GridMemory(benchmark::State& state) {
    const wire::ClientTable& table = bigTable();
    double share = 0;
    for (auto _ : state) {
        const size_t before = mallinfo2().uordblks;
        {
            auto grid = std::make_unique<ui::DataGrid>(bigColumns());
            setUpGrid(*grid);
            grid->attach(&table);
            grid->model()->sort(1, Qt::AscendingOrder);
            grid->model()->setColumnFilter(kTextColumns + kRealColumns + 2,
                                           {"1", "2", "3", "4", "5"});
            benchmark::DoNotOptimize(grid->grab());
            const size_t after = mallinfo2().uordblks;
            share = double(after - before) / double(table.memoryBytes());
            state.counters["grid_bytes"] = double(after - before);
            state.counters["model_bytes"] = double(grid->model()->memoryBytes());
        }
    }
    state.counters["table_bytes"] = double(table.memoryBytes());
    state.counters["grid_share_pct"] = share * 100;
}
BENCHMARK(GridMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    bigTable();  // built once, outside every measurement
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
