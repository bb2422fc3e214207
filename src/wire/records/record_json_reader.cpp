// Reads records from their JSON form. Any failure throws wire::Error (EConversionError) and
// releases whatever was read so far: a record is returned whole or not at all.
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <cmath>
#include <limits>
#include <optional>

#include "wire/error.h"
#include "wire/records/record_registry.h"

namespace wire {

namespace {

constexpr qsizetype kMaxValueTextInMessage = 200;

[[noreturn]] void fail(const QString& message) {
    throw Error(QString::fromLatin1(kConversionErrorClass), message);
}

/// The compact JSON text of a value, shortened so that a huge value makes no huge message.
QString valueText(const QJsonValue& value) {
    QByteArray text = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    QString inner = QString::fromUtf8(text.mid(1, text.size() - 2));
    if (inner.size() > kMaxValueTextInMessage)
        inner = inner.left(kMaxValueTextInMessage) + QStringLiteral("...");
    return inner;
}

[[noreturn]] void failValue(const QJsonValue& value, const RecordField& field,
                            const RecordClass& recordClass) {
    fail(QStringLiteral(
             "Internal: Value %1 cannot be converted to be assigned to field %2 in type %3")
             .arg(valueText(value), field.name, recordClass.className()));
}

bool isWholeNumber(const QJsonValue& value, double min, double max) {
    if (!value.isDouble())
        return false;
    const double number = value.toDouble();
    return std::trunc(number) == number && number >= min && number <= max;
}

class RecordReader {
public:
    std::unique_ptr<TransferRecord> read(const QJsonObject& object) {
        return readObject(object, nullptr);
    }

private:
    struct Placed {
        const RecordClass* recordClass;
        const TransferRecord* record;  // nullptr while the object is still being read
    };

    /// `arrayField` and `owner` name the array field an element is read for, nullptr at the top.
    std::unique_ptr<TransferRecord> readObject(const QJsonObject& object,
                                               const RecordField* arrayField,
                                               const RecordClass* owner = nullptr) {
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QString& key = it.key();
            if (key != u"type" && key != u"id" && key != u"fields" && key != u"ref")
                fail(QStringLiteral("Record JSON has an unknown member \"%1\"").arg(key));
        }
        const QJsonValue type = object.value(u"type");
        if (!type.isString())
            fail(QStringLiteral("Record JSON has no \"type\" text"));
        if (object.contains(u"ref"))
            return readReference(object, arrayField, owner);

        const RecordClass* recordClass = findRecordClass(type.toString());
        if (!recordClass)
            fail(QStringLiteral("Internal: Cannot instantiate type %1").arg(type.toString()));
        if (arrayField) {
            const auto& slot = std::get<RecordArraySlot>(arrayField->slot);
            if (recordClass != &slot.elementClass())
                failValue(object, *arrayField, *owner);
        }
        const QJsonValue fields = object.value(u"fields");
        if (!fields.isObject())
            fail(QStringLiteral("Record JSON of type %1 has no \"fields\" object")
                     .arg(type.toString()));

        std::optional<qint64> id = readId(object);
        if (id)
            placed_.insert(*id, Placed{recordClass, nullptr});
        std::unique_ptr<TransferRecord> record = recordClass->create();
        const QJsonObject members = fields.toObject();
        for (auto it = members.begin(); it != members.end(); ++it) {
            const RecordField* field = recordClass->field(it.key());
            if (!field)
                fail(QStringLiteral("Internal: Field %1 cannot be found in type %2")
                         .arg(it.key(), recordClass->className()));
            assign(*record, *recordClass, *field, it.value());
        }
        if (id)
            placed_[*id].record = record.get();
        return record;
    }

    std::optional<qint64> readId(const QJsonObject& object) {
        if (!object.contains(u"id"))
            return std::nullopt;
        const QJsonValue id = object.value(u"id");
        if (!isWholeNumber(id, 1, double(std::numeric_limits<qint32>::max())))
            fail(QStringLiteral("Record JSON has an \"id\" that is not a positive integer: %1")
                     .arg(valueText(id)));
        const qint64 number = qint64(id.toDouble());
        if (placed_.contains(number))
            fail(QStringLiteral("Record JSON uses the id %1 twice").arg(number));
        return number;
    }

    /// An object met again: a copy of its first occurrence, as every record owns its parts.
    std::unique_ptr<TransferRecord> readReference(const QJsonObject& object,
                                                  const RecordField* arrayField,
                                                  const RecordClass* owner) {
        if (object.contains(u"fields") || object.contains(u"id"))
            fail(QStringLiteral("Record JSON has \"ref\" beside \"fields\" or \"id\""));
        const QJsonValue ref = object.value(u"ref");
        const auto found = isWholeNumber(ref, 1, double(std::numeric_limits<qint32>::max()))
                               ? placed_.constFind(qint64(ref.toDouble()))
                               : placed_.cend();
        if (found == placed_.cend())
            fail(QStringLiteral("Record JSON refers to %1, which is no earlier object")
                     .arg(valueText(ref)));
        if (!found->record)
            fail(QStringLiteral("Record JSON refers to %1 inside that object itself")
                     .arg(valueText(ref)));
        const RecordClass& recordClass = *found->recordClass;
        if (object.value(u"type").toString() != recordClass.typeName())
            fail(
                QStringLiteral("Record JSON refers to %1 of type %2 as type %3")
                    .arg(valueText(ref), recordClass.typeName(), object.value(u"type").toString()));
        if (arrayField &&
            &std::get<RecordArraySlot>(arrayField->slot).elementClass() != &recordClass)
            failValue(object, *arrayField, *owner);
        return recordClass.clone(*found->record);
    }

    void assign(TransferRecord& record, const RecordClass& recordClass, const RecordField& field,
                const QJsonValue& value) {
        std::visit(
            detail::Overloaded{
                [&](const ScalarSlot<QString>& slot) {
                    if (!value.isString() && !value.isNull())
                        failValue(value, field, recordClass);
                    slot.set(record, value.toString());
                },
                [&](const ScalarSlot<qint32>& slot) {
                    if (value.isNull())
                        return slot.set(record, 0);
                    if (!isWholeNumber(value, std::numeric_limits<qint32>::min(),
                                       std::numeric_limits<qint32>::max()))
                        failValue(value, field, recordClass);
                    slot.set(record, qint32(value.toDouble()));
                },
                [&](const ScalarSlot<double>& slot) {
                    if (value.isNull())
                        return slot.set(record, 0.0);
                    if (!value.isDouble() || !std::isfinite(value.toDouble()))
                        failValue(value, field, recordClass);
                    slot.set(record, value.toDouble());
                },
                [&](const ScalarSlot<bool>& slot) {
                    if (!value.isBool() && !value.isNull())
                        failValue(value, field, recordClass);
                    slot.set(record, value.toBool());
                },
                [&](const RecordArraySlot& slot) {
                    if (!value.isArray() && !value.isNull())
                        failValue(value, field, recordClass);
                    std::vector<std::unique_ptr<TransferRecord>> elements;
                    const QJsonArray array = value.toArray();
                    elements.reserve(std::size_t(array.size()));
                    for (const QJsonValue& element : array) {
                        if (!element.isObject())
                            failValue(element, field, recordClass);
                        elements.push_back(readObject(element.toObject(), &field, &recordClass));
                    }
                    slot.set(record, std::move(elements));
                },
            },
            field.slot);
    }

    QHash<qint64, Placed> placed_;
};

}  // namespace

std::unique_ptr<TransferRecord> recordFromJson(QByteArrayView json) {
    const QByteArray text = QByteArray::fromRawData(json.data(), json.size());
    if (text.trimmed() == "null")
        return nullptr;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError)
        fail(QStringLiteral("Record JSON is malformed: %1 at offset %2")
                 .arg(error.errorString())
                 .arg(error.offset));
    if (!document.isObject())
        fail(QStringLiteral("Record JSON is not an object"));
    return RecordReader().read(document.object());
}

void throwUnexpectedRecordType(const QString& got, const QString& expected) {
    fail(QStringLiteral("Record of type %1 where %2 was expected").arg(got, expected));
}

}  // namespace wire
