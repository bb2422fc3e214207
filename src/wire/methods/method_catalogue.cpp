#include "wire/methods/method_catalogue.h"

#include <QHash>

namespace wire {

namespace {

using enum Kind;

const QString kLoginRecord = QStringLiteral("baglantiu.TSonucBilgisi");

ParamSpec in(const char* name, Kind kind) {
    return {QString::fromLatin1(name), kind};
}
ParamSpec out(const char* name, Kind kind) {
    return {QString::fromLatin1(name), kind, true};
}
ParamSpec login(const char* name) {
    return {QString::fromLatin1(name), Record, false, kLoginRecord};
}

/// The parameters shared by SepetEkle2/SepetGuncelle2 and by SepetEkle/SepetGuncelle up to
/// "verenid".
QList<ParamSpec> basketLine(const char* discount) {
    return {login("bilgim"),     in("carino", Integer), in("stokno", Integer), in("barkod", Text),
            in("stokadi", Text), in("miktar", Real),    in("kdv", Real),       in("fiyat", Real),
            in(discount, Real),  in("verenid", Integer)};
}

QList<ParamSpec> basketLine2(const char* lineNumber) {
    return basketLine("ind1") + QList<ParamSpec>{in(lineNumber, Integer), in("ind2", Real),
                                                 in("ind3", Real), in("ind4", Real)};
}

QList<ParamSpec> balanceChange() {
    return {login("k"),
            in("stokno", Integer),
            in("sepetsirano", Integer),
            in("siparissirano", Integer),
            in("Adet", Real),
            in("Bakiye", Real),
            in("barkod", Text)};
}

QList<ParamSpec> mailRequest() {
    QList<ParamSpec> params;
    for (const char* name :
         {"idsi", "baslik", "firmaadi", "adres1", "adres2", "ilce", "sehir", "telefon", "fax", "vd",
          "vn", "yetkili", "kullaniciadi", "sifre", "mail", "kargoambar"}) {
        params.append(in(name, Text));
    }
    return params;
}

MethodSpec method(const char* name, QList<ParamSpec> params, Kind result) {
    return {QString::fromLatin1(name), std::move(params), result};
}

MethodSpec recordMethod(const char* name, QList<ParamSpec> params, const char* recordType) {
    return {QString::fromLatin1(name), std::move(params), Record, QString::fromLatin1(recordType)};
}

/// The methods the desktop client calls, in declaration order.
QList<MethodSpec> clientMethods() {
    return {
        method("SepetVer2", {in("carino", Integer)}, TablePacket),
        method("OncekiSiparisler", {in("carino", Integer)}, RowReader),
        method("CariEkstreVer", {in("carino", Integer)}, RowReader),
        method("KampanyaliVer2", {in("cario", Integer), in("satici", Integer)}, TablePacket),
        method("BakiyelerVer2", {in("carino", Integer)}, RowReader),
        recordMethod("BuyukGetir", {in("idsi", Text)}, "baglantiu.TSonucBilgisi"),
        method("ResimVer5", {in("stokno", Integer), out("boy", LongInteger)}, Stream),
        method("SAnalPosPdfVer", {in("sirano", Integer), out("boy", LongInteger)}, Stream),
        method("StokAraGetirVarlenta", {in("kod", Text), login("bilgi")}, TablePacket),
        method("YenilerVer2", {in("carino", Integer)}, TablePacket),
        method("TeslimVer", {}, RowReader),
        method("KargoVer", {}, RowReader),
        method("KargolarVer", {in("gn", Integer)}, RowReader),
        method("SepetEkle2", basketLine2("k"), Integer),
        method("SepetGuncelle2", basketLine2("_sepetsirano"), Integer),
        method("SepetHepsiniSil", {login("bilgi")}, Integer),
        method("SepetSatirSil", {login("bilgi"), in("satirno", Integer), in("aciklamam", Text)},
               Integer),
        method("SiparisKaydet",
               {login("BB"), in("_carino", Integer), in("_teslim", Integer), in("_kargo", Integer),
                in("_aciklama", Text), in("_verenid", Integer), in("_kargoyeni", Integer)},
               Boolean),
        method("SiparisAyrintisi2", {in("carino", Integer), in("idnosu", Integer)}, RowReader),
        method("FaturaGetir", {in("carino", Integer), in("idnosu", Integer)}, RowReader),
        method("FaturaAltGetir", {in("idnosu", Integer)}, RowReader),
        method("Tahsilat", {in("idnosu", Integer)}, RowReader),
        method("SanalposSiranoVer", {in("idnosu", Integer)}, Integer),
        method("BakiyeDuzenle", balanceChange(), Integer),
        method("BakiyeDegistir", balanceChange(), Integer),
        method("BakiyeFiyatDegistir",
               balanceChange() + QList<ParamSpec>{in("fiyat", Real), in("ind", Real)}, Integer),
        recordMethod("SiparisAytintisiDip", {in("carino", Integer), in("siranosu", Integer)},
                     "baglantiu.TSiparisDipAyrinti"),
        method("CariAra", {login("bil"), in("aranan", Text)}, RowReader),
        method("SepetSayisi", {login("bil")}, Integer),
        recordMethod("TusSonuclariVer", {login("bil")}, "baglantiu.TTusSonuclari"),
        method("CariSepetVer", {login("bil"), in("n", Integer)}, RowReader),
        method("KayanYaziGetir", {}, Text),
        method("BannerResimVer", {out("size", LongInteger)}, Stream),
        method("BannerResimVer2", {out("size", LongInteger)}, Stream),
        method("BannerResimVer3", {out("size", LongInteger)}, Stream),
        method("RaporGetir",
               {in("raporno", Integer), in("bolum", Integer), in("idno", Integer),
                in("carino", Integer), in("saticiadi", Text), in("tarih1", Date),
                in("tarih2", Date), out("size", LongInteger)},
               Stream),
        method("BalonGetir", {login("bil")}, RowReader),
        method("TumSiparislerVer", {in("carino", Integer), in("stokno", Integer)}, RowReader),
        method("SepetSecimGuncelle", {in("sirano", Integer), in("secim", Integer)}, None),
        method("MailGonserCari", mailRequest(), Integer),
        method("MailGonserCariNormal", mailRequest() + QList<ParamSpec>{in("konu", Text)}, Integer),
        recordMethod("MobilCariBilgisiGetir", {in("sirano", Integer), in("_idsi", Text)},
                     "mobilstokunit.TMobilCariBilgisi"),
        method("AcilisReklamAdet", {}, Integer),
        recordMethod("AcilisREklamVer", {in("sira", Integer)}, "mobilstokunit.TAcilisEkran"),
        recordMethod("AcilisEkranlarVer2", {}, "mobilstokunit.TAcilisEkranlariki"),
        method("RaporAlinanSiparisler", {login("bilgi"), in("tarih1", Date), in("tarih2", Date)},
               RowReader),
        method("RaporEnCokSatilanStoklar", {login("bilgi"), in("tarih1", Date), in("tarih2", Date)},
               RowReader),
        method("CariDurumVer", {in("carino", Integer)}, Text),
        method("CariVadeGunGecmismiBul", {in("carino", Integer)}, Text),
    };
}

/// The further methods of the server interface, which the desktop client does not call.
QList<MethodSpec> furtherMethods() {
    const QList<ParamSpec> stockSearchPage = {in("kod", Text), login("bilgi"),
                                              in("neresi", Integer), in("nekadar", Integer)};
    return {
        method("DSServerModuleCreate", {in("Sender", Any)}, None),
        method("EchoString", {in("Value", Text)}, Text),
        method("ReverseString", {in("Value", Text)}, Text),
        method("StokAra", {in("kod", Text), in("carino", Text), in("satici", Integer)}, RowReader),
        method("SepetVer", {in("carino", Integer)}, RowReader),
        method("OncekiSiparisler2", {in("carino", Integer)}, RowReader),
        method("CariEkstreVer2", {in("carino", Integer), in("TARIH1", Date), in("TARIH2", Date)},
               RowReader),
        method("CariEkstreVer2Baslik", {in("carino", Integer), in("tarih1", Date)}, RowReader),
        method("YenilerVer", {in("carino", Integer)}, RowReader),
        method("YenilerVerMobile", {in("carino", Integer)}, RowReader),
        method("KampanyaliVer", {in("cario", Integer), in("satici", Integer)}, RowReader),
        method("KampanyaliVermMobil", {in("cario", Integer), in("satici", Integer)}, RowReader),
        method("DuyuruVer", {}, RowReader),
        method("DuyuruVer2", {}, RowReader),
        method("BakiyelerVer", {in("carino", Integer)}, RowReader),
        method("ResimVer6", {in("stokno", Integer), out("boy", LongInteger)}, JsonArray),
        method("StokAraGetir", {in("kod", Text), login("bilgi")}, TablePacket),
        method("SepetEkle", basketLine("indirim") + QList<ParamSpec>{in("k", Integer)}, Integer),
        method("SepetGuncelle",
               basketLine("indirim") + QList<ParamSpec>{in("_sepetsirano", Integer)}, Integer),
        method("CikisGonder", {login("bilgi")}, None),
        method("Oncekiler", {in("carino", Integer)}, RowReader),
        method("SiparisAyrintisi", {in("carino", Integer), in("idnosu", Integer)}, RowReader),
        method("DosyaIndir", {out("size", LongInteger)}, Stream),
        method("BelgeIndir", {in("sirano", Integer), out("size", LongInteger), out("adi", Text)},
               Stream),
        method("BelgeIndir2",
               {in("sirano", Integer), out("size", LongInteger), out("adi", Text), login("bilgi")},
               Stream),
        method("KurlariAl", {out("usd", Real), out("eur", Real)}, Integer),
        recordMethod("MobilStokara", stockSearchPage, "mobilstokunit.TMobilStoklar"),
        recordMethod("MobilStokNoAra", {in("stokno", Integer), login("bilgi")},
                     "mobilstokunit.TMobilStok"),
        recordMethod("SepetMobilVer", {in("carino", Integer)}, "mobilstokunit.TMobilSepetler"),
        recordMethod("AcilisEkranlarVer", {}, "mobilstokunit.TAcilisEkranlar"),
        method("MobilStokaraGeri", stockSearchPage + QList<ParamSpec>{in("geri", Callback)},
               Integer),
        recordMethod(
            "MobilStokaraAdimli",
            stockSearchPage + QList<ParamSpec>{in("ilk", Integer), in("Adet", Integer),
                                               out("kalan", Boolean), out("toplam", Integer)},
            "mobilstokunit.TMobilStoklar"),
        method("DepartmanlariGetir", {}, RowReader),
        method("DosyaListesi", {}, RowReader),
        method("DosyaListesi2", {}, RowReader),
        method("AcilisEkranlariVerData", {}, RowReader),
        method("BuyukResimVer", {in("stokno", Integer), out("boy", Integer)}, Text),
        method("HttpResimVer", {in("stokno", Integer)}, None),
        method("HttpResimVer2", {in("stokno", Integer)}, None),
        method("HttpResimVer3", {in("stokno", Integer)}, None),
        method("KucukResimVer", {in("stokno", Integer)}, Text),
        method("SifremiUnuttum", {in("idsi", Text), out("mailvarmi", Integer)}, Boolean),
        method("BalonGetir2",
               {in("carino", Integer), out("sepet", Integer), out("yenistok", Integer),
                out("kampnayali", Integer), out("duyuru", Integer), out("Bakiye", Integer),
                out("dosya", Integer)},
               Integer),
        method("MobilSiparisKaydet", {in("idnosu", Integer)}, Integer),
        method("AramaGonderAl", {login("b"), in("kod", Text), in("Adet", Integer)}, None),
        method("CarileriVer", {}, JsonArray),
        method("SiparisAlinirmi", {in("carino", Integer)}, Text),
        method("DepartmanlariVer", {}, Text),
        method("AnaGrupVer", {}, Text),
        method("AltGrupVer", {in("anagrup", Text)}, Text),
        method("EkfiyatIndirimVer", {}, Text),
        method("StokHareketVer", {in("carino", Integer), in("stokno", Integer)}, TablePacket),
    };
}

QList<MethodSpec> buildCatalogue() {
    QList<MethodSpec> all = clientMethods();
    for (MethodSpec& spec : all)
        spec.calledByClient = true;
    all += furtherMethods();
    return all;
}

}  // namespace

const QList<MethodSpec>& methodCatalogue() {
    static const QList<MethodSpec> catalogue = buildCatalogue();
    return catalogue;
}

const MethodSpec* findMethod(QStringView name) {
    static const QHash<QString, const MethodSpec*> byName = [] {
        QHash<QString, const MethodSpec*> index;
        for (const MethodSpec& spec : methodCatalogue())
            index.insert(spec.name, &spec);
        return index;
    }();
    return byName.value(name.toString(), nullptr);
}

}  // namespace wire
