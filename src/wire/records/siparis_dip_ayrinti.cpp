#include "wire/records/siparis_dip_ayrinti.h"

QString TSiparisDipAyrinti::typeName() const {
    return recordClass().typeName();
}

const wire::RecordClass& TSiparisDipAyrinti::recordClass() {
    using T = TSiparisDipAyrinti;
    static const wire::RecordClass kClass =
        wire::RecordClass::of<T>(QStringLiteral("baglantiu"), QStringLiteral("TSiparisDipAyrinti"),
                                 {
                                     RECORD_FIELD(T, SizinMesaj),
                                     RECORD_FIELD(T, Durumu),
                                     RECORD_FIELD(T, Veren),
                                     RECORD_FIELD(T, Kargo),
                                     RECORD_FIELD(T, BizimMesaj),
                                     RECORD_FIELD(T, TeslimCinsi),
                                     RECORD_FIELD(T, KargoCinsi),
                                     RECORD_FIELD(T, SaticiNotu),
                                 });
    return kClass;
}
