#include <QDate>
#include <QSqlQuery>

#include "server/dispatch/errors.h"
#include "server/dispatch/method_table.h"
#include "server/handlers/identity.h"
#include "server/handlers/shared_queries.h"
#include "server/handlers/table_builder.h"
#include "server/media/card_receipt_pdf.h"
#include "server/media/money_text.h"
#include "server/rules/money.h"
#include "server/rules/stored_date.h"
#include "server/storage/session.h"
#include "wire/ole_date.h"

namespace server {
namespace {

const QList<wire::ColumnDef>& statementColumns() {
    static const QList<wire::ColumnDef> columns = {
        intColumn("CARINO"),     dateColumn("TARIH"),         textColumn("TURADI", 50),
        textColumn("EVRAK", 30), realColumn("BORC"),          realColumn("ALACAK"),
        textColumn("KUR", 5),    realColumn("BAKIYE"),        textColumn("D", 1),
        intColumn("IDNO"),       textColumn("ACIKLAMA", 100),
    };
    return columns;
}

wire::Response cariEkstreVer(CallContext& call) {
    TableBuilder table(statementColumns());
    QSqlQuery& q = call.db.run(QStringLiteral("SELECT carino, tarih, turadi, evrakno, borc, "
                                              "alacak, kur, idno, aciklama FROM movements "
                                              "WHERE carino = ? ORDER BY tarih, idno"),
                               {call.integer(0)});
    Kurus running = 0;
    while (q.next()) {
        running += q.value(4).toLongLong() - q.value(5).toLongLong();
        table.add({q.value(0), storedDateToOle(q.value(1).toString()), q.value(2), q.value(3),
                   toLira(q.value(4).toLongLong()), toLira(q.value(5).toLongLong()), q.value(6),
                   toLira(running),
                   running > 0   ? QStringLiteral("B")
                   : running < 0 ? QStringLiteral("A")
                                 : QStringLiteral(" "),
                   q.value(7), q.value(8)});
    }
    return answer(table.reader());
}

const QList<wire::ColumnDef>& invoiceLineColumns() {
    static const QList<wire::ColumnDef> columns = {
        textColumn("OEMNO", 30),
        textColumn("STOKADI", 100),
        textColumn("FINISHKOD", 30),
        textColumn("MARKA", 50),
        textColumn("MODEL", 50),
        textColumn("ANAGRUP", 50),
        textColumn("BIRIM", 10),
        realColumn("STOKHAR_MIKTAR"),
        realColumn("STOKHAR_TLBIRIMFIYATI"),
        realColumn("STOKHAR_TLTUTAR"),
        realColumn("STOKHAR_INDIRIM1"),
        realColumn("STOKHAR_INDIRIM2"),
        realColumn("KDV"),
        realColumn("STOKHAR_TOPLAMINDIRIM"),
        realColumn("STOKHAR_TOPLAMMASRAF"),
        realColumn("STOKHAR_NETTLBIRIMFIYATI"),
        realColumn("STOKHAR_NETTLTUTAR"),
        textColumn("OZELKOD", 30),
        textColumn("BARKOD", 50),
        dateColumn("STOKHAR_HAREKETTARIHI"),
        textColumn("STOKHAR_HAREKETTIPI2", 50),
        textColumn("EVRAKNO", 30),
        realColumn("STOKHAR_TLVERGI"),
        textColumn("IRSALIYEEVRAKNO", 30),
        dateColumn("STOKHAR_IRSTARIHI"),
        textColumn("SATIRACIKLMASI", 100),
        textColumn("STOKHAR_SAAT", 8),
        intColumn("STOKHAR_VADE"),
        textColumn("SIPARISEVRAKNO", 30),
        dateColumn("SIPARISTARIHI"),
        textColumn("IRSALIYETIP2", 30),
        realColumn("STOKHAR_INDIRIM3"),
        realColumn("STOKHAR_INDIRIM4"),
        realColumn("STOKHAR_INDIRIM5"),
        realColumn("STOKHAR_INDIRIM6"),
        realColumn("STOKHAR_INDIRIM7"),
        realColumn("STOKHAR_INDIRIM8"),
        realColumn("STOKHAR_DOVIZBIRIMFIYATI"),
        realColumn("STOKHAR_DOVIZVERGI"),
        realColumn("STOKHAR_DOVIZTUTAR"),
        textColumn("STOKHAR_PARTI", 20),
        textColumn("STOKHAR_BEDEN", 20),
        textColumn("STOKHAR_RENK", 20),
        realColumn("STOKHAR_MASRAF1"),
        realColumn("STOKHAR_MASRAF2"),
        realColumn("STOKHAR_DOVIZTOPLAMINDIRIM"),
        realColumn("STOKHAR_DOVIZTOPLAMMASRAF"),
        realColumn("STOKHAR_NETDOVIZBIRIMFIYATI"),
        realColumn("STOKHAR_NETDOVIZTUTAR"),
        realColumn("STOKHAR_KURTL"),
        textColumn("SIPARISTIPI", 20),
        intColumn("IRSALIYETIPINO"),
        textColumn("STOKCARIKOD", 25),
        intColumn("SUBE_NO"),
        intColumn("STOKHAR_CARINO"),
        textColumn("KUR_KURSIMGE", 5),
        textColumn("SATICIADI", 50),
        textColumn("URETICIKODU", 30),
        textColumn("DPKOD", 20),
        textColumn("ENADI", 100),
        textColumn("PKOD", 20),
        textColumn("BELGENO", 30),
        intColumn("IDNO"),
    };
    return columns;
}

/// Throws unless the document exists and belongs to carino (when carino is not 0).
void requireDocument(Session& db, int idno, int carino) {
    const QVariant owner =
        db.scalar(QStringLiteral("SELECT carino FROM movements WHERE idno = ?"), {idno});
    if (!owner.isValid())
        throwNotFound(QStringLiteral("Evrak bulunamadı: %1").arg(idno));
    if (carino != 0 && owner.toInt() != carino)
        throwDenied(QStringLiteral("Evrak %1 başka bir cari hesaba ait.").arg(idno));
}

wire::Response faturaGetir(CallContext& call) {
    const int carino = call.integer(0), idno = call.integer(1);
    requireDocument(call.db, idno, carino);
    TableBuilder table(invoiceLineColumns());
    QSqlQuery& q = call.db.run(
        QStringLiteral(
            "SELECT s.oemno, s.adi, s.finishkod, s.marka, s.model, s.anagrup, s.birim, l.miktar, "
            "l.birimfiyat, l.tutar, l.ind1, l.ind2, l.kdv, l.indirim_tutar, l.masraf, l.net_birim, "
            "l.net_tutar, s.ozelkod, s.barkod, m.tarih, m.turadi, m.evrakno, l.vergi_tutar, "
            "l.irsaliye_no, l.satir_aciklama, m.vade_gun, l.siparis_idno, a.carikod, m.carino, "
            "m.saticiadi, s.ureticikodu, s.dpkod, s.pkod, m.idno "
            "FROM invoice_lines l JOIN movements m ON m.idno = l.idno JOIN stock s ON s.stokno = "
            "l.stokno "
            "JOIN accounts a ON a.carino = m.carino WHERE l.idno = ? ORDER BY l.sirano"),
        {idno});
    while (q.next()) {
        const QString tarih = q.value(19).toString();
        const double when = storedDateToOle(tarih);
        auto lira = [&](int i) { return toLira(q.value(i).toLongLong()); };
        table.add({q.value(0),
                   q.value(1),
                   q.value(2),
                   q.value(3),
                   q.value(4),
                   q.value(5),
                   q.value(6),
                   q.value(7),
                   lira(8),
                   lira(9),
                   q.value(10),
                   q.value(11),
                   q.value(12),
                   lira(13),
                   lira(14),
                   lira(15),
                   lira(16),
                   q.value(17),
                   q.value(18),
                   when,
                   q.value(20),
                   q.value(21),
                   lira(22),
                   q.value(23),
                   when,
                   q.value(24),
                   tarih.mid(11, 5),
                   q.value(25),
                   q.value(26).toInt() ? q.value(26).toString() : QString(),
                   QVariant(),
                   "Toptan",
                   0.0,
                   0.0,
                   0.0,
                   0.0,
                   0.0,
                   0.0,
                   0.0,
                   0.0,
                   0.0,
                   QString(),
                   QString(),
                   QString(),
                   0.0,
                   0.0,
                   0.0,
                   0.0,
                   0.0,
                   0.0,
                   1.0,
                   QString(),
                   1,
                   q.value(27),
                   1,
                   q.value(28),
                   "TL",
                   q.value(29),
                   q.value(30),
                   q.value(31),
                   q.value(1),
                   q.value(32),
                   q.value(21),
                   q.value(33)});
    }
    return answer(table.reader());
}

wire::Response faturaAltGetir(CallContext& call) {
    const int idno = call.integer(0);
    requireDocument(call.db, idno, 0);
    QSqlQuery& q = call.db.run(
        QStringLiteral("SELECT COALESCE(SUM(tutar), 0), COALESCE(SUM(indirim_tutar), 0), "
                       "COALESCE(SUM(net_tutar), 0), COALESCE(SUM(vergi_tutar), 0) FROM "
                       "invoice_lines WHERE idno = ?"),
        {idno});
    TableBuilder table({realColumn("TOPLAM"), realColumn("TOPLAMINDIRIM"), realColumn("MATRAH"),
                        realColumn("KDVTUTAR"), realColumn("KDVDAHIL")});
    if (q.next()) {
        const Kurus net = q.value(2).toLongLong(), vat = q.value(3).toLongLong();
        table.add({toLira(q.value(0).toLongLong()), toLira(q.value(1).toLongLong()), toLira(net),
                   toLira(vat), toLira(net + vat)});
    }
    return answer(table.reader());
}

wire::Response tahsilat(CallContext& call) {
    const int idno = call.integer(0);
    requireDocument(call.db, idno, 0);
    TableBuilder table({dateColumn("Tarih"), textColumn("Türü", 30), textColumn("Cins", 30),
                        dateColumn("Vade"), realColumn("Tutar"), textColumn("Açıklama", 100),
                        textColumn("EvrakNo", 30), textColumn("Ref", 30), textColumn("Saat", 8),
                        textColumn("Kur", 5), realColumn("KurTL"), realColumn("Döviz Tutar")});
    QSqlQuery& q = call.db.run(QStringLiteral("SELECT tarih, turu, cins, vade, tutar, aciklama, "
                                              "evrakno, ref FROM collection_lines WHERE idno = ? "
                                              "ORDER BY sirano"),
                               {idno});
    while (q.next()) {
        const QString tarih = q.value(0).toString();
        table.add({storedDateToOle(tarih), q.value(1), q.value(2),
                   storedDateToOle(q.value(3).toString()), toLira(q.value(4).toLongLong()),
                   q.value(5), q.value(6), q.value(7), tarih.mid(11, 5), "TL", 1.0,
                   toLira(q.value(4).toLongLong())});
    }
    return answer(table.reader());
}

wire::Response sanalposSiranoVer(CallContext& call) {
    const QVariant v = call.db.scalar(
        QStringLiteral("SELECT sirano FROM card_payments WHERE idno = ?"), {call.integer(0)});
    return answer(wire::Value::integer(v.isValid() ? v.toInt() : 0));
}

wire::Response sAnalPosPdfVer(CallContext& call) {
    QSqlQuery& q = call.db.run(
        QStringLiteral(
            "SELECT p.sirano, p.tarih, p.kart_sahibi, p.kart_no, p.tutar, p.taksit, p.onay_kodu, "
            "a.carikod, a.cariadi, m.evrakno FROM card_payments p JOIN movements m ON m.idno = "
            "p.idno "
            "JOIN accounts a ON a.carino = m.carino WHERE p.sirano = ?"),
        {call.integer(0)});
    if (!q.next())
        return streamAnswer({});
    media::CardReceipt r;
    r.dealerName = QStringLiteral("VARLENTA OTOMOTİV YEDEK PARÇA");
    r.paymentNumber = q.value(0).toLongLong();
    r.paidAt = wire::oleDateToDateTime(storedDateToOle(q.value(1).toString()));
    r.cardHolder = q.value(2).toString();
    r.cardNumber = q.value(3).toString();
    r.amount = toLira(q.value(4).toLongLong());
    r.installments = q.value(5).toInt();
    r.authorisationCode = q.value(6).toString();
    r.accountCode = q.value(7).toString();
    r.accountName = q.value(8).toString();
    r.description = QStringLiteral("Cari hesap ödemesi, tahsilat %1").arg(q.value(9).toString());
    q.finish();
    return streamAnswer(media::renderCardReceiptPdf(r));
}

wire::Response cariDurumVer(CallContext& call) {
    const int carino = call.integer(0);
    requireAccount(call.db, carino);
    return answer(wire::Value::text(
        QString::number(toLira(accountTotals(call.db, carino).bakiye()), 'f', 2)));
}

/// Debits not covered by credits (oldest debit covered first) whose due day plus the account's
/// grace days has passed.
wire::Response cariVadeGunGecmismiBul(CallContext& call) {
    const int carino = call.integer(0);
    requireAccount(call.db, carino);
    const int grace =
        call.db
            .scalar(QStringLiteral("SELECT vadekontrolgun FROM accounts WHERE carino = ?"),
                    {carino})
            .toInt();
    QSqlQuery& q = call.db.run(QStringLiteral("SELECT tarih, vade_gun, borc, alacak FROM movements "
                                              "WHERE carino = ? ORDER BY tarih, idno"),
                               {carino});
    struct Debit {
        QDate due;
        Kurus open;
    };
    QList<Debit> debits;
    Kurus credit = 0;
    while (q.next()) {
        const QDate day = QDate::fromString(q.value(0).toString().left(10), Qt::ISODate);
        if (q.value(2).toLongLong() > 0)
            debits.append({day.addDays(q.value(1).toInt()), q.value(2).toLongLong()});
        credit += q.value(3).toLongLong();
    }
    const QDate today = QDate::currentDate();
    Kurus overdue = 0;
    QDate oldest;
    for (Debit& d : debits) {
        const Kurus used = std::min(credit, d.open);
        credit -= used;
        d.open -= used;
        if (d.open > 0 && d.due.addDays(grace) < today) {
            overdue += d.open;
            if (!oldest.isValid())
                oldest = d.due;
        }
    }
    if (overdue <= 0)
        return answer(wire::Value::text(QString()));
    return answer(wire::Value::text(
        QStringLiteral(
            "Vadesi geçmiş %1 TL bakiyeniz bulunmaktadır (en eski vade %2, %3 gün gecikme).")
            .arg(media::formatMoney(toLira(overdue)), oldest.toString(QStringLiteral("dd.MM.yyyy")))
            .arg(oldest.daysTo(today))));
}

}  // namespace

void registerAccountHandlers(MethodTable& table) {
    table.add("CariEkstreVer", cariEkstreVer);
    table.add("FaturaGetir", faturaGetir);
    table.add("FaturaAltGetir", faturaAltGetir);
    table.add("Tahsilat", tahsilat);
    table.add("SanalposSiranoVer", sanalposSiranoVer);
    table.add("SAnalPosPdfVer", sAnalPosPdfVer);
    table.add("CariDurumVer", cariDurumVer);
    table.add("CariVadeGunGecmismiBul", cariVadeGunGecmismiBul);
}

}  // namespace server
