#include "server/handlers/stock_rows.h"

#include <QSqlQuery>
#include <cmath>

#include "server/handlers/table_builder.h"
#include "server/rules/money.h"
#include "server/rules/states.h"

namespace server {

const QList<wire::ColumnDef>& stockColumns() {
    static const QList<wire::ColumnDef> columns = {
        intColumn("STOK_STOKNO"),
        textColumn("BARKOD", 50),
        intColumn("BARKOD_BARKODNO"),
        textColumn("ADI", 100),
        textColumn("DIGERADI", 100),
        textColumn("MARKA", 50),
        textColumn("MODEL", 50),
        textColumn("FINISHKOD", 30),
        textColumn("URETICIKODU", 30),
        textColumn("OEM1", 30),
        textColumn("OEM2", 30),
        textColumn("OEM3", 30),
        textColumn("OEM4", 30),
        textColumn("OEMNO", 30),
        textColumn("DPKOD", 20),
        textColumn("PKOD", 20),
        textColumn("ANAGRUP", 50),
        textColumn("OZELKOD", 30),
        textColumn("BIRIM", 10),
        realColumn("KDV"),
        realColumn("KALAN"),
        realColumn("DEPOBIRADET"),
        realColumn("DEPOIKIADET"),
        intColumn("DEPOBIRDURUM"),
        intColumn("DEPOIKIDURUM"),
        intColumn("DURUM"),
        realColumn("ALINANSIPARIS"),
        realColumn("VERILENSIPARIS"),
        intColumn("RESIM"),
        intColumn("Y"),
        intColumn("K"),
        realColumn("LISTEFIYAT1"),
        realColumn("KAMPFIYAT"),
        realColumn("ESKIFIYAT"),
        realColumn("FIYAT"),
        realColumn("IND1"),
        realColumn("IND2"),
        realColumn("IND3"),
        realColumn("IND4"),
        realColumn("INDIRIM"),
        textColumn("INDIRIMYAZI", 30),
        realColumn("NETFIYAT"),
        realColumn("KDVDAHIL"),
    };
    return columns;
}

QString stockSelectList() {
    return QStringLiteral(
        "s.stokno, s.barkod, s.barkodno, s.adi, s.digeradi, s.marka, s.model, s.finishkod, "
        "s.ureticikodu, s.oem1, s.oem2, s.oem3, s.oem4, s.oemno, s.dpkod, s.pkod, s.anagrup, "
        "s.ozelkod, s.birim, s.kdv, s.depo1_adet, s.depo2_adet, s.depo1_durum, s.depo2_durum, "
        "s.alinansiparis, s.verilensiparis, s.resim, s.yeni, s.liste_fiyat, s.kamp_fiyat");
}

void addStockRow(TableBuilder& table, const QSqlQuery& q, const DiscountChain& accountChain) {
    const double kdv = q.value(19).toDouble();
    const double d1 = q.value(20).toDouble(), d2 = q.value(21).toDouble();
    const int s1 = q.value(22).toInt(), s2 = q.value(23).toInt();
    const Kurus liste = q.value(28).toLongLong();
    const Kurus kamp = q.value(29).toLongLong();
    const bool campaign = kamp > 0;
    // A campaign price is already net: the account's discounts do not apply on top of it.
    const DiscountChain chain = campaign ? DiscountChain{} : accountChain;
    const Kurus fiyat = campaign ? kamp : liste;
    const Kurus net = netUnitPrice(fiyat, chain);
    const double totalRate =
        liste > 0 ? std::round((1.0 - double(net) / double(liste)) * 10000.0) / 100.0 : 0.0;
    static thread_local DiscountChain lastChain{-1, -1, -1, -1};
    static thread_local QString lastText;
    if (!campaign && (chain.ind1 != lastChain.ind1 || chain.ind2 != lastChain.ind2 ||
                      chain.ind3 != lastChain.ind3 || chain.ind4 != lastChain.ind4)) {
        lastChain = chain;
        lastText = chain.text();
    }
    const QString yazi = campaign ? QStringLiteral("%%1").arg(totalRate, 0, 'g', 4) : lastText;
    table.add({q.value(0),
               q.value(1),
               q.value(2),
               q.value(3),
               q.value(4),
               q.value(5),
               q.value(6),
               q.value(7),
               q.value(8),
               q.value(9),
               q.value(10),
               q.value(11),
               q.value(12),
               q.value(13),
               q.value(14),
               q.value(15),
               q.value(16),
               q.value(17),
               q.value(18),
               kdv,
               d1 + d2,
               d1,
               d2,
               s1,
               s2,
               overallStockState(s1, s2),
               q.value(24),
               q.value(25),
               q.value(26),
               q.value(27),
               campaign ? 1 : 0,
               toLira(liste),
               campaign ? toLira(kamp) : 0.0,
               toLira(liste),
               toLira(fiyat),
               chain.ind1,
               chain.ind2,
               chain.ind3,
               chain.ind4,
               totalRate,
               yazi,
               toLira(net),
               toLira(withVat(net, kdv))});
}

}  // namespace server
