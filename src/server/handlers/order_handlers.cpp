#include <QSqlQuery>

#include "server/dispatch/errors.h"
#include "server/dispatch/method_table.h"
#include "server/handlers/order_rows.h"
#include "server/handlers/table_builder.h"
#include "server/rules/money.h"
#include "server/rules/states.h"
#include "server/rules/stored_date.h"
#include "server/storage/session.h"
#include "wire/records/siparis_dip_ayrinti.h"

namespace server {
namespace {

const QList<wire::ColumnDef>& orderColumns() {
    static const QList<wire::ColumnDef> columns = {
        intColumn("CARINO"),
        intColumn("IDNO"),
        dateColumn("TARIH"),
        textColumn("KUR", 5),
        realColumn("KURTL"),
        intColumn("VERENIDNO"),
        textColumn("KARGO", 50),
        textColumn("TESLIM", 50),
        textColumn("VEREN", 50),
        textColumn("CARIKOD", 25),
        textColumn("CARIADI", 100),
        realColumn("VERGI"),
        realColumn("NETTUTAR"),
        realColumn("TUTAR"),
        textColumn("DURUM", 100),
        textColumn("KARGOADI", 50),
        textColumn("VERENINNOTU", 1000),
        textColumn("ALANNOTU", 1000),
    };
    return columns;
}

wire::Response oncekiSiparisler(CallContext& call) {
    TableBuilder table(orderColumns());
    QSqlQuery& q = call.db.run(
        QStringLiteral(
            "SELECT o.carino, o.idno, o.tarih, o.verenid, COALESCE(k.adi, ''), COALESCE(d.adi, "
            "''), "
            "COALESCE(u.gorunen_ad, ''), a.carikod, a.cariadi, t.vergi, t.net, t.tutar, o.durum, "
            "COALESCE(f.adi, ''), o.musteri_notu, o.bizim_notu "
            "FROM orders o JOIN accounts a ON a.carino = o.carino "
            "JOIN (SELECT idno, SUM(vergi_tutar) AS vergi, SUM(net_tutar) AS net, SUM(tutar) AS "
            "tutar "
            "      FROM order_lines GROUP BY idno) t ON t.idno = o.idno "
            "LEFT JOIN cargo_kinds k ON k.id = o.kargo_tur LEFT JOIN delivery_kinds d ON d.id = "
            "o.teslim_id "
            "LEFT JOIN cargo_firms f ON f.sirano = o.kargo_firma LEFT JOIN users u ON u.sirano = "
            "o.verenid "
            "WHERE o.carino = ? ORDER BY o.tarih DESC, o.idno DESC"),
        {call.integer(0)});
    while (q.next())
        table.add({q.value(0), q.value(1), storedDateToOle(q.value(2).toString()),
                   QStringLiteral("TL"), 1.0, q.value(3), q.value(4), q.value(5), q.value(6),
                   q.value(7), q.value(8), toLira(q.value(9).toLongLong()),
                   toLira(q.value(10).toLongLong()), toLira(q.value(11).toLongLong()),
                   orderStateName(q.value(12).toInt()), q.value(13), q.value(14), q.value(15)});
    return answer(table.reader());
}

/// Throws unless the order exists and, when carino is not 0, belongs to that account.
void requireOrder(Session& db, int idno, int carino) {
    const QVariant owner =
        db.scalar(QStringLiteral("SELECT carino FROM orders WHERE idno = ?"), {idno});
    if (!owner.isValid())
        throwNotFound(QStringLiteral("Sipariş bulunamadı: %1").arg(idno));
    if (carino != 0 && owner.toInt() != carino)
        throwDenied(QStringLiteral("Sipariş %1 başka bir cari hesaba ait.").arg(idno));
}

wire::Response siparisAyrintisi2(CallContext& call) {
    const int carino = call.integer(0), idno = call.integer(1);
    requireOrder(call.db, idno, carino);
    TableBuilder table(orderLineColumns());
    QSqlQuery& q =
        call.db.run(orderLineSelect() + "WHERE l.idno = ? ORDER BY l.stokhar_no", {idno});
    while (q.next())
        addOrderLineRow(table, q);
    return answer(table.reader());
}

wire::Response siparisAytintisiDip(CallContext& call) {
    const int carino = call.integer(0), idno = call.integer(1);
    requireOrder(call.db, idno, carino);
    QSqlQuery& q = call.db.run(
        QStringLiteral(
            "SELECT o.musteri_notu, o.durum, COALESCE(u.gorunen_ad, ''), COALESCE(f.adi, ''), "
            "o.bizim_notu, COALESCE(d.adi, ''), COALESCE(k.adi, ''), o.satici_notu FROM orders o "
            "LEFT JOIN cargo_kinds k ON k.id = o.kargo_tur LEFT JOIN delivery_kinds d ON d.id = "
            "o.teslim_id "
            "LEFT JOIN cargo_firms f ON f.sirano = o.kargo_firma LEFT JOIN users u ON u.sirano = "
            "o.verenid "
            "WHERE o.idno = ?"),
        {idno});
    TSiparisDipAyrinti r;
    if (q.next()) {
        r.SetSizinMesaj(q.value(0).toString());
        r.SetDurumu(orderStateName(q.value(1).toInt()));
        r.SetVeren(q.value(2).toString());
        r.SetKargo(q.value(3).toString());
        r.SetBizimMesaj(q.value(4).toString());
        r.SetTeslimCinsi(q.value(5).toString());
        r.SetKargoCinsi(q.value(6).toString());
        r.SetSaticiNotu(q.value(7).toString());
    }
    q.finish();
    return answer(wire::Value::record(wire::recordToJson(r)));
}

wire::Response tumSiparislerVer(CallContext& call) {
    const int carino = call.integer(0), stokno = call.integer(1);
    TableBuilder table(orderLineColumns());
    QSqlQuery& q = call.db.run(orderLineSelect() +
                                   "WHERE o.carino = ? AND (? = 0 OR l.stokno = ?) "
                                   "ORDER BY o.tarih DESC, l.stokhar_no",
                               {carino, stokno, stokno});
    while (q.next())
        addOrderLineRow(table, q);
    return answer(table.reader());
}

}  // namespace

void registerOrderHandlers(MethodTable& table) {
    table.add("OncekiSiparisler", oncekiSiparisler);
    table.add("SiparisAyrintisi2", siparisAyrintisi2);
    table.add("SiparisAytintisiDip", siparisAytintisiDip);
    table.add("TumSiparislerVer", tumSiparislerVer);
}

}  // namespace server
