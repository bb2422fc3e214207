// Writes records in their JSON form: {"type": …, "id": …, "fields": {…}} with the members in that
// order and the fields in declaration order. QJsonObject sorts its keys, so the text is built here.
#include <QLocale>
#include <cmath>

#include "wire/error.h"
#include "wire/records/record_registry.h"

namespace wire {

namespace {

void appendHex4(QByteArray& out, char16_t unit) {
    static constexpr char kDigits[] = "0123456789abcdef";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4)
        out += kDigits[(unit >> shift) & 0xF];
}

void appendCodePoint(QByteArray& out, char32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

/// A JSON string in UTF-8. A lone surrogate, which UTF-8 cannot carry, is kept as a \u escape.
void appendString(QByteArray& out, const QString& text) {
    out += '"';
    const char16_t* units = reinterpret_cast<const char16_t*>(text.utf16());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = units[i];
        switch (unit) {
            case u'"':
                out += "\\\"";
                continue;
            case u'\\':
                out += "\\\\";
                continue;
            case u'\b':
                out += "\\b";
                continue;
            case u'\f':
                out += "\\f";
                continue;
            case u'\n':
                out += "\\n";
                continue;
            case u'\r':
                out += "\\r";
                continue;
            case u'\t':
                out += "\\t";
                continue;
            default:
                break;
        }
        if (unit < 0x20) {
            appendHex4(out, unit);
        } else if (QChar::isHighSurrogate(unit) && i + 1 < size &&
                   QChar::isLowSurrogate(units[i + 1])) {
            appendCodePoint(out, QChar::surrogateToUcs4(unit, units[i + 1]));
            ++i;
        } else if (QChar::isSurrogate(unit)) {
            appendHex4(out, unit);
        } else {
            appendCodePoint(out, unit);
        }
    }
    out += '"';
}

class RecordWriter {
public:
    QByteArray write(const TransferRecord& record) {
        const RecordClass* recordClass = findRecordClass(record.typeName());
        if (!recordClass)
            throw Error(QString::fromLatin1(kConversionErrorClass),
                        QStringLiteral("Record type %1 has no JSON form").arg(record.typeName()));
        writeRecord(record, *recordClass);
        return std::move(out_);
    }

private:
    void writeRecord(const TransferRecord& record, const RecordClass& recordClass) {
        out_ += "{\"type\":";
        appendString(out_, recordClass.typeName());
        out_ += ",\"id\":";
        out_ += QByteArray::number(nextId_++);
        out_ += ",\"fields\":{";
        bool first = true;
        for (const RecordField& field : recordClass.fields()) {
            if (!first)
                out_ += ',';
            first = false;
            appendString(out_, field.name);
            out_ += ':';
            writeValue(record, recordClass, field);
        }
        out_ += "}}";
    }

    void writeValue(const TransferRecord& record, const RecordClass& recordClass,
                    const RecordField& field) {
        std::visit(
            detail::Overloaded{
                [&](const ScalarSlot<QString>& slot) { appendString(out_, slot.get(record)); },
                [&](const ScalarSlot<qint32>& slot) {
                    out_ += QByteArray::number(slot.get(record));
                },
                [&](const ScalarSlot<double>& slot) {
                    writeReal(slot.get(record), recordClass, field);
                },
                [&](const ScalarSlot<bool>& slot) { out_ += slot.get(record) ? "true" : "false"; },
                [&](const RecordArraySlot& slot) { writeArray(record, recordClass, field, slot); },
            },
            field.slot);
    }

    /// The shortest text that reads back as the same double; JSON has no NaN or infinity, and
    /// writing them as null would turn them into 0 on the other side, so they are refused.
    void writeReal(double value, const RecordClass& recordClass, const RecordField& field) {
        if (!std::isfinite(value))
            throw Error(QString::fromLatin1(kConversionErrorClass),
                        QStringLiteral("Value %1 of field %2 in type %3 cannot be written as JSON")
                            .arg(QString::number(value), field.name, recordClass.className()));
        out_ += QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
    }

    void writeArray(const TransferRecord& record, const RecordClass& recordClass,
                    const RecordField& field, const RecordArraySlot& slot) {
        const RecordClass& elementClass = slot.elementClass();
        out_ += '[';
        for (qsizetype i = 0; i < slot.count(record); ++i) {
            const TransferRecord* element = slot.at(record, i);
            if (!element)
                throw Error(QString::fromLatin1(kConversionErrorClass),
                            QStringLiteral("Field %1 in type %2 holds no object at position %3")
                                .arg(field.name, recordClass.className())
                                .arg(i));
            if (i > 0)
                out_ += ',';
            writeRecord(*element, elementClass);
        }
        out_ += ']';
    }

    QByteArray out_;
    qint64 nextId_ = 1;
};

}  // namespace

QByteArray recordToJson(const TransferRecord& record) {
    return RecordWriter().write(record);
}

}  // namespace wire
