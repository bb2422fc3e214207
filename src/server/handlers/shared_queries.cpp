#include "server/handlers/shared_queries.h"

#include <QSqlQuery>

#include "server/storage/row_cursor.h"
#include "server/storage/session.h"

namespace server {

AccountTotals accountTotals(Session& db, int carino) {
    QSqlQuery& q = db.run(QStringLiteral("SELECT COALESCE(SUM(borc), 0), COALESCE(SUM(alacak), 0) "
                                         "FROM movements WHERE carino = ?"),
                          {carino});
    AccountTotals t;
    if (q.next()) {
        t.borc = q.value(0).toLongLong();
        t.alacak = q.value(1).toLongLong();
    }
    q.finish();
    return t;
}

QString balanceWord(Kurus bakiye) {
    if (bakiye > 0)
        return QStringLiteral("Borçlu");
    if (bakiye < 0)
        return QStringLiteral("Alacaklı");
    return {};
}

DiscountChain accountChain(Session& db, int carino) {
    RowCursor& row = db.select(
        QStringLiteral("SELECT ind1, ind2, ind3, ind4 FROM accounts WHERE carino = ?"), {carino});
    DiscountChain chain;
    if (row.next())
        chain = {row.real(0), row.real(1), row.real(2), row.real(3)};
    row.finish();
    return chain;
}

QString setting(Session& db, const QString& name, const QString& fallback) {
    const QVariant v =
        db.scalar(QStringLiteral("SELECT value FROM settings WHERE name = ?"), {name});
    return v.isValid() ? v.toString() : fallback;
}

}  // namespace server
