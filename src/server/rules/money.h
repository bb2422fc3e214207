#pragma once

#include <QString>
#include <QtGlobal>

namespace server {

/// Money in kuruş (1/100 lira). The database keeps every amount this way so sums are exact.
using Kurus = qint64;

/// A lira amount rounded to the kuruş, halves away from zero (IkiHaneYuvarla's rule).
Kurus toKurus(double lira);
inline double toLira(Kurus kurus) {
    return static_cast<double>(kurus) / 100.0;
}

/// The amounts of one line (basket, order or invoice line), all derived from quantity, unit
/// price, the four discount rates applied in turn and the VAT rate.
struct LineAmounts {
    Kurus tutar = 0;         ///< quantity × unit price
    Kurus netBirim = 0;      ///< unit price after the discount chain
    Kurus netTutar = 0;      ///< quantity × net unit price
    Kurus indirimTutar = 0;  ///< tutar − netTutar
    Kurus vergiTutar = 0;    ///< netTutar × VAT rate
    Kurus kdvliTutar() const { return netTutar + vergiTutar; }
};

struct DiscountChain {
    double ind1 = 0, ind2 = 0, ind3 = 0, ind4 = 0;

    /// The factor left after the rates applied one after the other: (1−i1)(1−i2)(1−i3)(1−i4).
    double factor() const;
    /// "25+10+5" (zero rates left out), "0" without discount.
    QString text() const;
    bool valid() const;  ///< every rate within 0..100
};

/// Net unit price: the unit price through the chain, rounded to the kuruş.
Kurus netUnitPrice(Kurus unitPrice, const DiscountChain& chain);
/// Price with VAT of a net unit price.
Kurus withVat(Kurus net, double vatRate);
LineAmounts lineAmounts(double quantity, Kurus unitPrice, const DiscountChain& chain,
                        double vatRate);

}  // namespace server
