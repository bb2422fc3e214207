#include <QBuffer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTest>
#include <functional>

#include "client/server/row_reader.h"
#include "client/server/server_connection.h"
#include "client/server/server_methods_client.h"
#include "client/server/table_results.h"
#include "test_peer.h"
#include "wire/error.h"

Q_DECLARE_METATYPE(PeerReply)

using wire::Kind;
using wire::Value;

namespace {

const TSonucBilgisi& sbilgi() {
    static const TSonucBilgisi login = [] {
        TSonucBilgisi record;
        record.SetBILGISAYARID(QStringLiteral("ABC123"));
        record.SetCARINO(77);
        record.SetSirano(5);
        record.SetADI(QStringLiteral("ayşe"));
        record.SetSIFRE(QStringLiteral("gizli"));
        record.SetMusteriTipi(2);
        record.SetVarmi(true);
        return record;
    }();
    return login;
}

/// A fresh copy of the login record, as every caller passes it.
TSonucBilgisi* loginCopy() {
    auto* copy = new TSonucBilgisi;
    copy->Kopyala(sbilgi());
    return copy;
}

QByteArray loginJson() {
    return wire::recordToJson(sbilgi());
}

/// A record's JSON with some members of "fields" removed or added.
QByteArray editedJson(const wire::TransferRecord& record, const QStringList& remove,
                      const QJsonObject& add = {}) {
    QJsonObject message = QJsonDocument::fromJson(wire::recordToJson(record)).object();
    QJsonObject fields = message.value(u"fields").toObject();
    for (const QString& name : remove)
        fields.remove(name);
    for (auto it = add.begin(); it != add.end(); ++it)
        fields.insert(it.key(), it.value());
    message.insert(u"fields", fields);
    return QJsonDocument(message).toJson(QJsonDocument::Compact);
}

QString describe(const Value& value) {
    QString text = wire::kindName(value.kind()) + u':';
    if (value.isNull())
        return text + u"null"_qs;
    switch (value.kind()) {
        case Kind::Text:
            return text + value.toText();
        case Kind::Integer:
            return text + QString::number(value.toInteger());
        case Kind::LongInteger:
            return text + QString::number(value.toLongInteger());
        case Kind::Real:
        case Kind::Date:
            return text + QString::number(value.toReal());
        case Kind::Boolean:
            return text + (value.toBoolean() ? u"true"_qs : u"false"_qs);
        case Kind::Record:
        case Kind::Any:
        case Kind::JsonArray:
            return text + QString::fromUtf8(value.bytes());
        default:
            return text;
    }
}

/// The values the sweep below passes: the j-th in-parameter (from 1) gets j, "aj", j.5, 40000 + j,
/// the login record or no object.
QStringList expectedArguments(const wire::MethodSpec& method) {
    QStringList values;
    int j = 0;
    for (const wire::ParamSpec& param : method.params) {
        if (param.out)
            continue;
        ++j;
        switch (param.kind) {
            case Kind::Integer:
                values << describe(Value::integer(j));
                break;
            case Kind::Text:
                values << describe(Value::text(u"a"_qs + QString::number(j)));
                break;
            case Kind::Real:
                values << describe(Value::real(j + 0.5));
                break;
            case Kind::Date:
                values << describe(Value::date(40000 + j));
                break;
            case Kind::Record:
                values << describe(Value::record(loginJson()));
                break;
            default:
                values << describe(Value::null(param.kind));
                break;
        }
    }
    return values;
}

QStringList described(const QList<Value>& values) {
    QStringList texts;
    for (const Value& value : values)
        texts << describe(value);
    return texts;
}

using ProxyCall = std::function<void(TServerMethods1Client&)>;

/// Every operation of the proxy with the arguments of expectedArguments().
const QList<std::pair<QString, ProxyCall>>& everyOperation() {
    static const QList<std::pair<QString, ProxyCall>> calls = {
        {"SepetVer2", [](TServerMethods1Client& p) { p.SepetVer2(1); }},
        {"OncekiSiparisler", [](TServerMethods1Client& p) { p.OncekiSiparisler(1); }},
        {"CariEkstreVer", [](TServerMethods1Client& p) { p.CariEkstreVer(1); }},
        {"KampanyaliVer2", [](TServerMethods1Client& p) { p.KampanyaliVer2(1, 2); }},
        {"BakiyelerVer2", [](TServerMethods1Client& p) { p.BakiyelerVer2(1); }},
        {"BuyukGetir", [](TServerMethods1Client& p) { p.BuyukGetir(QStringLiteral("a1")); }},
        {"ResimVer5",
         [](TServerMethods1Client& p) {
             qint64 boy{};
             p.ResimVer5(1, boy);
         }},
        {"SAnalPosPdfVer",
         [](TServerMethods1Client& p) {
             qint64 boy{};
             p.SAnalPosPdfVer(1, boy);
         }},
        {"StokAraGetirVarlenta",
         [](TServerMethods1Client& p) {
             p.StokAraGetirVarlenta(QStringLiteral("a1"), loginCopy());
         }},
        {"YenilerVer2", [](TServerMethods1Client& p) { p.YenilerVer2(1); }},
        {"TeslimVer", [](TServerMethods1Client& p) { p.TeslimVer(); }},
        {"KargoVer", [](TServerMethods1Client& p) { p.KargoVer(); }},
        {"KargolarVer", [](TServerMethods1Client& p) { p.KargolarVer(1); }},
        {"SepetEkle2",
         [](TServerMethods1Client& p) {
             p.SepetEkle2(loginCopy(), 2, 3, QStringLiteral("a4"), QStringLiteral("a5"), 6.5, 7.5,
                          8.5, 9.5, 10, 11, 12.5, 13.5, 14.5);
         }},
        {"SepetGuncelle2",
         [](TServerMethods1Client& p) {
             p.SepetGuncelle2(loginCopy(), 2, 3, QStringLiteral("a4"), QStringLiteral("a5"), 6.5,
                              7.5, 8.5, 9.5, 10, 11, 12.5, 13.5, 14.5);
         }},
        {"SepetHepsiniSil", [](TServerMethods1Client& p) { p.SepetHepsiniSil(loginCopy()); }},
        {"SepetSatirSil",
         [](TServerMethods1Client& p) { p.SepetSatirSil(loginCopy(), 2, QStringLiteral("a3")); }},
        {"SiparisKaydet",
         [](TServerMethods1Client& p) {
             p.SiparisKaydet(loginCopy(), 2, 3, 4, QStringLiteral("a5"), 6, 7);
         }},
        {"SiparisAyrintisi2", [](TServerMethods1Client& p) { p.SiparisAyrintisi2(1, 2); }},
        {"FaturaGetir", [](TServerMethods1Client& p) { p.FaturaGetir(1, 2); }},
        {"FaturaAltGetir", [](TServerMethods1Client& p) { p.FaturaAltGetir(1); }},
        {"Tahsilat", [](TServerMethods1Client& p) { p.Tahsilat(1); }},
        {"SanalposSiranoVer", [](TServerMethods1Client& p) { p.SanalposSiranoVer(1); }},
        {"BakiyeDuzenle",
         [](TServerMethods1Client& p) {
             p.BakiyeDuzenle(loginCopy(), 2, 3, 4, 5.5, 6.5, QStringLiteral("a7"));
         }},
        {"BakiyeDegistir",
         [](TServerMethods1Client& p) {
             p.BakiyeDegistir(loginCopy(), 2, 3, 4, 5.5, 6.5, QStringLiteral("a7"));
         }},
        {"BakiyeFiyatDegistir",
         [](TServerMethods1Client& p) {
             p.BakiyeFiyatDegistir(loginCopy(), 2, 3, 4, 5.5, 6.5, QStringLiteral("a7"), 8.5, 9.5);
         }},
        {"SiparisAytintisiDip", [](TServerMethods1Client& p) { p.SiparisAytintisiDip(1, 2); }},
        {"CariAra", [](TServerMethods1Client& p) { p.CariAra(loginCopy(), QStringLiteral("a2")); }},
        {"SepetSayisi", [](TServerMethods1Client& p) { p.SepetSayisi(loginCopy()); }},
        {"TusSonuclariVer", [](TServerMethods1Client& p) { p.TusSonuclariVer(loginCopy()); }},
        {"CariSepetVer", [](TServerMethods1Client& p) { p.CariSepetVer(loginCopy(), 2); }},
        {"KayanYaziGetir", [](TServerMethods1Client& p) { p.KayanYaziGetir(); }},
        {"BannerResimVer",
         [](TServerMethods1Client& p) {
             qint64 size{};
             p.BannerResimVer(size);
         }},
        {"BannerResimVer2",
         [](TServerMethods1Client& p) {
             qint64 size{};
             p.BannerResimVer2(size);
         }},
        {"BannerResimVer3",
         [](TServerMethods1Client& p) {
             qint64 size{};
             p.BannerResimVer3(size);
         }},
        {"RaporGetir",
         [](TServerMethods1Client& p) {
             qint64 size{};
             p.RaporGetir(1, 2, 3, 4, QStringLiteral("a5"), 40006.0, 40007.0, size);
         }},
        {"BalonGetir", [](TServerMethods1Client& p) { p.BalonGetir(loginCopy()); }},
        {"TumSiparislerVer", [](TServerMethods1Client& p) { p.TumSiparislerVer(1, 2); }},
        {"SepetSecimGuncelle", [](TServerMethods1Client& p) { p.SepetSecimGuncelle(1, 2); }},
        {"MailGonserCari",
         [](TServerMethods1Client& p) {
             p.MailGonserCari(QStringLiteral("a1"), QStringLiteral("a2"), QStringLiteral("a3"),
                              QStringLiteral("a4"), QStringLiteral("a5"), QStringLiteral("a6"),
                              QStringLiteral("a7"), QStringLiteral("a8"), QStringLiteral("a9"),
                              QStringLiteral("a10"), QStringLiteral("a11"), QStringLiteral("a12"),
                              QStringLiteral("a13"), QStringLiteral("a14"), QStringLiteral("a15"),
                              QStringLiteral("a16"));
         }},
        {"MailGonserCariNormal",
         [](TServerMethods1Client& p) {
             p.MailGonserCariNormal(
                 QStringLiteral("a1"), QStringLiteral("a2"), QStringLiteral("a3"),
                 QStringLiteral("a4"), QStringLiteral("a5"), QStringLiteral("a6"),
                 QStringLiteral("a7"), QStringLiteral("a8"), QStringLiteral("a9"),
                 QStringLiteral("a10"), QStringLiteral("a11"), QStringLiteral("a12"),
                 QStringLiteral("a13"), QStringLiteral("a14"), QStringLiteral("a15"),
                 QStringLiteral("a16"), QStringLiteral("a17"));
         }},
        {"MobilCariBilgisiGetir",
         [](TServerMethods1Client& p) { p.MobilCariBilgisiGetir(1, QStringLiteral("a2")); }},
        {"AcilisReklamAdet", [](TServerMethods1Client& p) { p.AcilisReklamAdet(); }},
        {"AcilisREklamVer", [](TServerMethods1Client& p) { p.AcilisREklamVer(1); }},
        {"AcilisEkranlarVer2", [](TServerMethods1Client& p) { p.AcilisEkranlarVer2(); }},
        {"RaporAlinanSiparisler",
         [](TServerMethods1Client& p) { p.RaporAlinanSiparisler(loginCopy(), 40002.0, 40003.0); }},
        {"RaporEnCokSatilanStoklar",
         [](TServerMethods1Client& p) {
             p.RaporEnCokSatilanStoklar(loginCopy(), 40002.0, 40003.0);
         }},
        {"CariDurumVer", [](TServerMethods1Client& p) { p.CariDurumVer(1); }},
        {"CariVadeGunGecmismiBul", [](TServerMethods1Client& p) { p.CariVadeGunGecmismiBul(1); }},
        {"DSServerModuleCreate", [](TServerMethods1Client& p) { p.DSServerModuleCreate(nullptr); }},
        {"EchoString", [](TServerMethods1Client& p) { p.EchoString(QStringLiteral("a1")); }},
        {"ReverseString", [](TServerMethods1Client& p) { p.ReverseString(QStringLiteral("a1")); }},
        {"StokAra",
         [](TServerMethods1Client& p) {
             p.StokAra(QStringLiteral("a1"), QStringLiteral("a2"), 3);
         }},
        {"SepetVer", [](TServerMethods1Client& p) { p.SepetVer(1); }},
        {"OncekiSiparisler2", [](TServerMethods1Client& p) { p.OncekiSiparisler2(1); }},
        {"CariEkstreVer2", [](TServerMethods1Client& p) { p.CariEkstreVer2(1, 40002.0, 40003.0); }},
        {"CariEkstreVer2Baslik",
         [](TServerMethods1Client& p) { p.CariEkstreVer2Baslik(1, 40002.0); }},
        {"YenilerVer", [](TServerMethods1Client& p) { p.YenilerVer(1); }},
        {"YenilerVerMobile", [](TServerMethods1Client& p) { p.YenilerVerMobile(1); }},
        {"KampanyaliVer", [](TServerMethods1Client& p) { p.KampanyaliVer(1, 2); }},
        {"KampanyaliVermMobil", [](TServerMethods1Client& p) { p.KampanyaliVermMobil(1, 2); }},
        {"DuyuruVer", [](TServerMethods1Client& p) { p.DuyuruVer(); }},
        {"DuyuruVer2", [](TServerMethods1Client& p) { p.DuyuruVer2(); }},
        {"BakiyelerVer", [](TServerMethods1Client& p) { p.BakiyelerVer(1); }},
        {"ResimVer6",
         [](TServerMethods1Client& p) {
             qint64 boy{};
             p.ResimVer6(1, boy);
         }},
        {"StokAraGetir",
         [](TServerMethods1Client& p) { p.StokAraGetir(QStringLiteral("a1"), loginCopy()); }},
        {"SepetEkle",
         [](TServerMethods1Client& p) {
             p.SepetEkle(loginCopy(), 2, 3, QStringLiteral("a4"), QStringLiteral("a5"), 6.5, 7.5,
                         8.5, 9.5, 10, 11);
         }},
        {"SepetGuncelle",
         [](TServerMethods1Client& p) {
             p.SepetGuncelle(loginCopy(), 2, 3, QStringLiteral("a4"), QStringLiteral("a5"), 6.5,
                             7.5, 8.5, 9.5, 10, 11);
         }},
        {"CikisGonder", [](TServerMethods1Client& p) { p.CikisGonder(loginCopy()); }},
        {"Oncekiler", [](TServerMethods1Client& p) { p.Oncekiler(1); }},
        {"SiparisAyrintisi", [](TServerMethods1Client& p) { p.SiparisAyrintisi(1, 2); }},
        {"DosyaIndir",
         [](TServerMethods1Client& p) {
             qint64 size{};
             p.DosyaIndir(size);
         }},
        {"BelgeIndir",
         [](TServerMethods1Client& p) {
             qint64 size{};
             QString adi{};
             p.BelgeIndir(1, size, adi);
         }},
        {"BelgeIndir2",
         [](TServerMethods1Client& p) {
             qint64 size{};
             QString adi{};
             p.BelgeIndir2(1, size, adi, loginCopy());
         }},
        {"KurlariAl",
         [](TServerMethods1Client& p) {
             double usd{};
             double eur{};
             p.KurlariAl(usd, eur);
         }},
        {"MobilStokara",
         [](TServerMethods1Client& p) { p.MobilStokara(QStringLiteral("a1"), loginCopy(), 3, 4); }},
        {"MobilStokNoAra", [](TServerMethods1Client& p) { p.MobilStokNoAra(1, loginCopy()); }},
        {"SepetMobilVer", [](TServerMethods1Client& p) { p.SepetMobilVer(1); }},
        {"AcilisEkranlarVer", [](TServerMethods1Client& p) { p.AcilisEkranlarVer(); }},
        {"MobilStokaraAdimli",
         [](TServerMethods1Client& p) {
             bool kalan{};
             qint32 toplam{};
             p.MobilStokaraAdimli(QStringLiteral("a1"), loginCopy(), 3, 4, 5, 6, kalan, toplam);
         }},
        {"DepartmanlariGetir", [](TServerMethods1Client& p) { p.DepartmanlariGetir(); }},
        {"DosyaListesi", [](TServerMethods1Client& p) { p.DosyaListesi(); }},
        {"DosyaListesi2", [](TServerMethods1Client& p) { p.DosyaListesi2(); }},
        {"AcilisEkranlariVerData", [](TServerMethods1Client& p) { p.AcilisEkranlariVerData(); }},
        {"BuyukResimVer",
         [](TServerMethods1Client& p) {
             qint32 boy{};
             p.BuyukResimVer(1, boy);
         }},
        {"HttpResimVer", [](TServerMethods1Client& p) { p.HttpResimVer(1); }},
        {"HttpResimVer2", [](TServerMethods1Client& p) { p.HttpResimVer2(1); }},
        {"HttpResimVer3", [](TServerMethods1Client& p) { p.HttpResimVer3(1); }},
        {"KucukResimVer", [](TServerMethods1Client& p) { p.KucukResimVer(1); }},
        {"SifremiUnuttum",
         [](TServerMethods1Client& p) {
             qint32 mailvarmi{};
             p.SifremiUnuttum(QStringLiteral("a1"), mailvarmi);
         }},
        {"BalonGetir2",
         [](TServerMethods1Client& p) {
             qint32 sepet{};
             qint32 yenistok{};
             qint32 kampnayali{};
             qint32 duyuru{};
             qint32 Bakiye{};
             qint32 dosya{};
             p.BalonGetir2(1, sepet, yenistok, kampnayali, duyuru, Bakiye, dosya);
         }},
        {"MobilSiparisKaydet", [](TServerMethods1Client& p) { p.MobilSiparisKaydet(1); }},
        {"AramaGonderAl",
         [](TServerMethods1Client& p) { p.AramaGonderAl(loginCopy(), QStringLiteral("a2"), 3); }},
        {"CarileriVer", [](TServerMethods1Client& p) { p.CarileriVer(); }},
        {"SiparisAlinirmi", [](TServerMethods1Client& p) { p.SiparisAlinirmi(1); }},
        {"DepartmanlariVer", [](TServerMethods1Client& p) { p.DepartmanlariVer(); }},
        {"AnaGrupVer", [](TServerMethods1Client& p) { p.AnaGrupVer(); }},
        {"AltGrupVer", [](TServerMethods1Client& p) { p.AltGrupVer(QStringLiteral("a1")); }},
        {"EkfiyatIndirimVer", [](TServerMethods1Client& p) { p.EkfiyatIndirimVer(); }},
        {"StokHareketVer", [](TServerMethods1Client& p) { p.StokHareketVer(1, 2); }},
    };
    return calls;
}

std::shared_ptr<wire::ClientTable> table(const QList<wire::ColumnDef>& columns,
                                         const QList<QVariantList>& rows) {
    auto result = std::make_shared<wire::ClientTable>();
    result->defineColumns(columns);
    for (const QVariantList& row : rows)
        result->appendRow(row);
    return result;
}

Value readerValue(const QList<wire::ColumnDef>& columns, const QList<QVariantList>& rows) {
    return Value::table(Kind::RowReader, table(columns, rows));
}

}  // namespace

class ProxyTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestPeer> peer;
    std::unique_ptr<ServerConnection> connection;
    QList<const void*> released;

    void connect(int callMs = 5000) {
        connection = std::make_unique<ServerConnection>();
        connection->HostName = QStringLiteral("127.0.0.1");
        connection->Port = QString::number(peer->port());
        connection->Timeouts.callMs = callMs;
        connection->open();
    }

private Q_SLOTS:
    void initTestCase() {
        ServerMethodCommand::setReleaseTracker([this](const void* object) { released << object; });
    }
    void cleanupTestCase() { ServerMethodCommand::setReleaseTracker({}); }

    void init() {
        peer = std::make_unique<TestPeer>();
        connect();
        released.clear();
    }
    void cleanup() {
        connection.reset();
        peer.reset();
    }

    void everyOperationSendsItsMethodLetterForLetter() {
        QStringList names;
        {
            TServerMethods1Client proxy(*connection);
            for (const auto& [name, call] : everyOperation()) {
                names << name;
                try {
                    call(proxy);
                } catch (const wire::Error& error) {
                    QFAIL(qPrintable(name + u": "_qs + error.fullText()));
                }
            }
        }
        // The operations cover the catalogue in its order; the callback method cannot be sent.
        QStringList catalogue;
        for (const wire::MethodSpec& method : wire::methodCatalogue())
            catalogue << method.name;
        catalogue.removeOne(u"MobilStokaraGeri"_qs);
        QCOMPARE(names, catalogue);

        const QList<wire::Request> requests = peer->requests();
        QCOMPARE(requests.size(), names.size());
        for (int i = 0; i < requests.size(); ++i) {
            QCOMPARE(requests[i].method, u"TServerMethods1."_qs + names[i]);
            QCOMPARE(described(requests[i].params), expectedArguments(*wire::findMethod(names[i])));
        }
    }

    void callbackMethodIsRefusedBeforeSending() {
        TServerMethods1Client proxy(*connection);
        QVERIFY_THROWS_EXCEPTION(wire::Error,
                                 proxy.MobilStokaraGeri(u"k"_qs, loginCopy(), 0, 10, nullptr));
        QVERIFY(peer->requests().isEmpty());
        QCOMPARE(released.size(), 1);  // the login record was consumed all the same
    }

    void proxyNeedsAnOpenConnection() {
        connection->close();
        try {
            TServerMethods1Client proxy(*connection);
            QFAIL("a proxy was created on a closed connection");
        } catch (const wire::Error& error) {
            QCOMPARE(error.message(),
                     u"Connection cannot be nil.  Make sure the connection has been opened."_qs);
        }
    }

    void loginRecordIsConsumedByTheCall_data() {
        QTest::addColumn<bool>("serverFails");
        QTest::newRow("answered") << false;
        QTest::newRow("remote failure") << true;
    }
    void loginRecordIsConsumedByTheCall() {
        QFETCH(bool, serverFails);
        if (serverFails)
            peer->answer(u"SepetHepsiniSil"_qs,
                         PeerReply::failure(u"EDatabaseError"_qs, u"kilitli"_qs));
        const QByteArray before = loginJson();
        TSonucBilgisi* copy = loginCopy();
        TServerMethods1Client proxy(*connection);
        try {
            proxy.SepetHepsiniSil(copy);
            QVERIFY(!serverFails);
        } catch (const wire::Error& error) {
            QVERIFY(serverFails);
            QCOMPARE(error.fullText(), u"EDatabaseError: kilitli"_qs);
        }
        QCOMPARE(released, QList<const void*>{copy});
        QCOMPARE(peer->requests().at(0).params.at(0).bytes(), before);
        QCOMPARE(wire::recordToJson(sbilgi()), before);
    }

    void recordResultLivesUntilTheSameMethodRunsAgain() {
        int calls = 0;
        peer->answer(u"BuyukGetir"_qs, [&calls](const wire::Request& request) {
            TSonucBilgisi record;
            record.SetCARINO(++calls);
            record.SetBILGISAYARID(request.params.at(0).toText());
            return PeerReply::values({Value::record(wire::recordToJson(record))});
        });
        auto proxy = std::make_unique<TServerMethods1Client>(*connection);
        TSonucBilgisi* first = proxy->BuyukGetir(u"PC1"_qs);
        QVERIFY(first);
        QCOMPARE(first->CARINO(), 1);
        QCOMPARE(first->BILGISAYARID(), u"PC1"_qs);
        proxy->KayanYaziGetir();  // another method leaves it alone
        QVERIFY(released.isEmpty());

        TSonucBilgisi* second = proxy->BuyukGetir(u"PC2"_qs);
        QCOMPARE(released, QList<const void*>{first});
        QCOMPARE(second->CARINO(), 2);
        proxy.reset();
        QCOMPARE(released, (QList<const void*>{first, second}));
    }

    void withoutInstanceOwnerTheCallerOwnsEverything() {
        peer->answer(u"TusSonuclariVer"_qs,
                     PeerReply::values({Value::record(wire::recordToJson(TTusSonuclari()))}));
        peer->answer(
            u"Tahsilat"_qs,
            PeerReply::values({readerValue({{u"A"_qs, wire::FieldType::Integer}}, {{1}})}));
        std::unique_ptr<TSonucBilgisi> mine(loginCopy());
        std::unique_ptr<TTusSonuclari> first, second;
        std::unique_ptr<RowReader> reader;
        {
            TServerMethods1Client proxy(connection->channel(), false);
            QVERIFY(!proxy.InstanceOwner());
            first.reset(proxy.TusSonuclariVer(mine.get()));
            second.reset(proxy.TusSonuclariVer(mine.get()));
            reader.reset(proxy.Tahsilat(1));
        }
        QVERIFY(released.isEmpty());
        QVERIFY(first && second && first != second);
        QVERIFY(reader->next());
        QCOMPARE(reader->integer(0), 1);
        QCOMPARE(mine->CARINO(), 77);
    }

    void recordResultsFromJson() {
        TMobilStok stock;
        stock.SetStokNo(12);
        TSonucBilgisi account;
        account.SetCARINO(9);
        peer->answer(
            u"MobilStokNoAra"_qs,
            PeerReply::values({Value::record(editedJson(stock, {u"FBirim"_qs, u"FKDV"_qs}))}));
        peer->answer(u"BuyukGetir"_qs, PeerReply::values({Value::record(editedJson(
                                           account, {u"FMusteriTipi"_qs, u"FVersion"_qs}))}));
        peer->answer(u"SiparisAytintisiDip"_qs, PeerReply::values({Value::null(Kind::Record)}));

        TServerMethods1Client proxy(*connection);
        TMobilStok* read = proxy.MobilStokNoAra(12, loginCopy());
        QCOMPARE(read->StokNo(), 12);
        QCOMPARE(read->Birim(), u"ADET"_qs);
        QCOMPARE(read->KDV(), 20.0);
        TSonucBilgisi* login = proxy.BuyukGetir(u"x"_qs);
        QCOMPARE(login->CARINO(), 9);
        QCOMPARE(login->MusteriTipi(), 1);
        QCOMPARE(login->Version(), 1);
        QCOMPARE(proxy.SiparisAytintisiDip(0, 5), nullptr);
    }

    void unreadableRecordResultFailsTheCall_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");
        TSonucBilgisi account;
        QTest::newRow("extra field")
            << editedJson(account, {}, {{u"FYeni"_qs, 1}})
            << u"Internal: Field FYeni cannot be found in type TSonucBilgisi"_qs;
        QTest::newRow("another class") << wire::recordToJson(TTusSonuclari()) << QString();
        QTest::newRow("not JSON") << QByteArray("{\"type\":") << QString();
    }
    void unreadableRecordResultFailsTheCall() {
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        peer->answer(u"BuyukGetir"_qs, PeerReply::values({Value::record(json)}));
        TServerMethods1Client proxy(*connection);
        try {
            proxy.BuyukGetir(u"x"_qs);
            QFAIL("the record was accepted");
        } catch (const wire::Error& error) {
            if (!message.isEmpty())
                QCOMPARE(error.message(), message);
        }
        // The connection is still usable for the next call.
        QCOMPARE(proxy.KayanYaziGetir(), QString());
    }

    void rowReaderStaysReadableWhileAnotherMethodRuns() {
        const QList<wire::ColumnDef> columns = {{u"SIRANO"_qs, wire::FieldType::Integer},
                                                {u"ACIKLAMA"_qs, wire::FieldType::Text, 40},
                                                {u"TUTAR"_qs, wire::FieldType::Real}};
        peer->answer(u"Tahsilat"_qs,
                     PeerReply::values(
                         {readerValue(columns, {{1, u"Nakit"_qs, 10.5}, {2, u"Kart"_qs, 99.25}})}));
        peer->answer(u"SanalposSiranoVer"_qs, PeerReply::values({Value::integer(31)}));

        TServerMethods1Client proxy(*connection);
        RowReader* reader = proxy.Tahsilat(4);
        QCOMPARE(proxy.SanalposSiranoVer(4), 31);
        wire::ClientTable rows;
        loadTable(rows, *reader);
        QCOMPARE(rows.rowCount(), 2);
        QCOMPARE(rows.textAt(1, 1), u"Kart"_qs);
        QVERIFY(reader->next());
        QCOMPARE(reader->integer(0), 1);
        QCOMPARE(reader->text(1), u"Nakit"_qs);
        QVERIFY(reader->next());
        QCOMPARE(reader->real(2), 99.25);
        QVERIFY(!reader->next());
        QVERIFY(!reader->next());
    }

    void readingAColumnTheServerDidNotSendFails() {
        // Delivery kinds are read by position: id in column 0, name in column 1.
        peer->answer(
            u"TeslimVer"_qs,
            PeerReply::values({readerValue({{u"ID"_qs, wire::FieldType::Integer}}, {{1}})}));
        TServerMethods1Client proxy(*connection);
        RowReader* reader = proxy.TeslimVer();
        QVERIFY_THROWS_EXCEPTION(wire::Error, reader->integer(0));  // before the first row
        QVERIFY(reader->next());
        QCOMPARE(reader->integer(0), 1);
        QVERIFY_THROWS_EXCEPTION(wire::Error, reader->text(1));
        QVERIFY_THROWS_EXCEPTION(wire::Error, reader->isNull(-1));
        QVERIFY(!reader->next());
        QVERIFY_THROWS_EXCEPTION(wire::Error, reader->value(0));  // after the last row
    }

    void loadingRowReadersKeepsThePrescribedColumns() {
        using wire::FieldType;
        const QList<wire::ColumnDef> accounts = {{u"CARINO"_qs, FieldType::Integer},
                                                 {u"CARIADI"_qs, FieldType::Text, 60}};
        peer->answer(
            u"CariAra"_qs,
            PeerReply::values({readerValue(accounts, {{1, u"A"_qs}, {2, u"B"_qs}, {3, u"C"_qs}})}));
        peer->answer(u"CariSepetVer"_qs, [&](const wire::Request& request) {
            switch (request.params.at(1).toInteger()) {
                case 1:  // the same columns and one more at the end
                    return PeerReply::values({readerValue(
                        accounts + QList<wire::ColumnDef>{{u"ADET"_qs, FieldType::Integer}},
                        {{7, u"G"_qs, 3}})});
                default:  // another name at a prescribed position
                    return PeerReply::values({readerValue(
                        {{u"CARINO"_qs, FieldType::Integer}, {u"UNVAN"_qs, FieldType::Text}},
                        {{8, u"H"_qs}})});
            }
        });
        TServerMethods1Client proxy(*connection);
        wire::ClientTable table;
        loadTable(table, *proxy.CariAra(loginCopy(), u"%"_qs));
        QCOMPARE(table.rowCount(), 3);
        loadTable(table, *proxy.CariSepetVer(loginCopy(), 1));
        QCOMPARE(table.rowCount(), 1);
        QCOMPARE(table.columnCount(), 3);
        QCOMPARE(table.textAt(0, 1), u"G"_qs);
        try {
            loadTable(table, *proxy.CariSepetVer(loginCopy(), 2));
            QFAIL("a column of another name was accepted");
        } catch (const wire::Error& error) {
            QCOMPARE(error.message(),
                     u"Additional columns must be added after the prescribed columns."_qs);
        }
    }

    void tablePacketBelongsToTheCaller() {
        peer->answer(u"SepetVer2"_qs,
                     PeerReply::values({Value::table(
                         Kind::TablePacket,
                         table({{u"STOKADI"_qs, wire::FieldType::Text}}, {{u"Far"_qs}}))}));
        std::shared_ptr<const wire::ClientTable> packet;
        {
            TServerMethods1Client proxy(*connection);
            packet = proxy.SepetVer2(77);
        }
        connection->close();
        wire::ClientTable basket;
        basket.defineColumns({{u"ESKI"_qs, wire::FieldType::Integer}});
        loadTable(basket, packet);
        QCOMPARE(basket.columnCount(), 1);
        QCOMPARE(basket.column(0).name, u"STOKADI"_qs);
        QCOMPARE(basket.textAt(0, 0), u"Far"_qs);
    }

    void streamReceipt_data() {
        QTest::addColumn<qint64>("announced");
        QTest::addColumn<int>("sent");
        QTest::addColumn<bool>("kept");
        QTest::newRow("size 0") << qint64(0) << 0 << false;
        QTest::newRow("size 0 with bytes") << qint64(0) << 10 << false;
        QTest::newRow("exactly 1024") << qint64(1024) << 1024 << true;
        QTest::newRow("several blocks") << qint64(5000) << 5000 << true;
        QTest::newRow("shorter than announced") << qint64(2048) << 2047 << false;
        QTest::newRow("longer than announced") << qint64(1024) << 1025 << false;
        QTest::newRow("negative size") << qint64(-1) << 0 << false;
    }
    void streamReceipt() {
        QFETCH(qint64, announced);
        QFETCH(int, sent);
        QFETCH(bool, kept);
        QByteArray bytes(sent, Qt::Uninitialized);
        for (int i = 0; i < sent; ++i)
            bytes[i] = char(i * 7);
        peer->answer(u"ResimVer5"_qs,
                     PeerReply::values({Value::longInteger(announced), Value::stream(bytes)}));
        TServerMethods1Client proxy(*connection);
        qint64 boy = -99;
        QIODevice* stream = proxy.ResimVer5(3, boy);
        QCOMPARE(boy, announced);
        QVERIFY(stream);
        stream->read(10);  // the rule starts from the first byte whatever was read before
        QCOMPARE(receiveStream(stream, boy), kept ? bytes : QByteArray());
    }

    void streamOfExactlyOneBlockTakesTwoReads() {
        class CountingBuffer : public QBuffer {
        public:
            int reads = 0;

        protected:
            qint64 readData(char* data, qint64 size) override {
                ++reads;
                return QBuffer::readData(data, size);
            }
        } stream;
        stream.setData(QByteArray(1024, 'x'));
        stream.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        QCOMPARE(receiveStream(&stream, 1024).size(), 1024);
        QCOMPARE(stream.reads, 2);
        QCOMPARE(receiveStream(nullptr, 5), QByteArray());
    }

    void failuresLeaveOutParametersUnset_data() {
        QTest::addColumn<PeerReply>("reply");
        QTest::addColumn<QString>("errorClass");
        QTest::newRow("remote error") << PeerReply::failure(u"EAccessViolation"_qs, u"Belge yok"_qs)
                                      << u"EAccessViolation"_qs;
        QTest::newRow("connection closed")
            << PeerReply::close() << QString::fromLatin1(wire::kTransportErrorClass);
        QTest::newRow("garbage") << PeerReply::raw("HTTP/1.1 400 Bad Request\r\n\r\n")
                                 << QString::fromLatin1(wire::kProtocolErrorClass);
        QTest::newRow("truncated answer")
            << PeerReply::raw(
                   wire::encodeResponseFrame(
                       {{Value::longInteger(3), Value::text(u"a"_qs), Value::stream("abc")}})
                       .left(20))
            << QString::fromLatin1(wire::kTransportErrorClass);
        QTest::newRow("wrong kinds")
            << PeerReply::values({Value::text(u"3"_qs), Value::text(u"a"_qs), Value::stream("abc")})
            << QString::fromLatin1(wire::kProtocolErrorClass);
        QTest::newRow("too few values") << PeerReply::values({Value::stream("abc")})
                                        << QString::fromLatin1(wire::kProtocolErrorClass);
        QTest::newRow("too slow") << PeerReply::values({}).after(3000)
                                  << QString::fromLatin1(wire::kTransportErrorClass);
    }
    void failuresLeaveOutParametersUnset() {
        QFETCH(PeerReply, reply);
        QFETCH(QString, errorClass);
        peer->answer(u"BelgeIndir"_qs, reply);
        connect(300);
        TServerMethods1Client proxy(*connection);
        qint64 size = -1;
        QString adi = u"eski"_qs;
        try {
            proxy.BelgeIndir(1, size, adi);
            QFAIL("the call succeeded");
        } catch (const wire::Error& error) {
            QCOMPARE(error.className(), errorClass);
        }
        QCOMPARE(size, qint64(-1));
        QCOMPARE(adi, u"eski"_qs);
    }
};

QTEST_GUILESS_MAIN(ProxyTest)
#include "tst_proxy.moc"
