#include "server/handlers/order_rows.h"

#include <QSqlQuery>
#include <cmath>

#include "server/handlers/table_builder.h"
#include "server/rules/money.h"
#include "server/rules/states.h"
#include "server/rules/stored_date.h"

namespace server {

const QList<wire::ColumnDef>& orderLineColumns() {
    static const QList<wire::ColumnDef> columns = {
        dateColumn("VERILISTARIHI"),
        textColumn("BARKOD", 50),
        textColumn("FINISHKOD", 30),
        textColumn("OEMNO", 30),
        textColumn("STOKADI", 100),
        realColumn("MIKTAR"),
        realColumn("BIRIMFIYAT"),
        realColumn("TUTAR"),
        textColumn("INDIRIMYAZI", 30),
        realColumn("NETBIRIMFIYAT"),
        realColumn("KDV"),
        realColumn("VERGITUTARI"),
        realColumn("NETTUTAR"),
        textColumn("VEREN", 50),
        realColumn("TESLIMEDILEN"),
        realColumn("KALAN"),
        intColumn("DURUM"),
        intColumn("SIPARISNO"),
        dateColumn("TARIH"),
        realColumn("INDIRIMORANI1"),
        realColumn("INDIRIMORANI2"),
        realColumn("INDIRIMORANI3"),
        realColumn("INDIRIMORANI4"),
        textColumn("KUR", 5),
        textColumn("SAAT", 8),
        textColumn("ACIKLAMA", 100),
        textColumn("OEM1", 30),
        textColumn("OEM2", 30),
        textColumn("OEM3", 30),
        textColumn("OEM4", 30),
        textColumn("DIGERADI", 100),
        textColumn("DPKOD", 20),
        textColumn("MARKA", 50),
        textColumn("MODEL", 50),
        textColumn("ANAGRUP", 50),
        textColumn("OZELKOD", 30),
        textColumn("PKOD", 20),
        intColumn("SIRANO"),
        intColumn("CARINO"),
        intColumn("AKTAR"),
        intColumn("STOKNO"),
        realColumn("INDIRIMTUTAR"),
        realColumn("KURTL"),
        intColumn("VERENIDNO"),
        intColumn("TESLIMID"),
        intColumn("KARGOID"),
        intColumn("IDNO"),
        intColumn("VERENSIRANO"),
        textColumn("CARIKOD", 25),
        textColumn("CARIADI", 100),
        intColumn("STOK_STOKNO"),
        textColumn("URETICIKODU", 30),
        textColumn("TESLIM", 50),
        textColumn("KARGO", 50),
        realColumn("ELDEKI"),
        realColumn("ILKFIYAT"),
        realColumn("ALINANSIPARIS"),
        realColumn("VERILENSIPARIS"),
        intColumn("STOKHAR_NO"),
        textColumn("SIPARISDURUMU", 30),
    };
    return columns;
}

QString orderLineSelect() {
    return QStringLiteral(
        "SELECT o.tarih, s.barkod, s.finishkod, s.oemno, s.adi, l.miktar, l.birimfiyat, l.tutar, "
        "l.ind1, l.ind2, l.ind3, l.ind4, l.net_birim, l.kdv, l.vergi_tutar, l.net_tutar, "
        "COALESCE(u.gorunen_ad, ''), l.teslimedilen, l.iptal, s.depo1_durum, s.depo2_durum, "
        "o.idno, s.oem1, s.oem2, s.oem3, s.oem4, s.digeradi, s.dpkod, s.marka, s.model, "
        "s.anagrup, s.ozelkod, s.pkod, l.sepet_sirano, o.carino, l.stokno, l.indirim_tutar, "
        "l.verenid, o.teslim_id, o.kargo_tur, a.carikod, a.cariadi, s.ureticikodu, "
        "COALESCE(d.adi, ''), COALESCE(k.adi, ''), s.depo1_adet + s.depo2_adet, l.ilkfiyat, "
        "s.alinansiparis, s.verilensiparis, l.stokhar_no, o.durum "
        "FROM order_lines l JOIN orders o ON o.idno = l.idno JOIN stock s ON s.stokno = l.stokno "
        "JOIN accounts a ON a.carino = o.carino LEFT JOIN users u ON u.sirano = l.verenid "
        "LEFT JOIN delivery_kinds d ON d.id = o.teslim_id "
        "LEFT JOIN cargo_kinds k ON k.id = o.kargo_tur ");
}

void addOrderLineRow(TableBuilder& table, const QSqlQuery& q) {
    const QString tarih = q.value(0).toString();
    const double when = storedDateToOle(tarih);
    const DiscountChain chain{q.value(8).toDouble(), q.value(9).toDouble(), q.value(10).toDouble(),
                              q.value(11).toDouble()};
    const double miktar = q.value(5).toDouble();
    const double teslim = q.value(17).toDouble();
    const double kalan = std::max(0.0, miktar - teslim - q.value(18).toDouble());
    const QVariant idno = q.value(21);
    table.add({when,
               q.value(1),
               q.value(2),
               q.value(3),
               q.value(4),
               miktar,
               toLira(q.value(6).toLongLong()),
               toLira(q.value(7).toLongLong()),
               chain.text(),
               toLira(q.value(12).toLongLong()),
               q.value(13),
               toLira(q.value(14).toLongLong()),
               toLira(q.value(15).toLongLong()),
               q.value(16),
               teslim,
               kalan,
               overallStockState(q.value(19).toInt(), q.value(20).toInt()),
               idno,
               std::floor(when),
               chain.ind1,
               chain.ind2,
               chain.ind3,
               chain.ind4,
               QStringLiteral("TL"),
               tarih.mid(11, 5),
               q.value(4),
               q.value(22),
               q.value(23),
               q.value(24),
               q.value(25),
               q.value(26),
               q.value(27),
               q.value(28),
               q.value(29),
               q.value(30),
               q.value(31),
               q.value(32),
               q.value(33),
               q.value(34),
               0,
               q.value(35),
               toLira(q.value(36).toLongLong()),
               1.0,
               q.value(37),
               q.value(38),
               q.value(39),
               idno,
               q.value(37),
               q.value(40),
               q.value(41),
               q.value(35),
               q.value(42),
               q.value(43),
               q.value(44),
               q.value(45),
               toLira(q.value(46).toLongLong()),
               q.value(47),
               q.value(48),
               q.value(49),
               orderStateName(q.value(50).toInt())});
}

}  // namespace server
