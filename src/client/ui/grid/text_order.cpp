#include "client/ui/grid/text_order.h"

#include <algorithm>

namespace ui {

namespace {

/// Decodes the code point at `i` and advances `i`; invalid bytes count as themselves.
char32_t nextCodePoint(QByteArrayView s, qsizetype& i) {
    const auto lead = static_cast<unsigned char>(s[i++]);
    if (lead < 0x80)
        return lead;
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t cp = lead & (0x3F >> extra);
    while (extra-- > 0 && i < s.size()) {
        const auto next = static_cast<unsigned char>(s[i]);
        if ((next & 0xC0) != 0x80)
            break;
        cp = (cp << 6) | (next & 0x3F);
        ++i;
    }
    return cp;
}

/// Sort weight: letters by their place in the Turkish alphabet, case folded; other characters
/// by code point, before the letters of the same code range.
quint32 weight(char32_t cp) {
    if (cp >= 'a' && cp <= 'z')
        cp = cp - 'a' + 'A';
    switch (cp) {
        case 0x00E7:
        case 0x00C7:
            return 'C' * 2 + 1;  // ç Ç
        case 0x011F:
        case 0x011E:
            return 'G' * 2 + 1;  // ğ Ğ
        case 0x0131:
            return 'I' * 2;  // ı
        case 'I':
            return 'I' * 2;
        case 0x0130:
            return 'I' * 2 + 1;  // İ
        case 0x00F6:
        case 0x00D6:
            return 'O' * 2 + 1;  // ö Ö
        case 0x015F:
        case 0x015E:
            return 'S' * 2 + 1;  // ş Ş
        case 0x00FC:
        case 0x00DC:
            return 'U' * 2 + 1;  // ü Ü
        default:
            break;
    }
    return quint32(cp) * 2;
}

}  // namespace

TurkishSortKey turkishSortKey(QByteArrayView text, qsizetype from) {
    // Fifteen 12-bit weights, five to a word, most significant first; a shorter text leaves zeros
    // and so sorts before its longer continuations. Clamping keeps the order; every letter and
    // digit fits unclamped.
    TurkishSortKey key;
    quint64* parts[3] = {&key.high, &key.middle, &key.low};
    qsizetype i = from;
    int n = 0;
    for (; n < 15 && i < text.size(); ++n) {
        char32_t cp = nextCodePoint(text, i);
        if (cp == 'i')
            cp = 0x0130;
        const quint64 w = std::min<quint32>(weight(cp), 0xFFF);
        *parts[n / 5] |= w << (12 * (4 - n % 5));
    }
    key.next = i;
    key.full = n == 15;
    return key;
}

int compareTurkish(QByteArrayView a, QByteArrayView b) {
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        // Identical bytes are identical characters: skip the common run at memory speed, then
        // step back to the start of the character in which the texts differ.
        const qsizetype runStart = i, runStartB = j;
        const qsizetype room = std::min(a.size() - i, b.size() - j);
        const auto diff = std::mismatch(a.data() + i, a.data() + i + room, b.data() + j);
        const qsizetype run = diff.first - (a.data() + i);
        i += run;
        j += run;
        if (i >= a.size() || j >= b.size())
            break;
        while (i > runStart && j > runStartB &&
               ((static_cast<unsigned char>(a[i]) & 0xC0) == 0x80 ||
                (static_cast<unsigned char>(b[j]) & 0xC0) == 0x80)) {
            --i;
            --j;
        }
        char32_t pa = nextCodePoint(a, i);
        char32_t pb = nextCodePoint(b, j);
        if (pa == 'i')
            pa = 0x0130;
        if (pb == 'i')
            pb = 0x0130;
        const quint32 wa = weight(pa), wb = weight(pb);
        if (wa != wb)
            return wa < wb ? -1 : 1;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

}  // namespace ui
