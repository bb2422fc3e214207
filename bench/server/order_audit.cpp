#include "order_audit.h"

#include <QHash>
#include <QMultiHash>
#include <QSet>
#include <cmath>

namespace {

void note(AuditResult& audit, int& counter, const QString& problem) {
    ++counter;
    if (audit.problems.size() < 10)
        audit.problems << problem;
}

/// The lines of one order against the basket lines it was made from, and its totals against
/// the sums of its lines.
void checkOrder(AuditResult& audit, const SentOrder& sent, const wire::ClientTable& order, int row,
                const wire::ClientTable& lines) {
    const int indirim = columnOf(lines, "INDIRIMTUTAR"), kdv = columnOf(lines, "KDV");
    const QList<ExpectedLine> read = linesOf(lines);
    qint64 sumTutar = 0, sumNet = 0, sumVergi = 0;
    QHash<int, ExpectedLine> got;
    bool linesAgree = read.size() == sent.lines.size();
    for (int r = 0; r < read.size(); ++r) {
        const ExpectedLine& l = read[r];
        got.insert(l.basketLine, l);
        sumTutar += l.tutar;
        sumNet += l.netTutar;
        sumVergi += l.vergiTutari;
        // The line's own amounts: quantity × unit price less the discount is the net amount,
        // and the VAT is the net amount at the line's rate (each rounded to the kuruş).
        const double vat = double(l.netTutar) * lines.numberAt(r, kdv) / 100.0;
        if (l.tutar - l.netTutar != kurus(lines.numberAt(r, indirim)) ||
            std::llabs(l.tutar - std::llround(l.miktar * double(l.birimFiyat))) > 1 ||
            std::llabs(l.vergiTutari - std::llround(vat)) > 1)
            linesAgree = false;
    }
    for (const ExpectedLine& e : sent.lines) {
        const ExpectedLine g = got.value(e.basketLine);
        if (g.stokno != e.stokno || g.miktar != e.miktar || g.birimFiyat != e.birimFiyat ||
            g.tutar != e.tutar || g.netTutar != e.netTutar || g.vergiTutari != e.vergiTutari)
            linesAgree = false;
    }
    if (!linesAgree)
        note(audit, audit.wrongLines,
             QStringLiteral("\"%1\": its lines differ from the basket it was made from")
                 .arg(sent.note));
    const qint64 orderTutar = kurus(order.numberAt(row, columnOf(order, "TUTAR")));
    const qint64 orderNet = kurus(order.numberAt(row, columnOf(order, "NETTUTAR")));
    const qint64 orderVergi = kurus(order.numberAt(row, columnOf(order, "VERGI")));
    const bool totalsAgree = orderTutar == sumTutar && orderNet == sumNet && orderVergi == sumVergi;
    if (!totalsAgree)
        note(audit, audit.badTotals,
             QStringLiteral("\"%1\": totals %2/%3/%4 kuruş, lines add up to %5/%6/%7")
                 .arg(sent.note)
                 .arg(orderTutar)
                 .arg(orderNet)
                 .arg(orderVergi)
                 .arg(sumTutar)
                 .arg(sumNet)
                 .arg(sumVergi));
    if (linesAgree && totalsAgree)
        ++audit.found;
}

}  // namespace

AuditResult auditOrders(const ServerPlace& server, const QString& noteTag,
                        const QList<SentOrder>& sent, const QList<KeptLine>& kept) {
    AuditResult audit;
    QMultiHash<int, const SentOrder*> byAccount;
    QSet<int> accounts;
    for (const SentOrder& s : sent) {
        byAccount.insert(s.carino, &s);
        accounts.insert(s.carino);
    }
    QSet<int> orderedLines;
    for (const SentOrder& s : sent)
        for (const ExpectedLine& l : s.lines)
            orderedLines.insert(l.basketLine);
    for (const KeptLine& k : kept)
        accounts.insert(k.carino);

    for (int carino : accounts) {
        Operation op(server);
        const wire::ClientTable& orders = op.proxy->OncekiSiparisler(carino)->rows();
        const int idno = columnOf(orders, "IDNO"), noteCol = columnOf(orders, "VERENINNOTU");
        QMultiHash<QString, int> rowsByNote;
        for (int r = 0; r < orders.rowCount(); ++r) {
            const QString text = orders.textAt(r, noteCol);
            if (text.startsWith(noteTag))
                rowsByNote.insert(text, r);
        }
        QSet<QString> expected;
        for (const SentOrder* s : byAccount.values(carino)) {
            expected.insert(s->note);
            const QList<int> rows = rowsByNote.values(s->note);
            if (rows.isEmpty()) {
                note(audit, audit.lost, QStringLiteral("\"%1\" is not listed").arg(s->note));
                continue;
            }
            if (rows.size() > 1)
                note(audit, audit.duplicated,
                     QStringLiteral("\"%1\" is listed %2 times").arg(s->note).arg(rows.size()));
            Operation details(server);
            const wire::ClientTable& lines =
                details.proxy->SiparisAyrintisi2(carino, orders.integerAt(rows[0], idno))->rows();
            checkOrder(audit, *s, orders, rows[0], lines);
        }
        for (auto it = rowsByNote.cbegin(); it != rowsByNote.cend(); ++it)
            if (!expected.contains(it.key()))
                note(audit, audit.unexpected,
                     QStringLiteral("order %1 \"%2\" was never sent")
                         .arg(orders.integerAt(it.value(), idno))
                         .arg(it.key()));

        Operation basketOp(server);
        const wire::ClientTable& basket = *basketOp.proxy->SepetVer2(carino);
        const int sirano = columnOf(basket, "SIRANO"), sec = columnOf(basket, "SEC");
        QHash<int, int> marks;
        for (int r = 0; r < basket.rowCount(); ++r)
            marks.insert(basket.integerAt(r, sirano), basket.integerAt(r, sec));
        for (const KeptLine& k : kept)
            if (k.carino == carino && marks.value(k.basketLine, -1) != 0)
                note(audit, audit.basketFaults,
                     QStringLiteral("unmarked line %1 of account %2 left the basket or got marked")
                         .arg(k.basketLine)
                         .arg(carino));
        for (auto it = marks.cbegin(); it != marks.cend(); ++it)
            if (orderedLines.contains(it.key()))
                note(audit, audit.basketFaults,
                     QStringLiteral("ordered line %1 of account %2 is still in the basket")
                         .arg(it.key())
                         .arg(carino));
    }
    return audit;
}
