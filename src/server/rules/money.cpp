#include "server/rules/money.h"

#include <cmath>

#include "client/app/workstation/money.h"

namespace server {

Kurus toKurus(double lira) {
    // Below 10 million lira the 15 significant digits reach 1e-8 lira, so only an amount within
    // a thousandth of a kuruş of a half can round differently than its binary value: those take
    // the decimal rule, every other amount the nearest kuruş directly (the same result, faster).
    const double kurus = std::fabs(lira) * 100.0;
    if (kurus < 1e9) {
        const double whole = std::floor(kurus);
        const double fraction = kurus - whole;
        if (std::fabs(fraction - 0.5) > 1e-3) {
            const Kurus rounded = Kurus(whole) + (fraction > 0.5 ? 1 : 0);
            return lira < 0 ? -rounded : rounded;
        }
    }
    return std::llround(IkiHaneYuvarla(lira) * 100.0);
}

double DiscountChain::factor() const {
    return (1.0 - ind1 / 100.0) * (1.0 - ind2 / 100.0) * (1.0 - ind3 / 100.0) *
           (1.0 - ind4 / 100.0);
}

QString DiscountChain::text() const {
    QStringList parts;
    for (double rate : {ind1, ind2, ind3, ind4})
        if (rate != 0)
            parts << QString::number(rate, 'g', 6);
    return parts.isEmpty() ? QStringLiteral("0") : parts.join(u'+');
}

bool DiscountChain::valid() const {
    for (double rate : {ind1, ind2, ind3, ind4})
        if (!(rate >= 0 && rate <= 100))
            return false;
    return true;
}

Kurus netUnitPrice(Kurus unitPrice, const DiscountChain& chain) {
    return toKurus(toLira(unitPrice) * chain.factor());
}

Kurus withVat(Kurus net, double vatRate) {
    return toKurus(toLira(net) * (1.0 + vatRate / 100.0));
}

LineAmounts lineAmounts(double quantity, Kurus unitPrice, const DiscountChain& chain,
                        double vatRate) {
    LineAmounts a;
    a.tutar = toKurus(quantity * toLira(unitPrice));
    a.netBirim = netUnitPrice(unitPrice, chain);
    a.netTutar = toKurus(quantity * toLira(a.netBirim));
    a.indirimTutar = a.tutar - a.netTutar;
    a.vergiTutar = toKurus(toLira(a.netTutar) * vatRate / 100.0);
    return a;
}

}  // namespace server
