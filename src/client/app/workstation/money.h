#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

// Money: the two-decimal rounding of running sums and THE money formatter. Every grid cell,
// label and text that shows a number with a format pattern goes through ParaBicimle; nothing else
// formats money.

/// The display format of money: grouped thousands, at least one integer digit, two decimals.
inline constexpr QStringView kParaDeseni = u"#,###,##0.00";
/// The grand-total format: as kParaDeseni, but with at least two integer digits ("05,50").
inline constexpr QStringView kGenelToplamDeseni = u"#,###,##00.00";

/// The value rounded to two decimals, halves away from zero, judged on the value written with 15
/// significant digits (so 1.005 gives 1.01 although the double 1.005 lies just below it).
double IkiHaneYuvarla(double value);

/// Formats a number with a pattern of '#', '0', ',' and '.' under the formatting locale:
/// - a ',' anywhere in the integer part groups the integer digits by three with the locale's
///   thousands separator;
/// - each '0' of the integer part is a digit always shown ("00.00" shows 5 as "05,00");
/// - after '.', each '0' is a decimal always shown and each '#' a decimal shown when not zero;
///   the decimal separator is the locale's and disappears with the decimals.
/// The value is rounded to the pattern's decimals as IkiHaneYuvarla rounds; a negative value that
/// does not round to zero gets a leading "-". Other characters of the pattern are ignored.
/// Example under the Turkish locale: ParaBicimle(1234567.891) == "1.234.567,89".
QString ParaBicimle(double value, QStringView pattern = kParaDeseni);

/// The locale whose separators ParaBicimle uses; Turkish unless set otherwise (tests, a dealer
/// abroad). Thread-safe.
QLocale BicimYereli();
void BicimYereliAyarla(const QLocale& locale);
