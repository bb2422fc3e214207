#pragma once

#include <QString>

namespace media {

/// An amount the way the dealer's documents print it: Turkish separators, two decimals,
/// e.g. 1234.5 -> "1.234,50", -0.004 -> "0,00". Rounds half away from zero on the value
/// taken to 15 significant digits, so 1.005 prints as "1,01". The client's money formatter
/// ParaBicimle with its money pattern does the work; a value that is no number prints as "".
QString formatMoney(double amount);

}  // namespace media
