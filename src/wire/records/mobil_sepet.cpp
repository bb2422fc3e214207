#include "wire/records/mobil_sepet.h"

QString TMobilSepet::typeName() const {
    return recordClass().typeName();
}

const wire::RecordClass& TMobilSepet::recordClass() {
    using T = TMobilSepet;
    static const wire::RecordClass kClass = wire::RecordClass::of<T>(
        QStringLiteral("mobilstokunit"), QStringLiteral("TMobilSepet"),
        {
            RECORD_FIELD(T, KARGOID),       RECORD_FIELD(T, StokNo),
            RECORD_DATE_FIELD(T, TARIH),    RECORD_FIELD(T, SIRANO),
            RECORD_FIELD(T, CARIADI),       RECORD_DATE_FIELD(T, VERILISTARIHI),
            RECORD_FIELD(T, Durum),         RECORD_FIELD(T, MIKTAR),
            RECORD_FIELD(T, VERENIDNO),     RECORD_FIELD(T, NETTUTAR),
            RECORD_FIELD(T, KDVLITUTAR),    RECORD_FIELD(T, KDV),
            RECORD_FIELD(T, AKTAR),         RECORD_FIELD(T, SAAT),
            RECORD_FIELD(T, VERGITUTARI),   RECORD_FIELD(T, PKod),
            RECORD_FIELD(T, MODEL),         RECORD_FIELD(T, INDIRIMTUTAR),
            RECORD_FIELD(T, STOK_STOKNO),   RECORD_FIELD(T, BIRIMFIYAT),
            RECORD_FIELD(T, SEC),           RECORD_FIELD(T, OEM2),
            RECORD_FIELD(T, OEM3),          RECORD_FIELD(T, AnaGrup),
            RECORD_FIELD(T, MARKA),         RECORD_FIELD(T, VEREN),
            RECORD_FIELD(T, STOKADI),       RECORD_FIELD(T, OEM1),
            RECORD_FIELD(T, CARINO),        RECORD_FIELD(T, VERENSIRANO),
            RECORD_FIELD(T, ACIKLAMA),      RECORD_FIELD(T, INDIRIMORANI2),
            RECORD_FIELD(T, OEM4),          RECORD_FIELD(T, KUR),
            RECORD_FIELD(T, INDIRIMORANI3), RECORD_FIELD(T, SIPARISNO),
            RECORD_FIELD(T, IDNO),          RECORD_FIELD(T, OzelKod),
            RECORD_FIELD(T, DpKod),         RECORD_FIELD(T, KURTL),
            RECORD_FIELD(T, INDIRIMORANI1), RECORD_FIELD(T, DIGERADI),
            RECORD_FIELD(T, Barkod),        RECORD_FIELD(T, TUTAR),
            RECORD_FIELD(T, URETICIKODU),   RECORD_FIELD(T, Kalan),
            RECORD_FIELD(T, FINISHKOD),     RECORD_FIELD(T, CARIKOD),
            RECORD_FIELD(T, NETBIRIMFIYAT), RECORD_FIELD(T, OemNo),
            RECORD_FIELD(T, TESLIMID),      RECORD_FIELD(T, ResimVar),
            RECORD_FIELD(T, Resim),
        });
    return kClass;
}

QString TMobilSepetler::typeName() const {
    return recordClass().typeName();
}

const wire::RecordClass& TMobilSepetler::recordClass() {
    static const wire::RecordClass kClass = wire::RecordClass::of<TMobilSepetler>(
        QStringLiteral("mobilstokunit"), QStringLiteral("TMobilSepetler"), {itemsField()});
    return kClass;
}
