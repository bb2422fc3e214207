#pragma once

#include "wire/records/record_class.h"

/// The login record: the account of a workstation as the server knows it, completed with the
/// workstation's own data. Every method that takes it receives a fresh copy.
class TSonucBilgisi final : public wire::TransferRecord {
public:
    QString typeName() const override;
    static const wire::RecordClass& recordClass();

    /// Copies every field of `source` into this record.
    void Kopyala(const TSonucBilgisi& source) { *this = source; }

    RECORD_PROPERTY(QString, BILGISAYARID)
    RECORD_PROPERTY(QString, SaticiMail)
    RECORD_PROPERTY(qint32, Sirano)
    RECORD_PROPERTY(QString, CariAdi)
    RECORD_PROPERTY(QString, SIFRE)
    RECORD_PROPERTY(qint32, SaticiNo)
    RECORD_PROPERTY(qint32, CARINO)
    RECORD_PROPERTY(qint32, AKTIF)
    RECORD_PROPERTY(QString, Kullanicimail)
    RECORD_PROPERTY(QString, ADI)
    RECORD_PROPERTY(QString, SaticiTelefon)
    RECORD_PROPERTY(QString, carikod)
    RECORD_PROPERTY(bool, Varmi)
    RECORD_PROPERTY(QString, SaticiAdi)
    RECORD_PROPERTY(QString, BilgiSayarAdi)
    RECORD_PROPERTY(QString, Disip)
    RECORD_PROPERTY(QString, Icip)
    RECORD_PROPERTY(QString, BilgisayarKullanici)
    RECORD_PROPERTY(qint32, MusteriTipi, 1)
    RECORD_PROPERTY(qint32, Version, 1)
};
