#pragma once

#include "wire/records/record_class.h"
#include "wire/records/record_list.h"

/// One stock item with its prices, discounts and stock state.
class TMobilStok final : public wire::TransferRecord {
public:
    QString typeName() const override;
    static const wire::RecordClass& recordClass();

    RECORD_PROPERTY(qint32, StokNo)
    RECORD_PROPERTY(qint32, ResimVar)
    RECORD_PROPERTY(QString, Resim)
    RECORD_PROPERTY(qint32, Yeni)
    RECORD_PROPERTY(QString, Departman)
    RECORD_PROPERTY(double, VerilenSiparis)
    RECORD_PROPERTY(QString, AltGrup)
    RECORD_PROPERTY(qint32, Durum)
    RECORD_PROPERTY(QString, Renk)
    RECORD_PROPERTY(QString, Birim, QStringLiteral("ADET"))
    RECORD_PROPERTY(double, KDV, 20)
    RECORD_PROPERTY(double, AlinanSiparis)
    RECORD_PROPERTY(double, Isk2)
    RECORD_PROPERTY(QString, AnaGrup)
    RECORD_PROPERTY(QString, Kod)
    RECORD_PROPERTY(double, Isk3)
    RECORD_PROPERTY(double, ListeFiyati)
    RECORD_PROPERTY(QString, Beden)
    RECORD_PROPERTY(double, NetFiyat)
    RECORD_PROPERTY(double, Isk1)
    RECORD_PROPERTY(double, KDVliFiyat)
    RECORD_PROPERTY(double, Isk4)
    RECORD_PROPERTY(QString, OzelKod)
    RECORD_PROPERTY(qint32, Kampnayali)
    RECORD_PROPERTY(QString, Barkod)
    RECORD_PROPERTY(double, IndirimOran)
    RECORD_PROPERTY(double, Kalan)
    RECORD_PROPERTY(QString, UreticiKod)
    RECORD_PROPERTY(double, KampanyaliFiyat)
    RECORD_PROPERTY(QString, OemNo)
    RECORD_PROPERTY(qint32, BarkodNo)
    RECORD_PROPERTY(QString, PKod)
    RECORD_PROPERTY(QString, DpKod)
    RECORD_PROPERTY(QString, Adi)
    RECORD_PROPERTY(double, Fiyat)
};

/// A list of stock items in the order received.
class TMobilStoklar final : public wire::RecordList<TMobilStok> {
public:
    QString typeName() const override;
    static const wire::RecordClass& recordClass();
};
