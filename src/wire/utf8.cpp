#include "wire/utf8.h"

#include <QtAlgorithms>
#include <cstring>

#include "wire/byte_reader.h"

namespace wire {

namespace {

constexpr quint64 kHighBits = 0x8080808080808080ull;

}  // namespace

bool isValidUtf8(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    while (p < end) {
        if (end - p >= 8) {
            quint64 word;
            std::memcpy(&word, p, 8);
            const quint64 high = word & kHighBits;
            if (high == 0) {
                p += 8;
                continue;
            }
            // Skip the ASCII bytes before the first non-ASCII one (little-endian byte order).
            p += qCountTrailingZeroBits(high) >> 3;
        }
        const unsigned char lead = *p;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        if (lead < 0xC2)
            return false;  // stray continuation byte or overlong two-byte form
        if (lead < 0xE0) {
            if (end - p < 2 || (p[1] & 0xC0) != 0x80)
                return false;
            p += 2;
            continue;
        }
        if (lead < 0xF0) {
            if (end - p < 3 || (p[1] & 0xC0) != 0x80 || (p[2] & 0xC0) != 0x80)
                return false;
            if (lead == 0xE0 && p[1] < 0xA0)
                return false;  // overlong
            if (lead == 0xED && p[1] > 0x9F)
                return false;  // UTF-16 surrogate
            p += 3;
            continue;
        }
        if (lead < 0xF5) {
            if (end - p < 4 || (p[1] & 0xC0) != 0x80 || (p[2] & 0xC0) != 0x80 ||
                (p[3] & 0xC0) != 0x80)
                return false;
            if (lead == 0xF0 && p[1] < 0x90)
                return false;  // overlong
            if (lead == 0xF4 && p[1] > 0x8F)
                return false;  // above U+10FFFF
            p += 4;
            continue;
        }
        return false;
    }
    return true;
}

QString utf8ToString(QByteArrayView bytes, const char* what) {
    if (!isValidUtf8(bytes))
        throwProtocolError(QStringLiteral("Invalid UTF-8 in %1").arg(QLatin1String(what)));
    return QString::fromUtf8(bytes);
}

}  // namespace wire
