#include "client/server/server_methods_client.h"

#include "client/server/server_connection.h"
#include "wire/error.h"

TServerMethods1Client::TServerMethods1Client(wire::Channel* ADBXConnection)
    : TServerMethods1Client(ADBXConnection, true) {}

TServerMethods1Client::TServerMethods1Client(wire::Channel* ADBXConnection, bool AInstanceOwner)
    : FDBXConnection(ADBXConnection), FInstanceOwner(AInstanceOwner) {
    if (!FDBXConnection || !FDBXConnection->isOpen()) {
        throw wire::Error(
            QString::fromLatin1(wire::kTransportErrorClass),
            QStringLiteral("Connection cannot be nil.  Make sure the connection has been opened."));
    }
}

TServerMethods1Client::TServerMethods1Client(ServerConnection& connection)
    : TServerMethods1Client(connection.channel(), true) {}

TServerMethods1Client::TServerMethods1Client(ServerConnection& connection, bool AInstanceOwner)
    : TServerMethods1Client(connection.channel(), AInstanceOwner) {}

TServerMethods1Client::~TServerMethods1Client() = default;

ServerMethodCommand& TServerMethods1Client::run(std::unique_ptr<ServerMethodCommand>& command,
                                                QStringView method,
                                                std::initializer_list<ProxyArgument> arguments) {
    if (!command) {
        const wire::MethodSpec* spec = wire::findMethod(method);
        if (!spec) {
            throw wire::Error(QString::fromLatin1(wire::kConversionErrorClass),
                              QStringLiteral("%1 is no method of the server").arg(method));
        }
        command = std::make_unique<ServerMethodCommand>(*FDBXConnection, *spec);
    }
    command->execute(arguments, FInstanceOwner);
    return *command;
}

std::shared_ptr<const wire::ClientTable> TServerMethods1Client::SepetVer2(qint32 carino) {
    return run(FSepetVer2Command, u"SepetVer2", {carino}).packetResult();
}

RowReader* TServerMethods1Client::OncekiSiparisler(qint32 carino) {
    return run(FOncekiSiparislerCommand, u"OncekiSiparisler", {carino})
        .readerResult(FInstanceOwner);
}

RowReader* TServerMethods1Client::CariEkstreVer(qint32 carino) {
    return run(FCariEkstreVerCommand, u"CariEkstreVer", {carino}).readerResult(FInstanceOwner);
}

std::shared_ptr<const wire::ClientTable> TServerMethods1Client::KampanyaliVer2(qint32 cario,
                                                                               qint32 satici) {
    return run(FKampanyaliVer2Command, u"KampanyaliVer2", {cario, satici}).packetResult();
}

RowReader* TServerMethods1Client::BakiyelerVer2(qint32 carino) {
    return run(FBakiyelerVer2Command, u"BakiyelerVer2", {carino}).readerResult(FInstanceOwner);
}

TSonucBilgisi* TServerMethods1Client::BuyukGetir(const QString& idsi) {
    return run(FBuyukGetirCommand, u"BuyukGetir", {idsi})
        .recordResult<TSonucBilgisi>(FInstanceOwner);
}

QIODevice* TServerMethods1Client::ResimVer5(qint32 stokno, qint64& boy) {
    ServerMethodCommand& command = run(FResimVer5Command, u"ResimVer5", {stokno});
    boy = command.out(0).toLongInteger();
    return command.streamResult(FInstanceOwner);
}

QIODevice* TServerMethods1Client::SAnalPosPdfVer(qint32 sirano, qint64& boy) {
    ServerMethodCommand& command = run(FSAnalPosPdfVerCommand, u"SAnalPosPdfVer", {sirano});
    boy = command.out(0).toLongInteger();
    return command.streamResult(FInstanceOwner);
}

std::shared_ptr<const wire::ClientTable> TServerMethods1Client::StokAraGetirVarlenta(
    const QString& kod, TSonucBilgisi* bilgi) {
    return run(FStokAraGetirVarlentaCommand, u"StokAraGetirVarlenta", {kod, bilgi}).packetResult();
}

std::shared_ptr<const wire::ClientTable> TServerMethods1Client::YenilerVer2(qint32 carino) {
    return run(FYenilerVer2Command, u"YenilerVer2", {carino}).packetResult();
}

RowReader* TServerMethods1Client::TeslimVer() {
    return run(FTeslimVerCommand, u"TeslimVer", {}).readerResult(FInstanceOwner);
}

RowReader* TServerMethods1Client::KargoVer() {
    return run(FKargoVerCommand, u"KargoVer", {}).readerResult(FInstanceOwner);
}

RowReader* TServerMethods1Client::KargolarVer(qint32 gn) {
    return run(FKargolarVerCommand, u"KargolarVer", {gn}).readerResult(FInstanceOwner);
}

qint32 TServerMethods1Client::SepetEkle2(TSonucBilgisi* bilgim, qint32 carino, qint32 stokno,
                                         const QString& barkod, const QString& stokadi,
                                         double miktar, double kdv, double fiyat, double ind1,
                                         qint32 verenid, qint32 k, double ind2, double ind3,
                                         double ind4) {
    return run(FSepetEkle2Command, u"SepetEkle2",
               {bilgim, carino, stokno, barkod, stokadi, miktar, kdv, fiyat, ind1, verenid, k, ind2,
                ind3, ind4})
        .result()
        .toInteger();
}

qint32 TServerMethods1Client::SepetGuncelle2(TSonucBilgisi* bilgim, qint32 carino, qint32 stokno,
                                             const QString& barkod, const QString& stokadi,
                                             double miktar, double kdv, double fiyat, double ind1,
                                             qint32 verenid, qint32 _sepetsirano, double ind2,
                                             double ind3, double ind4) {
    return run(FSepetGuncelle2Command, u"SepetGuncelle2",
               {bilgim, carino, stokno, barkod, stokadi, miktar, kdv, fiyat, ind1, verenid,
                _sepetsirano, ind2, ind3, ind4})
        .result()
        .toInteger();
}

qint32 TServerMethods1Client::SepetHepsiniSil(TSonucBilgisi* bilgi) {
    return run(FSepetHepsiniSilCommand, u"SepetHepsiniSil", {bilgi}).result().toInteger();
}

qint32 TServerMethods1Client::SepetSatirSil(TSonucBilgisi* bilgi, qint32 satirno,
                                            const QString& aciklamam) {
    return run(FSepetSatirSilCommand, u"SepetSatirSil", {bilgi, satirno, aciklamam})
        .result()
        .toInteger();
}

bool TServerMethods1Client::SiparisKaydet(TSonucBilgisi* BB, qint32 _carino, qint32 _teslim,
                                          qint32 _kargo, const QString& _aciklama, qint32 _verenid,
                                          qint32 _kargoyeni) {
    return run(FSiparisKaydetCommand, u"SiparisKaydet",
               {BB, _carino, _teslim, _kargo, _aciklama, _verenid, _kargoyeni})
        .result()
        .toBoolean();
}

RowReader* TServerMethods1Client::SiparisAyrintisi2(qint32 carino, qint32 idnosu) {
    return run(FSiparisAyrintisi2Command, u"SiparisAyrintisi2", {carino, idnosu})
        .readerResult(FInstanceOwner);
}

RowReader* TServerMethods1Client::FaturaGetir(qint32 carino, qint32 idnosu) {
    return run(FFaturaGetirCommand, u"FaturaGetir", {carino, idnosu}).readerResult(FInstanceOwner);
}

RowReader* TServerMethods1Client::FaturaAltGetir(qint32 idnosu) {
    return run(FFaturaAltGetirCommand, u"FaturaAltGetir", {idnosu}).readerResult(FInstanceOwner);
}

RowReader* TServerMethods1Client::Tahsilat(qint32 idnosu) {
    return run(FTahsilatCommand, u"Tahsilat", {idnosu}).readerResult(FInstanceOwner);
}

qint32 TServerMethods1Client::SanalposSiranoVer(qint32 idnosu) {
    return run(FSanalposSiranoVerCommand, u"SanalposSiranoVer", {idnosu}).result().toInteger();
}

qint32 TServerMethods1Client::BakiyeDuzenle(TSonucBilgisi* k, qint32 stokno, qint32 sepetsirano,
                                            qint32 siparissirano, double Adet, double Bakiye,
                                            const QString& barkod) {
    return run(FBakiyeDuzenleCommand, u"BakiyeDuzenle",
               {k, stokno, sepetsirano, siparissirano, Adet, Bakiye, barkod})
        .result()
        .toInteger();
}

qint32 TServerMethods1Client::BakiyeDegistir(TSonucBilgisi* k, qint32 stokno, qint32 sepetsirano,
                                             qint32 siparissirano, double Adet, double Bakiye,
                                             const QString& barkod) {
    return run(FBakiyeDegistirCommand, u"BakiyeDegistir",
               {k, stokno, sepetsirano, siparissirano, Adet, Bakiye, barkod})
        .result()
        .toInteger();
}

qint32 TServerMethods1Client::BakiyeFiyatDegistir(TSonucBilgisi* k, qint32 stokno,
                                                  qint32 sepetsirano, qint32 siparissirano,
                                                  double Adet, double Bakiye, const QString& barkod,
                                                  double fiyat, double ind) {
    return run(FBakiyeFiyatDegistirCommand, u"BakiyeFiyatDegistir",
               {k, stokno, sepetsirano, siparissirano, Adet, Bakiye, barkod, fiyat, ind})
        .result()
        .toInteger();
}

TSiparisDipAyrinti* TServerMethods1Client::SiparisAytintisiDip(qint32 carino, qint32 siranosu) {
    return run(FSiparisAytintisiDipCommand, u"SiparisAytintisiDip", {carino, siranosu})
        .recordResult<TSiparisDipAyrinti>(FInstanceOwner);
}

RowReader* TServerMethods1Client::CariAra(TSonucBilgisi* bil, const QString& aranan) {
    return run(FCariAraCommand, u"CariAra", {bil, aranan}).readerResult(FInstanceOwner);
}

qint32 TServerMethods1Client::SepetSayisi(TSonucBilgisi* bil) {
    return run(FSepetSayisiCommand, u"SepetSayisi", {bil}).result().toInteger();
}

TTusSonuclari* TServerMethods1Client::TusSonuclariVer(TSonucBilgisi* bil) {
    return run(FTusSonuclariVerCommand, u"TusSonuclariVer", {bil})
        .recordResult<TTusSonuclari>(FInstanceOwner);
}

RowReader* TServerMethods1Client::CariSepetVer(TSonucBilgisi* bil, qint32 n) {
    return run(FCariSepetVerCommand, u"CariSepetVer", {bil, n}).readerResult(FInstanceOwner);
}

QString TServerMethods1Client::KayanYaziGetir() {
    return run(FKayanYaziGetirCommand, u"KayanYaziGetir", {}).result().toText();
}

QIODevice* TServerMethods1Client::BannerResimVer(qint64& size) {
    ServerMethodCommand& command = run(FBannerResimVerCommand, u"BannerResimVer", {});
    size = command.out(0).toLongInteger();
    return command.streamResult(FInstanceOwner);
}

QIODevice* TServerMethods1Client::BannerResimVer2(qint64& size) {
    ServerMethodCommand& command = run(FBannerResimVer2Command, u"BannerResimVer2", {});
    size = command.out(0).toLongInteger();
    return command.streamResult(FInstanceOwner);
}

QIODevice* TServerMethods1Client::BannerResimVer3(qint64& size) {
    ServerMethodCommand& command = run(FBannerResimVer3Command, u"BannerResimVer3", {});
    size = command.out(0).toLongInteger();
    return command.streamResult(FInstanceOwner);
}

QIODevice* TServerMethods1Client::RaporGetir(qint32 raporno, qint32 bolum, qint32 idno,
                                             qint32 carino, const QString& saticiadi, double tarih1,
                                             double tarih2, qint64& size) {
    ServerMethodCommand& command = run(FRaporGetirCommand, u"RaporGetir",
                                       {raporno, bolum, idno, carino, saticiadi, tarih1, tarih2});
    size = command.out(0).toLongInteger();
    return command.streamResult(FInstanceOwner);
}

RowReader* TServerMethods1Client::BalonGetir(TSonucBilgisi* bil) {
    return run(FBalonGetirCommand, u"BalonGetir", {bil}).readerResult(FInstanceOwner);
}

RowReader* TServerMethods1Client::TumSiparislerVer(qint32 carino, qint32 stokno) {
    return run(FTumSiparislerVerCommand, u"TumSiparislerVer", {carino, stokno})
        .readerResult(FInstanceOwner);
}

void TServerMethods1Client::SepetSecimGuncelle(qint32 sirano, qint32 secim) {
    run(FSepetSecimGuncelleCommand, u"SepetSecimGuncelle", {sirano, secim});
}

qint32 TServerMethods1Client::MailGonserCari(const QString& idsi, const QString& baslik,
                                             const QString& firmaadi, const QString& adres1,
                                             const QString& adres2, const QString& ilce,
                                             const QString& sehir, const QString& telefon,
                                             const QString& fax, const QString& vd,
                                             const QString& vn, const QString& yetkili,
                                             const QString& kullaniciadi, const QString& sifre,
                                             const QString& mail, const QString& kargoambar) {
    return run(FMailGonserCariCommand, u"MailGonserCari",
               {idsi, baslik, firmaadi, adres1, adres2, ilce, sehir, telefon, fax, vd, vn, yetkili,
                kullaniciadi, sifre, mail, kargoambar})
        .result()
        .toInteger();
}

qint32 TServerMethods1Client::MailGonserCariNormal(
    const QString& idsi, const QString& baslik, const QString& firmaadi, const QString& adres1,
    const QString& adres2, const QString& ilce, const QString& sehir, const QString& telefon,
    const QString& fax, const QString& vd, const QString& vn, const QString& yetkili,
    const QString& kullaniciadi, const QString& sifre, const QString& mail,
    const QString& kargoambar, const QString& konu) {
    return run(FMailGonserCariNormalCommand, u"MailGonserCariNormal",
               {idsi, baslik, firmaadi, adres1, adres2, ilce, sehir, telefon, fax, vd, vn, yetkili,
                kullaniciadi, sifre, mail, kargoambar, konu})
        .result()
        .toInteger();
}

TMobilCariBilgisi* TServerMethods1Client::MobilCariBilgisiGetir(qint32 sirano,
                                                                const QString& _idsi) {
    return run(FMobilCariBilgisiGetirCommand, u"MobilCariBilgisiGetir", {sirano, _idsi})
        .recordResult<TMobilCariBilgisi>(FInstanceOwner);
}

qint32 TServerMethods1Client::AcilisReklamAdet() {
    return run(FAcilisReklamAdetCommand, u"AcilisReklamAdet", {}).result().toInteger();
}

TAcilisEkran* TServerMethods1Client::AcilisREklamVer(qint32 sira) {
    return run(FAcilisREklamVerCommand, u"AcilisREklamVer", {sira})
        .recordResult<TAcilisEkran>(FInstanceOwner);
}

TAcilisEkranlariki* TServerMethods1Client::AcilisEkranlarVer2() {
    return run(FAcilisEkranlarVer2Command, u"AcilisEkranlarVer2", {})
        .recordResult<TAcilisEkranlariki>(FInstanceOwner);
}

RowReader* TServerMethods1Client::RaporAlinanSiparisler(TSonucBilgisi* bilgi, double tarih1,
                                                        double tarih2) {
    return run(FRaporAlinanSiparislerCommand, u"RaporAlinanSiparisler", {bilgi, tarih1, tarih2})
        .readerResult(FInstanceOwner);
}

RowReader* TServerMethods1Client::RaporEnCokSatilanStoklar(TSonucBilgisi* bilgi, double tarih1,
                                                           double tarih2) {
    return run(FRaporEnCokSatilanStoklarCommand, u"RaporEnCokSatilanStoklar",
               {bilgi, tarih1, tarih2})
        .readerResult(FInstanceOwner);
}

QString TServerMethods1Client::CariDurumVer(qint32 carino) {
    return run(FCariDurumVerCommand, u"CariDurumVer", {carino}).result().toText();
}

QString TServerMethods1Client::CariVadeGunGecmismiBul(qint32 carino) {
    return run(FCariVadeGunGecmismiBulCommand, u"CariVadeGunGecmismiBul", {carino})
        .result()
        .toText();
}

void TServerMethods1Client::DSServerModuleCreate(wire::TransferRecord* Sender) {
    run(FDSServerModuleCreateCommand, u"DSServerModuleCreate", {Sender});
}

QString TServerMethods1Client::EchoString(const QString& Value) {
    return run(FEchoStringCommand, u"EchoString", {Value}).result().toText();
}

QString TServerMethods1Client::ReverseString(const QString& Value) {
    return run(FReverseStringCommand, u"ReverseString", {Value}).result().toText();
}

RowReader* TServerMethods1Client::StokAra(const QString& kod, const QString& carino,
                                          qint32 satici) {
    return run(FStokAraCommand, u"StokAra", {kod, carino, satici}).readerResult(FInstanceOwner);
}

RowReader* TServerMethods1Client::SepetVer(qint32 carino) {
    return run(FSepetVerCommand, u"SepetVer", {carino}).readerResult(FInstanceOwner);
}

RowReader* TServerMethods1Client::OncekiSiparisler2(qint32 carino) {
    return run(FOncekiSiparisler2Command, u"OncekiSiparisler2", {carino})
        .readerResult(FInstanceOwner);
}

RowReader* TServerMethods1Client::CariEkstreVer2(qint32 carino, double TARIH1, double TARIH2) {
    return run(FCariEkstreVer2Command, u"CariEkstreVer2", {carino, TARIH1, TARIH2})
        .readerResult(FInstanceOwner);
}

RowReader* TServerMethods1Client::CariEkstreVer2Baslik(qint32 carino, double tarih1) {
    return run(FCariEkstreVer2BaslikCommand, u"CariEkstreVer2Baslik", {carino, tarih1})
        .readerResult(FInstanceOwner);
}

RowReader* TServerMethods1Client::YenilerVer(qint32 carino) {
    return run(FYenilerVerCommand, u"YenilerVer", {carino}).readerResult(FInstanceOwner);
}

RowReader* TServerMethods1Client::YenilerVerMobile(qint32 carino) {
    return run(FYenilerVerMobileCommand, u"YenilerVerMobile", {carino})
        .readerResult(FInstanceOwner);
}

RowReader* TServerMethods1Client::KampanyaliVer(qint32 cario, qint32 satici) {
    return run(FKampanyaliVerCommand, u"KampanyaliVer", {cario, satici})
        .readerResult(FInstanceOwner);
}

RowReader* TServerMethods1Client::KampanyaliVermMobil(qint32 cario, qint32 satici) {
    return run(FKampanyaliVermMobilCommand, u"KampanyaliVermMobil", {cario, satici})
        .readerResult(FInstanceOwner);
}

RowReader* TServerMethods1Client::DuyuruVer() {
    return run(FDuyuruVerCommand, u"DuyuruVer", {}).readerResult(FInstanceOwner);
}

RowReader* TServerMethods1Client::DuyuruVer2() {
    return run(FDuyuruVer2Command, u"DuyuruVer2", {}).readerResult(FInstanceOwner);
}

RowReader* TServerMethods1Client::BakiyelerVer(qint32 carino) {
    return run(FBakiyelerVerCommand, u"BakiyelerVer", {carino}).readerResult(FInstanceOwner);
}

QJsonValue TServerMethods1Client::ResimVer6(qint32 stokno, qint64& boy) {
    ServerMethodCommand& command = run(FResimVer6Command, u"ResimVer6", {stokno});
    boy = command.out(0).toLongInteger();
    return command.jsonResult();
}

std::shared_ptr<const wire::ClientTable> TServerMethods1Client::StokAraGetir(const QString& kod,
                                                                             TSonucBilgisi* bilgi) {
    return run(FStokAraGetirCommand, u"StokAraGetir", {kod, bilgi}).packetResult();
}

qint32 TServerMethods1Client::SepetEkle(TSonucBilgisi* bilgim, qint32 carino, qint32 stokno,
                                        const QString& barkod, const QString& stokadi,
                                        double miktar, double kdv, double fiyat, double indirim,
                                        qint32 verenid, qint32 k) {
    return run(FSepetEkleCommand, u"SepetEkle",
               {bilgim, carino, stokno, barkod, stokadi, miktar, kdv, fiyat, indirim, verenid, k})
        .result()
        .toInteger();
}

qint32 TServerMethods1Client::SepetGuncelle(TSonucBilgisi* bilgim, qint32 carino, qint32 stokno,
                                            const QString& barkod, const QString& stokadi,
                                            double miktar, double kdv, double fiyat, double indirim,
                                            qint32 verenid, qint32 _sepetsirano) {
    return run(FSepetGuncelleCommand, u"SepetGuncelle",
               {bilgim, carino, stokno, barkod, stokadi, miktar, kdv, fiyat, indirim, verenid,
                _sepetsirano})
        .result()
        .toInteger();
}

void TServerMethods1Client::CikisGonder(TSonucBilgisi* bilgi) {
    run(FCikisGonderCommand, u"CikisGonder", {bilgi});
}

RowReader* TServerMethods1Client::Oncekiler(qint32 carino) {
    return run(FOncekilerCommand, u"Oncekiler", {carino}).readerResult(FInstanceOwner);
}

RowReader* TServerMethods1Client::SiparisAyrintisi(qint32 carino, qint32 idnosu) {
    return run(FSiparisAyrintisiCommand, u"SiparisAyrintisi", {carino, idnosu})
        .readerResult(FInstanceOwner);
}

QIODevice* TServerMethods1Client::DosyaIndir(qint64& size) {
    ServerMethodCommand& command = run(FDosyaIndirCommand, u"DosyaIndir", {});
    size = command.out(0).toLongInteger();
    return command.streamResult(FInstanceOwner);
}

QIODevice* TServerMethods1Client::BelgeIndir(qint32 sirano, qint64& size, QString& adi) {
    ServerMethodCommand& command = run(FBelgeIndirCommand, u"BelgeIndir", {sirano});
    size = command.out(0).toLongInteger();
    adi = command.out(1).toText();
    return command.streamResult(FInstanceOwner);
}

QIODevice* TServerMethods1Client::BelgeIndir2(qint32 sirano, qint64& size, QString& adi,
                                              TSonucBilgisi* bilgi) {
    ServerMethodCommand& command = run(FBelgeIndir2Command, u"BelgeIndir2", {sirano, bilgi});
    size = command.out(0).toLongInteger();
    adi = command.out(1).toText();
    return command.streamResult(FInstanceOwner);
}

qint32 TServerMethods1Client::KurlariAl(double& usd, double& eur) {
    ServerMethodCommand& command = run(FKurlariAlCommand, u"KurlariAl", {});
    usd = command.out(0).toReal();
    eur = command.out(1).toReal();
    return command.result().toInteger();
}

TMobilStoklar* TServerMethods1Client::MobilStokara(const QString& kod, TSonucBilgisi* bilgi,
                                                   qint32 neresi, qint32 nekadar) {
    return run(FMobilStokaraCommand, u"MobilStokara", {kod, bilgi, neresi, nekadar})
        .recordResult<TMobilStoklar>(FInstanceOwner);
}

TMobilStok* TServerMethods1Client::MobilStokNoAra(qint32 stokno, TSonucBilgisi* bilgi) {
    return run(FMobilStokNoAraCommand, u"MobilStokNoAra", {stokno, bilgi})
        .recordResult<TMobilStok>(FInstanceOwner);
}

TMobilSepetler* TServerMethods1Client::SepetMobilVer(qint32 carino) {
    return run(FSepetMobilVerCommand, u"SepetMobilVer", {carino})
        .recordResult<TMobilSepetler>(FInstanceOwner);
}

TAcilisEkranlar* TServerMethods1Client::AcilisEkranlarVer() {
    return run(FAcilisEkranlarVerCommand, u"AcilisEkranlarVer", {})
        .recordResult<TAcilisEkranlar>(FInstanceOwner);
}

qint32 TServerMethods1Client::MobilStokaraGeri(const QString& kod, TSonucBilgisi* bilgi,
                                               qint32 neresi, qint32 nekadar, QObject* geri) {
    return run(FMobilStokaraGeriCommand, u"MobilStokaraGeri", {kod, bilgi, neresi, nekadar, geri})
        .result()
        .toInteger();
}

TMobilStoklar* TServerMethods1Client::MobilStokaraAdimli(const QString& kod, TSonucBilgisi* bilgi,
                                                         qint32 neresi, qint32 nekadar, qint32 ilk,
                                                         qint32 Adet, bool& kalan, qint32& toplam) {
    ServerMethodCommand& command = run(FMobilStokaraAdimliCommand, u"MobilStokaraAdimli",
                                       {kod, bilgi, neresi, nekadar, ilk, Adet});
    kalan = command.out(0).toBoolean();
    toplam = command.out(1).toInteger();
    return command.recordResult<TMobilStoklar>(FInstanceOwner);
}

RowReader* TServerMethods1Client::DepartmanlariGetir() {
    return run(FDepartmanlariGetirCommand, u"DepartmanlariGetir", {}).readerResult(FInstanceOwner);
}

RowReader* TServerMethods1Client::DosyaListesi() {
    return run(FDosyaListesiCommand, u"DosyaListesi", {}).readerResult(FInstanceOwner);
}

RowReader* TServerMethods1Client::DosyaListesi2() {
    return run(FDosyaListesi2Command, u"DosyaListesi2", {}).readerResult(FInstanceOwner);
}

RowReader* TServerMethods1Client::AcilisEkranlariVerData() {
    return run(FAcilisEkranlariVerDataCommand, u"AcilisEkranlariVerData", {})
        .readerResult(FInstanceOwner);
}

QString TServerMethods1Client::BuyukResimVer(qint32 stokno, qint32& boy) {
    ServerMethodCommand& command = run(FBuyukResimVerCommand, u"BuyukResimVer", {stokno});
    boy = command.out(0).toInteger();
    return command.result().toText();
}

void TServerMethods1Client::HttpResimVer(qint32 stokno) {
    run(FHttpResimVerCommand, u"HttpResimVer", {stokno});
}

void TServerMethods1Client::HttpResimVer2(qint32 stokno) {
    run(FHttpResimVer2Command, u"HttpResimVer2", {stokno});
}

void TServerMethods1Client::HttpResimVer3(qint32 stokno) {
    run(FHttpResimVer3Command, u"HttpResimVer3", {stokno});
}

QString TServerMethods1Client::KucukResimVer(qint32 stokno) {
    return run(FKucukResimVerCommand, u"KucukResimVer", {stokno}).result().toText();
}

bool TServerMethods1Client::SifremiUnuttum(const QString& idsi, qint32& mailvarmi) {
    ServerMethodCommand& command = run(FSifremiUnuttumCommand, u"SifremiUnuttum", {idsi});
    mailvarmi = command.out(0).toInteger();
    return command.result().toBoolean();
}

qint32 TServerMethods1Client::BalonGetir2(qint32 carino, qint32& sepet, qint32& yenistok,
                                          qint32& kampnayali, qint32& duyuru, qint32& Bakiye,
                                          qint32& dosya) {
    ServerMethodCommand& command = run(FBalonGetir2Command, u"BalonGetir2", {carino});
    sepet = command.out(0).toInteger();
    yenistok = command.out(1).toInteger();
    kampnayali = command.out(2).toInteger();
    duyuru = command.out(3).toInteger();
    Bakiye = command.out(4).toInteger();
    dosya = command.out(5).toInteger();
    return command.result().toInteger();
}

qint32 TServerMethods1Client::MobilSiparisKaydet(qint32 idnosu) {
    return run(FMobilSiparisKaydetCommand, u"MobilSiparisKaydet", {idnosu}).result().toInteger();
}

void TServerMethods1Client::AramaGonderAl(TSonucBilgisi* b, const QString& kod, qint32 Adet) {
    run(FAramaGonderAlCommand, u"AramaGonderAl", {b, kod, Adet});
}

QJsonValue TServerMethods1Client::CarileriVer() {
    return run(FCarileriVerCommand, u"CarileriVer", {}).jsonResult();
}

QString TServerMethods1Client::SiparisAlinirmi(qint32 carino) {
    return run(FSiparisAlinirmiCommand, u"SiparisAlinirmi", {carino}).result().toText();
}

QString TServerMethods1Client::DepartmanlariVer() {
    return run(FDepartmanlariVerCommand, u"DepartmanlariVer", {}).result().toText();
}

QString TServerMethods1Client::AnaGrupVer() {
    return run(FAnaGrupVerCommand, u"AnaGrupVer", {}).result().toText();
}

QString TServerMethods1Client::AltGrupVer(const QString& anagrup) {
    return run(FAltGrupVerCommand, u"AltGrupVer", {anagrup}).result().toText();
}

QString TServerMethods1Client::EkfiyatIndirimVer() {
    return run(FEkfiyatIndirimVerCommand, u"EkfiyatIndirimVer", {}).result().toText();
}

std::shared_ptr<const wire::ClientTable> TServerMethods1Client::StokHareketVer(qint32 carino,
                                                                               qint32 stokno) {
    return run(FStokHareketVerCommand, u"StokHareketVer", {carino, stokno}).packetResult();
}
