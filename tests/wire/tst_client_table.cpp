#include <QtTest>

#include "table_fixture.h"
#include "wire/error.h"
#include "wire/ole_date.h"
#include "wire/table_codec.h"

using namespace wire;

namespace {

ClientTable reader(const QStringList& names, int rows) {
    ClientTable table;
    QList<ColumnDef> columns;
    for (const QString& name : names)
        columns.append({name, FieldType::Integer, 0});
    table.defineColumns(columns);
    for (int row = 0; row < rows; ++row) {
        QVariantList values;
        for (int col = 0; col < names.size(); ++col)
            values.append(row * 10 + col);
        table.appendRow(values);
    }
    return table;
}

}  // namespace

class ClientTableTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsEveryTypeAndNull() {
        const ClientTable table = testing::everyTypeTable();
        QCOMPARE(table.rowCount(), 4);
        QCOMPARE(table.columnIndex(u"stokadi"), 5);
        QCOMPARE(table.columnIndex(u"YOK"), -1);
        QCOMPARE(table.integerAt(0, 0), std::numeric_limits<qint32>::min());
        QCOMPARE(table.longIntegerAt(0, 1), std::numeric_limits<qint64>::max());
        QCOMPARE(table.realAt(0, 2), -0.5);
        QCOMPARE(table.valueAt(0, 3).toDateTime(),
                 QDateTime(QDate(2024, 2, 29), QTime(12, 0), QTimeZone::utc()));
        QCOMPARE(table.realAt(2, 3), 0.0);  // 30 December 1899 is day 0
        QVERIFY(table.booleanAt(0, 4));
        QCOMPARE(table.utf8At(0, 5), QString("FREN BALATASI ÖN ışığı").toUtf8());
        QCOMPARE(table.textAt(2, 1), QStringLiteral("-1"));
        QCOMPARE(table.textAt(0, 3), QStringLiteral("2024-02-29 12:00:00"));
        QCOMPARE(table.textAt(2, 3), QStringLiteral("1899-12-30"));
        QCOMPARE(table.numberAt(0, 4), 1.0);
        for (int col = 0; col < table.columnCount(); ++col) {
            QVERIFY(table.isNull(1, col));
            QVERIFY(!table.valueAt(1, col).isValid());
            QCOMPARE(table.textAt(1, col), QString());
        }
    }

    void convertsOleDates_data() {
        QTest::addColumn<double>("ole");
        QTest::addColumn<QDateTime>("when");
        const auto at = [](int y, int m, int d, int h = 0, int min = 0) {
            return QDateTime(QDate(y, m, d), QTime(h, min), QTimeZone::utc());
        };
        QTest::newRow("epoch") << 0.0 << at(1899, 12, 30);
        QTest::newRow("noon") << 45351.5 << at(2024, 2, 29, 12);
        QTest::newRow("before epoch, 6 am") << -1.25 << at(1899, 12, 29, 6);
        QTest::newRow("quarter to midnight") << 2.96875 << at(1900, 1, 1, 23, 15);
    }

    void convertsOleDates() {
        QFETCH(double, ole);
        QFETCH(QDateTime, when);
        QCOMPARE(oleDateToDateTime(ole), when);
        QCOMPARE(dateTimeToOleDate(when), ole);
    }

    void editsCellsLocally_data() {
        QTest::addColumn<int>("col");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("integer") << 0 << QVariant(-5);
        QTest::newRow("long integer") << 1 << QVariant(qint64(1) << 40);
        QTest::newRow("real") << 2 << QVariant(12.25);
        QTest::newRow("date") << 3
                              << QVariant(
                                     QDateTime(QDate(2025, 1, 2), QTime(0, 0), QTimeZone::utc()));
        QTest::newRow("boolean") << 4 << QVariant(true);
        QTest::newRow("longer text") << 5 << QVariant(QStringLiteral("çok daha uzun bir açıklama"));
        QTest::newRow("shorter text") << 5 << QVariant(QStringLiteral("x"));
        QTest::newRow("null") << 5 << QVariant();
    }

    void editsCellsLocally() {
        QFETCH(int, col);
        QFETCH(QVariant, value);
        // A decoded table shares the received bytes; an edit must touch only this table's copy.
        const QByteArray blob = encodeTable(testing::everyTypeTable());
        const ClientTable original = decodeTable(blob);
        ClientTable edited = original;
        for (int row : {0, 1, 3})
            edited.setValue(row, col, value);
        const ClientTable expected = testing::everyTypeTable();
        for (int row = 0; row < expected.rowCount(); ++row) {
            for (int c = 0; c < expected.columnCount(); ++c) {
                QCOMPARE(original.valueAt(row, c), expected.valueAt(row, c));
                const bool changed = c == col && row != 2;
                QCOMPARE(edited.valueAt(row, c), changed ? value : expected.valueAt(row, c));
            }
        }
        QCOMPARE(decodeTable(encodeTable(edited)).valueAt(3, col), value);
        QCOMPARE(decodeTable(encodeTable(edited)).valueAt(2, col), expected.valueAt(2, col));
    }

    void editConvertsToColumnType() {
        ClientTable table = testing::everyTypeTable();
        table.setValue(2, 0, QStringLiteral("17"));
        table.setValue(2, 2, 3);
        table.setValue(2, 5, 2.5);
        QCOMPARE(table.valueAt(2, 0), QVariant(17));
        QCOMPARE(table.valueAt(2, 2), QVariant(3.0));
        QCOMPARE(table.valueAt(2, 5), QVariant(QStringLiteral("2.5")));
    }

    void loadsReaderWithColumnRule_data() {
        QTest::addColumn<QStringList>("defined");
        QTest::addColumn<QStringList>("readerColumns");
        QTest::addColumn<QStringList>("expected");  // empty: the load fails
        QTest::newRow("first load defines all")
            << QStringList{} << QStringList{"A", "B"} << QStringList{"A", "B"};
        QTest::newRow("same columns")
            << QStringList{"A", "B"} << QStringList{"A", "B"} << QStringList{"A", "B"};
        QTest::newRow("names compare case-insensitively")
            << QStringList{"CARINO"} << QStringList{"carino"} << QStringList{"CARINO"};
        QTest::newRow("further columns at the end")
            << QStringList{"A", "B"} << QStringList{"A", "B", "C"} << QStringList{"A", "B", "C"};
        QTest::newRow("reader lacks a defined column")
            << QStringList{"A", "B"} << QStringList{"A"} << QStringList{"A", "B"};
        QTest::newRow("other name at a position")
            << QStringList{"A", "B"} << QStringList{"A", "X", "B"} << QStringList{};
        QTest::newRow("swapped") << QStringList{"A", "B"} << QStringList{"B", "A"} << QStringList{};
    }

    void loadsReaderWithColumnRule() {
        QFETCH(QStringList, defined);
        QFETCH(QStringList, readerColumns);
        QFETCH(QStringList, expected);
        ClientTable table;
        if (!defined.isEmpty()) {
            table = reader(defined, 5);
            table.setDisplayFormat(0, QStringLiteral("#,###,##0.00"));
        }
        const ClientTable rows = reader(readerColumns, 3);
        if (expected.isEmpty()) {
            try {
                table.loadFromReader(rows);
                QFAIL("the load did not fail");
            } catch (const Error& error) {
                QCOMPARE(error.className(), QString::fromLatin1(kDatabaseErrorClass));
                QCOMPARE(error.message(),
                         QStringLiteral("Additional columns must be added after the prescribed "
                                        "columns."));
            }
            return;
        }
        table.loadFromReader(rows);
        QVERIFY(table.isOpen());
        QCOMPARE(table.rowCount(), 3);
        QStringList names;
        for (const ColumnDef& def : table.columns())
            names.append(def.name);
        QCOMPARE(names, expected);
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < expected.size(); ++col) {
                if (col < readerColumns.size())
                    QCOMPARE(table.integerAt(row, col), row * 10 + col);
                else
                    QVERIFY(table.isNull(row, col));
            }
        }
        if (!defined.isEmpty())
            QCOMPARE(table.displayFormat(0), QStringLiteral("#,###,##0.00"));
    }

    void loadConvertsKeptColumnOfOtherType() {
        ClientTable table;
        table.defineColumns({{"A", FieldType::Real, 0}});
        table.loadFromReader(reader({"A"}, 2));
        QCOMPARE(table.column(0).type, FieldType::Real);
        QCOMPARE(table.realAt(1, 0), 10.0);
    }

    void packetReplacesColumnsAndRows() {
        ClientTable table = reader({"A", "B"}, 5);
        table.assignPacket(testing::everyTypeTable());
        QCOMPARE(table.columns(), testing::everyTypeTable().columns());
        QCOMPARE(table.rowCount(), 4);
        QCOMPARE(table.textAt(3, 5), QStringLiteral("😀 ğüşöç"));
    }

    void closeKeepsColumns() {
        ClientTable table = testing::everyTypeTable();
        table.close();
        QVERIFY(!table.isOpen());
        QCOMPARE(table.rowCount(), 0);
        QCOMPARE(table.columnCount(), 6);
    }

    void decodedTableCostsAboutItsWireBytes() {
        ClientTable table;
        table.defineColumns(
            {{"N", FieldType::Integer, 0}, {"T", FieldType::Text, 30}, {"R", FieldType::Real, 0}});
        for (int row = 0; row < 10000; ++row)
            table.appendRow({row, QStringLiteral("Parça %1").arg(row), row * 0.5});
        const QByteArray blob = encodeTable(table);
        const ClientTable decoded = decodeTable(blob);
        QVERIFY2(decoded.memoryBytes() <= blob.size() * 3 / 2,
                 qPrintable(QStringLiteral("%1 bytes for %2 wire bytes")
                                .arg(decoded.memoryBytes())
                                .arg(blob.size())));
    }
};

QTEST_GUILESS_MAIN(ClientTableTest)
#include "tst_client_table.moc"
