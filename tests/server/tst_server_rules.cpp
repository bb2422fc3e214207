// The server's pure parts: money rules, search text and the frame reader.
#include <QtTest>

#include <QRandomGenerator>
#include <cmath>

#include "client/app/workstation/money.h"
#include "server/net/frame_reader.h"
#include "server/rules/money.h"
#include "server/rules/search_text.h"
#include "wire/frame.h"

using namespace server;

class TstServerRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundsHalfAwayFromZero_data() {
        QTest::addColumn<double>("lira");
        QTest::addColumn<qint64>("kurus");
        QTest::newRow("1.005") << 1.005 << qint64(101);
        QTest::newRow("-1.005") << -1.005 << qint64(-101);
        QTest::newRow("12.006") << 12.006 << qint64(1201);
        QTest::newRow("0.004") << 0.004 << qint64(0);
        QTest::newRow("2.675") << 2.675 << qint64(268);
    }
    void roundsHalfAwayFromZero() {
        QFETCH(double, lira);
        QFETCH(qint64, kurus);
        QCOMPARE(toKurus(lira), kurus);
    }

    // The direct rounding away from halves gives what the decimal rule gives, also for amounts
    // just beside a half and for amounts made by the price arithmetic.
    void roundingMatchesDecimalRule() {
        QRandomGenerator random(20261211);
        for (int i = 0; i < 200000; ++i) {
            const double cents = double(random.bounded(2000000000)) / 10.0;
            const int shape = i % 4;
            double lira = shape == 0   ? cents / 100.0
                          : shape == 1 ? (std::floor(cents) + 0.5) / 100.0
                          : shape == 2 ? std::nextafter((std::floor(cents) + 0.5) / 100.0, 0.0)
                                       : cents / 100.0 * 0.81 * 1.2;
            if (i % 3 == 0)
                lira = -lira;
            QCOMPARE(toKurus(lira), std::llround(IkiHaneYuvarla(lira) * 100.0));
        }
    }

    void lineAmountsAddUp() {
        const LineAmounts a = lineAmounts(3, 1000, DiscountChain{20, 10, 0, 0}, 20);
        QCOMPARE(a.tutar, 3000);
        QCOMPARE(a.netBirim, 720);
        QCOMPARE(a.netTutar, 2160);
        QCOMPARE(a.indirimTutar, 840);
        QCOMPARE(a.vergiTutar, 432);
        // The net unit price is rounded before the quantity multiplies it.
        const LineAmounts b = lineAmounts(7, 333, DiscountChain{12.5, 0, 0, 0}, 20);
        QCOMPARE(b.netBirim, 291);  // 2.91375 → 2.91
        QCOMPARE(b.netTutar, 2037);
        QCOMPARE(b.tutar - b.indirimTutar, b.netTutar);
    }

    void discountText() {
        QCOMPARE((DiscountChain{20, 10, 0, 0}.text()), QStringLiteral("20+10"));
        QCOMPARE((DiscountChain{0, 0, 2.5, 0}.text()), QStringLiteral("2.5"));
        QCOMPARE(DiscountChain{}.text(), QStringLiteral("0"));
        QVERIFY(!(DiscountChain{101, 0, 0, 0}.valid()));
        QVERIFY(!(DiscountChain{-1, 0, 0, 0}.valid()));
    }

    void searchTextIgnoresSeparatorsAndTurkishLetters_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("normalised");
        QTest::newRow("blanks") << "0986 452 041"
                                << "0986452041";
        QTest::newRow("dashes") << "0986-452-041"
                                << "0986452041";
        QTest::newRow("dots") << "A.210.540.17"
                              << "A21054017";
        QTest::newRow("turkish") << "şaft göbeği"
                                 << "SAFTGOBEGI";
        QTest::newRow("dotted capital I") << "DİSK ıs"
                                          << "DISKIS";
        QTest::newRow("field separator") << "a|b"
                                         << "AB";
    }
    void searchTextIgnoresSeparatorsAndTurkishLetters() {
        QFETCH(QString, typed);
        QFETCH(QString, normalised);
        QCOMPARE(normaliseSearchText(typed), normalised);
    }

    void frameReaderAssemblesSplitFrames() {
        const QByteArray frame = wire::encodeRequestFrame(
            wire::Request{QStringLiteral("TServerMethods1.EchoString"), {wire::Value::text("x")}});
        FrameReader reader(wire::kMaxRequestBytes);
        for (int i = 0; i < frame.size(); ++i) {
            QVERIFY(reader.wanted() >= 1);
            const auto state = reader.feed(frame.constData() + i, 1);
            QCOMPARE(state == FrameReader::State::Complete, i == frame.size() - 1);
        }
        const wire::Request back = wire::decodeRequestPayload(reader.takePayload());
        QCOMPARE(back.method, QStringLiteral("TServerMethods1.EchoString"));
        QCOMPARE(reader.state(), FrameReader::State::Empty);
    }

    void frameReaderRefusesGarbageAndOversize_data() {
        QTest::addColumn<QByteArray>("header");
        QTest::newRow("garbage") << QByteArray("GET / HTTP/1");
        QByteArray big =
            wire::encodeRequestFrame(wire::Request{QStringLiteral("TServerMethods1.X"), {}})
                .left(12);
        big[8] = char(0xFF);
        big[9] = char(0xFF);
        big[10] = char(0xFF);
        big[11] = char(0x7F);
        QTest::newRow("oversize") << big;
        QByteArray answer = wire::encodeResponseFrame(wire::Response{}).left(12);
        QTest::newRow("response frame") << answer;
    }
    void frameReaderRefusesGarbageAndOversize() {
        QFETCH(QByteArray, header);
        FrameReader reader(wire::kMaxRequestBytes);
        QCOMPARE(reader.feed(header.constData(), header.size()), FrameReader::State::Refused);
        QVERIFY(!reader.refusal().isEmpty());
        QCOMPARE(reader.wanted(), 0);
    }
};

QTEST_GUILESS_MAIN(TstServerRules)
#include "tst_server_rules.moc"
