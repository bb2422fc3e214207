#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "client/ui/grid/data_grid.h"
#include "client/ui/grid/grid_excel.h"
#include "client/ui/test_support/scripted_messages.h"
#include "client/ui/test_support/scripted_save_dialog.h"
#include "grid_fixture.h"
#include "wire/ole_date.h"

using namespace ui;
using namespace gridtest;

namespace {

QByteArray zipMember(const QString& zip, const QString& member) {
    QProcess python;
    python.start("python3",
                 {"-c",
                  "import sys, zipfile\n"
                  "sys.stdout.buffer.write(zipfile.ZipFile(sys.argv[1]).read(sys.argv[2]))",
                  zip, member});
    python.waitForFinished(30000);
    return python.readAllStandardOutput();
}

/// The first worksheet of an .xlsx as rows of cell texts: strings resolved, numbers as written,
/// booleans as "TRUE"/"FALSE"; and for every cell whether it is a number.
struct Sheet {
    QList<QStringList> rows;
    QSet<QString> numberCells;  ///< "row,column" of cells stored as numbers

    QString at(int row, int column) const { return rows.value(row).value(column); }
    bool isNumber(int row, int column) const {
        return numberCells.contains(QStringLiteral("%1,%2").arg(row).arg(column));
    }
};

int columnOfReference(const QString& ref) {
    int column = 0;
    for (const QChar ch : ref) {
        if (!ch.isLetter())
            break;
        column = column * 26 + (ch.unicode() - 'A' + 1);
    }
    return column - 1;
}

Sheet readSheet(const QString& path) {
    QStringList shared;
    QXmlStreamReader strings(zipMember(path, "xl/sharedStrings.xml"));
    while (strings.readNextStartElement() || !strings.atEnd()) {
        if (strings.isStartElement() && strings.name() == u"t")
            shared << strings.readElementText();
        else if (!strings.isStartElement())
            strings.readNext();
    }
    Sheet sheet;
    QXmlStreamReader xml(zipMember(path, "xl/worksheets/sheet1.xml"));
    int row = -1, column = 0;
    QString type;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"row") {
            row = xml.attributes().value("r").toInt() - 1;
            while (sheet.rows.size() <= row)
                sheet.rows << QStringList();
        } else if (xml.name() == u"c") {
            column = columnOfReference(xml.attributes().value("r").toString());
            type = xml.attributes().value("t").toString();
        } else if (xml.name() == u"v") {
            const QString v = xml.readElementText();
            QStringList& cells = sheet.rows[row];
            while (cells.size() <= column)
                cells << QString();
            if (type == "s") {
                cells[column] = shared.value(v.toInt());
            } else if (type == "b") {
                cells[column] = v == "1" ? "TRUE" : "FALSE";
            } else {
                cells[column] = v;
                sheet.numberCells.insert(QStringLiteral("%1,%2").arg(row).arg(column));
            }
        }
    }
    return sheet;
}

}  // namespace

class TestGridExcel : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::shared_ptr<wire::ClientTable> table_;

private Q_SLOTS:
    void init() { table_ = orderLines(); }

    void fileNamesGetTheWorkbookExtension_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << "/d/sepet"
                                      << "/d/sepet.xlsx";
        QTest::newRow("xlsx") << "/d/sepet.xlsx"
                              << "/d/sepet.xlsx";
        QTest::newRow("xls") << "/d/sepet.xls"
                             << "/d/sepet.xlsx";
        QTest::newRow("dotted folder") << "/d/v1.2/sepet"
                                       << "/d/v1.2/sepet.xlsx";
    }
    void fileNamesGetTheWorkbookExtension() {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QCOMPARE(workbookFileName(typed), written);
    }

    void cancellingTheDialogWritesNothing() {
        DataGrid grid(orderColumns());
        grid.attach(table_.get());
        ScriptedSaveDialog dialog;  // answers like Cancel
        QVERIFY(!GridExceleAktar(grid));
        QCOMPARE(dialog.asked(), 1);
        QCOMPARE(dialog.filter(), QString("Excel (*.xls*)"));
        QVERIFY(QDir(dir_.path()).entryList(QDir::Files).isEmpty());
    }

    void allRowsAndVisibleColumnsInTheirTypes() {
        DataGrid grid(orderColumns());
        grid.setColumnShown(u"SEC", false);
        grid.attach(table_.get());
        grid.model()->sort(grid.columnOf(u"TUTAR"), Qt::DescendingOrder);
        grid.setCurrentSourceRow(2);  // one row selected; all are written
        ScriptedSaveDialog dialog(dir_.filePath("siparis"));
        QVERIFY(GridExceleAktar(grid));
        const QString path = dir_.filePath("siparis.xlsx");
        QVERIFY(QFile::exists(path));

        const Sheet sheet = readSheet(path);
        // Header: captions (the field name where there is none); the hidden SEC and the unbound
        // YOKALAN are not written.
        QCOMPARE(sheet.rows.first(), QStringList({"SATICIADI", "Barkod", "Stok Açıklama", "Miktar",
                                                  "Tutar", "Tarih", "Durum"}));
        QCOMPARE(sheet.rows.size(), 1 + 5);
        // Rows in the grid's order: TUTAR descending.
        QCOMPARE(sheet.at(1, 2), QString("YAĞ FİLTRESİ"));
        QCOMPARE(sheet.at(1, 4), QString("1000000.25"));
        QVERIFY(sheet.isNumber(1, 4));
        QCOMPARE(sheet.at(2, 3), QString("3"));
        QVERIFY(sheet.isNumber(2, 3));
        QCOMPARE(sheet.at(2, 5).toDouble(), wire::dateToOleDate(QDate(2026, 1, 5)));
        QCOMPARE(sheet.at(5, 2), QString("ŞANZIMAN YAĞI"));
        QCOMPARE(sheet.at(5, 6), QString("3"));  // the state code itself
        QCOMPARE(sheet.at(4, 1), QString());     // null stays empty
        // Money and dates carry number formats.
        const QByteArray styles = zipMember(path, "xl/styles.xml");
        QVERIFY(styles.contains("formatCode=\"#,##0.00\""));
        QVERIFY(styles.contains("formatCode=\"dd.mm.yyyy\""));
    }

    void groupsAreWrittenExpanded() {
        DataGrid grid(orderColumns());
        grid.attach(table_.get());
        grid.setGroupColumn(u"SATICIADI");
        grid.setAllGroupsExpanded(false);
        grid.model()->setColumnFilter(grid.columnOf(u"MIKTAR"), {"1", "3", "4", "5"});
        ScriptedSaveDialog dialog(dir_.filePath("gruplu.xlsx"));
        QVERIFY(GridExceleAktar(grid));
        const Sheet sheet = readSheet(dir_.filePath("gruplu.xlsx"));
        QStringList firstColumn;
        for (const QStringList& row : sheet.rows)
            firstColumn << row.value(0) + "|" + row.value(1);
        QCOMPARE(firstColumn,
                 QStringList({"Barkod|Stok Açıklama", "SATICIADI: CAN|", "A-200|YAĞ FİLTRESİ",
                              "D-400|İTİCİ MİL", "SATICIADI: ÇETİN|", "C-300|ŞANZIMAN YAĞI",
                              "SATICIADI: DENİZ|", "B-100|FREN BALATASI ÖN"}));
    }

    void aFailedWriteIsReported() {
        DataGrid grid(orderColumns());
        grid.attach(table_.get());
        ScriptedSaveDialog dialog(dir_.filePath("yok/olmayan/klasor/dosya"));
        ScriptedMessages messages;
        QVERIFY(!GridExceleAktar(grid));
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().tur, MesajTuru::Hata);
        QVERIFY(messages.last().metin.contains("dosya.xlsx"));
    }
};

QTEST_MAIN(TestGridExcel)
#include "tst_grid_excel.moc"
