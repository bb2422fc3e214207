#include "money.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace {

/// The formatting locale with its separators looked up once (the grid formats every visible cell).
struct FormattingLocale {
    explicit FormattingLocale(const QLocale& locale)
        : locale(locale),
          groupSeparator(locale.groupSeparator()),
          decimalPoint(locale.decimalPoint()) {}

    QLocale locale;
    QString groupSeparator;
    QString decimalPoint;
};

std::mutex localeMutex;
FormattingLocale formattingLocale(QLocale(QLocale::Turkish, QLocale::Turkey));

FormattingLocale currentLocale() {
    std::lock_guard lock(localeMutex);
    return formattingLocale;
}

/// Significant digits a double is judged by before it is rounded.
constexpr int kSignificantDigits = 15;

/// A non-negative decimal number as digit texts.
struct DecimalText {
    QByteArray integer;   ///< without leading zeros, empty for a value below 1
    QByteArray fraction;  ///< exactly the requested number of decimals

    bool isZero() const {
        return integer.count('0') == integer.size() && fraction.count('0') == fraction.size();
    }
};

/// Adds one unit in the last place of a digit text; returns true on a carry out of the first digit.
bool incrementDigits(QByteArray& digits) {
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    return true;
}

/// |value| written with 15 significant digits, rounded half away from zero to `decimals` decimals.
DecimalText roundedDecimal(double magnitude, int decimals) {
    char written[48];
    std::snprintf(written, sizeof written, "%.*e", kSignificantDigits - 1, magnitude);
    // written is "d.dddddddddddddde±XX"; the value is 0.<digits> × 10^point.
    QByteArray digits(written, 1);
    digits.append(written + 2, kSignificantDigits - 1);
    int point = std::atoi(std::strchr(written, 'e') + 1) + 1;

    const int keep = point + decimals;
    if (keep < digits.size()) {
        const bool roundUp = keep >= 0 && digits[keep] >= '5';
        digits.truncate(std::max(keep, 0));
        if (roundUp && incrementDigits(digits)) {
            digits.prepend('1');
            ++point;
        }
    }

    DecimalText text;
    if (point > 0) {
        text.integer = digits.left(point).leftJustified(point, '0');
        text.fraction = digits.mid(point);
    } else {
        text.fraction = QByteArray(-point, '0') + digits;
    }
    text.fraction = text.fraction.leftJustified(decimals, '0', true);
    while (text.integer.startsWith('0')) {
        text.integer.remove(0, 1);
    }
    return text;
}

struct Pattern {
    bool grouped = false;
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
};

Pattern parsePattern(QStringView pattern) {
    const qsizetype point = pattern.indexOf(u'.');
    const QStringView integerPart = point < 0 ? pattern : pattern.left(point);
    const QStringView fractionPart = point < 0 ? QStringView() : pattern.mid(point + 1);
    Pattern parsed;
    parsed.grouped = integerPart.contains(u',');
    parsed.minIntegerDigits = int(integerPart.count(u'0'));
    parsed.minDecimals = int(fractionPart.count(u'0'));
    parsed.maxDecimals = parsed.minDecimals + int(fractionPart.count(u'#'));
    return parsed;
}

QString groupedDigits(const QByteArray& digits, const QString& separator) {
    QString grouped;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += separator;
        }
        grouped += QLatin1Char(digits[i]);
    }
    return grouped;
}

}  // namespace

double IkiHaneYuvarla(double value) {
    if (!std::isfinite(value)) {
        return value;
    }
    const DecimalText text = roundedDecimal(std::fabs(value), 2);
    const double rounded = (text.integer + '.' + text.fraction).toDouble();
    return value < 0 && rounded != 0 ? -rounded : rounded;
}

QString ParaBicimle(double value, QStringView pattern) {
    const FormattingLocale locale = currentLocale();
    if (!std::isfinite(value)) {
        return locale.locale.toString(value);
    }
    const Pattern parsed = parsePattern(pattern);
    DecimalText text = roundedDecimal(std::fabs(value), parsed.maxDecimals);
    while (text.fraction.size() > parsed.minDecimals && text.fraction.endsWith('0')) {
        text.fraction.chop(1);
    }
    const QByteArray integer = text.integer.rightJustified(parsed.minIntegerDigits, '0');

    QString result;
    if (value < 0 && !text.isZero()) {
        result += QLatin1Char('-');
    }
    result += parsed.grouped ? groupedDigits(integer, locale.groupSeparator)
                             : QString::fromLatin1(integer);
    if (!text.fraction.isEmpty()) {
        result += locale.decimalPoint + QString::fromLatin1(text.fraction);
    }
    return result;
}

QLocale BicimYereli() {
    return currentLocale().locale;
}

void BicimYereliAyarla(const QLocale& locale) {
    FormattingLocale replacement(locale);
    std::lock_guard lock(localeMutex);
    formattingLocale = std::move(replacement);
}
