#include "server/media/money_text.h"

#include <QLocale>
#include <cmath>

namespace media {

QString formatMoney(double amount) {
    if (!std::isfinite(amount))
        return QString();
    // Printing to 15 significant digits absorbs the binary error of the scaling, so 1.005
    // becomes 100.5 cents and rounds away from zero like a person would.
    double cents = std::round(QString::number(amount * 100.0, 'g', 15).toDouble());
    if (cents == 0)
        cents = 0;  // no "-0,00"
    static const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    return turkish.toString(cents / 100.0, 'f', 2);
}

}  // namespace media
