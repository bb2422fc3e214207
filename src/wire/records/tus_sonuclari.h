#pragma once

#include "wire/records/record_class.h"

/// The counters shown on the order status buttons.
class TTusSonuclari final : public wire::TransferRecord {
public:
    QString typeName() const override;
    static const wire::RecordClass& recordClass();

    /// Copies every field of `source` into this record.
    void Kopyala(const TTusSonuclari& source) { *this = source; }

    RECORD_PROPERTY(qint32, Alindi)
    RECORD_PROPERTY(qint32, Onaylandi)
    RECORD_PROPERTY(qint32, ParcaliHazirlandi)
    RECORD_PROPERTY(qint32, SevkEdildi)
    RECORD_PROPERTY(qint32, Hazirlandi)
    RECORD_PROPERTY(qint32, Goruldu)
};
