#pragma once

// Records whose every field holds a value of its own, unlike every other field and unlike the
// constructor's value, so that a field lost on the way shows in a comparison.
#include <cmath>
#include <limits>
#include <memory>

#include "wire/records/record_class.h"

namespace samples {

/// Doubles whose shortest decimal form is long or unusual.
inline constexpr double kHardDoubles[] = {
    0.1,
    1.0 / 3,
    5e-324,
    1.7976931348623157e308,
    123456789.123456789,
    -2.5e-7,
    1e21,
    0.30000000000000004,
    4503599627370497.0,
    2.2250738585072014e-308,
    -1234.5678,
};

inline QString distinctText(int seed) {
    static const QString kOddities[] = {
        QStringLiteral("ğüşöçıİĞÜŞÖÇ"),
        QStringLiteral("\"quoted\" \\ back/slash"),
        QStringLiteral("line\nbreak\ttab\r\x01"),
        QString::fromUtf16(u"emoji \U0001F697 and a lone \xD800 surrogate"),
        QStringLiteral("   "),
    };
    return QStringLiteral("value %1 ").arg(seed) + kOddities[seed % std::size(kOddities)];
}

inline qint32 distinctInteger(int seed) {
    if (seed % 7 == 3)
        return std::numeric_limits<qint32>::min() + seed;
    if (seed % 7 == 5)
        return std::numeric_limits<qint32>::max() - seed;
    return (seed + 1) * 1009 * (seed % 2 ? -1 : 1);
}

inline void fill(wire::TransferRecord& record, const wire::RecordClass& recordClass, int seed);

inline std::unique_ptr<wire::TransferRecord> filled(const wire::RecordClass& recordClass,
                                                    int seed = 1) {
    std::unique_ptr<wire::TransferRecord> record = recordClass.create();
    fill(*record, recordClass, seed);
    return record;
}

/// Sets every field; an array field gets two filled elements.
inline void fill(wire::TransferRecord& record, const wire::RecordClass& recordClass, int seed) {
    for (const wire::RecordField& field : recordClass.fields()) {
        ++seed;
        std::visit(wire::detail::Overloaded{
                       [&](const wire::ScalarSlot<QString>& slot) {
                           slot.set(record, distinctText(seed));
                       },
                       [&](const wire::ScalarSlot<qint32>& slot) {
                           slot.set(record, distinctInteger(seed));
                       },
                       [&](const wire::ScalarSlot<double>& slot) {
                           slot.set(record, field.kind == wire::FieldKind::Date
                                                ? 45000.25 + seed
                                                : kHardDoubles[seed % std::size(kHardDoubles)]);
                       },
                       [&](const wire::ScalarSlot<bool>& slot) { slot.set(record, true); },
                       [&](const wire::RecordArraySlot& slot) {
                           std::vector<std::unique_ptr<wire::TransferRecord>> elements;
                           elements.push_back(filled(slot.elementClass(), seed * 100));
                           elements.push_back(filled(slot.elementClass(), seed * 200));
                           slot.set(record, std::move(elements));
                       },
                   },
                   field.slot);
    }
}

}  // namespace samples
