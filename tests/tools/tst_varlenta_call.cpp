#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "test_peer.h"
#include "wire/client_table.h"
#include "wire/records/sonuc_bilgisi.h"

using wire::Value;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
};

Run call(const QStringList& arguments,
         const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VARLENTA_CALL_BIN), arguments);
    if (!process.waitForFinished(60000))
        process.kill();
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QByteArray sha256(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

}  // namespace

class VarlentaCallTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestPeer> peer;

    QStringList at(QStringList arguments) const {
        return QStringList{u"--host"_qs, u"127.0.0.1"_qs, u"--port"_qs,
                           QString::number(peer->port())} +
               arguments;
    }

private Q_SLOTS:
    void init() { peer = std::make_unique<TestPeer>(); }
    void cleanup() { peer.reset(); }

    void listShowsEveryMethod() {
        const Run run = call({u"--list"_qs});
        QCOMPARE(run.exitCode, 0);
        const QList<QByteArray> lines = run.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 101);
        QCOMPARE(lines.first(), QByteArray("SepetVer2(carino: integer): tablepacket"));
        QVERIFY(lines.contains("SAnalPosPdfVer(sirano: integer, out boy: longinteger): stream"));
        QVERIFY(
            lines.contains("AcilisREklamVer(sira: integer): record mobilstokunit.TAcilisEkran"));
    }

    void argumentsGoInWireOrder() {
        const Run run = call(at({u"SepetGuncelle2"_qs, u"null"_qs, u"77"_qs, u"0"_qs,
                                 u"\"BRK-1\""_qs, u"\"Far ş\""_qs, u"2"_qs, u"20"_qs, u"10.5"_qs,
                                 u"5"_qs, u"3"_qs, u"41"_qs, u"0"_qs, u"0"_qs, u"-1.25"_qs}));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.json(), (QJsonObject{{u"result"_qs, 0}, {u"out"_qs, QJsonObject()}}));
        const wire::Request request = peer->requests().at(0);
        QCOMPARE(request.method, u"TServerMethods1.SepetGuncelle2"_qs);
        QCOMPARE(request.params.size(), 14);
        QVERIFY(request.params[0].isNull());
        QCOMPARE(request.params[1].toInteger(), 77);
        QCOMPARE(request.params[3].toText(), u"BRK-1"_qs);
        QCOMPARE(request.params[4].toText(), u"Far ş"_qs);
        QCOMPARE(request.params[7].toReal(), 10.5);
        QCOMPARE(request.params[10].toInteger(), 41);
        QCOMPARE(request.params[13].toReal(), -1.25);
    }

    void loginPlaceholderSendsTheCompletedLoginRecord() {
        peer->answer(u"BuyukGetir"_qs, [](const wire::Request& request) {
            TSonucBilgisi login;
            login.SetBILGISAYARID(request.params.at(0).toText());
            login.SetCARINO(42);
            login.SetSIFRE(u"gizli"_qs);
            return PeerReply::values({Value::record(wire::recordToJson(login))});
        });
        const Run run =
            call(at({u"--computer-id"_qs, u"PC-7"_qs, u"SepetSayisi"_qs, u"@login"_qs}));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(peer->methods(), (QStringList{u"TServerMethods1.BuyukGetir"_qs,
                                               u"TServerMethods1.SepetSayisi"_qs}));
        QCOMPARE(peer->requests().at(0).params.at(0).toText(), u"PC-7"_qs);
        auto sent =
            wire::recordFromJsonAs<TSonucBilgisi>(peer->requests().at(1).params.at(0).bytes());
        QCOMPARE(sent->CARINO(), 42);
        QCOMPARE(sent->SIFRE(), u"gizli"_qs);
        QCOMPARE(sent->BILGISAYARID(), u"PC-7"_qs);
        QVERIFY(!sent->Icip().isEmpty());
        QCOMPARE(sent->Disip(), u"122"_qs);
    }

    void resultsPrintByKind() {
        TSonucBilgisi login;
        login.SetCARINO(9);
        auto table = std::make_shared<wire::ClientTable>();
        table->defineColumns({{u"NO"_qs, wire::FieldType::Integer},
                              {u"ADI"_qs, wire::FieldType::Text, 20},
                              {u"TUTAR"_qs, wire::FieldType::Real}});
        table->appendRow({1, u"Kayış"_qs, 12.5});
        table->appendRow({2, QVariant(), 0.0});
        peer->answer(u"Tahsilat"_qs,
                     PeerReply::values({Value::table(wire::Kind::RowReader, table)}));
        peer->answer(u"BelgeIndir"_qs,
                     PeerReply::values({Value::longInteger(5), Value::text(u"a.pdf"_qs),
                                        Value::stream("%PDF-")}));

        // The record prints in its wire form, members and fields in their order, whatever order
        // the server wrote them in.
        peer->answer(
            u"BuyukGetir"_qs,
            PeerReply::values({Value::record(R"({"fields":{"FVersion":4,"FCARINO":9},"id":1,)"
                                             R"("type":"baglantiu.TSonucBilgisi"})")}));
        Run run = call(at({u"BuyukGetir"_qs, u"\"PC\""_qs}));
        QCOMPARE(run.exitCode, 0);
        login.SetVersion(4);
        QCOMPARE(run.out.trimmed(), "{\"result\":" + wire::recordToJson(login) + ",\"out\":{}}");

        run = call(at({u"Tahsilat"_qs, u"4"_qs}));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.json().value(u"result").toObject(),
                 QJsonDocument::fromJson(
                     R"({"columns":[{"name":"NO","type":"integer"},{"name":"ADI","type":"text"},
                     {"name":"TUTAR","type":"real"}],"rows":[[1,"Kayış",12.5],[2,null,0]]})")
                     .object());

        QTemporaryDir dir;
        const QString file = dir.filePath(u"belge.pdf"_qs);
        run = call(at({u"BelgeIndir"_qs, u"1"_qs, u"--save"_qs, file}));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.trimmed(), "{\"result\":{\"size\":5,\"sha256\":\"" + sha256("%PDF-") +
                                        "\"},\"out\":{\"size\":5,\"adi\":\"a.pdf\"}}");
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("%PDF-"));

        run = call(at({u"SepetSecimGuncelle"_qs, u"1"_qs, u"0"_qs}));
        QCOMPARE(run.out.trimmed(), QByteArray("{\"result\":null,\"out\":{}}"));
    }

    void exitCodes_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stderrHas");
        QTest::newRow("remote error")
            << QStringList{u"KayanYaziGetir"_qs} << 1 << u"EDatabaseError: tablo yok"_qs;
        QTest::newRow("unreadable record") << QStringList{u"BuyukGetir"_qs, u"\"PC\""_qs} << 1
                                           << u"Internal: Field FYok cannot be found in type"_qs;
        QTest::newRow("unknown method")
            << QStringList{u"SanalPosPdfVer"_qs, u"1"_qs} << 64 << u"usage:"_qs;
        QTest::newRow("too few arguments")
            << QStringList{u"SepetEkle2"_qs, u"@login"_qs} << 64 << u"usage:"_qs;
        QTest::newRow("too many arguments")
            << QStringList{u"KayanYaziGetir"_qs, u"1"_qs} << 64 << u"usage:"_qs;
        QTest::newRow("not JSON") << QStringList{u"BuyukGetir"_qs, u"PC1"_qs} << 64 << u"usage:"_qs;
        QTest::newRow("text for integer")
            << QStringList{u"SepetVer2"_qs, u"\"5\""_qs} << 64 << u"usage:"_qs;
        QTest::newRow("fraction for integer")
            << QStringList{u"SepetVer2"_qs, u"5.5"_qs} << 64 << u"usage:"_qs;
        QTest::newRow("wrong record class")
            << QStringList{u"SepetHepsiniSil"_qs,
                           u"{\"type\":\"baglantiu.TTusSonuclari\",\"id\":1,\"fields\":{}}"_qs}
            << 64 << u"usage:"_qs;
        QTest::newRow("unknown option")
            << QStringList{u"--verbose"_qs, u"KayanYaziGetir"_qs} << 64 << u"usage:"_qs;
        QTest::newRow("save without stream")
            << QStringList{u"--save"_qs, u"x"_qs, u"KayanYaziGetir"_qs} << 64 << u"usage:"_qs;
        QTest::newRow("repeat without number")
            << QStringList{u"--repeat"_qs, u"KayanYaziGetir"_qs} << 64 << u"usage:"_qs;
    }
    void exitCodes() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, stderrHas);
        peer->answer(u"KayanYaziGetir"_qs,
                     PeerReply::failure(u"EDatabaseError"_qs, u"tablo yok"_qs));
        peer->answer(u"BuyukGetir"_qs,
                     PeerReply::values({Value::record(
                         R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FYok":1}})")}));
        const Run run = call(at(arguments));
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(QString::fromUtf8(run.err).contains(stderrHas), run.err.constData());
        QVERIFY(run.out.isEmpty());
        if (exitCode == 64)
            QVERIFY(peer->requests().isEmpty());
    }

    void noConnectionExitsWithTwo() {
        const Run run = call({u"--host"_qs, u"127.0.0.1"_qs, u"--port"_qs,
                              QString::number(TestPeer::unusedPort()), u"KayanYaziGetir"_qs});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.startsWith("ETransportError: "));
    }

    void serverFromTheEnvironment() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"VARLENTA_SERVER"_qs, u"127.0.0.1:"_qs + QString::number(peer->port()));
        const Run run = call({u"AcilisReklamAdet"_qs}, environment);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(peer->methods(), QStringList{u"TServerMethods1.AcilisReklamAdet"_qs});
    }

    void repeatMakesEachCallOnItsOwnConnection() {
        const Run run = call(at({u"--repeat"_qs, u"24"_qs, u"--concurrency"_qs, u"4"_qs,
                                 u"SanalposSiranoVer"_qs, u"7"_qs}));
        QCOMPARE(run.exitCode, 0);
        const QJsonObject figures = run.json();
        QCOMPARE(figures.value(u"calls").toInt(), 24);
        QCOMPARE(figures.value(u"failed").toInt(), 0);
        QVERIFY(figures.value(u"calls_per_second").toDouble() > 0);
        QVERIFY(figures.value(u"p99_ms").toDouble() >= figures.value(u"p50_ms").toDouble());
        QCOMPARE(peer->requests().size(), 24);
        QTRY_COMPARE(peer->connectionCount(), 25);  // the first one only checks the server is there
    }
};

QTEST_GUILESS_MAIN(VarlentaCallTest)
#include "tst_varlenta_call.moc"
