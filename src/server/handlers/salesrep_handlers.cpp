#include <QDate>
#include <QSqlQuery>

#include "server/dispatch/errors.h"
#include "server/dispatch/method_table.h"
#include "server/handlers/identity.h"
#include "server/handlers/shared_queries.h"
#include "server/handlers/table_builder.h"
#include "server/rules/money.h"
#include "server/rules/search_text.h"
#include "server/rules/states.h"
#include "server/rules/stored_date.h"
#include "server/storage/session.h"
#include "wire/records/sonuc_bilgisi.h"
#include "wire/records/tus_sonuclari.h"

namespace server {
namespace {

Caller staffCaller(CallContext& call) {
    const Caller caller = authenticate(call.db, *call.loginRecord(0));
    if (!caller.isStaff())
        throwDenied(QStringLiteral("Bu işlem yalnız satış temsilcilerine açıktır."));
    return caller;
}

const QList<wire::ColumnDef>& accountListColumns() {
    static const QList<wire::ColumnDef> columns = {
        intColumn("CARINO"),         textColumn("CARIKOD", 25),  textColumn("CARIADI", 100),
        textColumn("SATICISI", 50),  realColumn("TLBAKIYE"),     textColumn("DURUM", 20),
        intColumn("SEPET"),          intColumn("ALINDI"),        intColumn("ONAYLANDI"),
        intColumn("GORULDU"),        intColumn("HAZIRLANDI"),    intColumn("PARCALIHAZIRLANDI"),
        intColumn("SEVKEDILDI"),     textColumn("OZELKOD", 30),  textColumn("KOD1", 30),
        textColumn("KOD2", 30),      textColumn("KOD3", 30),     textColumn("KOD4", 30),
        textColumn("KOD5", 30),      textColumn("TEL1", 30),     textColumn("TEL2", 30),
        textColumn("ILCE", 50),      textColumn("IL", 50),       textColumn("GSM", 30),
        textColumn("YETKILI", 50),   textColumn("INDIRIM", 30),  intColumn("VADE"),
        intColumn("VADEKONTROLGUN"), intColumn("VADEKONTROLAY"), textColumn("VERGIDAIRESI", 50),
        textColumn("VERGINO", 20),   textColumn("ADRES1", 100),  textColumn("ADRES2", 100),
        textColumn("ANAGRUP", 50),   textColumn("ALTGRUP", 50),  textColumn("FAX1", 30),
        textColumn("FAX2", 30),      textColumn("EMAIL", 100),
    };
    return columns;
}

/// Lists accounts with their balance, basket lines and orders per state. `having` filters on the
/// counters ("" for all); `search` filters on code, name, place, person and telephone.
wire::Response accountList(CallContext& call, const QString& having, const QString& search) {
    QSqlQuery& q = call.db.run(
        QStringLiteral(
            "SELECT a.carino, a.carikod, a.cariadi, COALESCE(r.adi, ''), COALESCE(m.b, 0), "
            "COALESCE(bs.n, 0), COALESCE(os.s1, 0), COALESCE(os.s2, 0), COALESCE(os.s3, 0), "
            "COALESCE(os.s5, 0), COALESCE(os.s4, 0), COALESCE(os.s6, 0), a.ozelkod, a.kod1, "
            "a.kod2, "
            "a.kod3, a.kod4, a.kod5, a.tel1, a.tel2, a.ilce, a.il, a.gsm, a.yetkili, a.ind1, "
            "a.ind2, "
            "a.ind3, a.ind4, a.vade, a.vadekontrolgun, a.vadekontrolay, a.vergidairesi, a.vergino, "
            "a.adres1, a.adres2, a.anagrup, a.altgrup, a.fax1, a.fax2, a.email "
            "FROM accounts a LEFT JOIN representatives r ON r.saticino = a.saticino "
            "LEFT JOIN (SELECT carino, SUM(borc - alacak) AS b FROM movements GROUP BY carino) m "
            "  ON m.carino = a.carino "
            "LEFT JOIN (SELECT carino, COUNT(*) AS n FROM basket GROUP BY carino) bs ON bs.carino "
            "= a.carino "
            "LEFT JOIN (SELECT carino, SUM(CASE WHEN durum = 1 THEN 1 ELSE 0 END) AS s1, "
            "  SUM(CASE WHEN durum = 2 THEN 1 ELSE 0 END) AS s2, SUM(CASE WHEN durum = 3 THEN 1 "
            "ELSE 0 END) AS s3, "
            "  SUM(CASE WHEN durum = 4 THEN 1 ELSE 0 END) AS s4, SUM(CASE WHEN durum = 5 THEN 1 "
            "ELSE 0 END) AS s5, "
            "  SUM(CASE WHEN durum = 6 THEN 1 ELSE 0 END) AS s6 FROM orders GROUP BY carino) os "
            "  ON os.carino = a.carino ") +
        having + QStringLiteral(" ORDER BY a.cariadi, a.carino"));
    const QString wanted = normaliseSearchText(search);
    TableBuilder table(accountListColumns());
    while (q.next()) {
        if (!wanted.isEmpty()) {
            const QString hay = stockSearchText({q.value(1).toString(), q.value(2).toString(),
                                                 q.value(20).toString(), q.value(21).toString(),
                                                 q.value(23).toString(), q.value(18).toString(),
                                                 q.value(3).toString()});
            if (!hay.contains(wanted))
                continue;
        }
        const Kurus balance = q.value(4).toLongLong();
        const DiscountChain chain{q.value(24).toDouble(), q.value(25).toDouble(),
                                  q.value(26).toDouble(), q.value(27).toDouble()};
        QVariantList row = {q.value(0), q.value(1),      q.value(2),
                            q.value(3), toLira(balance), balanceWord(balance)};
        for (int i = 5; i <= 23; ++i)
            row << q.value(i);
        row << chain.text();
        for (int i = 28; i <= 39; ++i)
            row << q.value(i);
        table.add(row);
    }
    return answer(table.reader());
}

wire::Response cariAra(CallContext& call) {
    staffCaller(call);
    const QString text = call.text(1);
    checkLength(text, 100, "Arama metni");
    return accountList(call, QString(), text);
}

wire::Response cariSepetVer(CallContext& call) {
    staffCaller(call);
    const int n = call.integer(1);
    if (n < 1 || n > 1 + kOrderStateCount)
        throwInvalid(QStringLiteral("Liste kodu 1 ile 7 arasında olmalı (gönderilen: %1).").arg(n));
    const QString having = n == 1 ? QStringLiteral("WHERE COALESCE(bs.n, 0) > 0")
                                  : QStringLiteral("WHERE COALESCE(os.s%1, 0) > 0").arg(n - 1);
    return accountList(call, having, QString());
}

wire::Response sepetSayisi(CallContext& call) {
    staffCaller(call);
    return answer(wire::Value::integer(
        call.db.scalar(QStringLiteral("SELECT COUNT(DISTINCT carino) FROM basket")).toInt()));
}

wire::Response tusSonuclariVer(CallContext& call) {
    staffCaller(call);
    QSqlQuery& q = call.db.run(QStringLiteral("SELECT durum, COUNT(*) FROM orders GROUP BY durum"));
    TTusSonuclari r;
    while (q.next()) {
        const int n = q.value(1).toInt();
        switch (OrderState(q.value(0).toInt())) {
            case OrderState::Received:
                r.SetAlindi(n);
                break;
            case OrderState::Approved:
                r.SetOnaylandi(n);
                break;
            case OrderState::Seen:
                r.SetGoruldu(n);
                break;
            case OrderState::PartlyPrepared:
                r.SetParcaliHazirlandi(n);
                break;
            case OrderState::Prepared:
                r.SetHazirlandi(n);
                break;
            case OrderState::Shipped:
                r.SetSevkEdildi(n);
                break;
        }
    }
    return answer(wire::Value::record(wire::recordToJson(r)));
}

/// Orders of the period for the caller: a representative of role 1 sees his own accounts only.
QString periodCondition(const Caller& caller) {
    return caller.role == 1 ? QStringLiteral(" AND a.saticino = %1").arg(caller.saticino)
                            : QString();
}

wire::Response raporAlinanSiparisler(CallContext& call) {
    const Caller caller = staffCaller(call);
    const QString from = oleToStoredDay(call.real(1));
    const QString to = oleToStoredDay(call.real(2) + 1);
    TableBuilder table(
        {textColumn("SATICIADI", 50), realColumn("IDNO"), intColumn("CARINO"), dateColumn("TARIH"),
         textColumn("KUR", 5), realColumn("KURTL"), intColumn("VERENIDNO"), textColumn("KARGO", 50),
         textColumn("TESLIM", 50), textColumn("VEREN", 50), textColumn("CARIKOD", 25),
         textColumn("CARIADI", 100), textColumn("DURUM", 100), textColumn("KARGOADI", 50),
         realColumn("VERGI"), realColumn("NETTUTAR"), realColumn("TUTAR")});
    QSqlQuery& q = call.db.run(
        QStringLiteral(
            "SELECT COALESCE(r.adi, ''), o.idno, o.carino, o.tarih, o.verenid, COALESCE(k.adi, "
            "''), "
            "COALESCE(d.adi, ''), COALESCE(u.gorunen_ad, ''), a.carikod, a.cariadi, o.durum, "
            "COALESCE(f.adi, ''), t.vergi, t.net, t.tutar FROM orders o "
            "JOIN accounts a ON a.carino = o.carino LEFT JOIN representatives r ON r.saticino = "
            "a.saticino "
            "JOIN (SELECT idno, SUM(vergi_tutar) AS vergi, SUM(net_tutar) AS net, SUM(tutar) AS "
            "tutar "
            "      FROM order_lines GROUP BY idno) t ON t.idno = o.idno "
            "LEFT JOIN cargo_kinds k ON k.id = o.kargo_tur LEFT JOIN delivery_kinds d ON d.id = "
            "o.teslim_id "
            "LEFT JOIN cargo_firms f ON f.sirano = o.kargo_firma LEFT JOIN users u ON u.sirano = "
            "o.verenid "
            "WHERE o.tarih >= ? AND o.tarih < ?") +
            periodCondition(caller) + QStringLiteral(" ORDER BY r.adi, o.tarih, o.idno"),
        {from, to});
    while (q.next())
        table.add(
            {q.value(0), q.value(1).toDouble(), q.value(2), storedDateToOle(q.value(3).toString()),
             "TL", 1.0, q.value(4), q.value(5), q.value(6), q.value(7), q.value(8), q.value(9),
             orderStateName(q.value(10).toInt()), q.value(11), toLira(q.value(12).toLongLong()),
             toLira(q.value(13).toLongLong()), toLira(q.value(14).toLongLong())});
    return answer(table.reader());
}

wire::Response raporEnCokSatilanStoklar(CallContext& call) {
    const Caller caller = staffCaller(call);
    const QString from = oleToStoredDay(call.real(1));
    const QString to = oleToStoredDay(call.real(2) + 1);
    TableBuilder table({textColumn("BARKOD", 50), textColumn("KOD", 50), textColumn("ADI", 100),
                        textColumn("DEPARTMAN", 50), realColumn("MIKTAR"), realColumn("NETTUTAR"),
                        realColumn("TLVERGI"), realColumn("TUTAR")});
    QSqlQuery& q = call.db.run(
        QStringLiteral(
            "SELECT s.barkod, s.ureticikodu, s.adi, s.departman, SUM(l.miktar), SUM(l.net_tutar), "
            "SUM(l.vergi_tutar), SUM(l.tutar) FROM order_lines l JOIN orders o ON o.idno = l.idno "
            "JOIN accounts a ON a.carino = o.carino JOIN stock s ON s.stokno = l.stokno "
            "WHERE o.tarih >= ? AND o.tarih < ?") +
            periodCondition(caller) +
            QStringLiteral(
                " GROUP BY s.stokno, s.barkod, s.ureticikodu, s.adi, s.departman "
                "ORDER BY SUM(l.miktar) DESC, SUM(l.net_tutar) DESC, s.stokno LIMIT 500"),
        {from, to});
    while (q.next())
        table.add({q.value(0), q.value(1), q.value(2), q.value(3), q.value(4).toDouble(),
                   toLira(q.value(5).toLongLong()), toLira(q.value(6).toLongLong()),
                   toLira(q.value(7).toLongLong())});
    return answer(table.reader());
}

}  // namespace

wire::Response raporGetir(CallContext& call);  // handlers/report_documents.cpp

void registerSalesRepHandlers(MethodTable& table) {
    table.add("CariAra", cariAra);
    table.add("CariSepetVer", cariSepetVer);
    table.add("SepetSayisi", sepetSayisi);
    table.add("TusSonuclariVer", tusSonuclariVer);
    table.add("RaporAlinanSiparisler", raporAlinanSiparisler);
    table.add("RaporEnCokSatilanStoklar", raporEnCokSatilanStoklar);
    table.add("RaporGetir", raporGetir);
}

}  // namespace server
