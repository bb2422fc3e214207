// Schema, migrations and demo data on in-memory SQLite databases, without a server.
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

#include "server/demo/demo_data.h"
#include "server/storage/connection_pool.h"
#include "server/storage/schema.h"

using namespace server;

namespace {

/// A digest of what the demo wrote: every table's rows in key order.
QString contents(Session& s) {
    QString all;
    for (const char* sql :
         {"SELECT stokno, barkod, adi, marka, liste_fiyat, kamp_fiyat, depo1_durum FROM stock "
          "ORDER BY stokno",
          "SELECT carino, carikod, cariadi, ind1, ind2 FROM accounts ORDER BY carino",
          "SELECT sirano, adi, sifre, musteritipi, carino FROM users ORDER BY sirano",
          "SELECT idno, carino, tarih, durum FROM orders ORDER BY idno",
          "SELECT stokhar_no, stokno, miktar, net_tutar FROM order_lines ORDER BY stokhar_no",
          "SELECT idno, tarih, turadi, borc, alacak FROM movements ORDER BY idno"}) {
        QSqlQuery& q = s.run(QString::fromLatin1(sql));
        while (q.next())
            for (int i = 0; i < q.record().count(); ++i)
                all += q.value(i).toString() + u'|';
    }
    return all;
}

}  // namespace

class TstServerStorage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void migrationsApplyOnce() {
        ConnectionPool pool(DatabaseUrl::parse("sqlite::memory:"));
        Session& s = pool.sessionForThisThread();
        QCOMPARE(migrate(s), int(migrations().size()));
        QCOMPARE(migrate(s), 0);
        QCOMPARE(schemaVersion(s), migrations().last().version);
    }

    void demoDataIsDeterministicAndWrittenOnce() {
        DemoOptions options;
        options.stockItems = 300;
        options.today = QDate(2026, 3, 15);
        options.localComputerId = "THIS-PC";
        QString first;
        for (int run = 0; run < 2; ++run) {
            ConnectionPool pool(DatabaseUrl::parse("sqlite::memory:"));
            Session& s = pool.sessionForThisThread();
            migrate(s);
            const DemoSummary summary = fillDemoData(s, options);
            QCOMPARE(summary.stockItems, 300);
            QVERIFY(summary.orders > 0 && summary.movements > 0);
            const QString now = contents(s);
            if (run == 0)
                first = now;
            else
                QCOMPARE(now, first);
            // Every demo login is bound, with an upper-case password.
            for (const DemoLogin& l : demoLogins()) {
                const QVariant password = s.scalar(
                    "SELECT u.sifre FROM workstations w JOIN users u ON u.sirano = w.sirano "
                    "WHERE w.bilgisayarid = ? AND u.musteritipi = ?",
                    {QString::fromLatin1(l.computerId), l.role});
                QCOMPARE(password.toString(), QString::fromLatin1(l.password));
            }
            QVERIFY(s.scalar("SELECT sirano FROM workstations WHERE bilgisayarid = 'THIS-PC'")
                        .isValid());
            // A database with data is left as it is.
            QCOMPARE(fillDemoData(s, options).stockItems, 0);
            QCOMPARE(contents(s), now);
        }
    }
};

QTEST_GUILESS_MAIN(TstServerStorage)
#include "tst_server_storage.moc"
