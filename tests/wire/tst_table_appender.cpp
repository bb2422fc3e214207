#include <QtTest>

#include "table_fixture.h"
#include "wire/client_table_appender.h"
#include "wire/table_codec.h"

using namespace wire;

namespace {

const QList<ColumnDef> kEveryType = {
    {"STOKNO", FieldType::Integer, 0}, {"BOYUT", FieldType::LongInteger, 0},
    {"FIYAT", FieldType::Real, 0},     {"TARIH", FieldType::Date, 0},
    {"SEC", FieldType::Boolean, 0},    {"STOKADI", FieldType::Text, 40}};

ClientTable emptyTable(const QList<ColumnDef>& columns) {
    ClientTable table;
    table.defineColumns(columns);
    return table;
}

}  // namespace

class TableAppenderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The typed cells give the same table, byte for byte on the wire, as appendRow's QVariants.
    void buildsWhatAppendRowBuilds() {
        const ClientTable expected = testing::everyTypeTable();
        ClientTable table = emptyTable(kEveryType);
        {
            TableAppender out(table);
            for (int row = 0; row < expected.rowCount(); ++row) {
                for (int col = 0; col < expected.columnCount(); ++col) {
                    if (expected.isNull(row, col)) {
                        out.null();
                        continue;
                    }
                    switch (expected.column(col).type) {
                        case FieldType::Integer:
                        case FieldType::LongInteger:
                        case FieldType::Boolean:
                            out.integer(expected.longIntegerAt(row, col));
                            break;
                        case FieldType::Real:
                        case FieldType::Date:
                            out.real(expected.realAt(row, col));
                            break;
                        case FieldType::Text:
                            out.text(expected.utf8At(row, col));
                            break;
                    }
                }
                out.endRow();
            }
        }
        QCOMPARE(table.rowCount(), expected.rowCount());
        QCOMPARE(encodeTable(table), encodeTable(expected));
    }

    // A cell of another kind than its column is converted as appendRow converts it.
    void convertsLikeAppendRow_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("integer into real") << 2 << QVariant(qint64(-7));
        QTest::newRow("integer into text") << 5 << QVariant(qint64(123456789012));
        QTest::newRow("integer into boolean") << 4 << QVariant(qint64(5));
        QTest::newRow("wide integer into integer") << 0 << QVariant(qint64(1) << 40);
        QTest::newRow("real into integer") << 0 << QVariant(2.75);
        QTest::newRow("real into long integer") << 1 << QVariant(-3.5);
        QTest::newRow("real into text") << 5 << QVariant(0.1);
        QTest::newRow("text into integer") << 0 << QVariant(QStringLiteral("42"));
        QTest::newRow("text into real") << 2 << QVariant(QStringLiteral("1.25"));
        QTest::newRow("non-ASCII text") << 5 << QVariant(QStringLiteral("ŞAFT İĞNE 😀"));
    }
    void convertsLikeAppendRow() {
        QFETCH(int, column);
        QFETCH(QVariant, value);
        ClientTable expected = emptyTable(kEveryType);
        QVariantList row(kEveryType.size());
        row[column] = value;
        expected.appendRow(row);

        ClientTable table = emptyTable(kEveryType);
        TableAppender out(table);
        for (int col = 0; col < column; ++col)
            out.null();
        if (value.typeId() == QMetaType::QString)
            out.text(value.toString());
        else if (value.typeId() == QMetaType::Double)
            out.real(value.toDouble());
        else
            out.integer(value.toLongLong());
        out.endRow();  // the cells not given are null
        QCOMPARE(encodeTable(table), encodeTable(expected));
    }

    // Rows go after those of a decoded table (whose columns share the received bytes), and a row
    // left unfinished is dropped without a trace.
    void appendsToDecodedTableAndDropsUnfinishedRow() {
        const ClientTable source = testing::everyTypeTable();
        const QByteArray blob = encodeTable(source);
        ClientTable table = decodeTable(blob);
        table.reserveRows(8);            // owned columns with room to spare
        const ClientTable copy = table;  // shares those columns until one of them changes
        {
            TableAppender out(table);
            out.integer(9).integer(10).real(11.5).null().integer(1).text(QByteArrayView("EK"));
            out.endRow();
            out.integer(1).null().real(2).real(3).integer(0).text(QByteArrayView("YARIM"));
            QCOMPARE(out.cellsInRow(), 6);
        }
        QCOMPARE(blob, encodeTable(source));  // the shared bytes were not written
        QCOMPARE(encodeTable(copy), blob);
        QCOMPARE(table.rowCount(), source.rowCount() + 1);
        const int last = source.rowCount();
        QCOMPARE(table.integerAt(last, 0), 9);
        QCOMPARE(table.realAt(last, 2), 11.5);
        QVERIFY(table.isNull(last, 3));
        QCOMPARE(table.textAt(last, 5), QStringLiteral("EK"));
        QCOMPARE(table.textAt(0, 5), source.textAt(0, 5));

        ClientTable expected = source;
        expected.appendRow({9, 10, 11.5, QVariant(), true, QStringLiteral("EK")});
        QCOMPARE(encodeTable(table), encodeTable(expected));
    }

    void refusesMoreCellsThanColumns() {
        ClientTable table = emptyTable({{"A", FieldType::Integer, 0}});
        TableAppender out(table);
        out.integer(1);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, out.integer(2));
        out.endRow();
        QCOMPARE(table.rowCount(), 1);
        QCOMPARE(table.integerAt(0, 0), 1);
    }
};

QTEST_GUILESS_MAIN(TableAppenderTest)
#include "tst_table_appender.moc"
