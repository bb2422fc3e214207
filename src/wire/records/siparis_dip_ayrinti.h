#pragma once

#include "wire/records/record_class.h"

/// The footer of one order: notes, state, delivery and cargo.
class TSiparisDipAyrinti final : public wire::TransferRecord {
public:
    QString typeName() const override;
    static const wire::RecordClass& recordClass();

    /// Copies every field of `source` into this record.
    void Kopyala(const TSiparisDipAyrinti& source) { *this = source; }

    RECORD_PROPERTY(QString, SizinMesaj)
    RECORD_PROPERTY(QString, Durumu)
    RECORD_PROPERTY(QString, Veren)
    RECORD_PROPERTY(QString, Kargo)
    RECORD_PROPERTY(QString, BizimMesaj)
    RECORD_PROPERTY(QString, TeslimCinsi)
    RECORD_PROPERTY(QString, KargoCinsi)
    RECORD_PROPERTY(QString, SaticiNotu)
};
