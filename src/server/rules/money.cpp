#include "server/rules/money.h"

#include <cmath>

#include "client/app/workstation/money.h"

namespace server {

Kurus toKurus(double lira) {
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
