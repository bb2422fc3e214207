#include <QTest>

#include "client/server/baglanti_kur.h"
#include "client/server/server_connection.h"
#include "client/server/server_methods_client.h"
#include "test_peer.h"
#include "wire/error.h"

class ServerConnectionTest : public QObject {
    Q_OBJECT

    QList<int> pauses;
    int reports = 0;
    std::function<void(int)> onPause;

    static std::unique_ptr<ServerConnection> connectionTo(quint16 port) {
        auto connection = std::make_unique<ServerConnection>();
        connection->HostName = QStringLiteral("127.0.0.1");
        connection->Port = QString::number(port);
        return connection;
    }

private Q_SLOTS:
    void initTestCase() {
        setConnectionRetryPause([this](int ms) {
            pauses << ms;
            if (onPause)
                onPause(int(pauses.size()));
        });
        setConnectionErrorReporter([this] { ++reports; });
    }
    void init() {
        pauses.clear();
        reports = 0;
        onPause = nullptr;
    }

    void settingsAsDesigned() {
        ServerConnection bagc;
        QCOMPARE(bagc.ConnectionName, u"DataSnapCONNECTION"_qs);
        QCOMPARE(bagc.DriverName, u"DataSnap"_qs);
        QCOMPARE(bagc.CommunicationProtocol, u"tcp/ip"_qs);
        QCOMPARE(bagc.HostName, u"localhost"_qs);
        QCOMPARE(bagc.Port, u"9090"_qs);
        QCOMPARE(bagc.DatasnapContext, u"datasnap/"_qs);
        QCOMPARE(bagc.DSProxyPort, u"8090"_qs);
        QCOMPARE(bagc.Filters, u"{}"_qs);
        QCOMPARE(bagc.LoginPrompt, false);
        QVERIFY(!bagc.isOpen());
        QVERIFY(!bagc.channel());
    }

    void openAndClose() {
        TestPeer peer;
        auto bagc = connectionTo(peer.port());
        bagc->close();  // closing a closed connection does nothing
        bagc->open();
        QVERIFY(bagc->isOpen());
        QVERIFY(bagc->channel());
        bagc->close();
        bagc->close();
        QVERIFY(!bagc->isOpen());
        QVERIFY(!bagc->channel());
        bagc->Port = u"yok"_qs;
        QVERIFY_THROWS_EXCEPTION(wire::Error, bagc->open());
    }

    void cloneCopiesSettingsAndOpenState() {
        TestPeer peer;
        auto bagc = connectionTo(peer.port());
        bagc->ConnectionName = u"Baska"_qs;
        bagc->DatasnapContext = u"ds/"_qs;
        bagc->LoginPrompt = true;
        bagc->Timeouts.callMs = 1234;

        std::unique_ptr<ServerConnection> closedClone = bagc->clone();
        QVERIFY(!closedClone->isOpen());
        QCOMPARE(closedClone->HostName, bagc->HostName);
        QCOMPARE(closedClone->Port, bagc->Port);
        QCOMPARE(closedClone->ConnectionName, u"Baska"_qs);
        QCOMPARE(closedClone->DatasnapContext, u"ds/"_qs);
        QCOMPARE(closedClone->LoginPrompt, false);
        QCOMPARE(closedClone->Timeouts.callMs, 1234);

        bagc->open();
        std::unique_ptr<ServerConnection> openClone = bagc->clone();
        QVERIFY(openClone->isOpen());
        QVERIFY(openClone->channel() != bagc->channel());
        QTRY_COMPARE(peer.connectionCount(), 2);
        // Each works on its own: closing the original leaves the clone usable.
        bagc->close();
        TServerMethods1Client proxy(*openClone);
        QCOMPARE(proxy.AcilisReklamAdet(), 0);
    }

    void baglantiKurOpensAtOnceWhenTheServerIsUp() {
        TestPeer peer;
        auto bagc = connectionTo(peer.port());
        bagc->open();
        QVERIFY(BaglantiKur(*bagc, true));
        QVERIFY(bagc->isOpen());
        QVERIFY(pauses.isEmpty());
        QCOMPARE(reports, 0);
        QTRY_COMPARE(peer.connectionCount(), 2);  // closed and opened again
    }

    void baglantiKurGivesUpAfterElevenAttempts_data() {
        QTest::addColumn<bool>("mesaj");
        QTest::newRow("with message") << true;
        QTest::newRow("without message") << false;
    }
    void baglantiKurGivesUpAfterElevenAttempts() {
        QFETCH(bool, mesaj);
        auto bagc = connectionTo(TestPeer::unusedPort());
        QVERIFY(!BaglantiKur(*bagc, mesaj));
        QVERIFY(!bagc->isOpen());
        QCOMPARE(pauses, QList<int>(11, 500));
        QCOMPARE(reports, mesaj ? 1 : 0);
    }

    void baglantiKurUsesAServerThatComesUpDuringTheRetries() {
        TestPeer peer(TestPeer::NotListening);
        const quint16 port = TestPeer::unusedPort();
        onPause = [&](int pause) {
            if (pause == 4)
                QVERIFY(peer.listen(port));
        };
        auto bagc = connectionTo(port);
        QVERIFY(BaglantiKur(*bagc, true));
        QVERIFY(bagc->isOpen());
        QCOMPARE(pauses.size(), 4);
        QCOMPARE(reports, 0);
        QTRY_COMPARE(peer.connectionCount(), 1);
        TServerMethods1Client proxy(*bagc);
        QCOMPARE(proxy.KayanYaziGetir(), QString());
    }
};

QTEST_GUILESS_MAIN(ServerConnectionTest)
#include "tst_server_connection.moc"
