#include <QAbstractItemModelTester>
#include <QtTest>
#include <numeric>

#include "client/app/workstation/money.h"
#include "client/ui/grid/grid_model.h"
#include "client/ui/grid/text_order.h"
#include "grid_fixture.h"

using namespace ui;
using namespace gridtest;

class TestGridModel : public QObject {
    Q_OBJECT

    std::shared_ptr<wire::ClientTable> table_;

    QStringList columnTexts(const GridModel& model, int column) {
        QStringList texts;
        for (int row = 0; row < model.rowCount(); ++row)
            texts << model.index(row, column).data().toString();
        return texts;
    }

private Q_SLOTS:
    void init() { table_ = orderLines(); }

    void modelPassesTheItemModelTesterThroughEveryChange() {
        GridModel model(orderColumns());
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setTable(table_.get());
        model.sort(2, Qt::DescendingOrder);
        model.setColumnFilter(0, {"CAN", "DENİZ"});
        model.setSummaries({{"TUTAR", FooterSummary::Sum}, {"TARIH", FooterSummary::Count}});
        model.setGroupColumn(0);
        model.setGroupExpanded(1, false);
        model.setAllGroupsExpanded(false);
        model.setAllGroupsExpanded(true);
        model.clearFilters();
        model.setGroupColumn(-1);
        model.setTable(nullptr);
        QCOMPARE(model.rowCount(), 0);
    }

    void cellsShowTheirTypesFormatted() {
        GridModel model(orderColumns());
        model.setTable(table_.get());
        QCOMPARE(model.rowCount(), 5);
        QCOMPARE(model.index(1, 4).data().toString(), QString("1.000.000,25"));  // money, Turkish
        QCOMPARE(model.index(0, 5).data().toString(), QString("05.01.2026"));
        QCOMPARE(model.index(0, 3).data().toString(), QString("3"));
        QCOMPARE(model.index(4, 1).data().toString(), QString());  // null text
        // Money and numbers right, text left.
        QCOMPARE(model.index(0, 4).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight,
                 int(Qt::AlignRight));
        QCOMPARE(model.index(0, 2).data(Qt::TextAlignmentRole).toInt() & Qt::AlignLeft,
                 int(Qt::AlignLeft));
        // A field the table lacks is an empty column, not an error.
        QCOMPARE(model.tableColumn(8), -1);
        QCOMPARE(model.index(0, 8).data().toString(), QString());
        // Icons and check boxes carry their value, not text.
        QCOMPARE(model.index(2, 6).data(GridModel::CellNumberRole).toInt(), 3);
        QCOMPARE(model.index(2, 6).data(Qt::ToolTipRole).toString(), QString("Yolda"));
        QCOMPARE(model.index(0, 7).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(model.index(1, 7).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QVERIFY(!(model.flags(model.index(0, 7)) & Qt::ItemIsEditable));
    }

    void captionsFallBackToTheFieldName() {
        GridModel model(stockColumns());
        QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QString("İzmir"));
        QCOMPARE(model.headerData(9, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QString("STOK_STOKNO"));
        QCOMPARE(model.headerData(25, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QString());  // PKOD
    }

    void stateDescriptionsCanBeOverridden() {
        GridColumns columns = orderColumns();
        columns[6].showStateDescription = true;
        columns[6].stateDescriptions = QStringList{"Yok", "VaR"};
        GridModel model(columns);
        model.setTable(table_.get());
        QCOMPARE(model.index(0, 6).data().toString(), QString("VaR"));
        QCOMPARE(model.index(2, 6).data().toString(), QString("Yolda"));
        QCOMPARE(model.index(4, 6).data().toString(), QString());  // null: no icon, no text
    }

    void textSortsInTurkishOrder() {
        QVERIFY(compareTurkish("CAN", "ÇETİN") < 0);
        QVERIFY(compareTurkish("ÇETİN", "DENİZ") < 0);
        QVERIFY(compareTurkish("ISIK", "İLK") < 0);    // I before İ
        QVERIFY(compareTurkish("ışık", "IŞIK") == 0);  // case folded, ı is I
        QVERIFY(compareTurkish("iç", "İÇ") == 0);
        QVERIFY(compareTurkish("AB", "ABC") < 0);

        GridModel model(orderColumns());
        model.setTable(table_.get());
        model.sort(2, Qt::AscendingOrder);
        QCOMPARE(columnTexts(model, 2), QStringList({"FREN BALATASI ÖN", "ışık müşiri", "İTİCİ MİL",
                                                     "ŞANZIMAN YAĞI", "YAĞ FİLTRESİ"}));
        model.sort(4, Qt::DescendingOrder);
        QCOMPARE(model.sourceRow(0), 1);
        QCOMPARE(model.sourceRow(4), 2);
        model.sort(1, Qt::AscendingOrder);  // nulls first
        QCOMPARE(model.sourceRow(0), 4);
        model.sort(-1);  // back to the table's order
        QCOMPARE(model.sourceRow(3), 3);
    }

    // Long texts that share more than the sort key's fifteen characters, Turkish letters, case
    // variants and nulls: the model's order must be exactly a stable sort by compareTurkish.
    void longTextsSortExactlyAsComparedWholly() {
        wire::ClientTable table;
        table.defineColumns({{"ADI", wire::FieldType::Text, 60}});
        const QStringList pieces{"FREN BALATASI ÖN TAKIM ",
                                 "fren balatası ön takım ",
                                 "I",
                                 "İ",
                                 "ı",
                                 "i",
                                 "Ç",
                                 "C",
                                 "ŞANZIMAN",
                                 "SANZIMAN",
                                 "1",
                                 "9",
                                 " ",
                                 ""};
        quint32 seed = 7;
        for (int r = 0; r < 600; ++r) {
            QString text;
            const int parts = int((seed = seed * 1103515245u + 12345u) >> 16) % 4;
            for (int p = 0; p < parts; ++p)
                text += pieces[int((seed = seed * 1103515245u + 12345u) >> 16) % pieces.size()];
            table.appendRow({r % 97 == 0 ? QVariant() : QVariant(text)});
        }
        GridModel model({col("ADI", "", 1)});
        model.setTable(&table);
        for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            std::vector<int> expected(600);
            std::iota(expected.begin(), expected.end(), 0);
            std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
                const bool na = table.isNull(a, 0), nb = table.isNull(b, 0);
                if (na || nb)
                    return order == Qt::AscendingOrder ? na && !nb : nb && !na;
                const int c = compareTurkish(table.utf8At(a, 0), table.utf8At(b, 0));
                return order == Qt::AscendingOrder ? c < 0 : c > 0;
            });
            model.sort(0, order);
            for (int i = 0; i < 600; ++i)
                QCOMPARE(model.sourceRow(i), expected[size_t(i)]);
        }
        // The filter list holds every spelling once.
        const QStringList values = model.distinctValues(0);
        QCOMPARE(QSet<QString>(values.begin(), values.end()).size(), values.size());
    }

    void filterMatchesWhatTheCellShows() {
        GridModel model(orderColumns());
        model.setTable(table_.get());
        // 1234.5 and 1234.499 both show as 1.234,50.
        QVERIFY(model.distinctValues(4).contains("1.234,50"));
        QCOMPARE(model.distinctValues(4).count("1.234,50"), 1);
        model.setColumnFilter(4, {"1.234,50"});
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.sourceRow(1), 3);
        // Filters combine across columns and survive a new table.
        model.setColumnFilter(0, {"CAN"});
        QCOMPARE(model.rowCount(), 1);
        auto reloaded = orderLines();
        model.setTable(reloaded.get());
        QCOMPARE(model.rowCount(), 1);
        model.clearFilters();
        QCOMPARE(model.rowCount(), 5);
        // The empty text chooses the null cells.
        QCOMPARE(model.distinctValues(1).first(), QString());
        model.setColumnFilter(1, {QString()});
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.sourceRow(0), 4);
        // Text values sort in Turkish order in the filter list.
        QCOMPARE(model.distinctValues(0), QStringList({"CAN", "ÇETİN", "DENİZ"}));
    }

    void incrementalSearchFindsByPrefixIgnoringCase() {
        GridModel model(orderColumns());
        model.setTable(table_.get());
        QCOMPARE(model.findPrefix(2, "yağ", 0), 1);
        QCOMPARE(model.findPrefix(2, "Ş", 0), 2);
        QCOMPARE(model.findPrefix(0, "DEN", 1), 4);  // searches on from the start row
        QCOMPARE(model.findPrefix(0, "DEN", 0), 0);
        QCOMPARE(model.findPrefix(2, "XYZ", 0), -1);
        QCOMPARE(model.findPrefix(8, "A", 0), -1);  // unbound column
    }

    void footerSumsAreFormattedLikeTheirCells() {
        GridModel model(orderColumns());
        model.setTable(table_.get());
        model.setSummaries({{"TARIH", FooterSummary::Count},
                            {"MIKTAR", FooterSummary::Sum},
                            {"TUTAR", FooterSummary::Sum}});
        QCOMPARE(model.footerText(5), QString("5"));
        QCOMPARE(model.footerText(3), QString("15"));
        QCOMPARE(model.footerText(4), QString("1.002.480,00"));
        QCOMPARE(model.footerText(2), QString());
        // The footer follows the filter.
        model.setColumnFilter(0, {"CAN"});
        QCOMPARE(model.footerText(5), QString("2"));
        QCOMPARE(model.footerText(4), QString("1.001.234,75"));
        model.setColumnFilter(0, {"NOBODY"});
        QCOMPARE(model.footerText(4), QString("0,00"));
        // A local edit is summed after refreshRows.
        model.clearFilters();
        table_->setValue(0, 4, 0.0);
        model.refreshRows();
        QCOMPARE(model.footerText(4), QString("1.001.245,50"));
    }

    void groupingShowsHeadersRowsAndFooters() {
        GridModel model(orderColumns());
        model.setTable(table_.get());
        model.setSummaries({{"TUTAR", FooterSummary::Sum}, {"TARIH", FooterSummary::Count}});
        model.sort(2, Qt::AscendingOrder);
        model.setGroupColumn(0);
        QCOMPARE(model.groupCount(), 3);
        QCOMPARE(model.groupTitle(0), QString("CAN"));
        QCOMPARE(model.groupTitle(1), QString("ÇETİN"));
        QCOMPARE(model.groupTitle(2), QString("DENİZ"));
        // CAN: header, 2 rows sorted by description, footer; then ÇETİN; then DENİZ.
        QCOMPARE(model.rowCount(), 3 * 2 + 5);
        QCOMPARE(model.rowKind(0), GridModel::RowKind::GroupHeader);
        QCOMPARE(model.index(0, 0).data().toString(), QString("SATICIADI: CAN (2)"));
        QCOMPARE(model.sourceRow(1), 3);  // İTİCİ MİL before YAĞ FİLTRESİ
        QCOMPARE(model.sourceRow(2), 1);
        QCOMPARE(model.rowKind(3), GridModel::RowKind::GroupFooter);
        QCOMPARE(model.index(3, 4).data().toString(), QString("1.001.234,75"));
        QCOMPARE(model.index(3, 5).data().toString(), QString("2"));
        QCOMPARE(model.index(3, 2).data().toString(), QString());
        QCOMPARE(model.groupOfRow(2), 0);
        // The grid footer shows the same values for all rows.
        QCOMPARE(model.footerText(5), QString("5"));
        QCOMPARE(model.footerText(4), QString("1.002.480,00"));

        model.setAllGroupsExpanded(false);
        QCOMPARE(model.rowCount(), 6);  // only headers and their footers
        QCOMPARE(model.rowKind(1), GridModel::RowKind::GroupFooter);
        QCOMPARE(model.index(1, 4).data().toString(), QString("1.001.234,75"));
        QCOMPARE(model.rowOfSource(3), -1);
        model.setGroupExpanded(2, true);
        QCOMPARE(model.rowCount(), 8);
        QCOMPARE(model.sourceRow(5), 0);
        // Collapsed groups stay collapsed through a sort.
        model.sort(3, Qt::DescendingOrder);
        QCOMPARE(model.rowCount(), 8);
        QVERIFY(!model.isGroupExpanded(0));
        QVERIFY(model.isGroupExpanded(2));
    }
};

QTEST_MAIN(TestGridModel)
#include "tst_grid_model.moc"
