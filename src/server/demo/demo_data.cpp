#include "server/demo/demo_data.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <algorithm>
#include <cmath>

#include "server/demo/demo_words.h"
#include "server/rules/money.h"
#include "server/rules/search_text.h"
#include "server/rules/states.h"
#include "server/rules/stored_date.h"
#include "server/storage/batch_insert.h"
#include "server/storage/session.h"

namespace server {

using demo::DemoRandom;

const QList<DemoLogin>& demoLogins() {
    static const QList<DemoLogin> logins = {
        {"DEMO-1", "TEMSILCI", "TEMSILCI1", 1},
        {"DEMO-2", "MUDUR", "MUDUR2", 2},
        {"DEMO-3", "MUSTERI", "MUSTERI3", 3},
        {"DEMO-4", "BAYI", "BAYI4", 4},
    };
    return logins;
}

namespace {

struct StockItem {
    int stokno;
    QString barkod;
    QString adi;
    QString marka;
    QString model;
    QString finishkod;
    QString oemno;
    Kurus price;  // the price a line gets: campaign price when on campaign
    double kdv;
    int kampanya;
};

struct Account {
    int carino;
    QString carikod;
    QString cariadi;
    int saticino;
    DiscountChain chain;
    int vade;
};

QString code(DemoRandom& rnd, int style) {
    auto digits = [&](int n) {
        QString s;
        for (int i = 0; i < n; ++i)
            s += QChar(u'0' + rnd.between(0, 9));
        return s;
    };
    switch (style % 5) {
        case 0:
            return digits(4) + u' ' + digits(3) + u' ' + digits(3);
        case 1:
            return digits(2) + u'-' + digits(4) + u'-' + digits(2);
        case 2:
            return QChar(u'A' + rnd.between(0, 25)) + QStringLiteral(".") + digits(3) + u'.' +
                   digits(3) + u'.' + digits(2);
        case 3:
            return QStringLiteral("VT") + digits(6);
        default:
            return digits(3) + u' ' + digits(3) + u' ' + digits(3) + u' ' +
                   QChar(u'A' + rnd.between(0, 25));
    }
}

QString isoDaysBack(const QDate& today, int days, int minuteOfDay) {
    return toStoredDate(QDateTime(today.addDays(-days), QTime(0, 0).addSecs(minuteOfDay * 60)));
}

class DemoBuilder {
public:
    DemoBuilder(Session& s, const DemoOptions& o) : s_(s), o_(o), rnd_(0x5641524c454e5441ULL) {}

    DemoSummary build() {
        settings();
        representatives();
        accounts();
        users();
        stock();
        deliveryAndCargo();
        baskets();
        orders();
        statements();
        screens();
        for (const char* t :
             {"representatives:saticino", "accounts:carino", "users:sirano", "stock:stokno",
              "delivery_kinds:id", "cargo_kinds:id", "cargo_firms:sirano", "basket:sirano",
              "orders:idno", "order_lines:stokhar_no", "movements:idno", "invoice_lines:sirano",
              "collection_lines:sirano", "card_payments:sirano", "screens:sirano"}) {
            const QStringList tc = QString::fromLatin1(t).split(u':');
            for (const QString& sql : s_.driver().resetKeySequence(tc[0], tc[1]))
                s_.execute(sql);
        }
        return summary_;
    }

private:
    void settings() {
        BatchInsert b(s_, "settings", {"name", "value"});
        b.add({"version", "4"});
        b.add({"kayan_yazi",
               "<b>Varlenta B2B</b> &nbsp; Kış kampanyası başladı: seçili fren ve filtre "
               "ürünlerinde <font color=\"#d00000\">%20'ye varan indirim</font> &nbsp;|&nbsp; "
               "Siparişleriniz hafta içi 16:00'ya kadar aynı gün kargoda &nbsp;|&nbsp; "
               "Yeni ürünler için Yeni Stoklar sekmesine göz atın"});
        b.add({"banner_ust", "1"});
        b.add({"banner_alt", "1"});
        b.finish();
    }

    void representatives() {
        BatchInsert b(s_, "representatives", {"saticino", "adi", "telefon", "email"});
        const QStringList names = {"Ahmet Yılmaz", "Mehmet Kaya",   "Ayşe Demir",
                                   "Fatma Çelik",  "Mustafa Şahin", "Zeynep Aydın"};
        for (int i = 0; i < names.size(); ++i)
            b.add({i + 1, names[i],
                   QStringLiteral("0532 41%1 %2 %3").arg(i).arg(10 + i * 7).arg(30 + i),
                   QStringLiteral("temsilci%1@varlenta.example").arg(i + 1)});
        b.finish();
        repCount_ = int(names.size());
    }

    void accounts() {
        const int count = std::clamp(o_.stockItems / 250, 12, 2000);
        BatchInsert b(s_, "accounts",
                      {"carino",       "carikod",       "cariadi", "saticino", "ozelkod", "anagrup",
                       "altgrup",      "kod1",          "adres1",  "adres2",   "ilce",    "il",
                       "tel1",         "tel2",          "gsm",     "fax1",     "email",   "yetkili",
                       "vergidairesi", "vergino",       "ind1",    "ind2",     "ind3",    "ind4",
                       "vade",         "vadekontrolgun"});
        const double ind1s[] = {0, 5, 10, 15, 20, 25, 30};
        const double ind2s[] = {0, 0, 5, 10};
        const double ind3s[] = {0, 0, 0, 2.5};
        for (int i = 1; i <= count; ++i) {
            Account a;
            a.carino = i;
            a.carikod = QStringLiteral("120.01.%1").arg(i, 4, 10, QChar(u'0'));
            const QString person =
                rnd_.pick(demo::firstNames()) + u' ' + rnd_.pick(demo::surnames());
            a.cariadi = rnd_.pick(demo::surnames()) + u' ' + rnd_.pick(demo::firmSuffixes());
            if (i == 1)
                a.cariadi = QStringLiteral("Yılmaz Oto Yedek Parça Ltd. Şti.");
            if (i == 2)
                a.cariadi = QStringLiteral("Kaya Otomotiv San. ve Tic. A.Ş.");
            a.saticino = (i - 1) % repCount_ + 1;
            a.chain = {ind1s[rnd_.between(0, 6)], ind2s[rnd_.between(0, 3)],
                       ind3s[rnd_.between(0, 3)], 0};
            if (i == 1)
                a.chain = {20, 10, 0, 0};
            a.vade = rnd_.pick(QList<int>{30, 45, 60, 90});
            // The first demo customer pays slowly, so its basket shows the overdue warning.
            if (i == 1)
                a.vade = 30;
            const demo::Place& p = rnd_.pick(demo::places());
            const QString phone = QStringLiteral("%1 %2 %3 %4")
                                      .arg(QString::fromLatin1(p.phoneArea))
                                      .arg(rnd_.between(200, 499))
                                      .arg(rnd_.between(10, 99))
                                      .arg(rnd_.between(10, 99));
            b.add(
                {a.carino,
                 a.carikod,
                 a.cariadi,
                 a.saticino,
                 rnd_.pick(QStringList{"A", "B", "C", "BAYİ", "SERVİS"}),
                 rnd_.pick(QStringList{"BAYİ", "SERVİS", "PERAKENDE"}),
                 QString::fromUtf8(p.city),
                 QStringLiteral("BÖLGE-%1").arg(a.saticino),
                 rnd_.pick(demo::streets()) + QStringLiteral(" No: %1").arg(rnd_.between(1, 180)),
                 QStringLiteral("%1 Mah.").arg(rnd_.pick(QStringList{
                     "Kazımdirik", "Yeşilyurt", "Çınarlı", "Kemalpaşa", "Altındağ", "Güzelyalı"})),
                 QString::fromUtf8(p.district),
                 QString::fromUtf8(p.city),
                 phone,
                 QString(),
                 QStringLiteral("05%1 %2 %3 %4")
                     .arg(rnd_.between(30, 55))
                     .arg(rnd_.between(100, 999))
                     .arg(rnd_.between(10, 99))
                     .arg(rnd_.between(10, 99)),
                 phone,
                 QStringLiteral("info@%1.example").arg(a.carikod.mid(7)),
                 person,
                 QString::fromUtf8(p.district),
                 QString::number(1000000000LL + qint64(rnd_.next() % 8999999999ULL)),
                 a.chain.ind1,
                 a.chain.ind2,
                 a.chain.ind3,
                 a.chain.ind4,
                 a.vade,
                 rnd_.pick(QList<int>{0, 7, 15})});
            accounts_.append(a);
        }
        b.finish();
        summary_.accounts = count;
    }

    void users() {
        BatchInsert u(s_, "users",
                      {"sirano", "adi", "sifre", "musteritipi", "carino", "saticino", "aktif",
                       "email", "gorunen_ad"});
        BatchInsert w(s_, "workstations", {"bilgisayarid", "sirano", "eklenme"}, &u);
        const QString now = toStoredDate(QDateTime(o_.today, QTime(9, 0)));
        int sirano = 0;
        auto add = [&](const QString& id, const QString& name, const QString& password, int role,
                       QVariant carino, QVariant saticino, int active, const QString& shown) {
            ++sirano;
            u.add({sirano, name, password, role, carino, saticino, active,
                   name.toLower() + QStringLiteral("@varlenta.example"), shown});
            if (!id.isEmpty())
                w.add({id, sirano, now});
        };
        const QVariant none(QMetaType::fromType<int>());
        add("DEMO-1", "TEMSILCI", "TEMSILCI1", 1, none, 1, 1, "Ahmet Yılmaz");
        add("DEMO-2", "MUDUR", "MUDUR2", 2, none, 2, 1, "Mehmet Kaya");
        add("DEMO-3", "MUSTERI", "MUSTERI3", 3, 1, accounts_[0].saticino, 1, "Hakan Yılmaz");
        add("DEMO-4", "BAYI", "BAYI4", 4, 2, accounts_[1].saticino, 1, "Serkan Kaya");
        add("DEMO-PASIF", "PASIF", "PASIF", 3, 3, accounts_[2].saticino, 0, "Pasif Kullanıcı");
        add(o_.localComputerId, "DEMO", "DEMO", 3, 1, accounts_[0].saticino, 1, "Demo Kullanıcı");
        for (int r = 3; r <= repCount_; ++r)
            add(QString(), QStringLiteral("TEMSILCI%1").arg(r), QStringLiteral("SIFRE%1").arg(r), 1,
                none, r, 1, QStringLiteral("Temsilci %1").arg(r));
        for (const Account& a : accounts_) {
            if (a.carino <= 3)
                continue;
            add(QStringLiteral("PC-%1").arg(a.carino, 4, 10, QChar(u'0')),
                QStringLiteral("CARI%1").arg(a.carino), QStringLiteral("SIFRE%1").arg(a.carino),
                a.carino % 5 == 0 ? 4 : 3, a.carino, a.saticino, 1,
                rnd_.pick(demo::firstNames()) + u' ' + rnd_.pick(demo::surnames()));
        }
        u.finish();
        w.finish();
        summary_.users = sirano;
        userCount_ = sirano;
    }

    void stock() {
        BatchInsert b(s_, "stock", {"stokno",      "barkod",      "barkodno",      "adi",
                                    "digeradi",    "marka",       "model",         "finishkod",
                                    "ureticikodu", "oem1",        "oem2",          "oem3",
                                    "oem4",        "oemno",       "dpkod",         "pkod",
                                    "anagrup",     "altgrup",     "departman",     "ozelkod",
                                    "birim",       "kdv",         "liste_fiyat",   "kamp_fiyat",
                                    "yeni",        "resim",       "depo1_adet",    "depo2_adet",
                                    "depo1_durum", "depo2_durum", "alinansiparis", "verilensiparis",
                                    "search_text"});
        const int otherStates[] = {0, 0, 2, 3, 4, 5};
        stock_.reserve(o_.stockItems);
        for (int i = 1; i <= o_.stockItems; ++i) {
            const demo::PartKind& kind = rnd_.pick(demo::partKinds());
            const QString side = rnd_.pick(demo::partSides());
            const QString model = rnd_.pick(demo::vehicleModels());
            const QString brand = rnd_.pick(demo::partBrands());
            QString adi = QString::fromUtf8(kind.name);
            if (!side.isEmpty())
                adi += u' ' + side;
            adi += u' ' + model.section(u' ', 0, 1);
            const QString barkod = code(rnd_, i);
            const QString oem1 = code(rnd_, i + 1 + rnd_.between(0, 3));
            const QString oem2 = rnd_.chance(0.5) ? code(rnd_, i + 2) : QString();
            const QString oem3 = rnd_.chance(0.2) ? code(rnd_, i + 3) : QString();
            const QString maker =
                brand.left(3) + QStringLiteral("-%1").arg(rnd_.between(1000, 99999));
            const QString finish = QStringLiteral("F%1").arg(rnd_.between(10000, 99999));
            const double lira = std::exp(
                std::log(double(kind.minPrice)) +
                rnd_.unit() * (std::log(double(kind.maxPrice)) - std::log(double(kind.minPrice))));
            const Kurus liste = toKurus(lira);
            const bool campaign = rnd_.chance(0.05);
            const Kurus kamp = campaign ? toKurus(lira * (0.75 + 0.15 * rnd_.unit())) : 0;
            const int yeni = rnd_.chance(0.03) ? 1 : 0;
            const int resim = rnd_.chance(0.7) ? 1 : 0;
            const bool has1 = rnd_.chance(0.6), has2 = rnd_.chance(0.45);
            const double q1 = has1 ? rnd_.between(1, 120) : 0, q2 = has2 ? rnd_.between(1, 80) : 0;
            const int st1 = has1 ? 1 : otherStates[rnd_.between(0, 5)];
            const int st2 = has2 ? 1 : otherStates[rnd_.between(0, 5)];
            const QString search =
                stockSearchText({barkod, adi, oem1, oem2, oem3, maker, brand, model, finish});
            b.add({i,
                   barkod,
                   8690000 + i,
                   adi,
                   QString::fromUtf8(kind.name) + u' ' + brand,
                   brand,
                   model,
                   finish,
                   maker,
                   oem1,
                   oem2,
                   oem3,
                   QString(),
                   oem1,
                   QStringLiteral("DP%1").arg(i % 977),
                   QStringLiteral("P%1").arg(i % 31),
                   QString::fromUtf8(kind.group),
                   model.section(u' ', 0, 0),
                   QString::fromUtf8(kind.group),
                   rnd_.chance(0.1) ? QStringLiteral("İTHAL") : QString(),
                   QStringLiteral("ADET"),
                   20.0,
                   liste,
                   kamp,
                   yeni,
                   resim,
                   q1,
                   q2,
                   st1,
                   st2,
                   double(rnd_.between(0, 12)),
                   double(rnd_.between(0, 40)),
                   search});
            stock_.append({i, barkod, adi, brand, model, finish, oem1, campaign ? kamp : liste,
                           20.0, campaign ? 1 : 0});
        }
        b.finish();
        summary_.stockItems = o_.stockItems;
    }

    void deliveryAndCargo() {
        BatchInsert d(s_, "delivery_kinds", {"id", "adi"});
        int id = 0;
        for (const char* n : {"Ambar Teslim", "Kargo ile Gönderim", "Servis Aracı ile Teslim",
                              "Müşteri Teslim Alacak"})
            d.add({++id, QString::fromUtf8(n)});
        d.finish();
        BatchInsert k(s_, "cargo_kinds", {"id", "adi"});
        id = 0;
        for (const char* n : {"Alıcı Ödemeli", "Gönderici Ödemeli", "Anlaşmalı Ambar"})
            k.add({++id, QString::fromUtf8(n)});
        k.finish();
        BatchInsert f(s_, "cargo_firms", {"sirano", "kargo_tur", "adi", "uyari"});
        f.add({1, 1, "Ege Hızlı Kargo", "Alıcı ödemeli gönderiler 2 iş gününde teslim edilir."});
        f.add({2, 1, "Akdeniz Kargo", "Antalya ve çevresine ertesi gün teslim."});
        f.add({3, 1, "Yıldırım Lojistik", "Hacimli parçalar için ek ücret alınır."});
        f.add(
            {4, 2, "Ege Hızlı Kargo", "Gönderici ödemeli: 2.000 TL üzeri siparişlerde ücretsiz."});
        f.add({5, 2, "Akdeniz Kargo", ""});
        f.add({6, 3, "Sanayi Ambarı Nakliyat", "Ambar teslimi: cumartesi kapalıdır."});
        f.finish();
    }

    struct Line {
        const StockItem* item;
        double miktar;
        Kurus price;
        DiscountChain chain;
    };

    Line randomLine(const Account& a) {
        const StockItem& it = stock_[rnd_.between(0, int(stock_.size()) - 1)];
        return {&it, double(rnd_.between(1, 8)), it.price, it.kampanya ? DiscountChain{} : a.chain};
    }

    QVariantList amountColumns(const Line& l) {
        const LineAmounts am = lineAmounts(l.miktar, l.price, l.chain, l.item->kdv);
        return {am.tutar, am.indirimTutar, am.netBirim, am.netTutar, am.vergiTutar};
    }

    int customerOf(const Account& a) const {
        // Users 1..5 are the fixed demo users, then the local user and the representatives.
        if (a.carino == 1)
            return 3;
        if (a.carino == 2)
            return 4;
        if (a.carino == 3)
            return 5;
        return std::min(userCount_, 6 + (repCount_ - 2) + (a.carino - 3));
    }

    void baskets() {
        BatchInsert b(s_, "basket",
                      {"sirano", "carino", "stokno", "miktar", "birimfiyat", "kdv", "ind1", "ind2",
                       "ind3", "ind4", "kampanya", "tutar", "indirim_tutar", "net_birim",
                       "net_tutar", "vergi_tutar", "sec", "verenid", "tarih"});
        int sirano = 0;
        for (const Account& a : accounts_) {
            if (a.carino > 2 && !rnd_.chance(0.35))
                continue;
            const int n = a.carino <= 2 ? 4 : rnd_.between(1, 6);
            QSet<int> used;
            for (int i = 0; i < n; ++i) {
                Line l = randomLine(a);
                if (used.contains(l.item->stokno))
                    continue;
                used.insert(l.item->stokno);
                QVariantList row = {++sirano,     a.carino,     l.item->stokno,  l.miktar,
                                    l.price,      l.item->kdv,  l.chain.ind1,    l.chain.ind2,
                                    l.chain.ind3, l.chain.ind4, l.item->kampanya};
                row += amountColumns(l);
                row += QVariantList{
                    rnd_.chance(0.7) ? 1 : 0, customerOf(a),
                    isoDaysBack(o_.today, rnd_.between(0, 6), rnd_.between(480, 1080))};
                b.add(row);
            }
        }
        b.finish();
    }

    void orders() {
        BatchInsert o(s_, "orders",
                      {"idno", "carino", "tarih", "verenid", "teslim_id", "kargo_tur",
                       "kargo_firma", "musteri_notu", "bizim_notu", "satici_notu", "durum"});
        BatchInsert l(
            s_, "order_lines",
            {"stokhar_no",   "idno",  "sepet_sirano",  "stokno",    "miktar",    "birimfiyat",
             "ilkfiyat",     "kdv",   "ind1",          "ind2",      "ind3",      "ind4",
             "kampanya",     "tutar", "indirim_tutar", "net_birim", "net_tutar", "vergi_tutar",
             "teslimedilen", "iptal", "verenid"},
            &o);
        const QStringList customerNotes = {"",
                                           "",
                                           "Acil lütfen.",
                                           "Öğleden önce teslim rica ederiz.",
                                           "Eksik parça varsa haber veriniz.",
                                           "Faturayı şirkete kesiniz."};
        const QStringList ourNotes = {"", "Siparişiniz alınmıştır.",
                                      "Eksik parçalar tedarik sürecindedir.",
                                      "Kargoya verildi, takip no SMS ile iletilecek."};
        int idno = 0, lineNo = 0, basketNo = 100000;
        for (const Account& a : accounts_) {
            const int count = a.carino <= 2 ? 12 : rnd_.between(2, 9);
            for (int k = 0; k < count; ++k) {
                const int state = a.carino <= 2 ? k % kOrderStateCount + 1 : rnd_.between(1, 6);
                const int daysBack = rnd_.between(0, 120);
                const int kind = rnd_.between(1, 3);
                const int firm = kind == 1   ? rnd_.between(1, 3)
                                 : kind == 2 ? rnd_.between(4, 5)
                                             : 6;
                ++idno;
                o.add({idno, a.carino, isoDaysBack(o_.today, daysBack, rnd_.between(480, 1080)),
                       customerOf(a), rnd_.between(1, 4), kind, firm, rnd_.pick(customerNotes),
                       state >= 2 ? rnd_.pick(ourNotes) : QString(),
                       rnd_.chance(0.2) ? QStringLiteral("Müşteri vadeyi aştı, tahsilatı takip et.")
                                        : QString(),
                       state});
                const int lines = rnd_.between(1, 6);
                for (int j = 0; j < lines; ++j) {
                    Line li = randomLine(a);
                    double delivered = 0;
                    if (state == int(OrderState::Shipped))
                        delivered = rnd_.chance(0.8) ? li.miktar : li.miktar - 1;
                    else if (state == int(OrderState::PartlyPrepared) ||
                             state == int(OrderState::Prepared))
                        delivered = rnd_.chance(0.5) ? std::floor(li.miktar / 2) : 0;
                    QVariantList row = {++lineNo,         idno,          ++basketNo,
                                        li.item->stokno,  li.miktar,     li.price,
                                        li.price,         li.item->kdv,  li.chain.ind1,
                                        li.chain.ind2,    li.chain.ind3, li.chain.ind4,
                                        li.item->kampanya};
                    row += amountColumns(li);
                    row += QVariantList{delivered, 0.0, customerOf(a)};
                    l.add(row);
                }
            }
        }
        o.finish();
        l.finish();
        summary_.orders = idno;
    }

    void statements() {
        BatchInsert m(s_, "movements",
                      {"idno", "carino", "tarih", "turadi", "evrakno", "borc", "alacak", "kur",
                       "aciklama", "vade_gun", "saticiadi", "belge_turu"});
        BatchInsert il(s_, "invoice_lines",
                       {"sirano", "idno", "stokno", "miktar", "birimfiyat", "ind1", "ind2", "kdv",
                        "tutar", "indirim_tutar", "masraf", "net_birim", "net_tutar", "vergi_tutar",
                        "siparis_idno", "irsaliye_no", "satir_aciklama"},
                       &m);
        BatchInsert cl(s_, "collection_lines",
                       {"sirano", "idno", "tarih", "turu", "cins", "vade", "tutar", "aciklama",
                        "evrakno", "ref"},
                       &m);
        BatchInsert cp(
            s_, "card_payments",
            {"sirano", "idno", "tarih", "kart_sahibi", "kart_no", "tutar", "taksit", "onay_kodu"},
            &m);
        const QStringList reps = {"Ahmet Yılmaz", "Mehmet Kaya",   "Ayşe Demir",
                                  "Fatma Çelik",  "Mustafa Şahin", "Zeynep Aydın"};
        int idno = 0, invLine = 0, colLine = 0, card = 0, evrak = 0;
        for (const Account& a : accounts_) {
            const int docs = a.carino <= 2 ? 24 : rnd_.between(6, 20);
            Kurus balance = 0;
            for (int k = 0; k < docs; ++k) {
                // Oldest first; the statement sorts by date anyway.
                const int daysBack = 180 - k * (170 / docs) - rnd_.between(0, 3);
                const QString when =
                    isoDaysBack(o_.today, std::max(daysBack, 0), rnd_.between(480, 1080));
                const int roll = rnd_.between(0, 99);
                ++idno;
                if (roll < 55 || balance <= 0) {
                    // Sales invoice with lines; "İade Faturası" now and then credits returns.
                    const bool refund = roll >= 50 && roll < 55 && balance > 0;
                    Kurus total = 0;
                    QList<QVariantList> lineRows;
                    const int lines = rnd_.between(1, 5);
                    for (int j = 0; j < lines; ++j) {
                        Line li = randomLine(a);
                        if (refund)
                            li.miktar = 1;
                        const LineAmounts am =
                            lineAmounts(li.miktar, li.price, li.chain, li.item->kdv);
                        total += am.kdvliTutar();
                        lineRows.append(
                            {++invLine, idno, li.item->stokno, li.miktar, li.price, li.chain.ind1,
                             li.chain.ind2, li.item->kdv, am.tutar, am.indirimTutar, 0, am.netBirim,
                             am.netTutar, am.vergiTutar, 0,
                             QStringLiteral("IRS%1").arg(idno, 6, 10, QChar(u'0')), QString()});
                    }
                    m.add({idno, a.carino, when, refund ? "İade Faturası" : "Satış Faturası",
                           QStringLiteral("FTR2026%1").arg(++evrak, 6, 10, QChar(u'0')),
                           refund ? 0 : total, refund ? total : 0, "TL",
                           refund ? "Hasarlı parça iadesi" : "Toptan satış", a.vade,
                           reps[a.saticino - 1], 1});
                    for (const QVariantList& row : lineRows)
                        il.add(row);
                    balance += refund ? -total : total;
                } else if (roll < 95) {
                    const double share =
                        a.carino == 1 ? 0.15 + 0.15 * rnd_.unit() : 0.3 + 0.6 * rnd_.unit();
                    const Kurus amount = std::max<Kurus>(5000, toKurus(toLira(balance) * share));
                    const QString cins = rnd_.pick(
                        QStringList{"Nakit", "Kredi Kartı", "Havale", "Çek", "Kredi Kartı"});
                    const QString evrakNo =
                        QStringLiteral("THS2026%1").arg(++evrak, 6, 10, QChar(u'0'));
                    m.add({idno, a.carino, when, "Tahsilat", evrakNo, 0, amount, "TL",
                           cins + " ile tahsilat", 0, reps[a.saticino - 1], 2});
                    const QString vade = cins == "Çek"
                                             ? toStoredDay(o_.today.addDays(rnd_.between(15, 90)))
                                             : when.left(10);
                    cl.add({++colLine, idno, when, "Tahsilat", cins, vade, amount,
                            cins == "Çek"
                                ? QStringLiteral("Çek No: %1").arg(rnd_.between(100000, 999999))
                                : QString(),
                            evrakNo, QStringLiteral("R%1").arg(idno)});
                    if (cins == "Kredi Kartı")
                        cp.add({++card, idno, when,
                                rnd_.pick(demo::firstNames()).toUpper() + u' ' +
                                    rnd_.pick(demo::surnames()).toUpper(),
                                QStringLiteral("4543 %1** **** %2")
                                    .arg(rnd_.between(10, 99))
                                    .arg(rnd_.between(1000, 9999)),
                                amount, rnd_.pick(QList<int>{1, 1, 3, 6}),
                                QStringLiteral("%1").arg(rnd_.between(100000, 999999))});
                    balance -= amount;
                } else {
                    const Kurus amount = toKurus(50 + 400 * rnd_.unit());
                    const QString evrakNo =
                        QStringLiteral("TDY2026%1").arg(++evrak, 6, 10, QChar(u'0'));
                    m.add({idno, a.carino, when, "Tediye", evrakNo, amount, 0, "TL",
                           "Fazla ödeme iadesi", 0, reps[a.saticino - 1], 3});
                    cl.add({++colLine, idno, when, "Tediye", "Havale", when.left(10), amount,
                            "Fazla ödeme iadesi", evrakNo, QStringLiteral("R%1").arg(idno)});
                    balance += amount;
                }
            }
        }
        m.finish();
        il.finish();
        cl.finish();
        cp.finish();
        summary_.movements = idno;
    }

    void screens() {
        BatchInsert b(s_, "screens", {"sirano", "tur", "sira", "baslik", "arama", "resim"});
        int id = 0;
        const QList<QStringList> announcements = {
            {"Kış Kampanyası: Fren ve Filtrede İndirim", "#KAMPANYA#"},
            {"Yeni Gelen Ürünler", "#YENİ#"},
            {"Fren Balatalarında Geniş Stok", "FREN BALATASI"},
            {"Cumartesi Günleri 09:00 - 14:00 Açığız", ""},
            {"Triger Setlerinde Tüm Markalar", "TRIGER SETI"}};
        int sira = 0;
        for (const QStringList& a : announcements)
            b.add({++id, "duyuru", ++sira, a[0], a[1], 1});
        const QList<QStringList> ads = {{"Kampanyalı Ürünleri Kaçırmayın", "#KAMPANYA#"},
                                        {"Amortisörlerde Yeni Sezon", "AMORTISOR"},
                                        {"B2B Siparişlerinize Aynı Gün Kargo", ""}};
        sira = 0;
        for (const QStringList& a : ads)
            b.add({++id, "reklam", ++sira, a[0], a[1], 1});
        b.finish();
    }

    Session& s_;
    const DemoOptions& o_;
    DemoRandom rnd_;
    DemoSummary summary_;
    QList<Account> accounts_;
    QList<StockItem> stock_;
    int repCount_ = 0;
    int userCount_ = 0;
};

}  // namespace

DemoSummary fillDemoData(Session& session, const DemoOptions& options) {
    if (session.scalar(QStringLiteral("SELECT COUNT(*) FROM stock")).toLongLong() > 0 ||
        session.scalar(QStringLiteral("SELECT COUNT(*) FROM users")).toLongLong() > 0)
        return {};
    WriteTransaction tx(session);
    DemoSummary summary = DemoBuilder(session, options).build();
    tx.commit();
    for (const QString& sql : session.driver().afterBulkLoad())
        session.execute(sql);
    return summary;
}

}  // namespace server
