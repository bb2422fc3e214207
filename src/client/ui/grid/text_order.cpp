#include "client/ui/grid/text_order.h"

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

int compareTurkish(QByteArrayView a, QByteArrayView b) {
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[j]);
        // Fast path: identical bytes other than a lower-case 'i' (which sorts as 'İ').
        if (ca == cb && ca < 0x80 && ca != 'i') {
            ++i;
            ++j;
            continue;
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
