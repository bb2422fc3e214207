#include "wire/records/record_class.h"

namespace wire {

QString fieldKindName(FieldKind kind) {
    switch (kind) {
        case FieldKind::Text:
            return QStringLiteral("text");
        case FieldKind::Integer:
            return QStringLiteral("integer");
        case FieldKind::Real:
            return QStringLiteral("real");
        case FieldKind::Date:
            return QStringLiteral("date");
        case FieldKind::Boolean:
            return QStringLiteral("Boolean");
        case FieldKind::RecordArray:
            return QStringLiteral("array");
    }
    return QString();
}

RecordClass::RecordClass(QString module, QString className, std::vector<RecordField> fields,
                         std::unique_ptr<TransferRecord> (*factory)())
    : className_(std::move(className)),
      typeName_(module + QLatin1Char('.') + className_),
      fields_(std::move(fields)),
      factory_(factory) {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        fieldIndex_.insert(fields_[i].name, i);
}

const RecordField* RecordClass::field(const QString& name) const {
    auto found = fieldIndex_.constFind(name);
    return found == fieldIndex_.cend() ? nullptr : &fields_[*found];
}

std::unique_ptr<TransferRecord> RecordClass::clone(const TransferRecord& source) const {
    std::unique_ptr<TransferRecord> copy = create();
    for (const RecordField& field : fields_) {
        std::visit(detail::Overloaded{
                       [&](const RecordArraySlot& slot) {
                           std::vector<std::unique_ptr<TransferRecord>> elements;
                           const RecordClass& elementClass = slot.elementClass();
                           for (qsizetype i = 0; i < slot.count(source); ++i) {
                               const TransferRecord* element = slot.at(source, i);
                               elements.push_back(element ? elementClass.clone(*element) : nullptr);
                           }
                           slot.set(*copy, std::move(elements));
                       },
                       [&](const auto& slot) { slot.set(*copy, slot.get(source)); },
                   },
                   field.slot);
    }
    return copy;
}

}  // namespace wire
