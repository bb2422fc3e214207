#include <QtEndian>
#include <QtTest>

#include "table_fixture.h"
#include "wire/error.h"
#include "wire/table_codec.h"
#include "wire/utf8.h"

using namespace wire;

namespace {

void compareTables(const ClientTable& actual, const ClientTable& expected) {
    QCOMPARE(actual.columns(), expected.columns());
    QCOMPARE(actual.rowCount(), expected.rowCount());
    for (int row = 0; row < expected.rowCount(); ++row) {
        for (int col = 0; col < expected.columnCount(); ++col) {
            QCOMPARE(actual.isNull(row, col), expected.isNull(row, col));
            QCOMPARE(actual.valueAt(row, col), expected.valueAt(row, col));
        }
    }
}

/// A three-row table whose blob layout the malformed cases below patch by offset:
///   0 rows u32, 4 columns u32, 8 type, 9 name length, 13 "N", 14 size, 18 type, 19 name
///   length, 23 "T", 24 size, 28 null flag, 29 three i32, 41 null flag, 42 four offsets
///   (0, 2, 4, 5), 58 the text "abçd".
QByteArray smallBlob() {
    ClientTable table;
    table.defineColumns({{"N", FieldType::Integer, 0}, {"T", FieldType::Text, 10}});
    table.appendRow({7, QStringLiteral("ab")});
    table.appendRow({8, QStringLiteral("ç")});
    table.appendRow({9, QStringLiteral("d")});
    return encodeTable(table);
}

QByteArray patched(QByteArray blob, int at, QByteArray bytes) {
    blob.replace(at, bytes.size(), bytes);
    return blob;
}

QByteArray u32(quint32 value) {
    QByteArray raw(4, '\0');
    qToLittleEndian(value, raw.data());
    return raw;
}

}  // namespace

class TableCodecTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTripsEveryTypeWithNulls() {
        const ClientTable table = testing::everyTypeTable();
        const QByteArray blob = encodeTable(table);
        compareTables(decodeTable(blob), table);
        compareTables(decodeTable(QByteArrayView(blob)), table);
        QCOMPARE(decodeTable(blob).textAt(0, 5), QStringLiteral("FREN BALATASI ÖN ışığı"));
        QCOMPARE(decodeTable(blob).textAt(2, 5), QString());
        QVERIFY(!decodeTable(blob).isNull(2, 5));  // empty text is not null
        QCOMPARE(encodeTable(decodeTable(blob)), blob);
    }

    void roundTripsEmptyTables() {
        ClientTable noRows;
        noRows.defineColumns({{"A", FieldType::Text, 5}, {"B", FieldType::Real, 0}});
        compareTables(decodeTable(encodeTable(noRows)), noRows);
        QVERIFY(decodeTable(encodeTable(noRows)).isOpen());

        ClientTable noColumns;
        noColumns.defineColumns({});
        QCOMPARE(decodeTable(encodeTable(noColumns)).columnCount(), 0);
    }

    void decodedTableOutlivesTheBlob() {
        ClientTable table;
        {
            QByteArray blob = encodeTable(testing::everyTypeTable());
            table = decodeTable(blob);
            blob.fill('\xff');  // detaches: the table keeps the bytes it was decoded from
        }
        compareTables(table, testing::everyTypeTable());
    }

    void decodesSliceOfLargerPayload() {
        const QByteArray blob = encodeTable(testing::everyTypeTable());
        const QByteArray payload = QByteArray("xyz") + blob + QByteArray("tail");
        compareTables(decodeTable(payload, 3, blob.size()), testing::everyTypeTable());
    }

    void rejectsMalformedBlobs_data() {
        QTest::addColumn<QByteArray>("blob");
        const QByteArray good = smallBlob();
        QCOMPARE(good.size(), 63);  // the layout the cases rely on

        QTest::newRow("empty") << QByteArray();
        QTest::newRow("trailing byte") << good + '\0';
        QTest::newRow("rows beyond int") << patched(good, 0, u32(0x80000000u));
        QTest::newRow("more rows than bytes") << patched(good, 0, u32(1000));
        QTest::newRow("columns beyond bytes") << patched(good, 4, u32(0xffffffffu));
        QTest::newRow("rows without columns") << u32(3) + u32(0);
        QTest::newRow("unknown type 0") << patched(good, 8, QByteArray(1, '\0'));
        QTest::newRow("unknown type 7") << patched(good, 18, QByteArray(1, '\7'));
        QTest::newRow("name longer than blob") << patched(good, 9, u32(0x7fffffffu));
        QTest::newRow("name not UTF-8") << patched(good, 13, QByteArray(1, '\xc3'));
        QTest::newRow("unknown null flag") << patched(good, 28, QByteArray(1, '\2'));
        QTest::newRow("first offset not 0") << patched(good, 42, u32(1));
        QTest::newRow("offsets out of order") << patched(good, 50, u32(1));
        QTest::newRow("offset beyond text") << patched(good, 46, u32(9));
        QTest::newRow("offset inside a character") << patched(good, 50, u32(3));
        QTest::newRow("last offset beyond blob") << patched(good, 54, u32(0xfffffff0u));
        QTest::newRow("last offset short of text") << patched(good, 54, u32(3));
        QTest::newRow("stray continuation byte") << patched(good, 58, QByteArray("\x80"));
        QTest::newRow("overlong encoding") << patched(good, 58, QByteArray("\xc0\xaf"));
        QTest::newRow("lead byte at end") << patched(good, 62, QByteArray("\xe2"));

        ClientTable flags;
        flags.defineColumns({{"B", FieldType::Boolean, 0}});
        flags.appendRow({true});
        QTest::newRow("boolean other than 0 or 1") << patched(encodeTable(flags), 19, "\2");
    }

    void rejectsMalformedBlobs() {
        QFETCH(QByteArray, blob);
        try {
            decodeTable(QByteArrayView(blob));
            QFAIL("decoded a malformed blob");
        } catch (const Error& error) {
            QCOMPARE(error.className(), QString::fromLatin1(kProtocolErrorClass));
        }
    }

    void validatesUtf8_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        const QByteArray ascii(40, 'a');
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("ascii run") << ascii << true;
        QTest::newRow("two, three, four bytes") << QString("ş€😀").toUtf8() << true;
        QTest::newRow("after a long ascii run") << ascii + QString("ı").toUtf8() + ascii << true;
        QTest::newRow("highest code point") << QByteArray("\xf4\x8f\xbf\xbf") << true;
        QTest::newRow("stray continuation") << ascii + "\x80" << false;
        QTest::newRow("overlong two bytes") << QByteArray("\xc1\xbf") << false;
        QTest::newRow("overlong three bytes") << QByteArray("\xe0\x9f\xbf") << false;
        QTest::newRow("overlong four bytes") << QByteArray("\xf0\x8f\xbf\xbf") << false;
        QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << false;
        QTest::newRow("above U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << false;
        QTest::newRow("lead byte F5") << QByteArray("\xf5\x80\x80\x80") << false;
        QTest::newRow("cut after lead byte") << ascii + "\xe2\x82" << false;
        QTest::newRow("missing continuation") << QByteArray(
                                                     "\xc3"
                                                     "a")
                                              << false;
    }

    void validatesUtf8() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QCOMPARE(isValidUtf8(bytes), valid);
    }

    void rejectsEveryTruncation() {
        const QByteArray blob = encodeTable(testing::everyTypeTable());
        for (int size = 0; size < blob.size(); ++size)
            QVERIFY_THROWS_EXCEPTION(Error, decodeTable(QByteArrayView(blob).first(size)));
    }
};

QTEST_GUILESS_MAIN(TableCodecTest)
#include "tst_table_codec.moc"
