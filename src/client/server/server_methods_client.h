#pragma once

#include <QJsonValue>
#include <QString>
#include <QStringView>
#include <initializer_list>
#include <memory>

#include "client/server/server_method_command.h"
#include "wire/client_table.h"
#include "wire/records/acilis_ekran.h"
#include "wire/records/mobil_cari_bilgisi.h"
#include "wire/records/mobil_sepet.h"
#include "wire/records/mobil_stok.h"
#include "wire/records/siparis_dip_ayrinti.h"
#include "wire/records/sonuc_bilgisi.h"
#include "wire/records/tus_sonuclari.h"

class QIODevice;
class QObject;
class RowReader;
class ServerConnection;

/// The client proxy of the server class TServerMethods1: one operation per remote method, each
/// with the method's parameters (out parameters as references) and its result.
///
/// A proxy lives for one operation on an open connection. Each method's command is created on
/// its first call and kept until the proxy is released. With InstanceOwner (the default) a login
/// record passed to a method is consumed by the call, and record, row reader and stream results
/// belong to the proxy: they live until the same method runs again on this proxy or the proxy is
/// released. Without it, passed records stay the caller's and every result becomes the caller's.
/// Table packets are always the caller's. A null record result gives nullptr.
class TServerMethods1Client {
public:
    /// Throws wire::Error "Connection cannot be nil.  Make sure the connection has been opened."
    /// when the connection is not open.
    explicit TServerMethods1Client(wire::Channel* ADBXConnection);
    TServerMethods1Client(wire::Channel* ADBXConnection, bool AInstanceOwner);
    explicit TServerMethods1Client(ServerConnection& connection);
    TServerMethods1Client(ServerConnection& connection, bool AInstanceOwner);
    ~TServerMethods1Client();
    TServerMethods1Client(const TServerMethods1Client&) = delete;
    TServerMethods1Client& operator=(const TServerMethods1Client&) = delete;

    bool InstanceOwner() const { return FInstanceOwner; }
    void SetInstanceOwner(bool value) { FInstanceOwner = value; }

    // Methods the desktop client calls.
    std::shared_ptr<const wire::ClientTable> SepetVer2(qint32 carino);
    RowReader* OncekiSiparisler(qint32 carino);
    RowReader* CariEkstreVer(qint32 carino);
    std::shared_ptr<const wire::ClientTable> KampanyaliVer2(qint32 cario, qint32 satici);
    RowReader* BakiyelerVer2(qint32 carino);
    TSonucBilgisi* BuyukGetir(const QString& idsi);
    QIODevice* ResimVer5(qint32 stokno, qint64& boy);
    QIODevice* SAnalPosPdfVer(qint32 sirano, qint64& boy);
    std::shared_ptr<const wire::ClientTable> StokAraGetirVarlenta(const QString& kod,
                                                                  TSonucBilgisi* bilgi);
    std::shared_ptr<const wire::ClientTable> YenilerVer2(qint32 carino);
    RowReader* TeslimVer();
    RowReader* KargoVer();
    RowReader* KargolarVer(qint32 gn);
    qint32 SepetEkle2(TSonucBilgisi* bilgim, qint32 carino, qint32 stokno, const QString& barkod,
                      const QString& stokadi, double miktar, double kdv, double fiyat, double ind1,
                      qint32 verenid, qint32 k, double ind2, double ind3, double ind4);
    qint32 SepetGuncelle2(TSonucBilgisi* bilgim, qint32 carino, qint32 stokno,
                          const QString& barkod, const QString& stokadi, double miktar, double kdv,
                          double fiyat, double ind1, qint32 verenid, qint32 _sepetsirano,
                          double ind2, double ind3, double ind4);
    qint32 SepetHepsiniSil(TSonucBilgisi* bilgi);
    qint32 SepetSatirSil(TSonucBilgisi* bilgi, qint32 satirno, const QString& aciklamam);
    bool SiparisKaydet(TSonucBilgisi* BB, qint32 _carino, qint32 _teslim, qint32 _kargo,
                       const QString& _aciklama, qint32 _verenid, qint32 _kargoyeni);
    RowReader* SiparisAyrintisi2(qint32 carino, qint32 idnosu);
    RowReader* FaturaGetir(qint32 carino, qint32 idnosu);
    RowReader* FaturaAltGetir(qint32 idnosu);
    RowReader* Tahsilat(qint32 idnosu);
    qint32 SanalposSiranoVer(qint32 idnosu);
    qint32 BakiyeDuzenle(TSonucBilgisi* k, qint32 stokno, qint32 sepetsirano, qint32 siparissirano,
                         double Adet, double Bakiye, const QString& barkod);
    qint32 BakiyeDegistir(TSonucBilgisi* k, qint32 stokno, qint32 sepetsirano, qint32 siparissirano,
                          double Adet, double Bakiye, const QString& barkod);
    qint32 BakiyeFiyatDegistir(TSonucBilgisi* k, qint32 stokno, qint32 sepetsirano,
                               qint32 siparissirano, double Adet, double Bakiye,
                               const QString& barkod, double fiyat, double ind);
    TSiparisDipAyrinti* SiparisAytintisiDip(qint32 carino, qint32 siranosu);
    RowReader* CariAra(TSonucBilgisi* bil, const QString& aranan);
    qint32 SepetSayisi(TSonucBilgisi* bil);
    TTusSonuclari* TusSonuclariVer(TSonucBilgisi* bil);
    RowReader* CariSepetVer(TSonucBilgisi* bil, qint32 n);
    QString KayanYaziGetir();
    QIODevice* BannerResimVer(qint64& size);
    QIODevice* BannerResimVer2(qint64& size);
    QIODevice* BannerResimVer3(qint64& size);
    QIODevice* RaporGetir(qint32 raporno, qint32 bolum, qint32 idno, qint32 carino,
                          const QString& saticiadi, double tarih1, double tarih2, qint64& size);
    RowReader* BalonGetir(TSonucBilgisi* bil);
    RowReader* TumSiparislerVer(qint32 carino, qint32 stokno);
    void SepetSecimGuncelle(qint32 sirano, qint32 secim);
    qint32 MailGonserCari(const QString& idsi, const QString& baslik, const QString& firmaadi,
                          const QString& adres1, const QString& adres2, const QString& ilce,
                          const QString& sehir, const QString& telefon, const QString& fax,
                          const QString& vd, const QString& vn, const QString& yetkili,
                          const QString& kullaniciadi, const QString& sifre, const QString& mail,
                          const QString& kargoambar);
    qint32 MailGonserCariNormal(const QString& idsi, const QString& baslik, const QString& firmaadi,
                                const QString& adres1, const QString& adres2, const QString& ilce,
                                const QString& sehir, const QString& telefon, const QString& fax,
                                const QString& vd, const QString& vn, const QString& yetkili,
                                const QString& kullaniciadi, const QString& sifre,
                                const QString& mail, const QString& kargoambar,
                                const QString& konu);
    TMobilCariBilgisi* MobilCariBilgisiGetir(qint32 sirano, const QString& _idsi);
    qint32 AcilisReklamAdet();
    TAcilisEkran* AcilisREklamVer(qint32 sira);
    TAcilisEkranlariki* AcilisEkranlarVer2();
    RowReader* RaporAlinanSiparisler(TSonucBilgisi* bilgi, double tarih1, double tarih2);
    RowReader* RaporEnCokSatilanStoklar(TSonucBilgisi* bilgi, double tarih1, double tarih2);
    QString CariDurumVer(qint32 carino);
    QString CariVadeGunGecmismiBul(qint32 carino);

    // Further methods of the server interface.
    void DSServerModuleCreate(wire::TransferRecord* Sender);
    QString EchoString(const QString& Value);
    QString ReverseString(const QString& Value);
    RowReader* StokAra(const QString& kod, const QString& carino, qint32 satici);
    RowReader* SepetVer(qint32 carino);
    RowReader* OncekiSiparisler2(qint32 carino);
    RowReader* CariEkstreVer2(qint32 carino, double TARIH1, double TARIH2);
    RowReader* CariEkstreVer2Baslik(qint32 carino, double tarih1);
    RowReader* YenilerVer(qint32 carino);
    RowReader* YenilerVerMobile(qint32 carino);
    RowReader* KampanyaliVer(qint32 cario, qint32 satici);
    RowReader* KampanyaliVermMobil(qint32 cario, qint32 satici);
    RowReader* DuyuruVer();
    RowReader* DuyuruVer2();
    RowReader* BakiyelerVer(qint32 carino);
    QJsonValue ResimVer6(qint32 stokno, qint64& boy);
    std::shared_ptr<const wire::ClientTable> StokAraGetir(const QString& kod, TSonucBilgisi* bilgi);
    qint32 SepetEkle(TSonucBilgisi* bilgim, qint32 carino, qint32 stokno, const QString& barkod,
                     const QString& stokadi, double miktar, double kdv, double fiyat,
                     double indirim, qint32 verenid, qint32 k);
    qint32 SepetGuncelle(TSonucBilgisi* bilgim, qint32 carino, qint32 stokno, const QString& barkod,
                         const QString& stokadi, double miktar, double kdv, double fiyat,
                         double indirim, qint32 verenid, qint32 _sepetsirano);
    void CikisGonder(TSonucBilgisi* bilgi);
    RowReader* Oncekiler(qint32 carino);
    RowReader* SiparisAyrintisi(qint32 carino, qint32 idnosu);
    QIODevice* DosyaIndir(qint64& size);
    QIODevice* BelgeIndir(qint32 sirano, qint64& size, QString& adi);
    QIODevice* BelgeIndir2(qint32 sirano, qint64& size, QString& adi, TSonucBilgisi* bilgi);
    qint32 KurlariAl(double& usd, double& eur);
    TMobilStoklar* MobilStokara(const QString& kod, TSonucBilgisi* bilgi, qint32 neresi,
                                qint32 nekadar);
    TMobilStok* MobilStokNoAra(qint32 stokno, TSonucBilgisi* bilgi);
    TMobilSepetler* SepetMobilVer(qint32 carino);
    TAcilisEkranlar* AcilisEkranlarVer();
    qint32 MobilStokaraGeri(const QString& kod, TSonucBilgisi* bilgi, qint32 neresi, qint32 nekadar,
                            QObject* geri);
    TMobilStoklar* MobilStokaraAdimli(const QString& kod, TSonucBilgisi* bilgi, qint32 neresi,
                                      qint32 nekadar, qint32 ilk, qint32 Adet, bool& kalan,
                                      qint32& toplam);
    RowReader* DepartmanlariGetir();
    RowReader* DosyaListesi();
    RowReader* DosyaListesi2();
    RowReader* AcilisEkranlariVerData();
    QString BuyukResimVer(qint32 stokno, qint32& boy);
    void HttpResimVer(qint32 stokno);
    void HttpResimVer2(qint32 stokno);
    void HttpResimVer3(qint32 stokno);
    QString KucukResimVer(qint32 stokno);
    bool SifremiUnuttum(const QString& idsi, qint32& mailvarmi);
    qint32 BalonGetir2(qint32 carino, qint32& sepet, qint32& yenistok, qint32& kampnayali,
                       qint32& duyuru, qint32& Bakiye, qint32& dosya);
    qint32 MobilSiparisKaydet(qint32 idnosu);
    void AramaGonderAl(TSonucBilgisi* b, const QString& kod, qint32 Adet);
    QJsonValue CarileriVer();
    QString SiparisAlinirmi(qint32 carino);
    QString DepartmanlariVer();
    QString AnaGrupVer();
    QString AltGrupVer(const QString& anagrup);
    QString EkfiyatIndirimVer();
    std::shared_ptr<const wire::ClientTable> StokHareketVer(qint32 carino, qint32 stokno);

private:
    ServerMethodCommand& run(std::unique_ptr<ServerMethodCommand>& command, QStringView method,
                             std::initializer_list<ProxyArgument> arguments);

    wire::Channel* FDBXConnection;
    bool FInstanceOwner;

    std::unique_ptr<ServerMethodCommand> FSepetVer2Command;
    std::unique_ptr<ServerMethodCommand> FOncekiSiparislerCommand;
    std::unique_ptr<ServerMethodCommand> FCariEkstreVerCommand;
    std::unique_ptr<ServerMethodCommand> FKampanyaliVer2Command;
    std::unique_ptr<ServerMethodCommand> FBakiyelerVer2Command;
    std::unique_ptr<ServerMethodCommand> FBuyukGetirCommand;
    std::unique_ptr<ServerMethodCommand> FResimVer5Command;
    std::unique_ptr<ServerMethodCommand> FSAnalPosPdfVerCommand;
    std::unique_ptr<ServerMethodCommand> FStokAraGetirVarlentaCommand;
    std::unique_ptr<ServerMethodCommand> FYenilerVer2Command;
    std::unique_ptr<ServerMethodCommand> FTeslimVerCommand;
    std::unique_ptr<ServerMethodCommand> FKargoVerCommand;
    std::unique_ptr<ServerMethodCommand> FKargolarVerCommand;
    std::unique_ptr<ServerMethodCommand> FSepetEkle2Command;
    std::unique_ptr<ServerMethodCommand> FSepetGuncelle2Command;
    std::unique_ptr<ServerMethodCommand> FSepetHepsiniSilCommand;
    std::unique_ptr<ServerMethodCommand> FSepetSatirSilCommand;
    std::unique_ptr<ServerMethodCommand> FSiparisKaydetCommand;
    std::unique_ptr<ServerMethodCommand> FSiparisAyrintisi2Command;
    std::unique_ptr<ServerMethodCommand> FFaturaGetirCommand;
    std::unique_ptr<ServerMethodCommand> FFaturaAltGetirCommand;
    std::unique_ptr<ServerMethodCommand> FTahsilatCommand;
    std::unique_ptr<ServerMethodCommand> FSanalposSiranoVerCommand;
    std::unique_ptr<ServerMethodCommand> FBakiyeDuzenleCommand;
    std::unique_ptr<ServerMethodCommand> FBakiyeDegistirCommand;
    std::unique_ptr<ServerMethodCommand> FBakiyeFiyatDegistirCommand;
    std::unique_ptr<ServerMethodCommand> FSiparisAytintisiDipCommand;
    std::unique_ptr<ServerMethodCommand> FCariAraCommand;
    std::unique_ptr<ServerMethodCommand> FSepetSayisiCommand;
    std::unique_ptr<ServerMethodCommand> FTusSonuclariVerCommand;
    std::unique_ptr<ServerMethodCommand> FCariSepetVerCommand;
    std::unique_ptr<ServerMethodCommand> FKayanYaziGetirCommand;
    std::unique_ptr<ServerMethodCommand> FBannerResimVerCommand;
    std::unique_ptr<ServerMethodCommand> FBannerResimVer2Command;
    std::unique_ptr<ServerMethodCommand> FBannerResimVer3Command;
    std::unique_ptr<ServerMethodCommand> FRaporGetirCommand;
    std::unique_ptr<ServerMethodCommand> FBalonGetirCommand;
    std::unique_ptr<ServerMethodCommand> FTumSiparislerVerCommand;
    std::unique_ptr<ServerMethodCommand> FSepetSecimGuncelleCommand;
    std::unique_ptr<ServerMethodCommand> FMailGonserCariCommand;
    std::unique_ptr<ServerMethodCommand> FMailGonserCariNormalCommand;
    std::unique_ptr<ServerMethodCommand> FMobilCariBilgisiGetirCommand;
    std::unique_ptr<ServerMethodCommand> FAcilisReklamAdetCommand;
    std::unique_ptr<ServerMethodCommand> FAcilisREklamVerCommand;
    std::unique_ptr<ServerMethodCommand> FAcilisEkranlarVer2Command;
    std::unique_ptr<ServerMethodCommand> FRaporAlinanSiparislerCommand;
    std::unique_ptr<ServerMethodCommand> FRaporEnCokSatilanStoklarCommand;
    std::unique_ptr<ServerMethodCommand> FCariDurumVerCommand;
    std::unique_ptr<ServerMethodCommand> FCariVadeGunGecmismiBulCommand;
    std::unique_ptr<ServerMethodCommand> FDSServerModuleCreateCommand;
    std::unique_ptr<ServerMethodCommand> FEchoStringCommand;
    std::unique_ptr<ServerMethodCommand> FReverseStringCommand;
    std::unique_ptr<ServerMethodCommand> FStokAraCommand;
    std::unique_ptr<ServerMethodCommand> FSepetVerCommand;
    std::unique_ptr<ServerMethodCommand> FOncekiSiparisler2Command;
    std::unique_ptr<ServerMethodCommand> FCariEkstreVer2Command;
    std::unique_ptr<ServerMethodCommand> FCariEkstreVer2BaslikCommand;
    std::unique_ptr<ServerMethodCommand> FYenilerVerCommand;
    std::unique_ptr<ServerMethodCommand> FYenilerVerMobileCommand;
    std::unique_ptr<ServerMethodCommand> FKampanyaliVerCommand;
    std::unique_ptr<ServerMethodCommand> FKampanyaliVermMobilCommand;
    std::unique_ptr<ServerMethodCommand> FDuyuruVerCommand;
    std::unique_ptr<ServerMethodCommand> FDuyuruVer2Command;
    std::unique_ptr<ServerMethodCommand> FBakiyelerVerCommand;
    std::unique_ptr<ServerMethodCommand> FResimVer6Command;
    std::unique_ptr<ServerMethodCommand> FStokAraGetirCommand;
    std::unique_ptr<ServerMethodCommand> FSepetEkleCommand;
    std::unique_ptr<ServerMethodCommand> FSepetGuncelleCommand;
    std::unique_ptr<ServerMethodCommand> FCikisGonderCommand;
    std::unique_ptr<ServerMethodCommand> FOncekilerCommand;
    std::unique_ptr<ServerMethodCommand> FSiparisAyrintisiCommand;
    std::unique_ptr<ServerMethodCommand> FDosyaIndirCommand;
    std::unique_ptr<ServerMethodCommand> FBelgeIndirCommand;
    std::unique_ptr<ServerMethodCommand> FBelgeIndir2Command;
    std::unique_ptr<ServerMethodCommand> FKurlariAlCommand;
    std::unique_ptr<ServerMethodCommand> FMobilStokaraCommand;
    std::unique_ptr<ServerMethodCommand> FMobilStokNoAraCommand;
    std::unique_ptr<ServerMethodCommand> FSepetMobilVerCommand;
    std::unique_ptr<ServerMethodCommand> FAcilisEkranlarVerCommand;
    std::unique_ptr<ServerMethodCommand> FMobilStokaraGeriCommand;
    std::unique_ptr<ServerMethodCommand> FMobilStokaraAdimliCommand;
    std::unique_ptr<ServerMethodCommand> FDepartmanlariGetirCommand;
    std::unique_ptr<ServerMethodCommand> FDosyaListesiCommand;
    std::unique_ptr<ServerMethodCommand> FDosyaListesi2Command;
    std::unique_ptr<ServerMethodCommand> FAcilisEkranlariVerDataCommand;
    std::unique_ptr<ServerMethodCommand> FBuyukResimVerCommand;
    std::unique_ptr<ServerMethodCommand> FHttpResimVerCommand;
    std::unique_ptr<ServerMethodCommand> FHttpResimVer2Command;
    std::unique_ptr<ServerMethodCommand> FHttpResimVer3Command;
    std::unique_ptr<ServerMethodCommand> FKucukResimVerCommand;
    std::unique_ptr<ServerMethodCommand> FSifremiUnuttumCommand;
    std::unique_ptr<ServerMethodCommand> FBalonGetir2Command;
    std::unique_ptr<ServerMethodCommand> FMobilSiparisKaydetCommand;
    std::unique_ptr<ServerMethodCommand> FAramaGonderAlCommand;
    std::unique_ptr<ServerMethodCommand> FCarileriVerCommand;
    std::unique_ptr<ServerMethodCommand> FSiparisAlinirmiCommand;
    std::unique_ptr<ServerMethodCommand> FDepartmanlariVerCommand;
    std::unique_ptr<ServerMethodCommand> FAnaGrupVerCommand;
    std::unique_ptr<ServerMethodCommand> FAltGrupVerCommand;
    std::unique_ptr<ServerMethodCommand> FEkfiyatIndirimVerCommand;
    std::unique_ptr<ServerMethodCommand> FStokHareketVerCommand;
};
