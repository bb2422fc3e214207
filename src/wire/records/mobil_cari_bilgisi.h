#pragma once

#include "wire/records/record_class.h"

/// The contact and balance data of one customer account.
class TMobilCariBilgisi final : public wire::TransferRecord {
public:
    QString typeName() const override;
    static const wire::RecordClass& recordClass();

    RECORD_PROPERTY(QString, BILGISAYARID)
    RECORD_PROPERTY(QString, SEHIR)
    RECORD_PROPERTY(QString, FAX1)
    RECORD_PROPERTY(QString, SATICIMAIL)
    RECORD_PROPERTY(QString, SATICIADI)
    RECORD_PROPERTY(QString, CARIADI)
    RECORD_PROPERTY(QString, EMAIL)
    RECORD_PROPERTY(QString, VERGIDAIRESI)
    RECORD_PROPERTY(QString, YETKILI)
    RECORD_PROPERTY(QString, AltGrup)
    RECORD_PROPERTY(QString, TEL2)
    RECORD_PROPERTY(QString, SIFRE)
    RECORD_PROPERTY(QString, GSM)
    RECORD_PROPERTY(QString, TEL1)
    RECORD_PROPERTY(QString, ADRES2)
    RECORD_PROPERTY(double, TLBORC)
    RECORD_PROPERTY(double, TLALACAK)
    RECORD_PROPERTY(QString, ADRES1)
    RECORD_PROPERTY(QString, ULKE)
    RECORD_PROPERTY(QString, AnaGrup)
    RECORD_PROPERTY(qint32, CARINO)
    RECORD_PROPERTY(double, TLBAKIYE)
    RECORD_PROPERTY(QString, VERGINO)
    RECORD_PROPERTY(QString, MAIL)
    RECORD_PROPERTY(QString, OzelKod)
    RECORD_PROPERTY(QString, KULLANICIADI)
    RECORD_PROPERTY(QString, SATICITELEFON)
    RECORD_PROPERTY(QString, CARIKOD)
    RECORD_PROPERTY(QString, FAX2)
    RECORD_PROPERTY(QString, ILCE)
};
