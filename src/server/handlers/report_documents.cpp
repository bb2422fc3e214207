#include <QDate>
#include <QSqlQuery>

#include "server/dispatch/errors.h"
#include "server/dispatch/method_table.h"
#include "server/handlers/identity.h"
#include "server/handlers/shared_queries.h"
#include "server/media/report_pdf.h"
#include "server/rules/money.h"
#include "server/rules/stored_date.h"
#include "server/storage/session.h"
#include "wire/ole_date.h"

namespace server {
namespace {

const QString kDealer = QStringLiteral("VARLENTA OTOMOTİV YEDEK PARÇA");

QDate dayOf(double oleDate) {
    return wire::oleDateToDateTime(oleDate).date();
}

QString accountTitle(Session& db, int carino) {
    QSqlQuery& q =
        db.run(QStringLiteral("SELECT carikod, cariadi FROM accounts WHERE carino = ?"), {carino});
    QString title;
    if (q.next())
        title = q.value(0).toString() + u' ' + q.value(1).toString();
    q.finish();
    return title;
}

/// Report 6 for one account: its statement up to the day, with the running balance.
media::ReportDocument accountSummary(Session& db, int carino, const QDate& day) {
    media::ReportDocument r;
    r.title = QStringLiteral("Cari Özeti");
    r.subtitle = accountTitle(db, carino) +
                 QStringLiteral(" - %1 tarihine kadar").arg(day.toString("dd.MM.yyyy"));
    r.issuer = kDealer;
    r.columns = {"Tarih", "Tür", "Evrak No", "Açıklama", "Borç", "Alacak", "Bakiye"};
    r.moneyColumns = {4, 5, 6};
    QSqlQuery& q = db.run(QStringLiteral("SELECT tarih, turadi, evrakno, aciklama, borc, alacak "
                                         "FROM movements WHERE carino = ? AND tarih < ? "
                                         "ORDER BY tarih, idno"),
                          {carino, toStoredDay(day.addDays(1))});
    Kurus borc = 0, alacak = 0;
    while (q.next()) {
        borc += q.value(4).toLongLong();
        alacak += q.value(5).toLongLong();
        r.rows.append({QDate::fromString(q.value(0).toString().left(10), Qt::ISODate), q.value(1),
                       q.value(2), q.value(3), toLira(q.value(4).toLongLong()),
                       toLira(q.value(5).toLongLong()), toLira(borc - alacak)});
    }
    r.totals = {"Toplam",     QVariant(),     QVariant(),           balanceWord(borc - alacak),
                toLira(borc), toLira(alacak), toLira(borc - alacak)};
    return r;
}

/// Report 6 without an account: every account's open balance on the day, for one
/// representative (by the user's name or the representative's name) or for all (".").
media::ReportDocument receivables(Session& db, const QString& representative, const QDate& day) {
    int saticino = 0;
    if (representative.trimmed() != u"." && !representative.trimmed().isEmpty()) {
        QVariant v =
            db.scalar(QStringLiteral("SELECT saticino FROM users WHERE adi = ?"), {representative});
        if (!v.isValid() || v.isNull())
            v = db.scalar(QStringLiteral("SELECT saticino FROM representatives WHERE adi = ?"),
                          {representative});
        saticino = v.isValid() ? v.toInt() : -1;
    }
    media::ReportDocument r;
    r.title = QStringLiteral("Cari Toplu Alacak Vadeleri");
    r.subtitle =
        QStringLiteral("%1 tarihi itibarıyla").arg(day.toString("dd.MM.yyyy")) +
        (saticino != 0 ? QStringLiteral(" - temsilci: %1").arg(representative) : QString());
    r.issuer = kDealer;
    r.columns = {"Cari Kod", "Cari Adı", "Temsilci", "Vade (Gün)", "Son Hareket", "Bakiye"};
    r.moneyColumns = {5};
    QSqlQuery& q =
        db.run(QStringLiteral(
                   "SELECT a.carikod, a.cariadi, COALESCE(rp.adi, ''), a.vade, MAX(m.tarih), "
                   "SUM(m.borc - m.alacak) FROM accounts a JOIN movements m ON m.carino = a.carino "
                   "LEFT JOIN representatives rp ON rp.saticino = a.saticino "
                   "WHERE m.tarih < ? AND (? = 0 OR a.saticino = ?) "
                   "GROUP BY a.carino, a.carikod, a.cariadi, rp.adi, a.vade "
                   "HAVING SUM(m.borc - m.alacak) > 0 ORDER BY a.carikod"),
               {toStoredDay(day.addDays(1)), saticino, saticino});
    Kurus total = 0;
    while (q.next()) {
        total += q.value(5).toLongLong();
        r.rows.append({q.value(0), q.value(1), q.value(2), q.value(3),
                       QDate::fromString(q.value(4).toString().left(10), Qt::ISODate),
                       toLira(q.value(5).toLongLong())});
    }
    r.totals = {"Toplam", QVariant(), QVariant(), QVariant(), QVariant(), toLira(total)};
    return r;
}

/// Report 7: the account's purchases and sales in the period by kind of movement.
media::ReportDocument salesTable(Session& db, int carino, const QString& representative,
                                 const QDate& from, const QDate& to) {
    media::ReportDocument r;
    r.title = QStringLiteral("Cari Alış Satış Tablosu (Satıcılı)");
    r.subtitle =
        accountTitle(db, carino) +
        QStringLiteral(" - %1 / %2").arg(from.toString("dd.MM.yyyy"), to.toString("dd.MM.yyyy")) +
        (representative.isEmpty() ? QString()
                                  : QStringLiteral(" - temsilci: %1").arg(representative));
    r.issuer = kDealer;
    r.landscape = true;
    r.columns = {"Tarih", "Tür", "Evrak No", "Temsilci", "Açıklama", "Borç", "Alacak"};
    r.moneyColumns = {5, 6};
    QSqlQuery& q =
        db.run(QStringLiteral("SELECT tarih, turadi, evrakno, saticiadi, aciklama, borc, alacak "
                              "FROM movements WHERE carino = ? AND tarih >= ? AND tarih < ? "
                              "ORDER BY tarih, idno"),
               {carino, toStoredDay(from), toStoredDay(to.addDays(1))});
    Kurus borc = 0, alacak = 0;
    while (q.next()) {
        borc += q.value(5).toLongLong();
        alacak += q.value(6).toLongLong();
        r.rows.append({QDate::fromString(q.value(0).toString().left(10), Qt::ISODate), q.value(1),
                       q.value(2), q.value(3), q.value(4), toLira(q.value(5).toLongLong()),
                       toLira(q.value(6).toLongLong())});
    }
    r.totals = {"Toplam",   QVariant(),   QVariant(),    QVariant(),
                QVariant(), toLira(borc), toLira(alacak)};
    return r;
}

}  // namespace

wire::Response raporGetir(CallContext& call) {
    const int raporno = call.integer(0), bolum = call.integer(1), carino = call.integer(3);
    const QString representative = call.text(4);
    checkLength(representative, 50, "Temsilci adı");
    if (raporno != bolum)
        throwInvalid(QStringLiteral("Rapor numarası (%1) ile bölüm (%2) aynı olmalı.")
                         .arg(raporno)
                         .arg(bolum));
    const QDate from = dayOf(call.real(5)), to = dayOf(call.real(6));
    if (carino != 0)
        requireAccount(call.db, carino);
    media::ReportDocument doc;
    if (raporno == 6 && carino != 0)
        doc = accountSummary(call.db, carino, from);
    else if (raporno == 6)
        doc = receivables(call.db, representative, from);
    else if (raporno == 7 && carino != 0)
        doc = salesTable(call.db, carino, representative, from, to);
    else
        throwInvalid(QStringLiteral("Rapor %1 tanımlı değil (cari %2).").arg(raporno).arg(carino));
    doc.printedAt = QDateTime::currentDateTime();
    return streamAnswer(media::renderReportPdf(doc));
}

}  // namespace server
