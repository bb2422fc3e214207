#include "wire/records/record_registry.h"

#include <QHash>

#include "wire/records/all_records.h"

namespace wire {

const std::vector<const RecordClass*>& recordClasses() {
    static const std::vector<const RecordClass*> kClasses{
        &TSonucBilgisi::recordClass(),      &TSiparisDipAyrinti::recordClass(),
        &TTusSonuclari::recordClass(),      &TMobilStok::recordClass(),
        &TMobilStoklar::recordClass(),      &TMobilSepet::recordClass(),
        &TMobilSepetler::recordClass(),     &TMobilCariBilgisi::recordClass(),
        &TAcilisEkran::recordClass(),       &TAcilisEkranlar::recordClass(),
        &TAcilisEkranlariki::recordClass(),
    };
    return kClasses;
}

const RecordClass* findRecordClass(const QString& typeName) {
    static const QHash<QString, const RecordClass*> kByName = [] {
        QHash<QString, const RecordClass*> byName;
        for (const RecordClass* recordClass : recordClasses())
            byName.insert(recordClass->typeName(), recordClass);
        return byName;
    }();
    return kByName.value(typeName);
}

}  // namespace wire
