#pragma once

#include "wire/records/record_class.h"
#include "wire/records/record_list.h"

/// One basket line.
class TMobilSepet final : public wire::TransferRecord {
public:
    QString typeName() const override;
    static const wire::RecordClass& recordClass();

    RECORD_PROPERTY(qint32, KARGOID)
    RECORD_PROPERTY(qint32, StokNo)
    RECORD_PROPERTY(double, TARIH)
    RECORD_PROPERTY(qint32, SIRANO)
    RECORD_PROPERTY(QString, CARIADI)
    RECORD_PROPERTY(double, VERILISTARIHI)
    RECORD_PROPERTY(qint32, Durum)
    RECORD_PROPERTY(double, MIKTAR)
    RECORD_PROPERTY(qint32, VERENIDNO)
    RECORD_PROPERTY(double, NETTUTAR)
    RECORD_PROPERTY(double, KDVLITUTAR)
    RECORD_PROPERTY(double, KDV)
    RECORD_PROPERTY(qint32, AKTAR)
    RECORD_PROPERTY(QString, SAAT)
    RECORD_PROPERTY(double, VERGITUTARI)
    RECORD_PROPERTY(QString, PKod)
    RECORD_PROPERTY(QString, MODEL)
    RECORD_PROPERTY(double, INDIRIMTUTAR)
    RECORD_PROPERTY(qint32, STOK_STOKNO)
    RECORD_PROPERTY(double, BIRIMFIYAT)
    RECORD_PROPERTY(qint32, SEC)
    RECORD_PROPERTY(QString, OEM2)
    RECORD_PROPERTY(QString, OEM3)
    RECORD_PROPERTY(QString, AnaGrup)
    RECORD_PROPERTY(QString, MARKA)
    RECORD_PROPERTY(QString, VEREN)
    RECORD_PROPERTY(QString, STOKADI)
    RECORD_PROPERTY(QString, OEM1)
    RECORD_PROPERTY(qint32, CARINO)
    RECORD_PROPERTY(qint32, VERENSIRANO)
    RECORD_PROPERTY(qint32, ACIKLAMA)
    RECORD_PROPERTY(double, INDIRIMORANI2)
    RECORD_PROPERTY(QString, OEM4)
    RECORD_PROPERTY(QString, KUR)
    RECORD_PROPERTY(double, INDIRIMORANI3)
    RECORD_PROPERTY(qint32, SIPARISNO)
    RECORD_PROPERTY(double, IDNO)
    RECORD_PROPERTY(QString, OzelKod)
    RECORD_PROPERTY(QString, DpKod)
    RECORD_PROPERTY(double, KURTL)
    RECORD_PROPERTY(double, INDIRIMORANI1)
    RECORD_PROPERTY(QString, DIGERADI)
    RECORD_PROPERTY(QString, Barkod)
    RECORD_PROPERTY(double, TUTAR)
    RECORD_PROPERTY(QString, URETICIKODU)
    RECORD_PROPERTY(double, Kalan)
    RECORD_PROPERTY(QString, FINISHKOD)
    RECORD_PROPERTY(QString, CARIKOD)
    RECORD_PROPERTY(double, NETBIRIMFIYAT)
    RECORD_PROPERTY(QString, OemNo)
    RECORD_PROPERTY(qint32, TESLIMID)
    RECORD_PROPERTY(qint32, ResimVar)
    RECORD_PROPERTY(QString, Resim)
};

/// A list of basket lines in the order received.
class TMobilSepetler final : public wire::RecordList<TMobilSepet> {
public:
    QString typeName() const override;
    static const wire::RecordClass& recordClass();
};
