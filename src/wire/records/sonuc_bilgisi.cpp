#include "wire/records/sonuc_bilgisi.h"

QString TSonucBilgisi::typeName() const {
    return recordClass().typeName();
}

const wire::RecordClass& TSonucBilgisi::recordClass() {
    using T = TSonucBilgisi;
    static const wire::RecordClass kClass = wire::RecordClass::of<T>(
        QStringLiteral("baglantiu"), QStringLiteral("TSonucBilgisi"),
        {
            RECORD_FIELD(T, BILGISAYARID),  RECORD_FIELD(T, SaticiMail),
            RECORD_FIELD(T, Sirano),        RECORD_FIELD(T, CariAdi),
            RECORD_FIELD(T, SIFRE),         RECORD_FIELD(T, SaticiNo),
            RECORD_FIELD(T, CARINO),        RECORD_FIELD(T, AKTIF),
            RECORD_FIELD(T, Kullanicimail), RECORD_FIELD(T, ADI),
            RECORD_FIELD(T, SaticiTelefon), RECORD_FIELD(T, carikod),
            RECORD_FIELD(T, Varmi),         RECORD_FIELD(T, SaticiAdi),
            RECORD_FIELD(T, BilgiSayarAdi), RECORD_FIELD(T, Disip),
            RECORD_FIELD(T, Icip),          RECORD_FIELD(T, BilgisayarKullanici),
            RECORD_FIELD(T, MusteriTipi),   RECORD_FIELD(T, Version),
        });
    return kClass;
}
