#include <QtTest>

#include "table_fixture.h"
#include "wire/error.h"
#include "wire/frame.h"
#include "wire/table_codec.h"

using namespace wire;

namespace {

QByteArray header(const char* magic, quint8 version, quint8 type, quint16 reserved, quint32 size) {
    QByteArray bytes(magic, 4);
    bytes.append(char(version)).append(char(type));
    bytes.append(char(reserved & 0xff)).append(char(reserved >> 8));
    for (int i = 0; i < 4; ++i)
        bytes.append(char((size >> (8 * i)) & 0xff));
    return bytes;
}

QList<Value> everyKind() {
    auto table = std::make_shared<const ClientTable>(testing::everyTypeTable());
    return {Value::text(QStringLiteral("Merhaba dünya")),
            Value::text(QString()),
            Value::integer(-7),
            Value::longInteger(qint64(1) << 42),
            Value::real(19.99),
            Value::date(45351.5),
            Value::boolean(true),
            Value::record(R"({"type":"baglantiu.TTusSonuclari","id":1,"fields":{}})"),
            Value::jsonArray("[1,2]"),
            Value::any("null"),
            Value::table(Kind::RowReader, table),
            Value::table(Kind::TablePacket, table),
            Value::stream(QByteArray("\x00\xff\x10", 3)),
            Value::null(Kind::Record),
            Value::null(Kind::RowReader),
            Value::null(Kind::Stream),
            Value()};
}

void compareValues(const QList<Value>& actual, const QList<Value>& expected) {
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const Value& a = actual.at(i);
        const Value& e = expected.at(i);
        QCOMPARE(a.kind(), e.kind());
        QCOMPARE(a.isNull(), e.isNull());
        if (e.isNull())
            continue;
        switch (e.kind()) {
            case Kind::Text:
                QCOMPARE(a.toText(), e.toText());
                break;
            case Kind::Integer:
                QCOMPARE(a.toInteger(), e.toInteger());
                break;
            case Kind::LongInteger:
                QCOMPARE(a.toLongInteger(), e.toLongInteger());
                break;
            case Kind::Real:
            case Kind::Date:
                QCOMPARE(a.toReal(), e.toReal());
                break;
            case Kind::Boolean:
                QCOMPARE(a.toBoolean(), e.toBoolean());
                break;
            case Kind::RowReader:
            case Kind::TablePacket:
                QCOMPARE(encodeTable(*a.toTable()), encodeTable(*e.toTable()));
                break;
            default:
                QCOMPARE(a.bytes(), e.bytes());
        }
    }
}

QByteArray payloadOf(const QByteArray& frame) {
    return frame.mid(kFrameHeaderSize);
}

void expectProtocolError(const std::function<void()>& decode) {
    try {
        decode();
        QFAIL("decoded malformed input");
    } catch (const Error& error) {
        QCOMPARE(error.className(), QString::fromLatin1(kProtocolErrorClass));
    }
}

}  // namespace

class FrameTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parsesHeader() {
        const FrameHeader parsed = parseFrameHeader(header("VLB2", 1, 2, 0, 1000), 1000);
        QCOMPARE(parsed.type, FrameType::Response);
        QCOMPARE(parsed.payloadSize, 1000u);
    }

    void refusesBadHeaders_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("short") << header("VLB2", 1, 1, 0, 0).first(11);
        QTest::newRow("magic") << header("VLB1", 1, 1, 0, 0);
        QTest::newRow("version 0") << header("VLB2", 0, 1, 0, 0);
        QTest::newRow("version 2") << header("VLB2", 2, 1, 0, 0);
        QTest::newRow("type 0") << header("VLB2", 1, 0, 0, 0);
        QTest::newRow("type 4") << header("VLB2", 1, 4, 0, 0);
        QTest::newRow("reserved") << header("VLB2", 1, 1, 0x0100, 0);
        QTest::newRow("over the limit") << header("VLB2", 1, 1, 0, kMaxRequestBytes + 1);
        QTest::newRow("4 GiB") << header("VLB2", 1, 1, 0, 0xffffffffu);
    }

    void refusesBadHeaders() {
        QFETCH(QByteArray, bytes);
        expectProtocolError([&] { parseFrameHeader(bytes, kMaxRequestBytes); });
    }

    void roundTripsRequestOfEveryKind() {
        const Request request{QStringLiteral("TServerMethods1.SepetEkle2"), everyKind()};
        const QByteArray frame = encodeRequestFrame(request);
        const FrameHeader parsed = parseFrameHeader(frame, kMaxRequestBytes);
        QCOMPARE(parsed.type, FrameType::Request);
        QCOMPARE(qsizetype(parsed.payloadSize), frame.size() - kFrameHeaderSize);
        const Request decoded = decodeRequestPayload(payloadOf(frame));
        QCOMPARE(decoded.method, request.method);
        compareValues(decoded.params, request.params);
    }

    void roundTripsResponseSharingOrCopying() {
        const Response response{everyKind()};
        const QByteArray payload = payloadOf(encodeResponseFrame(response));
        compareValues(decodeResponsePayload(payload).values, response.values);
        compareValues(decodeResponsePayload(QByteArrayView(payload)).values, response.values);
    }

    void roundTripsError() {
        const QByteArray frame = encodeErrorFrame({"EDatabaseError", "Kayıt bulunamadı"});
        QCOMPARE(parseFrameHeader(frame, kMaxResponseBytes).type, FrameType::Error);
        const Failure failure = decodeErrorPayload(payloadOf(frame));
        QCOMPARE(failure.className, QStringLiteral("EDatabaseError"));
        QCOMPARE(failure.message, QStringLiteral("Kayıt bulunamadı"));
    }

    void refusesMalformedPayloads_data() {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<int>("frameType");
        const int request = int(FrameType::Request);
        const int response = int(FrameType::Response);
        const int error = int(FrameType::Error);
        const QByteArray noValues("\0\0\0\0", 4);
        const QByteArray oneValue("\1\0\0\0", 4);
        QTest::newRow("empty request") << QByteArray() << request;
        QTest::newRow("method longer than payload")
            << QByteArray("\xff\0\0\0M", 5) + noValues << request;
        QTest::newRow("method not UTF-8") << QByteArray("\1\0\0\0\xff", 5) + noValues << request;
        QTest::newRow("more values than bytes") << QByteArray("\xff\xff\xff\x7f", 4) << response;
        QTest::newRow("trailing byte") << noValues + 'x' << response;
        QTest::newRow("unknown kind") << oneValue + QByteArray("\x0e\0", 2) << response;
        QTest::newRow("unknown flag") << oneValue + QByteArray("\x02\x02\0\0\0\0", 6) << response;
        QTest::newRow("null integer") << oneValue + QByteArray("\x02\x01", 2) << response;
        QTest::newRow("null text") << oneValue + QByteArray("\x01\x01", 2) << response;
        QTest::newRow("callback") << oneValue + QByteArray("\x0c\0", 2) << response;
        QTest::newRow("boolean 2") << oneValue + QByteArray("\x06\0\x02", 3) << response;
        QTest::newRow("text not UTF-8")
            << oneValue + QByteArray("\x01\0\x02\0\0\0\xc3\x28", 8) << response;
        QTest::newRow("record not UTF-8")
            << oneValue + QByteArray("\x07\0\x01\0\0\0\xff", 7) << response;
        QTest::newRow("stream longer than payload")
            << oneValue + QByteArray("\x0b\0\x10\0\0\0abc", 9) << response;
        QTest::newRow("table length disagrees")
            << oneValue + QByteArray("\x0a\0\x09\0\0\0", 6) + QByteArray(9, '\0') << response;
        QTest::newRow("error without message") << QByteArray("\1\0\0\0E", 5) << error;
        QTest::newRow("error trailing byte") << QByteArray("\1\0\0\0E\1\0\0\0m!", 11) << error;
    }

    void refusesMalformedPayloads() {
        QFETCH(QByteArray, payload);
        QFETCH(int, frameType);
        expectProtocolError([&] {
            switch (FrameType(frameType)) {
                case FrameType::Request:
                    decodeRequestPayload(payload);
                    break;
                case FrameType::Response:
                    decodeResponsePayload(payload);
                    break;
                case FrameType::Error:
                    decodeErrorPayload(payload);
                    break;
            }
        });
    }

    void refusesEveryTruncation() {
        const QByteArray request =
            payloadOf(encodeRequestFrame({QStringLiteral("TServerMethods1.X"), everyKind()}));
        for (int size = 0; size < request.size(); ++size)
            QVERIFY_THROWS_EXCEPTION(Error,
                                     decodeRequestPayload(QByteArrayView(request).first(size)));
        const QByteArray response = payloadOf(encodeResponseFrame({everyKind()}));
        for (int size = 0; size < response.size(); ++size)
            QVERIFY_THROWS_EXCEPTION(Error, decodeResponsePayload(response.first(size)));
    }

    // The worked examples of docs/protocol.md; keep the two in step.
    void matchesTheDocumentedExample() {
        const QByteArray request = encodeRequestFrame({QStringLiteral("TServerMethods1.EchoString"),
                                                       {Value::text(QStringLiteral("Merhaba"))}});
        QCOMPARE(
            request.toHex(' '),
            QByteArray("56 4c 42 32 01 01 00 00 2f 00 00 00 1a 00 00 00 54 53 65 72 76 65 72 4d "
                       "65 74 68 6f 64 73 31 2e 45 63 68 6f 53 74 72 69 6e 67 01 00 00 00 01 00 "
                       "07 00 00 00 4d 65 72 68 61 62 61"));
        const QByteArray response = encodeResponseFrame({{Value::text(QStringLiteral("Merhaba"))}});
        QCOMPARE(
            response.toHex(' '),
            QByteArray("56 4c 42 32 01 02 00 00 11 00 00 00 01 00 00 00 01 00 07 00 00 00 4d 65 "
                       "72 68 61 62 61"));
    }

    void matchesTheDocumentedTableErrorAndStreamExamples() {
        ClientTable table;
        table.defineColumns({{"STOKNO", FieldType::Integer, 0}, {"STOKADI", FieldType::Text, 40}});
        table.appendRow({101, QStringLiteral("Fren balatası")});
        table.appendRow({102, QVariant()});
        const auto shared = std::make_shared<const ClientTable>(table);
        QCOMPARE(encodeResponseFrame({{Value::table(Kind::RowReader, shared)}}).toHex(' '),
                 QByteArray("56 4c 42 32 01 02 00 00 56 00 00 00 01 00 00 00 09 00 4c 00 00 00 "
                            "02 00 00 00 02 00 00 00 01 06 00 00 00 53 54 4f 4b 4e 4f 00 00 00 00 "
                            "06 07 00 00 00 53 54 4f 4b 41 44 49 28 00 00 00 00 65 00 00 00 66 00 "
                            "00 00 01 02 00 00 00 00 0e 00 00 00 0e 00 00 00 46 72 65 6e 20 62 61 "
                            "6c 61 74 61 73 c4 b1"));
        QCOMPARE(encodeErrorFrame({"EDatabaseError", QStringLiteral("Kayıt yok")}).toHex(' '),
                 QByteArray("56 4c 42 32 01 03 00 00 20 00 00 00 0e 00 00 00 45 44 61 74 61 62 61 "
                            "73 65 45 72 72 6f 72 0a 00 00 00 4b 61 79 c4 b1 74 20 79 6f 6b"));
        const QByteArray picture("\xff\xd8\xff", 3);
        QCOMPARE(encodeResponseFrame({{Value::longInteger(3), Value::stream(picture)}}).toHex(' '),
                 QByteArray("56 4c 42 32 01 02 00 00 17 00 00 00 02 00 00 00 03 00 03 00 00 00 00 "
                            "00 00 00 0b 00 03 00 00 00 ff d8 ff"));
    }
};

QTEST_GUILESS_MAIN(FrameTest)
#include "tst_frame.moc"
