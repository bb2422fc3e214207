#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonObject>
#include <QString>
#include <memory>

namespace wire {

/// Base of every record class that travels as JSON ("type", "id", "fields").
class TransferRecord {
public:
    virtual ~TransferRecord() = default;
    /// Module and class, e.g. "baglantiu.TSonucBilgisi".
    virtual QString typeName() const = 0;
};

/// The whole JSON message of one record, the record having "id" 1.
QByteArray recordToJson(const TransferRecord& record);

/// Reads one record message. Throws wire::Error (EConversionError) with the "Internal: …" texts
/// for an unknown type, an unknown field or a value that does not convert; malformed JSON throws
/// as well. Returns nullptr for the JSON null.
std::unique_ptr<TransferRecord> recordFromJson(QByteArrayView json);

[[noreturn]] void throwUnexpectedRecordType(const QString& got, const QString& expected);

/// recordFromJson, then checks the class: a record of another class throws wire::Error.
template <class T>
std::unique_ptr<T> recordFromJsonAs(QByteArrayView json) {
    std::unique_ptr<TransferRecord> any = recordFromJson(json);
    if (!any) return nullptr;
    if (auto* typed = dynamic_cast<T*>(any.get())) {
        any.release();
        return std::unique_ptr<T>(typed);
    }
    throwUnexpectedRecordType(any->typeName(), T().typeName());
}

}  // namespace wire
