#include <QDateTime>
#include <QSqlQuery>
#include <cmath>

#include "server/dispatch/errors.h"
#include "server/dispatch/method_table.h"
#include "server/handlers/identity.h"
#include "server/handlers/shared_queries.h"
#include "server/handlers/table_builder.h"
#include "server/rules/money.h"
#include "server/rules/states.h"
#include "server/rules/stored_date.h"
#include "server/storage/session.h"
#include "wire/records/sonuc_bilgisi.h"

namespace server {
namespace {

constexpr double kMaxQuantity = 100000;

const QList<wire::ColumnDef>& basketColumns() {
    static const QList<wire::ColumnDef> columns = {
        intColumn("SEC"),
        intColumn("DEPOBIRDURUM"),
        intColumn("DEPOIKIDURUM"),
        dateColumn("VERILISTARIHI"),
        intColumn("SIRANO"),
        intColumn("SIPARISNO"),
        intColumn("CARINO"),
        dateColumn("TARIH"),
        intColumn("AKTAR"),
        intColumn("STOKNO"),
        textColumn("BARKOD", 50),
        textColumn("FINISHKOD", 30),
        textColumn("OEMNO", 30),
        textColumn("STOKADI", 100),
        realColumn("MIKTAR"),
        realColumn("BIRIMFIYAT"),
        realColumn("TUTAR"),
        textColumn("INDIRIMYAZI", 30),
        realColumn("INDIRIMORANI1"),
        realColumn("INDIRIMORANI2"),
        realColumn("INDIRIMORANI3"),
        realColumn("INDIRIMORANI4"),
        realColumn("INDIRIMTUTAR"),
        realColumn("NETBIRIMFIYAT"),
        realColumn("KDV"),
        realColumn("VERGITUTARI"),
        realColumn("NETTUTAR"),
        realColumn("KDVLITUTAR"),
        textColumn("KUR", 5),
        realColumn("KURTL"),
        intColumn("VERENIDNO"),
        textColumn("SAAT", 8),
        intColumn("TESLIMID"),
        intColumn("KARGOID"),
        textColumn("ACIKLAMA", 100),
        intColumn("IDNO"),
        intColumn("VERENSIRANO"),
        textColumn("VEREN", 50),
        textColumn("CARIKOD", 25),
        textColumn("CARIADI", 100),
        textColumn("OEM1", 30),
        textColumn("OEM2", 30),
        textColumn("OEM3", 30),
        textColumn("OEM4", 30),
        intColumn("STOK_STOKNO"),
        textColumn("URETICIKODU", 30),
        textColumn("DIGERADI", 100),
        textColumn("DPKOD", 20),
        textColumn("MARKA", 50),
        textColumn("MODEL", 50),
        textColumn("ANAGRUP", 50),
        textColumn("OZELKOD", 30),
        textColumn("PKOD", 20),
        intColumn("DURUM"),
        realColumn("KALAN"),
        intColumn("K"),
    };
    return columns;
}

wire::Response sepetVer2(CallContext& call) {
    const int carino = call.integer(0);
    TableBuilder table(basketColumns());
    QSqlQuery& q = call.db.run(
        QStringLiteral(
            "SELECT b.sec, s.depo1_durum, s.depo2_durum, b.tarih, b.sirano, b.carino, b.stokno, "
            "s.barkod, s.finishkod, s.oemno, s.adi, b.miktar, b.birimfiyat, b.tutar, b.ind1, "
            "b.ind2, "
            "b.ind3, b.ind4, b.indirim_tutar, b.net_birim, b.kdv, b.vergi_tutar, b.net_tutar, "
            "b.verenid, COALESCE(u.gorunen_ad, ''), a.carikod, a.cariadi, s.oem1, s.oem2, s.oem3, "
            "s.oem4, s.ureticikodu, s.digeradi, s.dpkod, s.marka, s.model, s.anagrup, s.ozelkod, "
            "s.pkod, s.depo1_adet + s.depo2_adet, b.kampanya "
            "FROM basket b JOIN stock s ON s.stokno = b.stokno JOIN accounts a ON a.carino = "
            "b.carino "
            "LEFT JOIN users u ON u.sirano = b.verenid WHERE b.carino = ? ORDER BY b.sirano"),
        {carino});
    while (q.next()) {
        const int s1 = q.value(1).toInt(), s2 = q.value(2).toInt();
        const QString tarih = q.value(3).toString();
        const double when = storedDateToOle(tarih);
        const DiscountChain chain{q.value(14).toDouble(), q.value(15).toDouble(),
                                  q.value(16).toDouble(), q.value(17).toDouble()};
        const Kurus net = q.value(22).toLongLong(), vat = q.value(21).toLongLong();
        table.add({q.value(0),
                   s1,
                   s2,
                   when,
                   q.value(4),
                   0,
                   q.value(5),
                   std::floor(when),
                   0,
                   q.value(6),
                   q.value(7),
                   q.value(8),
                   q.value(9),
                   q.value(10),
                   q.value(11),
                   toLira(q.value(12).toLongLong()),
                   toLira(q.value(13).toLongLong()),
                   chain.text(),
                   chain.ind1,
                   chain.ind2,
                   chain.ind3,
                   chain.ind4,
                   toLira(q.value(18).toLongLong()),
                   toLira(q.value(19).toLongLong()),
                   q.value(20),
                   toLira(vat),
                   toLira(net),
                   toLira(net + vat),
                   QStringLiteral("TL"),
                   1.0,
                   q.value(23),
                   tarih.mid(11, 5),
                   0,
                   0,
                   QString(),
                   q.value(4),
                   q.value(23),
                   q.value(24),
                   q.value(25),
                   q.value(26),
                   q.value(27),
                   q.value(28),
                   q.value(29),
                   q.value(30),
                   q.value(6),
                   q.value(31),
                   q.value(32),
                   q.value(33),
                   q.value(34),
                   q.value(35),
                   q.value(36),
                   q.value(37),
                   q.value(38),
                   overallStockState(s1, s2),
                   q.value(39),
                   q.value(40)});
    }
    return answer(table.packet());
}

void checkQuantity(double miktar) {
    if (!std::isfinite(miktar) || miktar <= 0)
        throwInvalid(QStringLiteral("Miktar sıfırdan büyük olmalı (gönderilen: %1).").arg(miktar));
    if (miktar > kMaxQuantity)
        throwInvalid(QStringLiteral("Miktar en fazla %1 olabilir.").arg(kMaxQuantity));
}

DiscountChain sentChain(CallContext& call, int i1, int i2, int i3, int i4) {
    const DiscountChain chain{call.real(i1), call.real(i2), call.real(i3), call.real(i4)};
    if (!chain.valid())
        throwInvalid(QStringLiteral("İndirim oranları 0 ile 100 arasında olmalı."));
    return chain;
}

Kurus sentPrice(double fiyat) {
    if (!std::isfinite(fiyat) || fiyat < 0 || fiyat > 1e9)
        throwInvalid(QStringLiteral("Geçersiz birim fiyat: %1").arg(fiyat));
    return toKurus(fiyat);
}

/// Checks the login record, the account and the giver of a basket change.
Caller basketCaller(CallContext& call, int carinoArg, int verenArg) {
    const Caller caller = authenticate(call.db, *call.loginRecord(0));
    requireSameAccount(caller, call.integer(carinoArg));
    if (caller.carino <= 0)
        throwInvalid(QStringLiteral("Önce bir cari hesap seçilmeli."));
    if (verenArg >= 0 && call.integer(verenArg) != caller.sirano)
        throwDenied(QStringLiteral("Satırı veren kullanıcı (%1) oturumun kullanıcısı değil.")
                        .arg(call.integer(verenArg)));
    return caller;
}

void storeLine(Session& db, int sirano, double miktar, Kurus price, const DiscountChain& chain,
               double kdv, int verenid) {
    const LineAmounts a = lineAmounts(miktar, price, chain, kdv);
    db.run(QStringLiteral("UPDATE basket SET miktar = ?, birimfiyat = ?, ind1 = ?, ind2 = ?, "
                          "ind3 = ?, ind4 = ?, tutar = ?, indirim_tutar = ?, net_birim = ?, "
                          "net_tutar = ?, vergi_tutar = ?, sec = 1, verenid = ? WHERE sirano = ?"),
           {miktar, price, chain.ind1, chain.ind2, chain.ind3, chain.ind4, a.tutar, a.indirimTutar,
            a.netBirim, a.netTutar, a.vergiTutar, verenid, sirano});
}

wire::Response sepetEkle2(CallContext& call) {
    const Caller caller = basketCaller(call, 1, 9);
    const int stokno = call.integer(2);
    checkLength(call.text(3), 50, "Barkod");
    checkLength(call.text(4), 100, "Stok adı");
    const double miktar = call.real(5);
    checkQuantity(miktar);
    DiscountChain chain = sentChain(call, 8, 11, 12, 13);
    const Kurus sent = sentPrice(call.real(7));

    WriteTransaction tx(call.db);
    QSqlQuery& s = call.db.run(
        QStringLiteral("SELECT liste_fiyat, kamp_fiyat, kdv FROM stock WHERE stokno = ?"),
        {stokno});
    if (!s.next())
        throwNotFound(QStringLiteral("Stok bulunamadı: %1").arg(stokno));
    const Kurus kamp = s.value(1).toLongLong();
    const Kurus catalogue = kamp > 0 ? kamp : s.value(0).toLongLong();
    const double kdv = s.value(2).toDouble();
    s.finish();
    // Customers always get the catalogue's price and their account's discounts; staff may set
    // the price and discounts of a line.
    Kurus price = sent;
    if (!caller.isStaff()) {
        price = catalogue;
        chain = kamp > 0 ? DiscountChain{} : accountChain(call.db, caller.carino);
    }
    const QVariant existing =
        call.db.scalar(QStringLiteral("SELECT sirano FROM basket WHERE carino = ? AND stokno = ?"),
                       {caller.carino, stokno});
    if (existing.isValid()) {
        const double before =
            call.db.scalar(QStringLiteral("SELECT miktar FROM basket WHERE sirano = ?"), {existing})
                .toDouble();
        checkQuantity(before + miktar);
        storeLine(call.db, existing.toInt(), before + miktar, price, chain, kdv, caller.sirano);
    } else {
        const LineAmounts a = lineAmounts(miktar, price, chain, kdv);
        call.db.run(QStringLiteral("INSERT INTO basket (carino, stokno, miktar, birimfiyat, kdv, "
                                   "ind1, ind2, ind3, ind4, "
                                   "kampanya, tutar, indirim_tutar, net_birim, net_tutar, "
                                   "vergi_tutar, sec, verenid, tarih) "
                                   "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, ?, ?)"),
                    {caller.carino, stokno, miktar, price, kdv, chain.ind1, chain.ind2, chain.ind3,
                     chain.ind4, kamp > 0 ? 1 : 0, a.tutar, a.indirimTutar, a.netBirim, a.netTutar,
                     a.vergiTutar, caller.sirano, toStoredDate(QDateTime::currentDateTime())});
    }
    tx.commit();
    return answer(wire::Value::integer(1));
}

/// The line's account, or throws: ENotFound for no such line, EAccessDenied for a line of
/// another account.
void requireOwnLine(Session& db, int sirano, int carino) {
    const QVariant owner =
        db.scalar(QStringLiteral("SELECT carino FROM basket WHERE sirano = ?"), {sirano});
    if (!owner.isValid())
        throwNotFound(QStringLiteral("Sepet satırı bulunamadı: %1").arg(sirano));
    if (owner.toInt() != carino)
        throwDenied(QStringLiteral("Sepet satırı %1 başka bir cari hesaba ait.").arg(sirano));
}

wire::Response sepetGuncelle2(CallContext& call) {
    const Caller caller = basketCaller(call, 1, 9);
    checkLength(call.text(3), 50, "Barkod");
    checkLength(call.text(4), 100, "Stok adı");
    const double miktar = call.real(5);
    checkQuantity(miktar);
    const int sirano = call.integer(10);
    const DiscountChain sentDiscounts = sentChain(call, 8, 11, 12, 13);
    const Kurus sent = sentPrice(call.real(7));

    WriteTransaction tx(call.db);
    requireOwnLine(call.db, sirano, caller.carino);
    QSqlQuery& q = call.db.run(QStringLiteral("SELECT stokno, birimfiyat, ind1, ind2, ind3, ind4, "
                                              "kdv FROM basket WHERE sirano = ?"),
                               {sirano});
    q.next();
    if (call.integer(2) != 0 && call.integer(2) != q.value(0).toInt())
        throwInvalid(QStringLiteral("Stok numarası sepet satırınınkiyle aynı değil."));
    Kurus price = q.value(1).toLongLong();
    DiscountChain chain{q.value(2).toDouble(), q.value(3).toDouble(), q.value(4).toDouble(),
                        q.value(5).toDouble()};
    const double kdv = q.value(6).toDouble();
    q.finish();
    if (caller.isStaff()) {
        price = sent;
        chain = sentDiscounts;
    }
    storeLine(call.db, sirano, miktar, price, chain, kdv, caller.sirano);
    tx.commit();
    return answer(wire::Value::integer(1));
}

wire::Response sepetHepsiniSil(CallContext& call) {
    const Caller caller = authenticate(call.db, *call.loginRecord(0));
    WriteTransaction tx(call.db);
    const int count =
        call.db
            .scalar(QStringLiteral("SELECT COUNT(*) FROM basket WHERE carino = ?"), {caller.carino})
            .toInt();
    call.db.run(QStringLiteral("DELETE FROM basket WHERE carino = ?"), {caller.carino});
    tx.commit();
    return answer(wire::Value::integer(count));
}

wire::Response sepetSatirSil(CallContext& call) {
    const Caller caller = authenticate(call.db, *call.loginRecord(0));
    const int sirano = call.integer(1);
    checkLength(call.text(2), 200, "Açıklama");
    WriteTransaction tx(call.db);
    const QVariant owner =
        call.db.scalar(QStringLiteral("SELECT carino FROM basket WHERE sirano = ?"), {sirano});
    if (!owner.isValid())
        return answer(wire::Value::integer(0));  // already gone
    if (owner.toInt() != caller.carino)
        throwDenied(QStringLiteral("Sepet satırı %1 başka bir cari hesaba ait.").arg(sirano));
    call.db.run(QStringLiteral("DELETE FROM basket WHERE sirano = ?"), {sirano});
    tx.commit();
    return answer(wire::Value::integer(1));
}

wire::Response sepetSecimGuncelle(CallContext& call) {
    const int sirano = call.integer(0);
    const int secim = call.integer(1);
    if (secim != 0 && secim != 1)
        throwInvalid(QStringLiteral("Seçim işareti 0 ya da 1 olmalı (gönderilen: %1).").arg(secim));
    WriteTransaction tx(call.db);
    if (!call.db.scalar(QStringLiteral("SELECT sirano FROM basket WHERE sirano = ?"), {sirano})
             .isValid())
        throwNotFound(QStringLiteral("Sepet satırı bulunamadı: %1").arg(sirano));
    call.db.run(QStringLiteral("UPDATE basket SET sec = ? WHERE sirano = ?"), {secim, sirano});
    tx.commit();
    return noAnswer();
}

wire::Response idNameList(CallContext& call, const QString& table) {
    TableBuilder t({intColumn("ID"), textColumn("ADI", 50)});
    QSqlQuery& q = call.db.run(QStringLiteral("SELECT id, adi FROM %1 ORDER BY id").arg(table));
    while (q.next())
        t.add({q.value(0), q.value(1)});
    return answer(t.reader());
}

wire::Response teslimVer(CallContext& call) {
    return idNameList(call, "delivery_kinds");
}
wire::Response kargoVer(CallContext& call) {
    return idNameList(call, "cargo_kinds");
}

wire::Response kargolarVer(CallContext& call) {
    TableBuilder t({intColumn("SIRANO"), textColumn("ADI", 50), textColumn("UYARI", 200),
                    intColumn("KARGOTURU")});
    QSqlQuery& q = call.db.run(QStringLiteral("SELECT sirano, adi, uyari, kargo_tur FROM "
                                              "cargo_firms WHERE kargo_tur = ? ORDER BY sirano"),
                               {call.integer(0)});
    while (q.next())
        t.add({q.value(0), q.value(1), q.value(2), q.value(3)});
    return answer(t.reader());
}

wire::Response siparisKaydet(CallContext& call) {
    const Caller caller = basketCaller(call, 1, 5);
    const int teslim = call.integer(2), kargo = call.integer(3), firma = call.integer(6);
    const QString note = call.text(4);
    checkLength(note, 1000, "Sipariş açıklaması");
    if (!call.db.scalar(QStringLiteral("SELECT id FROM delivery_kinds WHERE id = ?"), {teslim})
             .isValid())
        throwInvalid(QStringLiteral("Teslim şekli bulunamadı: %1").arg(teslim));
    if (!call.db
             .scalar(QStringLiteral("SELECT sirano FROM cargo_firms WHERE sirano = ? AND "
                                    "kargo_tur = ?"),
                     {firma, kargo})
             .isValid())
        throwInvalid(
            QStringLiteral("Kargo firması %1 bu kargo türünde (%2) yok.").arg(firma).arg(kargo));

    // One transaction: the order, its lines and the removal of those lines from the basket
    // happen together or not at all. A repeat after a lost answer finds no marked line.
    WriteTransaction tx(call.db);
    QSqlQuery& lines = call.db.run(
        QStringLiteral("SELECT sirano, stokno, miktar, birimfiyat, kdv, ind1, ind2, ind3, ind4, "
                       "kampanya, tutar, indirim_tutar, net_birim, net_tutar, vergi_tutar "
                       "FROM basket WHERE carino = ? AND sec = 1 ORDER BY sirano") +
            call.db.driver().lockRows(),
        {caller.carino});
    QList<QVariantList> marked;
    while (lines.next()) {
        QVariantList row;
        for (int i = 0; i < 15; ++i)
            row << lines.value(i);
        marked << row;
    }
    lines.finish();
    if (marked.isEmpty())
        return answer(wire::Value::boolean(false));
    const QVariant idno = call.db.scalar(
        QStringLiteral("INSERT INTO orders (carino, tarih, verenid, teslim_id, kargo_tur, "
                       "kargo_firma, musteri_notu, durum) VALUES (?, ?, ?, ?, ?, ?, ?, ?) "
                       "RETURNING idno"),
        {caller.carino, toStoredDate(QDateTime::currentDateTime()), caller.sirano, teslim, kargo,
         firma, note, int(OrderState::Received)});
    for (const QVariantList& l : marked) {
        call.db.run(QStringLiteral("INSERT INTO order_lines (idno, sepet_sirano, stokno, miktar, "
                                   "birimfiyat, ilkfiyat, "
                                   "kdv, ind1, ind2, ind3, ind4, kampanya, tutar, indirim_tutar, "
                                   "net_birim, net_tutar, "
                                   "vergi_tutar, verenid) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                   "?, ?, ?, ?, ?, ?, ?)"),
                    {idno, l[0], l[1], l[2], l[3], l[3], l[4], l[5], l[6], l[7], l[8], l[9], l[10],
                     l[11], l[12], l[13], l[14], caller.sirano});
        call.db.run(QStringLiteral("DELETE FROM basket WHERE sirano = ?"), {l[0]});
    }
    tx.commit();
    return answer(wire::Value::boolean(true));
}

}  // namespace

void registerBasketHandlers(MethodTable& table) {
    table.add("SepetVer2", sepetVer2);
    table.add("SepetEkle2", sepetEkle2);
    table.add("SepetGuncelle2", sepetGuncelle2);
    table.add("SepetHepsiniSil", sepetHepsiniSil);
    table.add("SepetSatirSil", sepetSatirSil);
    table.add("SepetSecimGuncelle", sepetSecimGuncelle);
    table.add("TeslimVer", teslimVer);
    table.add("KargoVer", kargoVer);
    table.add("KargolarVer", kargolarVer);
    table.add("SiparisKaydet", siparisKaydet);
}

}  // namespace server
