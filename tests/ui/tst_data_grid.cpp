#include <QDir>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QTableView>
#include <QtTest>

#include "client/app/workstation/money.h"
#include "client/ui/grid/column_widths.h"
#include "client/ui/grid/data_grid.h"
#include "grid_fixture.h"

using namespace ui;
using namespace gridtest;

namespace {

/// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

std::shared_ptr<wire::ClientTable> stockTable(int rows) {
    using wire::FieldType;
    auto t = std::make_shared<wire::ClientTable>();
    QList<wire::ColumnDef> defs;
    for (const GridColumn& c : stockColumns()) {
        if (c.field == "FiyatBilgisi")
            continue;
        const bool money = c.field.contains("FIYAT") || c.field == "KDVDAHIL";
        const bool number = c.kind == CellKind::StockState || c.kind == CellKind::Picture ||
                            c.kind == CellKind::Flag || c.field == "STOK_STOKNO";
        defs << wire::ColumnDef{c.field,
                                money    ? FieldType::Real
                                : number ? FieldType::Integer
                                         : FieldType::Text,
                                money || number ? 0 : 50};
    }
    t->defineColumns(defs);
    static const char* names[] = {"FREN BALATASI ÖN TAKIM", "YAĞ FİLTRESİ",
                                  "AMORTİSÖR ARKA SOL",     "DEBRİYAJ SETİ",
                                  "ŞANZIMAN YAĞI 75W90",    "İTİCİ MİL"};
    for (int r = 0; r < rows; ++r) {
        QVariantList values;
        for (const wire::ColumnDef& d : defs) {
            if (d.name == "ADI")
                values << QString::fromUtf8(names[r % 6]);
            else if (d.name == "BARKOD")
                values << QStringLiteral("VRL-%1").arg(10000 + r);
            else if (d.name == "MARKA")
                values << (r % 2 ? "BOSCHER" : "VALEONA");
            else if (d.type == FieldType::Real)
                values << 100.0 + r * 12.345;
            else if (d.type == FieldType::Integer)
                values << (d.name.contains("DURUM") ? r % 6 : r % 2);
            else
                values << QStringLiteral("%1-%2").arg(d.name).arg(r);
        }
        t->appendRow(values);
    }
    return t;
}

/// Types text as keys carrying it (QTest::keyClicks takes only ASCII).
void typeText(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

}  // namespace

class TestDataGrid : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void weightsShareTheGridWidth_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("unit");
        QTest::newRow("1330 wide") << 1330 << 48;  // 27 weights: (1330 - 30) / 27 = 48.1
        QTest::newRow("exact") << 1326 << 48;
        QTest::newRow("one short") << 1325 << 47;
    }
    void weightsShareTheGridWidth() {
        QFETCH(int, width);
        QFETCH(int, unit);
        DataGrid grid(stockColumns());
        grid.resize(width, 400);
        QCOMPARE(SutunlariYay(grid), unit);
        QCOMPARE(grid.columnWidth(u"ADI"), 3 * unit);
        QCOMPARE(grid.columnWidth(u"KDVDAHIL"), 3 * unit);
        QCOMPARE(grid.columnWidth(u"BARKOD"), 2 * unit);
        QCOMPARE(grid.columnWidth(u"DEPOBIRDURUM"), unit);
    }

    void aShownWeightZeroColumnGetsNoWidth() {
        GridColumns columns{col("SIPARISNO", "Sipariş No", 0, ColumnVisibility::Hidden),
                            col("BARKOD", "Barkod", 2), col("STOKADI", "Açıklama", 3)};
        DataGrid grid(columns);
        grid.resize(530, 300);
        grid.setColumnShown(u"SIPARISNO", true);
        QCOMPARE(SutunlariYay(grid), 100);
        QCOMPARE(grid.columnWidth(u"SIPARISNO"), 0);
        QCOMPARE(grid.columnWidth(u"STOKADI"), 300);
    }

    void columnChooserOffersOnlyWhatTheTableAllows() {
        DataGrid grid(stockColumns());
        const QList<int> offered = grid.chooserColumns();
        for (const char* locked : {"STOK_STOKNO", "KALAN", "PKOD", "DEPOBIRADET"})
            QVERIFY2(!offered.contains(grid.columnOf(QString(locked))), locked);
        QVERIFY(offered.contains(grid.columnOf(u"OEM1")));
        QVERIFY(offered.contains(grid.columnOf(u"ADI")));
        QVERIFY(!grid.isColumnShown(u"OEM1"));
        QVERIFY(!grid.isColumnShown(u"KALAN"));
        // Customer types 1 and 2 make KALAN visible and offered; type 4 takes K away.
        grid.setColumnShown(u"KALAN", true);
        grid.setColumnOffered(u"KALAN", true);
        grid.setColumnShown(u"K", false);
        grid.setColumnOffered(u"K", false);
        QVERIFY(grid.chooserColumns().contains(grid.columnOf(u"KALAN")));
        QVERIFY(!grid.chooserColumns().contains(grid.columnOf(u"K")));
        QVERIFY(grid.isColumnShown(u"KALAN"));
    }

    void columnsCanBeGivenAfterTheGridIsMade() {
        auto table = stockTable(10);
        DataGrid grid(GridColumns{});
        grid.attach(table.get());
        QCOMPARE(grid.model()->columnCount(), 0);
        grid.setColumns(stockColumns());
        QCOMPARE(grid.model()->columnCount(), 38);
        QCOMPARE(grid.model()->rowCount(), 10);
        QVERIFY(grid.isColumnShown(u"ADI"));
        QVERIFY(!grid.isColumnShown(u"OEM1"));
        QVERIFY(!grid.chooserColumns().contains(grid.columnOf(u"KALAN")));
        QCOMPARE(grid.model()->index(3, grid.columnOf(u"BARKOD")).data().toString(),
                 QString("VRL-10003"));
        grid.setColumns(orderColumns());
        QCOMPARE(grid.model()->columnCount(), 9);
        QVERIFY(grid.isColumnShown(u"SEC"));
        QCOMPARE(grid.model()->index(3, grid.columnOf(u"BARKOD")).data().toString(),
                 QString("VRL-10003"));
    }

    void layoutSurvivesLoadsSortsAndFilters() {
        auto table = stockTable(50);
        DataGrid grid(stockColumns());
        grid.resize(1330, 500);
        grid.attach(table.get());
        SutunlariYay(grid);
        grid.setColumnShown(u"OEM1", true);
        grid.view()->horizontalHeader()->moveSection(7, 0);
        grid.setCurrentSourceRow(20);
        grid.model()->sort(grid.columnOf(u"ADI"), Qt::AscendingOrder);
        QCOMPARE(grid.currentSourceRow(), 20);
        grid.model()->setColumnFilter(grid.columnOf(u"MARKA"), {"VALEONA"});
        QCOMPARE(grid.currentSourceRow(), 20);
        grid.detach();
        auto reloaded = stockTable(60);
        grid.attach(reloaded.get());
        QCOMPARE(grid.columnWidth(u"ADI"), 144);
        QVERIFY(grid.isColumnShown(u"OEM1"));
        QVERIFY(!grid.isColumnShown(u"KALAN"));
        QCOMPARE(grid.visibleColumns().first(), grid.columnOf(u"ADI"));
        QCOMPARE(grid.model()->sortColumn(), grid.columnOf(u"ADI"));
        QCOMPARE(grid.model()->rowCount(), 30);  // the filter holds for the new rows
    }

    void nothingIsPaintedWhileDetached() {
        auto table = stockTable(100);
        DataGrid grid(stockColumns());
        grid.resize(800, 400);
        grid.attach(table.get());
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        PaintCounter counter;
        grid.view()->viewport()->installEventFilter(&counter);
        grid.detach();
        QCOMPARE(grid.model()->rowCount(), 0);
        grid.view()->viewport()->update();
        grid.resize(820, 420);
        QTest::qWait(50);
        QCOMPARE(counter.paints, 0);
        grid.attach(table.get());
        QTRY_VERIFY(counter.paints > 0);
        QCOMPARE(grid.model()->rowCount(), 100);
    }

    void typingSearchesTheFocusedColumn() {
        auto table = stockTable(30);
        DataGrid grid(stockColumns());
        grid.resize(1000, 500);
        grid.attach(table.get());
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        grid.view()->setFocus();
        grid.view()->setCurrentIndex(grid.model()->index(0, grid.columnOf(u"ADI")));
        typeText(grid.view(), "şan");
        QCOMPARE(grid.currentSourceRow(), 4);
        typeText(grid.view(), "q");  // no match: the found row stays
        QCOMPARE(grid.currentSourceRow(), 4);
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
        typeText(grid.view(), "VRL-100");  // ADI column: nothing found
        QCOMPARE(grid.currentSourceRow(), 4);
        grid.view()->setCurrentIndex(grid.model()->index(0, grid.columnOf(u"BARKOD")));
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
        typeText(grid.view(), "vrl-10012");
        QCOMPARE(grid.currentSourceRow(), 12);
        // Switched off, typing finds nothing.
        grid.setIncrementalSearch(false);
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
        typeText(grid.view(), "vrl-10003");
        QCOMPARE(grid.currentSourceRow(), 12);
    }

    void headerFilterButtonAndSorting() {
        auto table = stockTable(40);
        DataGrid grid(stockColumns());
        grid.resize(1330, 500);
        grid.setFilterButtons(true);
        grid.attach(table.get());
        SutunlariYay(grid);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QHeaderView* header = grid.view()->horizontalHeader();
        const int marka = grid.columnOf(u"MARKA");
        const int sectionX = header->sectionViewportPosition(marka);
        // The button sits at the right end of the section.
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(sectionX + header->sectionSize(marka) - 6, 20));
        auto* list = grid.findChild<QListWidget*>("filtreListesi");
        QVERIFY(list);
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(0)->text(), QString("(Tümü)"));
        QCOMPARE(list->item(1)->text(), QString("BOSCHER"));
        Q_EMIT list->itemClicked(list->item(1));
        QCOMPARE(grid.model()->rowCount(), 20);
        QCOMPARE(grid.model()->columnFilter(marka), QStringList{"BOSCHER"});
        QVERIFY(grid.model()->sortColumn() < 0);  // the button does not sort
        QTRY_VERIFY(!grid.findChild<QListWidget*>("filtreListesi"));

        // A click on the caption sorts, a second one reverses.
        const int barkod = grid.columnOf(u"BARKOD");
        const QPoint caption(header->sectionViewportPosition(barkod) + 20, 20);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, caption);
        QCOMPARE(grid.model()->sortColumn(), barkod);
        QCOMPARE(grid.model()->index(0, barkod).data().toString(), QString("VRL-10001"));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, caption);
        QCOMPARE(grid.model()->sortOrder(), Qt::DescendingOrder);
        QCOMPARE(grid.model()->index(0, barkod).data().toString(), QString("VRL-10039"));
        // A grid whose order must not change does not sort.
        grid.model()->sort(-1);
        grid.setSortingAllowed(false);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, caption);
        QCOMPARE(grid.model()->sortColumn(), -1);
    }

    void columnChooserShowsAndHides() {
        DataGrid grid(stockColumns());
        grid.resize(1000, 400);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QStringList offered;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction* action : menu->actions()) {
                offered << action->text();
                if (action->text() == "Oem1")
                    action->trigger();
            }
            menu->close();
        });
        grid.showColumnChooser(grid.mapToGlobal(QPoint(10, 10)));
        QVERIFY(offered.contains("Açıklama"));
        QVERIFY(offered.contains("KDV"));  // hidden, no caption: offered under its field name
        QVERIFY(!offered.contains("STOK_STOKNO"));
        QVERIFY(!offered.contains("IZMIRADET"));
        QVERIFY(grid.isColumnShown(u"OEM1"));
    }

    void enterAndDoubleClickActivateTheRow() {
        auto table = stockTable(10);
        DataGrid grid(stockColumns());
        grid.resize(800, 400);
        grid.attach(table.get());
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QSignalSpy activated(&grid, &DataGrid::rowActivated);
        grid.setCurrentSourceRow(3);
        QTest::keyClick(grid.view(), Qt::Key_Return);
        QCOMPARE(activated.count(), 1);
        QCOMPARE(activated.last().first().toInt(), 3);
        const QRect cell = grid.view()->visualRect(grid.model()->index(5, grid.columnOf(u"ADI")));
        QTest::mouseClick(grid.view()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid.view()->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(activated.last().first().toInt(), 5);
    }

    void fittingMeasuresSamplesNotEveryRow() {
        auto table = stockTable(20000);
        DataGrid grid(stockColumns());
        grid.attach(table.get());
        fitColumnsToContent(grid);
        const QFontMetrics metrics(grid.appearance().font);
        QVERIFY(grid.columnWidth(u"ADI") >= metrics.horizontalAdvance("FREN BALATASI ÖN TAKIM"));
        QVERIFY(grid.columnWidth(u"RESIM") >= 30);
        QVERIFY(grid.columnWidth(u"RESIM") < 120);
    }

    // A sample grid with every cell kind, saved for a person to look at.
    void screenshotOfEveryCellKind() {
        using wire::FieldType;
        wire::ClientTable table;
        table.defineColumns({{"SEC", FieldType::Integer, 0},
                             {"DEPOBIRDURUM", FieldType::Integer, 0},
                             {"DEPOIKIDURUM", FieldType::Integer, 0},
                             {"BARKOD", FieldType::Text, 30},
                             {"ADI", FieldType::Text, 100},
                             {"RESIM", FieldType::Integer, 0},
                             {"Y", FieldType::Integer, 0},
                             {"MIKTAR", FieldType::Integer, 0},
                             {"NETFIYAT", FieldType::Real, 0},
                             {"KAMPFIYAT", FieldType::Real, 0}});
        const char* names[] = {"FREN BALATASI ÖN TAKIM SERAMİK", "YAĞ FİLTRESİ",
                               "AMORTİSÖR ARKA SOL GAZLI",       "DEBRİYAJ SETİ 3 PARÇA",
                               "ŞANZIMAN YAĞI 75W90 1 LT",       "İTİCİ MİL"};
        for (int r = 0; r < 6; ++r) {
            table.appendRow({r % 2, r, (r + 1) % 6, QStringLiteral("VRL-%1").arg(48210 + r * 37),
                             QString::fromUtf8(names[r]), (r + 1) % 2, r % 3 == 0 ? 1 : 0, r + 1,
                             1234.5 * (r + 1) + 0.25, r % 2 ? 0.0 : 999.9 * (r + 1)});
        }
        GridColumns columns{
            col("SEC", "Seç", 1, ColumnVisibility::Shown, CellKind::CheckBox),
            col("DEPOBIRDURUM", "İzmir", 1, ColumnVisibility::Shown, CellKind::StockState),
            col("DEPOIKIDURUM", "Antalya", 3, ColumnVisibility::Shown, CellKind::StockState),
            col("BARKOD", "Barkod", 2),
            col("ADI", "Açıklama", 3, ColumnVisibility::Shown, CellKind::WrappedText),
            col("RESIM", "Resim", 1, ColumnVisibility::Shown, CellKind::Picture),
            col("Y", "Yeni", 1, ColumnVisibility::Shown, CellKind::Flag),
            col("MIKTAR", "Miktar", 1),
            col("NETFIYAT", "Net Fiyatı", 2),
            col("FiyatBilgisi", "Fiyat Bilgisi", 3, ColumnVisibility::Shown, CellKind::Custom)};
        columns[2].showStateDescription = true;
        columns[2].stateDescriptions = QStringList{"Yok", "VaR"};
        DataGrid* gridPtr = nullptr;
        columns[9].paint = [&table, &gridPtr](QPainter* p, const QStyleOptionViewItem& option,
                                              int row) {
            const bool selected = option.state & QStyle::State_Selected;
            const int viewRow = gridPtr->model()->rowOfSource(row);
            p->fillRect(option.rect, gridPtr->appearance().rowBackground(viewRow, selected));
            QString text = "Liste Fiyatı: " + ParaBicimle(table.realAt(row, 8) * 1.4) + "\r\n";
            if (table.realAt(row, 9) > 0)
                text += "Kampanyalı Fiyat: " + ParaBicimle(table.realAt(row, 9)) + "\r\n";
            text += "NetFiyat: " + ParaBicimle(table.realAt(row, 8));
            p->setPen(Qt::black);
            p->drawText(option.rect.adjusted(10, 0, -10, 0), Qt::AlignRight | Qt::AlignVCenter,
                        text);
        };
        DataGrid grid(columns);
        gridPtr = &grid;
        GridAppearance look;
        look.rowHeight = 60;
        look.rowIndicator = true;
        grid.setAppearance(look);
        grid.setFilterButtons(true);
        grid.setFooterVisible(true);
        grid.setFooterSummaries({{"BARKOD", FooterSummary::Count},
                                 {"MIKTAR", FooterSummary::Sum},
                                 {"NETFIYAT", FooterSummary::Sum}});
        grid.resize(1330, 40 + 6 * 60 + 40);
        grid.attach(&table);
        SutunlariYay(grid);
        grid.model()->setColumnFilter(grid.columnOf(u"MIKTAR"), {"1", "2", "3", "4", "5", "6"});
        grid.setCurrentSourceRow(2);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        const QString dir = QStringLiteral(VARLENTA_BINARY_DIR "/screenshots");
        QDir().mkpath(dir);
        QVERIFY(grid.grab().save(dir + "/grid_cell_kinds.png"));

        // The same rows grouped, one group closed, with group footers.
        grid.setGroupColumn(u"Y");
        grid.model()->setGroupExpanded(0, false);
        grid.resize(1330, 40 + 7 * 60 + 40);
        QTest::qWait(20);
        QVERIFY(grid.grab().save(dir + "/grid_grouped.png"));
    }
};

QTEST_MAIN(TestDataGrid)
#include "tst_data_grid.moc"
