#include "wire/records/acilis_ekran.h"

QString TAcilisEkran::typeName() const {
    return recordClass().typeName();
}

const wire::RecordClass& TAcilisEkran::recordClass() {
    using T = TAcilisEkran;
    static const wire::RecordClass kClass =
        wire::RecordClass::of<T>(QStringLiteral("mobilstokunit"), QStringLiteral("TAcilisEkran"),
                                 {
                                     RECORD_FIELD(T, SiraNo),
                                     RECORD_FIELD(T, Resim),
                                     RECORD_FIELD(T, Baslik),
                                     RECORD_FIELD(T, Arama),
                                 });
    return kClass;
}

QString TAcilisEkranlar::typeName() const {
    return recordClass().typeName();
}

const wire::RecordClass& TAcilisEkranlar::recordClass() {
    static const wire::RecordClass kClass = wire::RecordClass::of<TAcilisEkranlar>(
        QStringLiteral("mobilstokunit"), QStringLiteral("TAcilisEkranlar"), {itemsField()});
    return kClass;
}

QString TAcilisEkranlariki::typeName() const {
    return recordClass().typeName();
}

const wire::RecordClass& TAcilisEkranlariki::recordClass() {
    using T = TAcilisEkranlariki;
    static const wire::RecordClass kClass =
        wire::RecordClass::of<T>(QStringLiteral("mobilstokunit"),
                                 QStringLiteral("TAcilisEkranlariki"), {RECORD_FIELD(T, Ekranlar)});
    return kClass;
}
