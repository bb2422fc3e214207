#include "server/handlers/identity.h"

#include "server/dispatch/errors.h"
#include "server/storage/row_cursor.h"
#include "server/storage/session.h"
#include "wire/records/sonuc_bilgisi.h"

namespace server {

Caller authenticate(Session& db, const TSonucBilgisi& record) {
    RowCursor& user =
        db.select(QStringLiteral("SELECT adi, sifre, musteritipi, COALESCE(carino, 0), "
                                 "COALESCE(saticino, 0), aktif FROM users WHERE sirano = ?"),
                  {record.Sirano()});
    if (!user.next() || QString::fromUtf8(user.utf8(0)) != record.ADI() ||
        QString::fromUtf8(user.utf8(1)) != record.SIFRE())
        throwDenied(QStringLiteral("Oturum bilgisi geçersiz: kullanıcı adı veya şifre tutmuyor."));
    if (user.integer(5) != 1)
        throwDenied(QStringLiteral("Kullanıcı aktif değil."));
    Caller c;
    c.sirano = record.Sirano();
    c.name = QString::fromUtf8(user.utf8(0));
    c.role = int(user.integer(2));
    c.carino = int(user.integer(3));
    c.saticino = int(user.integer(4));
    user.finish();
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
