// Bad input and faults at the socket: garbage, unknown methods, wrong arguments, clients that stall
// or flood, and a SIGKILL in the middle of orders. The database is checked directly afterwards.
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpSocket>
#include <QUrl>
#include <QtTest>
#include <atomic>
#include <thread>

#include "server_fixture.h"
#include "wire/channel.h"
#include "wire/error.h"
#include "wire/frame.h"
#include "wire/methods/method_call.h"

namespace {

const QString kPrefix = QStringLiteral("TServerMethods1.");

QString echo(const ServerFixture& f, const QString& text) {
    wire::Channel c;
    c.open(f.host(), f.port(), wire::Channel::Timeouts{2000, 5000});
    return c.call(wire::Request{kPrefix + "EchoString", {wire::Value::text(text)}})
        .values.value(0)
        .toText();
}

/// Reads one whole frame from a raw socket; the frame type and the decoded failure if any.
wire::Failure readFailure(QTcpSocket& socket) {
    QByteArray data;
    data += socket.readAll();
    while (data.size() < wire::kFrameHeaderSize && socket.waitForReadyRead(5000))
        data += socket.readAll();
    if (data.size() < wire::kFrameHeaderSize)
        return {};
    const wire::FrameHeader h = wire::parseFrameHeader(
        QByteArrayView(data).first(wire::kFrameHeaderSize), wire::kMaxResponseBytes);
    while (data.size() < wire::kFrameHeaderSize + qsizetype(h.payloadSize) &&
           socket.waitForReadyRead(5000))
        data += socket.readAll();
    if (h.type != wire::FrameType::Error)
        return {};
    return wire::decodeErrorPayload(QByteArrayView(data).sliced(wire::kFrameHeaderSize));
}

/// Closed by the peer within the time.
bool closedByServer(QTcpSocket& socket, int ms) {
    if (socket.state() == QAbstractSocket::UnconnectedState)
        return true;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        socket.waitForReadyRead(100);
        socket.readAll();
        if (socket.state() == QAbstractSocket::UnconnectedState)
            return true;
    }
    return false;
}

QSqlDatabase openDatabase(const QString& url, const QString& name) {
    QSqlDatabase db;
    if (url.startsWith(u"sqlite:")) {
        db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(url.mid(7));
    } else {
        const QUrl u(url);
        db = QSqlDatabase::addDatabase("QPSQL", name);
        db.setHostName(u.host());
        db.setPort(u.port(5432));
        db.setUserName(u.userName());
        db.setPassword(u.password());
        db.setDatabaseName(u.path().mid(1));
    }
    db.open();
    return db;
}

qint64 count(QSqlDatabase& db, const QString& sql) {
    QSqlQuery q(db);
    if (!q.exec(sql) || !q.next())
        return -1;
    return q.value(0).toLongLong();
}

}  // namespace

class TstServerRobustness : public QObject {
    Q_OBJECT

    std::unique_ptr<ServerFixture> fixture_;

private Q_SLOTS:
    void initTestCase() {
        ServerFixture::Options o;
        o.backend = ServerFixture::backendFromEnvironment();
        if (o.backend == ServerFixture::Backend::Postgres && !ServerFixture::postgresAvailable())
            QSKIP("VARLENTA_TEST_PG_URL is not set");
        o.extraArguments = {"--frame-timeout",   "1",  "--idle-timeout", "2",
                            "--max-connections", "64", "--workers",      "8"};
        fixture_ = std::make_unique<ServerFixture>(o);
        QVERIFY2(fixture_->start(), qPrintable(fixture_->error()));
    }

    void cleanupTestCase() {
        if (fixture_)
            QCOMPARE(fixture_->stop(), 0);
    }

    void garbageGetsAnErrorAndTheConnectionCloses_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>(
            "closes");  // a bad header ends the connection; a bad payload only the call
        QTest::newRow("http request") << QByteArray("GET / HTTP/1.1\r\nHost: x\r\n\r\n") << true;
        QByteArray oversize =
            wire::encodeRequestFrame(wire::Request{kPrefix + "EchoString", {}}).left(12);
        oversize[8] = oversize[9] = oversize[10] = char(0xFF);
        oversize[11] = char(0x7F);
        QTest::newRow("oversize length") << oversize << true;
        QByteArray payload =
            wire::encodeRequestFrame(wire::Request{kPrefix + "EchoString", {}}).left(12);
        payload[8] = 16;
        payload[9] = payload[10] = payload[11] = 0;
        payload.append(QByteArray(16, char(0xFF)));
        QTest::newRow("garbage payload") << payload << false;
    }

    void garbageGetsAnErrorAndTheConnectionCloses() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, closes);
        QTcpSocket socket;
        socket.connectToHost(fixture_->host(), fixture_->port());
        QVERIFY(socket.waitForConnected(3000));
        socket.write(bytes);
        socket.waitForBytesWritten(1000);
        const wire::Failure failure = readFailure(socket);
        QCOMPARE(failure.className, QStringLiteral("EProtocolError"));
        if (closes)
            QVERIFY(closedByServer(socket, 3000));
        QCOMPARE(echo(*fixture_, "still here"), QStringLiteral("still here"));
    }

    void unknownMethodsAndWrongArguments_data() {
        QTest::addColumn<QString>("method");
        QTest::addColumn<int>("arguments");  // 0 none, 1 one text, 2 one integer, 3 two texts
        QTest::addColumn<QString>("errorClass");
        QTest::newRow("unknown method") << kPrefix + "SiparisSil" << 1 << "EMethodNotFound";
        QTest::newRow("without class prefix")
            << QStringLiteral("EchoString") << 1 << "EMethodNotFound";
        QTest::newRow("letter case differs") << kPrefix + "echostring" << 1 << "EMethodNotFound";
        QTest::newRow("catalogued, not offered") << kPrefix + "KurlariAl" << 0 << "EMethodNotFound";
        QTest::newRow("wrong kind") << kPrefix + "EchoString" << 2 << "EConversionError";
        QTest::newRow("too many") << kPrefix + "EchoString" << 3 << "EConversionError";
        QTest::newRow("too few") << kPrefix + "SepetVer2" << 0 << "EConversionError";
    }

    void unknownMethodsAndWrongArguments() {
        QFETCH(QString, method);
        QFETCH(int, arguments);
        QFETCH(QString, errorClass);
        QList<wire::Value> params;
        if (arguments == 1)
            params = {wire::Value::text("x")};
        if (arguments == 2)
            params = {wire::Value::integer(7)};
        if (arguments == 3)
            params = {wire::Value::text("x"), wire::Value::text("y")};
        wire::Channel c;
        c.open(fixture_->host(), fixture_->port());
        try {
            c.call(wire::Request{method, params});
            QFAIL("the call did not fail");
        } catch (const wire::Error& e) {
            QCOMPARE(e.className(), errorClass);
            if (errorClass == u"EMethodNotFound") {
                QVERIFY(e.message().contains(method));
                QVERIFY(e.message().contains(QStringLiteral("not offered by this server")));
            }
        }
        // The connection stays usable after a refused call.
        QCOMPARE(c.call(wire::Request{kPrefix + "EchoString", {wire::Value::text("ok")}})
                     .values.value(0)
                     .toText(),
                 QStringLiteral("ok"));
    }

    void stalledClientsDoNotBlockOthersAndAreDropped() {
        std::vector<std::unique_ptr<QTcpSocket>> silent, stalled;
        const QByteArray frame = wire::encodeRequestFrame(
            wire::Request{kPrefix + "EchoString", {wire::Value::text("z")}});
        for (int i = 0; i < 30; ++i) {
            silent.push_back(std::make_unique<QTcpSocket>());
            silent.back()->connectToHost(fixture_->host(), fixture_->port());
            stalled.push_back(std::make_unique<QTcpSocket>());
            stalled.back()->connectToHost(fixture_->host(), fixture_->port());
        }
        for (auto& s : stalled) {
            QVERIFY(s->waitForConnected(3000));
            s->write(frame.left(frame.size() / 2));  // stops in the middle of the frame
            s->waitForBytesWritten(1000);
        }
        for (int i = 0; i < 20; ++i)
            QCOMPARE(echo(*fixture_, QString::number(i)), QString::number(i));
        // The frame time-out (1 s) drops the stalled ones, the idle time-out (2 s) the silent ones.
        for (auto& s : stalled)
            QVERIFY(closedByServer(*s, 5000));
        for (auto& s : silent)
            QVERIFY(closedByServer(*s, 6000));
    }

    void connectionFloodIsBounded() {
        std::vector<std::unique_ptr<QTcpSocket>> flood;
        for (int i = 0; i < 80; ++i) {
            flood.push_back(std::make_unique<QTcpSocket>());
            flood.back()->connectToHost(fixture_->host(), fixture_->port());
            QVERIFY(flood.back()->waitForConnected(3000));
        }
        QTest::qWait(800);
        int busy = 0;
        for (auto& s : flood)
            if (s->bytesAvailable() > 0 && readFailure(*s).className == u"EServerBusy")
                ++busy;
        QVERIFY2(busy >= 16, qPrintable(QString::number(busy)));
        flood.clear();
        QTest::qWait(300);
        QCOMPARE(echo(*fixture_, "after the flood"), QStringLiteral("after the flood"));
    }

    void killDuringOrdersLeavesNoHalfOrder() {
        std::atomic<bool> stop{false};
        std::atomic<int> ordered{0};
        std::vector<std::thread> customers;
        const QStringList computers = {"DEMO-3", "DEMO-4", "PC-0004", "PC-0006"};
        const quint16 port = fixture_->port();
        for (int c = 0; c < computers.size(); ++c) {
            customers.emplace_back([&, c] {
                try {
                    wire::Channel ch;
                    ch.open("127.0.0.1", port, wire::Channel::Timeouts{2000, 10000});
                    const QByteArray login =
                        ch.call(wire::Request{kPrefix + "BuyukGetir",
                                              {wire::Value::text(computers[c])}})
                            .values.value(0)
                            .bytes();
                    const QJsonObject fields =
                        QJsonDocument::fromJson(login).object()["fields"].toObject();
                    const int carino = fields["FCARINO"].toInt(),
                              sirano = fields["FSirano"].toInt();
                    for (int round = 0; !stop.load(); ++round) {
                        for (int k = 0; k < 3; ++k)
                            ch.call(wire::Request{
                                kPrefix + "SepetEkle2",
                                {wire::Value::record(login), wire::Value::integer(carino),
                                 wire::Value::integer(1 + (round * 7 + k * 13 + c) % 300),
                                 wire::Value::text("B"), wire::Value::text("S"),
                                 wire::Value::real(1 + k), wire::Value::real(20),
                                 wire::Value::real(10), wire::Value::real(0),
                                 wire::Value::integer(sirano), wire::Value::integer(0),
                                 wire::Value::real(0), wire::Value::real(0),
                                 wire::Value::real(0)}});
                        const wire::Response r = ch.call(
                            wire::Request{kPrefix + "SiparisKaydet",
                                          {wire::Value::record(login), wire::Value::integer(carino),
                                           wire::Value::integer(1), wire::Value::integer(1),
                                           wire::Value::text("yük testi"),
                                           wire::Value::integer(sirano), wire::Value::integer(1)}});
                        if (r.values.value(0).toBoolean())
                            ++ordered;
                    }
                } catch (const wire::Error&) {
                    // The server went away: that is the point of this test.
                }
            });
        }
        QElapsedTimer t;
        t.start();
        while (ordered.load() < 8 && t.elapsed() < 20000)
            QTest::qWait(20);
        QTest::qWait(150);
        fixture_->kill();
        stop = true;
        for (auto& th : customers)
            th.join();
        QVERIFY(ordered.load() >= 8);

        QVERIFY2(fixture_->start(), qPrintable(fixture_->error()));
        QCOMPARE(echo(*fixture_, "back"), QStringLiteral("back"));
        {
            QSqlDatabase db = openDatabase(fixture_->databaseUrl(), "check");
            QVERIFY(db.isOpen());
            // No order without lines, no line both ordered and still in the basket, and every
            // stored line's amounts add up.
            QCOMPARE(count(db,
                           "SELECT COUNT(*) FROM orders o WHERE NOT EXISTS "
                           "(SELECT 1 FROM order_lines l WHERE l.idno = o.idno)"),
                     0);
            QCOMPARE(count(db,
                           "SELECT COUNT(*) FROM order_lines l JOIN basket b ON b.sirano = "
                           "l.sepet_sirano"),
                     0);
            QCOMPARE(
                count(db,
                      "SELECT COUNT(*) FROM order_lines WHERE tutar - indirim_tutar <> net_tutar"),
                0);
            QVERIFY(count(db, "SELECT COUNT(*) FROM orders WHERE musteri_notu = 'yük testi'") >=
                    ordered.load());
            db.close();
        }
        QSqlDatabase::removeDatabase("check");
    }
};

QTEST_GUILESS_MAIN(TstServerRobustness)
#include "tst_server_robustness.moc"
