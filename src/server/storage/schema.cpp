#include "server/storage/schema.h"

#include <QDateTime>

#include "server/rules/stored_date.h"
#include "server/storage/session.h"
#include "server/storage/sql_driver.h"

namespace server {
namespace {

// Money is kept in kuruş (BIGINT), so every sum is exact to the cent; rates and quantities are
// DOUBLE PRECISION; dates are ISO 8601 text ("2026-12-11T14:05:00"), which sorts as it reads on
// both backends.
QStringList baseSchema(const SqlDriver& d) {
    const QString key = d.generatedKey();
    return {
        "CREATE TABLE settings (name TEXT PRIMARY KEY, value TEXT NOT NULL)",
        "CREATE TABLE representatives (saticino " + key +
            ", adi TEXT NOT NULL, telefon TEXT NOT NULL DEFAULT '', email TEXT NOT NULL DEFAULT "
            "'')",
        "CREATE TABLE accounts (carino " + key +
            ", carikod TEXT NOT NULL UNIQUE, cariadi TEXT NOT NULL,"
            " saticino INTEGER REFERENCES representatives(saticino),"
            " ozelkod TEXT NOT NULL DEFAULT '', anagrup TEXT NOT NULL DEFAULT '',"
            " altgrup TEXT NOT NULL DEFAULT '', kod1 TEXT NOT NULL DEFAULT '',"
            " kod2 TEXT NOT NULL DEFAULT '', kod3 TEXT NOT NULL DEFAULT '',"
            " kod4 TEXT NOT NULL DEFAULT '', kod5 TEXT NOT NULL DEFAULT '',"
            " adres1 TEXT NOT NULL DEFAULT '', adres2 TEXT NOT NULL DEFAULT '',"
            " ilce TEXT NOT NULL DEFAULT '', il TEXT NOT NULL DEFAULT '',"
            " ulke TEXT NOT NULL DEFAULT 'TÜRKİYE', tel1 TEXT NOT NULL DEFAULT '',"
            " tel2 TEXT NOT NULL DEFAULT '', gsm TEXT NOT NULL DEFAULT '',"
            " fax1 TEXT NOT NULL DEFAULT '', fax2 TEXT NOT NULL DEFAULT '',"
            " email TEXT NOT NULL DEFAULT '', yetkili TEXT NOT NULL DEFAULT '',"
            " vergidairesi TEXT NOT NULL DEFAULT '', vergino TEXT NOT NULL DEFAULT '',"
            " ind1 DOUBLE PRECISION NOT NULL DEFAULT 0, ind2 DOUBLE PRECISION NOT NULL DEFAULT 0,"
            " ind3 DOUBLE PRECISION NOT NULL DEFAULT 0, ind4 DOUBLE PRECISION NOT NULL DEFAULT 0,"
            " vade INTEGER NOT NULL DEFAULT 30, vadekontrolgun INTEGER NOT NULL DEFAULT 15,"
            " vadekontrolay INTEGER NOT NULL DEFAULT 0)",
        "CREATE INDEX accounts_satici ON accounts(saticino)",
        "CREATE TABLE users (sirano " + key +
            ", adi TEXT NOT NULL UNIQUE, sifre TEXT NOT NULL,"
            " musteritipi INTEGER NOT NULL CHECK (musteritipi BETWEEN 1 AND 4),"
            " carino INTEGER REFERENCES accounts(carino),"
            " saticino INTEGER REFERENCES representatives(saticino),"
            " aktif INTEGER NOT NULL DEFAULT 1, email TEXT NOT NULL DEFAULT '',"
            " gorunen_ad TEXT NOT NULL DEFAULT '')",
        "CREATE TABLE workstations (bilgisayarid TEXT PRIMARY KEY,"
        " sirano INTEGER NOT NULL REFERENCES users(sirano), eklenme TEXT NOT NULL)",
        "CREATE TABLE stock (stokno " + key +
            ", barkod TEXT NOT NULL, barkodno INTEGER NOT NULL DEFAULT 0,"
            " adi TEXT NOT NULL, digeradi TEXT NOT NULL DEFAULT '', marka TEXT NOT NULL DEFAULT '',"
            " model TEXT NOT NULL DEFAULT '', finishkod TEXT NOT NULL DEFAULT '',"
            " ureticikodu TEXT NOT NULL DEFAULT '', oem1 TEXT NOT NULL DEFAULT '',"
            " oem2 TEXT NOT NULL DEFAULT '', oem3 TEXT NOT NULL DEFAULT '',"
            " oem4 TEXT NOT NULL DEFAULT '', oemno TEXT NOT NULL DEFAULT '',"
            " dpkod TEXT NOT NULL DEFAULT '', pkod TEXT NOT NULL DEFAULT '',"
            " anagrup TEXT NOT NULL DEFAULT '', altgrup TEXT NOT NULL DEFAULT '',"
            " departman TEXT NOT NULL DEFAULT '', ozelkod TEXT NOT NULL DEFAULT '',"
            " birim TEXT NOT NULL DEFAULT 'ADET', kdv DOUBLE PRECISION NOT NULL DEFAULT 20,"
            " liste_fiyat BIGINT NOT NULL, kamp_fiyat BIGINT NOT NULL DEFAULT 0,"
            " yeni INTEGER NOT NULL DEFAULT 0, resim INTEGER NOT NULL DEFAULT 0,"
            " depo1_adet DOUBLE PRECISION NOT NULL DEFAULT 0,"
            " depo2_adet DOUBLE PRECISION NOT NULL DEFAULT 0,"
            " depo1_durum INTEGER NOT NULL DEFAULT 0, depo2_durum INTEGER NOT NULL DEFAULT 0,"
            " alinansiparis DOUBLE PRECISION NOT NULL DEFAULT 0,"
            " verilensiparis DOUBLE PRECISION NOT NULL DEFAULT 0,"
            " search_text TEXT NOT NULL)",
        "CREATE INDEX stock_new ON stock(yeni)",
        "CREATE INDEX stock_campaign ON stock(kamp_fiyat)",
        "CREATE TABLE delivery_kinds (id " + key + ", adi TEXT NOT NULL)",
        "CREATE TABLE cargo_kinds (id " + key + ", adi TEXT NOT NULL)",
        "CREATE TABLE cargo_firms (sirano " + key +
            ", kargo_tur INTEGER NOT NULL REFERENCES cargo_kinds(id), adi TEXT NOT NULL,"
            " uyari TEXT NOT NULL DEFAULT '')",
        "CREATE TABLE basket (sirano " + key +
            ", carino INTEGER NOT NULL REFERENCES accounts(carino),"
            " stokno INTEGER NOT NULL REFERENCES stock(stokno),"
            " miktar DOUBLE PRECISION NOT NULL CHECK (miktar > 0), birimfiyat BIGINT NOT NULL,"
            " kdv DOUBLE PRECISION NOT NULL, ind1 DOUBLE PRECISION NOT NULL DEFAULT 0,"
            " ind2 DOUBLE PRECISION NOT NULL DEFAULT 0, ind3 DOUBLE PRECISION NOT NULL DEFAULT 0,"
            " ind4 DOUBLE PRECISION NOT NULL DEFAULT 0, kampanya INTEGER NOT NULL DEFAULT 0,"
            " tutar BIGINT NOT NULL, indirim_tutar BIGINT NOT NULL, net_birim BIGINT NOT NULL,"
            " net_tutar BIGINT NOT NULL, vergi_tutar BIGINT NOT NULL,"
            " sec INTEGER NOT NULL DEFAULT 1, verenid INTEGER NOT NULL, tarih TEXT NOT NULL,"
            " UNIQUE (carino, stokno))",
        "CREATE TABLE orders (idno " + key +
            ", carino INTEGER NOT NULL REFERENCES accounts(carino), tarih TEXT NOT NULL,"
            " verenid INTEGER NOT NULL, teslim_id INTEGER NOT NULL, kargo_tur INTEGER NOT NULL,"
            " kargo_firma INTEGER NOT NULL, musteri_notu TEXT NOT NULL DEFAULT '',"
            " bizim_notu TEXT NOT NULL DEFAULT '', satici_notu TEXT NOT NULL DEFAULT '',"
            " durum INTEGER NOT NULL DEFAULT 1)",
        "CREATE INDEX orders_account ON orders(carino, tarih)",
        "CREATE INDEX orders_state ON orders(durum)",
        "CREATE TABLE order_lines (stokhar_no " + key +
            ", idno INTEGER NOT NULL REFERENCES orders(idno),"
            " sepet_sirano INTEGER NOT NULL, stokno INTEGER NOT NULL REFERENCES stock(stokno),"
            " miktar DOUBLE PRECISION NOT NULL, birimfiyat BIGINT NOT NULL,"
            " ilkfiyat BIGINT NOT NULL, kdv DOUBLE PRECISION NOT NULL,"
            " ind1 DOUBLE PRECISION NOT NULL DEFAULT 0, ind2 DOUBLE PRECISION NOT NULL DEFAULT 0,"
            " ind3 DOUBLE PRECISION NOT NULL DEFAULT 0, ind4 DOUBLE PRECISION NOT NULL DEFAULT 0,"
            " kampanya INTEGER NOT NULL DEFAULT 0, tutar BIGINT NOT NULL,"
            " indirim_tutar BIGINT NOT NULL, net_birim BIGINT NOT NULL, net_tutar BIGINT NOT NULL,"
            " vergi_tutar BIGINT NOT NULL, teslimedilen DOUBLE PRECISION NOT NULL DEFAULT 0,"
            " iptal DOUBLE PRECISION NOT NULL DEFAULT 0, verenid INTEGER NOT NULL)",
        "CREATE INDEX order_lines_order ON order_lines(idno)",
        "CREATE INDEX order_lines_stock ON order_lines(stokno)",
        "CREATE TABLE movements (idno " + key +
            ", carino INTEGER NOT NULL REFERENCES accounts(carino), tarih TEXT NOT NULL,"
            " turadi TEXT NOT NULL, evrakno TEXT NOT NULL, borc BIGINT NOT NULL DEFAULT 0,"
            " alacak BIGINT NOT NULL DEFAULT 0, kur TEXT NOT NULL DEFAULT 'TL',"
            " aciklama TEXT NOT NULL DEFAULT '', vade_gun INTEGER NOT NULL DEFAULT 0,"
            " saticiadi TEXT NOT NULL DEFAULT '', belge_turu INTEGER NOT NULL)",
        "CREATE INDEX movements_account ON movements(carino, tarih)",
        "CREATE TABLE invoice_lines (sirano " + key +
            ", idno INTEGER NOT NULL REFERENCES movements(idno),"
            " stokno INTEGER NOT NULL REFERENCES stock(stokno), miktar DOUBLE PRECISION NOT NULL,"
            " birimfiyat BIGINT NOT NULL, ind1 DOUBLE PRECISION NOT NULL DEFAULT 0,"
            " ind2 DOUBLE PRECISION NOT NULL DEFAULT 0, kdv DOUBLE PRECISION NOT NULL,"
            " tutar BIGINT NOT NULL, indirim_tutar BIGINT NOT NULL, masraf BIGINT NOT NULL DEFAULT "
            "0,"
            " net_birim BIGINT NOT NULL, net_tutar BIGINT NOT NULL, vergi_tutar BIGINT NOT NULL,"
            " siparis_idno INTEGER NOT NULL DEFAULT 0, irsaliye_no TEXT NOT NULL DEFAULT '',"
            " satir_aciklama TEXT NOT NULL DEFAULT '')",
        "CREATE INDEX invoice_lines_doc ON invoice_lines(idno)",
        "CREATE TABLE collection_lines (sirano " + key +
            ", idno INTEGER NOT NULL REFERENCES movements(idno), tarih TEXT NOT NULL,"
            " turu TEXT NOT NULL, cins TEXT NOT NULL, vade TEXT NOT NULL, tutar BIGINT NOT NULL,"
            " aciklama TEXT NOT NULL DEFAULT '', evrakno TEXT NOT NULL DEFAULT '',"
            " ref TEXT NOT NULL DEFAULT '')",
        "CREATE INDEX collection_lines_doc ON collection_lines(idno)",
        "CREATE TABLE card_payments (sirano " + key +
            ", idno INTEGER NOT NULL UNIQUE REFERENCES movements(idno), tarih TEXT NOT NULL,"
            " kart_sahibi TEXT NOT NULL, kart_no TEXT NOT NULL, tutar BIGINT NOT NULL,"
            " taksit INTEGER NOT NULL DEFAULT 1, onay_kodu TEXT NOT NULL)",
        "CREATE TABLE screens (sirano " + key +
            ", tur TEXT NOT NULL, sira INTEGER NOT NULL, baslik TEXT NOT NULL,"
            " arama TEXT NOT NULL DEFAULT '', resim INTEGER NOT NULL DEFAULT 1)",
        "CREATE TABLE outbox (sirano " + key +
            ", tarih TEXT NOT NULL, yontem TEXT NOT NULL, idsi TEXT NOT NULL,"
            " baslik TEXT NOT NULL, konu TEXT NOT NULL DEFAULT '', alanlar TEXT NOT NULL)",
    };
}

const QString kVersionTable = QStringLiteral(
    "CREATE TABLE schema_version (version INTEGER PRIMARY KEY, "
    "description TEXT NOT NULL, applied TEXT NOT NULL)");

}  // namespace

const QList<Migration>& migrations() {
    static const QList<Migration> list = {
        {1, QStringLiteral("base schema"), baseSchema},
        {2, QStringLiteral("stock search index"),
         [](const SqlDriver& d) { return d.searchIndexDdl(); }},
    };
    return list;
}

int schemaVersion(Session& session) {
    if (!session.database().tables().contains(QStringLiteral("schema_version")))
        session.execute(kVersionTable);
    const QVariant v = session.scalar(QStringLiteral("SELECT MAX(version) FROM schema_version"));
    return v.isNull() ? 0 : v.toInt();
}

int migrate(Session& session) {
    int applied = 0;
    const int current = schemaVersion(session);
    for (const Migration& m : migrations()) {
        if (m.version <= current)
            continue;
        WriteTransaction tx(session);
        for (const QString& sql : m.statements(session.driver()))
            session.execute(sql);
        session.run(QStringLiteral("INSERT INTO schema_version (version, description, applied) "
                                   "VALUES (?, ?, ?)"),
                    {m.version, m.description, toStoredDate(QDateTime::currentDateTime())});
        tx.commit();
        ++applied;
    }
    return applied;
}

}  // namespace server
