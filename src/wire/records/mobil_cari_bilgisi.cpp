#include "wire/records/mobil_cari_bilgisi.h"

QString TMobilCariBilgisi::typeName() const {
    return recordClass().typeName();
}

const wire::RecordClass& TMobilCariBilgisi::recordClass() {
    using T = TMobilCariBilgisi;
    static const wire::RecordClass kClass = wire::RecordClass::of<T>(
        QStringLiteral("mobilstokunit"), QStringLiteral("TMobilCariBilgisi"),
        {
            RECORD_FIELD(T, BILGISAYARID),  RECORD_FIELD(T, SEHIR),
            RECORD_FIELD(T, FAX1),          RECORD_FIELD(T, SATICIMAIL),
            RECORD_FIELD(T, SATICIADI),     RECORD_FIELD(T, CARIADI),
            RECORD_FIELD(T, EMAIL),         RECORD_FIELD(T, VERGIDAIRESI),
            RECORD_FIELD(T, YETKILI),       RECORD_FIELD(T, AltGrup),
            RECORD_FIELD(T, TEL2),          RECORD_FIELD(T, SIFRE),
            RECORD_FIELD(T, GSM),           RECORD_FIELD(T, TEL1),
            RECORD_FIELD(T, ADRES2),        RECORD_FIELD(T, TLBORC),
            RECORD_FIELD(T, TLALACAK),      RECORD_FIELD(T, ADRES1),
            RECORD_FIELD(T, ULKE),          RECORD_FIELD(T, AnaGrup),
            RECORD_FIELD(T, CARINO),        RECORD_FIELD(T, TLBAKIYE),
            RECORD_FIELD(T, VERGINO),       RECORD_FIELD(T, MAIL),
            RECORD_FIELD(T, OzelKod),       RECORD_FIELD(T, KULLANICIADI),
            RECORD_FIELD(T, SATICITELEFON), RECORD_FIELD(T, CARIKOD),
            RECORD_FIELD(T, FAX2),          RECORD_FIELD(T, ILCE),
        });
    return kClass;
}
