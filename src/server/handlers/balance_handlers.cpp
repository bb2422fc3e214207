#include <QSqlQuery>
#include <cmath>

#include "server/dispatch/errors.h"
#include "server/dispatch/method_table.h"
#include "server/handlers/identity.h"
#include "server/handlers/order_rows.h"
#include "server/handlers/table_builder.h"
#include "server/rules/money.h"
#include "server/storage/session.h"
#include "wire/records/sonuc_bilgisi.h"

namespace server {
namespace {

wire::Response bakiyelerVer2(CallContext& call) {
    TableBuilder table(orderLineColumns());
    QSqlQuery& q = call.db.run(orderLineSelect() +
                                   "WHERE o.carino = ? AND l.miktar - l.teslimedilen - l.iptal > 0 "
                                   "ORDER BY o.tarih, l.stokhar_no",
                               {call.integer(0)});
    while (q.next())
        addOrderLineRow(table, q);
    return answer(table.reader());
}

struct BalanceLine {
    int stokharNo = 0;
    double miktar = 0;
    double teslimedilen = 0;
    double iptal = 0;
    double kdv = 0;
    Kurus birimfiyat = 0;
    DiscountChain chain;
    double open() const { return miktar - teslimedilen - iptal; }
};

/// The order line the balance call names (by its order line number), checked against the
/// caller's account and the stock and basket numbers the caller sent.
BalanceLine balanceLine(CallContext& call, const Caller& caller) {
    const int stokno = call.integer(1), sepetSirano = call.integer(2), stokhar = call.integer(3);
    checkLength(call.text(6), 50, "Barkod");
    QSqlQuery& q = call.db.run(
        QStringLiteral(
            "SELECT o.carino, l.stokno, l.sepet_sirano, l.miktar, l.teslimedilen, "
            "l.iptal, l.kdv, l.birimfiyat, l.ind1, l.ind2, l.ind3, l.ind4 "
            "FROM order_lines l JOIN orders o ON o.idno = l.idno WHERE l.stokhar_no = ?") +
            call.db.driver().lockRows(),
        {stokhar});
    if (!q.next())
        throwNotFound(QStringLiteral("Sipariş satırı bulunamadı: %1").arg(stokhar));
    if (q.value(0).toInt() != caller.carino)
        throwDenied(QStringLiteral("Sipariş satırı %1 başka bir cari hesaba ait.").arg(stokhar));
    if ((stokno != 0 && stokno != q.value(1).toInt()) ||
        (sepetSirano != 0 && sepetSirano != q.value(2).toInt()))
        throwInvalid(QStringLiteral("Stok ya da satır numarası sipariş satırı %1 ile tutmuyor.")
                         .arg(stokhar));
    BalanceLine l;
    l.stokharNo = stokhar;
    l.miktar = q.value(3).toDouble();
    l.teslimedilen = q.value(4).toDouble();
    l.iptal = q.value(5).toDouble();
    l.kdv = q.value(6).toDouble();
    l.birimfiyat = q.value(7).toLongLong();
    l.chain = {q.value(8).toDouble(), q.value(9).toDouble(), q.value(10).toDouble(),
               q.value(11).toDouble()};
    q.finish();
    return l;
}

wire::Response bakiyeDuzenle(CallContext& call) {
    const Caller caller = authenticate(call.db, *call.loginRecord(0));
    WriteTransaction tx(call.db);
    const BalanceLine l = balanceLine(call, caller);
    call.db.run(QStringLiteral("UPDATE order_lines SET iptal = miktar - teslimedilen "
                               "WHERE stokhar_no = ?"),
                {l.stokharNo});
    tx.commit();
    return answer(wire::Value::integer(1));
}

wire::Response bakiyeDegistir(CallContext& call) {
    const Caller caller = authenticate(call.db, *call.loginRecord(0));
    const double wanted = call.real(5);
    WriteTransaction tx(call.db);
    const BalanceLine l = balanceLine(call, caller);
    const double deliverable = l.miktar - l.teslimedilen;
    if (!std::isfinite(wanted) || wanted <= 0 || wanted > deliverable)
        throwInvalid(
            QStringLiteral("Yeni bakiye 0'dan büyük ve en fazla %1 olmalı (gönderilen: %2).")
                .arg(deliverable)
                .arg(wanted));
    call.db.run(QStringLiteral("UPDATE order_lines SET iptal = ? WHERE stokhar_no = ?"),
                {deliverable - wanted, l.stokharNo});
    tx.commit();
    return answer(wire::Value::integer(1));
}

wire::Response bakiyeFiyatDegistir(CallContext& call) {
    const Caller caller = authenticate(call.db, *call.loginRecord(0));
    if (caller.role != 2)
        throwDenied(
            QStringLiteral("Bakiye fiyatını yalnız yetkili satış temsilcisi değiştirebilir."));
    const double fiyat = call.real(7), ind = call.real(8);
    if (!std::isfinite(fiyat) || fiyat < 0 || fiyat > 1e9)
        throwInvalid(QStringLiteral("Geçersiz fiyat: %1").arg(fiyat));
    if (!(ind >= 0 && ind <= 100))
        throwInvalid(QStringLiteral("İndirim oranı 0 ile 100 arasında olmalı."));
    WriteTransaction tx(call.db);
    const BalanceLine l = balanceLine(call, caller);
    const DiscountChain chain{ind, 0, 0, 0};
    const Kurus price = toKurus(fiyat);
    const LineAmounts a = lineAmounts(l.miktar, price, chain, l.kdv);
    call.db.run(
        QStringLiteral("UPDATE order_lines SET birimfiyat = ?, ind1 = ?, ind2 = 0, "
                       "ind3 = 0, ind4 = 0, tutar = ?, indirim_tutar = ?, net_birim = ?, "
                       "net_tutar = ?, vergi_tutar = ? WHERE stokhar_no = ?"),
        {price, ind, a.tutar, a.indirimTutar, a.netBirim, a.netTutar, a.vergiTutar, l.stokharNo});
    tx.commit();
    return answer(wire::Value::integer(1));
}

}  // namespace

void registerBalanceHandlers(MethodTable& table) {
    table.add("BakiyelerVer2", bakiyelerVer2);
    table.add("BakiyeDuzenle", bakiyeDuzenle);
    table.add("BakiyeDegistir", bakiyeDegistir);
    table.add("BakiyeFiyatDegistir", bakiyeFiyatDegistir);
}

}  // namespace server
