#include "server/handlers/identity.h"

#include <QSqlQuery>

#include "server/dispatch/errors.h"
#include "server/storage/session.h"
#include "wire/records/sonuc_bilgisi.h"

namespace server {

Caller authenticate(Session& db, const TSonucBilgisi& record) {
    QSqlQuery& q =
        db.run(QStringLiteral("SELECT adi, sifre, musteritipi, COALESCE(carino, 0), "
                              "COALESCE(saticino, 0), aktif FROM users WHERE sirano = ?"),
               {record.Sirano()});
    if (!q.next() || q.value(0).toString() != record.ADI() ||
        q.value(1).toString() != record.SIFRE())
        throwDenied(QStringLiteral("Oturum bilgisi geçersiz: kullanıcı adı veya şifre tutmuyor."));
    if (q.value(5).toInt() != 1)
        throwDenied(QStringLiteral("Kullanıcı aktif değil."));
    Caller c;
    c.sirano = record.Sirano();
    c.name = q.value(0).toString();
    c.role = q.value(2).toInt();
    c.carino = q.value(3).toInt();
    c.saticino = q.value(4).toInt();
    q.finish();
    if (c.isStaff()) {
        c.carino = record.CARINO();
        if (c.carino > 0)
            requireAccount(db, c.carino);
    } else if (record.CARINO() != c.carino) {
        throwDenied(QStringLiteral("Bu kullanıcı yalnız kendi cari hesabı için işlem yapabilir."));
    }
    return c;
}

void requireSameAccount(const Caller& caller, int carino) {
    if (carino != caller.carino)
        throwDenied(QStringLiteral("Cari numarası (%1) oturumun cari hesabı (%2) ile aynı değil.")
                        .arg(carino)
                        .arg(caller.carino));
}

void requireAccount(Session& db, int carino) {
    if (!db.scalar(QStringLiteral("SELECT carino FROM accounts WHERE carino = ?"), {carino})
             .isValid())
        throwNotFound(QStringLiteral("Cari hesap bulunamadı: %1").arg(carino));
}

}  // namespace server
