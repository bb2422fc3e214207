#pragma once

#include <memory>
#include <vector>

#include "wire/records/record_class.h"
#include "wire/records/record_list.h"

/// One announcement or opening advertisement; the picture is hexadecimal text, two digits a byte.
class TAcilisEkran final : public wire::TransferRecord {
public:
    QString typeName() const override;
    static const wire::RecordClass& recordClass();

    RECORD_PROPERTY(qint32, SiraNo)
    RECORD_PROPERTY(QString, Resim)
    RECORD_PROPERTY(QString, Baslik)
    RECORD_PROPERTY(QString, Arama)
};

/// A list of opening screens in the order received.
class TAcilisEkranlar final : public wire::RecordList<TAcilisEkran> {
public:
    QString typeName() const override;
    static const wire::RecordClass& recordClass();
};

/// The announcements in the server's order, held in a plain array that owns its screens.
class TAcilisEkranlariki final : public wire::TransferRecord {
public:
    using Ekranlar_t = std::vector<std::unique_ptr<TAcilisEkran>>;

    QString typeName() const override;
    static const wire::RecordClass& recordClass();

    RECORD_PROPERTY(Ekranlar_t, Ekranlar)
};
