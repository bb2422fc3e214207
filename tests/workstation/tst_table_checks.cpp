#include <QTest>

#include "client/app/workstation/money.h"
#include "client/app/workstation/table_checks.h"
#include "wire/client_table.h"

using wire::ClientTable;
using wire::FieldType;

Q_DECLARE_METATYPE(wire::ClientTable)

class TableChecksTest : public QObject {
    Q_OBJECT

private:
    static ClientTable basket(const QList<QVariantList>& rows) {
        ClientTable table;
        table.defineColumns({{QStringLiteral("STOKNO"), FieldType::Text, 20},
                             {QStringLiteral("SEC"), FieldType::Integer, 0}});
        for (const QVariantList& row : rows) {
            table.appendRow(row);
        }
        return table;
    }

private Q_SLOTS:
    void dataAndSelection_data() {
        QTest::addColumn<ClientTable>("table");
        QTest::addColumn<bool>("hasData");
        QTest::addColumn<bool>("hasSelection");
        const QVariantList unmarked = {QStringLiteral("A1"), 0};
        const QVariantList marked = {QStringLiteral("B2"), 1};
        QTest::newRow("never opened") << ClientTable() << false << false;
        QTest::newRow("open, no rows") << basket({}) << false << false;
        QTest::newRow("rows, none marked")
            << basket({unmarked, {QStringLiteral("C3"), 2}, {QStringLiteral("D4"), QVariant()}})
            << true << false;
        QTest::newRow("last row marked") << basket({unmarked, unmarked, marked}) << true << true;
        ClientTable closed = basket({marked});
        closed.close();
        QTest::newRow("closed after marking") << closed << false << false;
        ClientTable noSecColumn;
        noSecColumn.defineColumns({{QStringLiteral("ADI"), FieldType::Text, 10}});
        noSecColumn.appendRow({QStringLiteral("x")});
        QTest::newRow("no SEC column") << noSecColumn << true << false;
    }

    void dataAndSelection() {
        QFETCH(ClientTable, table);
        QFETCH(bool, hasData);
        QFETCH(bool, hasSelection);
        QCOMPARE(VeriVarMi(table), hasData);
        QCOMPARE(SeciliVarMi(table), hasSelection);
    }

    void floatColumnsGetTheMoneyFormat() {
        ClientTable table;
        table.defineColumns({{QStringLiteral("MIKTAR"), FieldType::Integer, 0},
                             {QStringLiteral("FIYAT"), FieldType::Real, 0},
                             {QStringLiteral("TARIH"), FieldType::Date, 0},
                             {QStringLiteral("ADI"), FieldType::Text, 40},
                             {QStringLiteral("TUTAR"), FieldType::Real, 0}});
        FloatBicimle(table);
        const QStringList formats = {table.displayFormat(0), table.displayFormat(1),
                                     table.displayFormat(2), table.displayFormat(3),
                                     table.displayFormat(4)};
        const QString money = kParaDeseni.toString();
        QCOMPARE(formats, (QStringList{QString(), money, QString(), QString(), money}));
    }
};

QTEST_GUILESS_MAIN(TableChecksTest)
#include "tst_table_checks.moc"
