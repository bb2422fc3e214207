#include "wire/records/mobil_stok.h"

QString TMobilStok::typeName() const {
    return recordClass().typeName();
}

const wire::RecordClass& TMobilStok::recordClass() {
    using T = TMobilStok;
    static const wire::RecordClass kClass =
        wire::RecordClass::of<T>(QStringLiteral("mobilstokunit"), QStringLiteral("TMobilStok"),
                                 {
                                     RECORD_FIELD(T, StokNo),
                                     RECORD_FIELD(T, ResimVar),
                                     RECORD_FIELD(T, Resim),
                                     RECORD_FIELD(T, Yeni),
                                     RECORD_FIELD(T, Departman),
                                     RECORD_FIELD(T, VerilenSiparis),
                                     RECORD_FIELD(T, AltGrup),
                                     RECORD_FIELD(T, Durum),
                                     RECORD_FIELD(T, Renk),
                                     RECORD_FIELD(T, Birim),
                                     RECORD_FIELD(T, KDV),
                                     RECORD_FIELD(T, AlinanSiparis),
                                     RECORD_FIELD(T, Isk2),
                                     RECORD_FIELD(T, AnaGrup),
                                     RECORD_FIELD(T, Kod),
                                     RECORD_FIELD(T, Isk3),
                                     RECORD_FIELD(T, ListeFiyati),
                                     RECORD_FIELD(T, Beden),
                                     RECORD_FIELD(T, NetFiyat),
                                     RECORD_FIELD(T, Isk1),
                                     RECORD_FIELD(T, KDVliFiyat),
                                     RECORD_FIELD(T, Isk4),
                                     RECORD_FIELD(T, OzelKod),
                                     RECORD_FIELD(T, Kampnayali),
                                     RECORD_FIELD(T, Barkod),
                                     RECORD_FIELD(T, IndirimOran),
                                     RECORD_FIELD(T, Kalan),
                                     RECORD_FIELD(T, UreticiKod),
                                     RECORD_FIELD(T, KampanyaliFiyat),
                                     RECORD_FIELD(T, OemNo),
                                     RECORD_FIELD(T, BarkodNo),
                                     RECORD_FIELD(T, PKod),
                                     RECORD_FIELD(T, DpKod),
                                     RECORD_FIELD(T, Adi),
                                     RECORD_FIELD(T, Fiyat),
                                 });
    return kClass;
}

QString TMobilStoklar::typeName() const {
    return recordClass().typeName();
}

const wire::RecordClass& TMobilStoklar::recordClass() {
    static const wire::RecordClass kClass = wire::RecordClass::of<TMobilStoklar>(
        QStringLiteral("mobilstokunit"), QStringLiteral("TMobilStoklar"), {itemsField()});
    return kClass;
}
