#include "wire/records/tus_sonuclari.h"

QString TTusSonuclari::typeName() const {
    return recordClass().typeName();
}

const wire::RecordClass& TTusSonuclari::recordClass() {
    using T = TTusSonuclari;
    static const wire::RecordClass kClass =
        wire::RecordClass::of<T>(QStringLiteral("baglantiu"), QStringLiteral("TTusSonuclari"),
                                 {
                                     RECORD_FIELD(T, Alindi),
                                     RECORD_FIELD(T, Onaylandi),
                                     RECORD_FIELD(T, ParcaliHazirlandi),
                                     RECORD_FIELD(T, SevkEdildi),
                                     RECORD_FIELD(T, Hazirlandi),
                                     RECORD_FIELD(T, Goruldu),
                                 });
    return kClass;
}
