// The main flows of every subject through the client's proxy against the real server, on SQLite
// or (VARLENTA_TEST_BACKEND=postgresql) on PostgreSQL.
#include <QDate>
#include <QtTest>
#include <cmath>

#include "server_session.h"
#include "wire/error.h"
#include "wire/ole_date.h"

namespace {

qint64 cents(double lira) {
    return std::llround(lira * 100.0);
}

/// The error class a call raised, or "" when it did not raise.
template <class F>
QString errorClassOf(F&& call) {
    try {
        call();
    } catch (const wire::Error& e) {
        return e.className();
    }
    return {};
}

}  // namespace

class TstServerFlows : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ServerFixture> fixture_;
    std::unique_ptr<ServerSession> s_;
    TSonucBilgisi customer_, bayi_, rep_, manager_;

    int basketCount(int carino) { return Rows(s_->proxy->SepetVer2(carino)).count(); }

private Q_SLOTS:
    void initTestCase() {
        ServerFixture::Options o;
        o.backend = ServerFixture::backendFromEnvironment();
        if (o.backend == ServerFixture::Backend::Postgres && !ServerFixture::postgresAvailable())
            QSKIP("VARLENTA_TEST_PG_URL is not set");
        fixture_ = std::make_unique<ServerFixture>(o);
        QVERIFY2(fixture_->start(), qPrintable(fixture_->error()));
    }

    void init() {
        s_ = std::make_unique<ServerSession>(*fixture_);
        customer_ = s_->login("DEMO-3");
        bayi_ = s_->login("DEMO-4");
        rep_ = s_->login("DEMO-1");
        manager_ = s_->login("DEMO-2");
    }

    void cleanup() { s_.reset(); }

    void cleanupTestCase() {
        if (fixture_)
            QCOMPARE(fixture_->stop(), 0);
    }

    void loginRecord_data() {
        QTest::addColumn<QString>("computer");
        QTest::addColumn<bool>("known");
        QTest::addColumn<int>("role");
        QTest::addColumn<int>("active");
        QTest::newRow("representative") << "DEMO-1" << true << 1 << 1;
        QTest::newRow("manager") << "DEMO-2" << true << 2 << 1;
        QTest::newRow("customer") << "DEMO-3" << true << 3 << 1;
        QTest::newRow("dealer") << "DEMO-4" << true << 4 << 1;
        QTest::newRow("inactive") << "DEMO-PASIF" << true << 3 << 0;
        QTest::newRow("unknown") << "NO-SUCH-PC" << false << 1 << 0;
    }

    void loginRecord() {
        QFETCH(QString, computer);
        QFETCH(bool, known);
        QFETCH(int, role);
        QFETCH(int, active);
        const TSonucBilgisi r = s_->login(computer);
        QCOMPARE(r.Varmi(), known);
        QCOMPARE(r.Version(),
                 4);  // an unknown computer must reach the request form, not the update
        QCOMPARE(r.BILGISAYARID(), computer);
        QCOMPARE(r.MusteriTipi(), role);
        QCOMPARE(r.AKTIF(), active);
        if (known) {
            QVERIFY(!r.ADI().isEmpty());
            QCOMPARE(r.SIFRE(), r.SIFRE().toUpper());
            QCOMPARE(r.CARINO() > 0, role >= 3);
        }
    }

    void stockSearchMatchesCodesWithoutSeparators() {
        const Rows all(s_->proxy->StokAraGetirVarlenta("FREN", ServerSession::copy(customer_)));
        QVERIFY(all.count() > 0);
        // An item whose code has blanks is found however the user types the separators.
        int row = -1;
        for (int i = 0; i < all.count() && row < 0; ++i)
            if (all.text(i, "BARKOD").contains(u' '))
                row = i;
        QVERIFY(row >= 0);
        const QString code = all.text(row, "BARKOD");
        const int stokno = all.integer(row, "STOK_STOKNO");
        for (const QString& typed :
             {code, QString(code).replace(u' ', u'-'), QString(code).remove(u' '),
              QString(code).toLower().replace(u' ', u'.')}) {
            const Rows found(
                s_->proxy->StokAraGetirVarlenta(typed, ServerSession::copy(customer_)));
            bool present = false;
            for (int i = 0; i < found.count(); ++i)
                present |= found.integer(i, "STOK_STOKNO") == stokno;
            QVERIFY2(present, qPrintable(typed));
        }
    }

    void stockPricesFollowTheDiscountChain() {
        const Rows rows(s_->proxy->StokAraGetirVarlenta("FILTRE", ServerSession::copy(customer_)));
        QVERIFY(rows.count() > 0);
        for (int i = 0; i < rows.count(); ++i) {
            const double fiyat = rows.number(i, "FIYAT"), net = rows.number(i, "NETFIYAT");
            if (rows.integer(i, "K") > 0) {
                QCOMPARE(cents(fiyat), cents(rows.number(i, "KAMPFIYAT")));
                QCOMPARE(cents(net), cents(fiyat));  // campaign prices are net
            } else {
                // The demo customer's account has the chain 20 + 10.
                QCOMPARE(rows.text(i, "INDIRIMYAZI"), QStringLiteral("20+10"));
                QCOMPARE(cents(net), std::llround(fiyat * 0.8 * 0.9 * 100.0));
            }
            QCOMPARE(cents(rows.number(i, "KDVDAHIL")),
                     std::llround(net * (1 + rows.number(i, "KDV") / 100.0) * 100.0));
        }
    }

    void basketOrderAndBalances() {
        s_->proxy->SepetHepsiniSil(ServerSession::copy(customer_));
        QCOMPARE(basketCount(1), 0);
        const Rows items(s_->proxy->StokAraGetirVarlenta("BALATA", ServerSession::copy(customer_)));
        QVERIFY(items.count() >= 2);
        for (int i = 0; i < 2; ++i)
            QCOMPARE(s_->proxy->SepetEkle2(ServerSession::copy(customer_), 1,
                                           items.integer(i, "STOK_STOKNO"), items.text(i, "BARKOD"),
                                           items.text(i, "ADI"), 3, 20, items.number(i, "FIYAT"),
                                           items.number(i, "IND1"), customer_.Sirano(),
                                           items.integer(i, "K"), items.number(i, "IND2"),
                                           items.number(i, "IND3"), items.number(i, "IND4")),
                     1);
        Rows basket(s_->proxy->SepetVer2(1));
        QCOMPARE(basket.count(), 2);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(basket.integer(i, "SEC"), 1);
            QCOMPARE(cents(basket.number(i, "TUTAR")),
                     std::llround(3 * basket.number(i, "BIRIMFIYAT") * 100));
            QCOMPARE(cents(basket.number(i, "TUTAR")) - cents(basket.number(i, "INDIRIMTUTAR")),
                     cents(basket.number(i, "NETTUTAR")));
            QCOMPARE(cents(basket.number(i, "NETTUTAR")),
                     std::llround(3 * basket.number(i, "NETBIRIMFIYAT") * 100));
        }
        const int first = basket.integer(0, "SIRANO"), second = basket.integer(1, "SIRANO");

        // Change the quantity of one line, unmark the other.
        QCOMPARE(s_->proxy->SepetGuncelle2(ServerSession::copy(customer_), 1, 0,
                                           basket.text(0, "BARKOD"), basket.text(0, "STOKADI"), 5,
                                           20, basket.number(0, "BIRIMFIYAT"), 0,
                                           customer_.Sirano(), first, 0, 0, 0),
                 1);
        s_->proxy->SepetSecimGuncelle(second, 0);
        basket = Rows(s_->proxy->SepetVer2(1));
        QCOMPARE(basket.number(0, "MIKTAR"), 5.0);
        QCOMPARE(basket.integer(1, "SEC"), 0);

        // The order takes the marked line only; a repeat finds nothing to order.
        QVERIFY(s_->proxy->SiparisKaydet(ServerSession::copy(customer_), 1, 2, 1, "Acil",
                                         customer_.Sirano(), 1));
        QVERIFY(!s_->proxy->SiparisKaydet(ServerSession::copy(customer_), 1, 2, 1, "Acil",
                                          customer_.Sirano(), 1));
        basket = Rows(s_->proxy->SepetVer2(1));
        QCOMPARE(basket.count(), 1);
        QCOMPARE(basket.integer(0, "SIRANO"), second);

        const Rows orders(s_->proxy->OncekiSiparisler(1));
        int order = -1, newest = 0;
        for (int i = 0; i < orders.count(); ++i)
            if (orders.integer(i, "IDNO") > newest)
                newest = orders.integer(order = i, "IDNO");
        QCOMPARE(orders.text(order, "DURUM"), QStringLiteral("Alındı"));
        QCOMPARE(orders.text(order, "VERENINNOTU"), QStringLiteral("Acil"));
        const Rows lines(s_->proxy->SiparisAyrintisi2(1, newest));
        QCOMPARE(lines.count(), 1);
        QCOMPARE(lines.number(0, "MIKTAR"), 5.0);
        QCOMPARE(lines.number(0, "KALAN"), 5.0);
        QCOMPARE(cents(lines.number(0, "NETTUTAR")), cents(orders.number(order, "NETTUTAR")));
        QCOMPARE(cents(lines.number(0, "TUTAR")), cents(orders.number(order, "TUTAR")));
        QCOMPARE(cents(lines.number(0, "VERGITUTARI")), cents(orders.number(order, "VERGI")));
        std::unique_ptr<TSiparisDipAyrinti> footer(new TSiparisDipAyrinti);
        footer->Kopyala(*s_->proxy->SiparisAytintisiDip(0, newest));
        QCOMPARE(footer->Durumu(), QStringLiteral("Alındı"));
        QCOMPARE(footer->SizinMesaj(), QStringLiteral("Acil"));
        QCOMPARE(footer->TeslimCinsi(), QStringLiteral("Kargo ile Gönderim"));
        const int stokno = lines.integer(0, "STOKNO");
        QVERIFY(Rows(s_->proxy->TumSiparislerVer(1, stokno)).count() >= 1);

        // Balances: the new line is open; change it, then delete it.
        auto findBalance = [&](const Rows& b) {
            for (int i = 0; i < b.count(); ++i)
                if (b.integer(i, "IDNO") == newest)
                    return i;
            return -1;
        };
        Rows balances(s_->proxy->BakiyelerVer2(1));
        int b = findBalance(balances);
        QVERIFY(b >= 0);
        const int stokhar = balances.integer(b, "STOKHAR_NO"),
                  sepet = balances.integer(b, "SIRANO");
        s_->proxy->BakiyeDegistir(ServerSession::copy(customer_), stokno, sepet, stokhar, 2, 2, "");
        balances = Rows(s_->proxy->BakiyelerVer2(1));
        QCOMPARE(balances.number(findBalance(balances), "KALAN"), 2.0);
        QCOMPARE(errorClassOf([&] {
                     s_->proxy->BakiyeFiyatDegistir(ServerSession::copy(customer_), 0, sepet,
                                                    stokhar, 5, 5, "", 1, 0);
                 }),
                 QStringLiteral("EAccessDenied"));
        TSonucBilgisi managerForAccount = manager_;
        managerForAccount.SetCARINO(1);
        s_->proxy->BakiyeFiyatDegistir(ServerSession::copy(managerForAccount), 0, sepet, stokhar, 5,
                                       5, "", 10, 50);
        balances = Rows(s_->proxy->BakiyelerVer2(1));
        b = findBalance(balances);
        QCOMPARE(balances.number(b, "BIRIMFIYAT"), 10.0);
        QCOMPARE(balances.number(b, "NETBIRIMFIYAT"), 5.0);
        s_->proxy->BakiyeDuzenle(ServerSession::copy(customer_), stokno, sepet, stokhar, 5, 2, "");
        QCOMPARE(findBalance(Rows(s_->proxy->BakiyelerVer2(1))), -1);
    }

    void badInputIsRefusedAndChangesNothing_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("errorClass");
        QTest::newRow("quantity 0") << 0 << "EInvalidArgument";
        QTest::newRow("negative quantity") << 1 << "EInvalidArgument";
        QTest::newRow("barcode too long") << 2 << "EInvalidArgument";
        QTest::newRow("another account's number") << 3 << "EAccessDenied";
        QTest::newRow("line of another account") << 4 << "EAccessDenied";
        QTest::newRow("wrong password in the record") << 5 << "EAccessDenied";
        QTest::newRow("order of another account") << 6 << "EAccessDenied";
        QTest::newRow("selection mark 2") << 7 << "EInvalidArgument";
        QTest::newRow("order note too long") << 8 << "EInvalidArgument";
        QTest::newRow("unknown stock") << 9 << "ENotFound";
        QTest::newRow("staff list for a customer") << 10 << "EAccessDenied";
    }

    void badInputIsRefusedAndChangesNothing() {
        QFETCH(int, kind);
        QFETCH(QString, errorClass);
        const Rows before1(s_->proxy->SepetVer2(1)), before2(s_->proxy->SepetVer2(2));
        const int orders1 = Rows(s_->proxy->OncekiSiparisler(1)).count();
        const Rows items(s_->proxy->StokAraGetirVarlenta("FILTRE", ServerSession::copy(customer_)));
        const int stokno = items.integer(0, "STOK_STOKNO");
        auto add = [&](const TSonucBilgisi& who, int carino, int item, const QString& code,
                       double qty) {
            s_->proxy->SepetEkle2(ServerSession::copy(who), carino, item, code, "X", qty, 20, 10, 0,
                                  who.Sirano(), 0, 0, 0, 0);
        };
        int otherLine = 0;
        if (before2.count() > 0)
            otherLine = before2.integer(0, "SIRANO");
        const Rows otherOrders(s_->proxy->OncekiSiparisler(2));
        const QString got = errorClassOf([&] {
            switch (kind) {
                case 0:
                    add(customer_, 1, stokno, "A", 0);
                    break;
                case 1:
                    add(customer_, 1, stokno, "A", -2);
                    break;
                case 2:
                    add(customer_, 1, stokno, QString(51, u'A'), 1);
                    break;
                case 3:
                    add(customer_, 2, stokno, "A", 1);
                    break;
                case 4:
                    QVERIFY(otherLine > 0);
                    s_->proxy->SepetGuncelle2(ServerSession::copy(customer_), 1, 0, "A", "X", 9, 20,
                                              10, 0, customer_.Sirano(), otherLine, 0, 0, 0);
                    break;
                case 5: {
                    TSonucBilgisi forged = customer_;
                    forged.SetSIFRE("GUESS");
                    add(forged, 1, stokno, "A", 1);
                    break;
                }
                case 6:
                    s_->proxy->SiparisAyrintisi2(1, otherOrders.integer(0, "IDNO"));
                    break;
                case 7:
                    s_->proxy->SepetSecimGuncelle(before1.integer(0, "SIRANO"), 2);
                    break;
                case 8:
                    s_->proxy->SiparisKaydet(ServerSession::copy(customer_), 1, 2, 1,
                                             QString(1001, u'x'), customer_.Sirano(), 1);
                    break;
                case 9:
                    add(customer_, 1, 99999999, "A", 1);
                    break;
                case 10:
                    s_->proxy->CariAra(ServerSession::copy(customer_), "");
                    break;
            }
        });
        QCOMPARE(got, errorClass);
        // Nothing changed.
        const Rows after1(s_->proxy->SepetVer2(1)), after2(s_->proxy->SepetVer2(2));
        QCOMPARE(after1.count(), before1.count());
        QCOMPARE(after2.count(), before2.count());
        for (int i = 0; i < after1.count(); ++i) {
            QCOMPARE(after1.number(i, "MIKTAR"), before1.number(i, "MIKTAR"));
            QCOMPARE(after1.integer(i, "SEC"), before1.integer(i, "SEC"));
        }
        for (int i = 0; i < after2.count(); ++i)
            QCOMPARE(after2.number(i, "MIKTAR"), before2.number(i, "MIKTAR"));
        QCOMPARE(Rows(s_->proxy->OncekiSiparisler(1)).count(), orders1);
    }

    void statementAndDocuments() {
        const Rows statement(s_->proxy->CariEkstreVer(1));
        QVERIFY(statement.count() > 5);
        double last = 0;
        int invoice = -1, cardCollection = 0;
        for (int i = 0; i < statement.count(); ++i) {
            QVERIFY(statement.number(i, "TARIH") >= last);  // in date order: the running balance
            last = statement.number(i, "TARIH");
            const QString kind = statement.text(i, "TURADI");
            if (invoice < 0 && kind == u"Satış Faturası")
                invoice = i;
            if (!cardCollection && kind == u"Tahsilat" &&
                s_->proxy->SanalposSiranoVer(statement.integer(i, "IDNO")) > 0)
                cardCollection = statement.integer(i, "IDNO");
        }
        QVERIFY(invoice >= 0);
        const int idno = statement.integer(invoice, "IDNO");
        const Rows lines(s_->proxy->FaturaGetir(1, idno));
        QVERIFY(lines.count() > 0);
        const Rows totals(s_->proxy->FaturaAltGetir(idno));
        QCOMPARE(totals.count(), 1);
        QCOMPARE(cents(totals.number(0, "KDVDAHIL")), cents(statement.number(invoice, "BORC")));
        QCOMPARE(cents(totals.number(0, "TOPLAM")) - cents(totals.number(0, "TOPLAMINDIRIM")),
                 cents(totals.number(0, "MATRAH")));
        QCOMPARE(lines.text(0, "EVRAKNO"), statement.text(invoice, "EVRAK"));

        QVERIFY(cardCollection > 0);
        QVERIFY(Rows(s_->proxy->Tahsilat(cardCollection)).count() > 0);
        const int payment = s_->proxy->SanalposSiranoVer(cardCollection);
        qint64 size = 0;
        const QByteArray pdf = ServerSession::readAll(s_->proxy->SAnalPosPdfVer(payment, size));
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(qint64(pdf.size()), size);
        QVERIFY(!s_->proxy->CariDurumVer(1).isEmpty());
    }

    void representativeListsAndReports() {
        const Rows all(s_->proxy->CariAra(ServerSession::copy(rep_), ""));
        QVERIFY(all.count() >= 12);
        const Rows byName(s_->proxy->CariAra(ServerSession::copy(rep_), "yilmaz oto"));
        QVERIFY(byName.count() >= 1);
        for (int i = 0; i < byName.count(); ++i)
            QVERIFY(byName.text(i, "CARIADI").startsWith(QStringLiteral("Yılmaz Oto")));
        const Rows byCode(s_->proxy->CariAra(ServerSession::copy(rep_), "120 01 0001"));
        QCOMPARE(byCode.count(), 1);
        QCOMPARE(byCode.integer(0, "CARINO"), 1);
        std::unique_ptr<TTusSonuclari> counters(new TTusSonuclari);
        counters->Kopyala(*s_->proxy->TusSonuclariVer(ServerSession::copy(rep_)));
        QVERIFY(counters->Alindi() > 0 && counters->SevkEdildi() > 0);
        const Rows received(s_->proxy->CariSepetVer(ServerSession::copy(rep_), 2));
        QVERIFY(received.count() > 0);
        for (int i = 0; i < received.count(); ++i)
            QVERIFY(received.integer(i, "ALINDI") > 0);
        QVERIFY(s_->proxy->SepetSayisi(ServerSession::copy(rep_)) > 0);

        const double today = wire::dateToOleDate(QDate::currentDate());
        for (const auto& [report, account] : {std::pair{6, 1}, std::pair{6, 0}, std::pair{7, 1}}) {
            qint64 size = 0;
            const QByteArray pdf = ServerSession::readAll(s_->proxy->RaporGetir(
                report, report, rep_.Sirano(), account, ".", today - 365, today, size));
            QVERIFY(pdf.startsWith("%PDF"));
            QCOMPARE(qint64(pdf.size()), size);
        }
        const Rows ordersReport(
            s_->proxy->RaporAlinanSiparisler(ServerSession::copy(manager_), today - 365, today));
        QVERIFY(ordersReport.count() > 0);
        QCOMPARE(ordersReport.table.column(0).name, QStringLiteral("SATICIADI"));
        QCOMPARE(ordersReport.table.column(0).size, 50);
        const Rows stockReport(
            s_->proxy->RaporEnCokSatilanStoklar(ServerSession::copy(manager_), today - 365, today));
        QVERIFY(stockReport.count() > 0);
        QVERIFY(stockReport.number(0, "MIKTAR") >=
                stockReport.number(stockReport.count() - 1, "MIKTAR"));
    }

    void promotionsAndPictures() {
        QVERIFY(!s_->proxy->KayanYaziGetir().trimmed().isEmpty());
        qint64 size = 0;
        QByteArray bytes = ServerSession::readAll(s_->proxy->BannerResimVer(size));
        QVERIFY(bytes.startsWith("GIF89a"));
        QCOMPARE(qint64(bytes.size()), size);
        QVERIFY(ServerSession::readAll(s_->proxy->BannerResimVer2(size)).startsWith("GIF89a"));
        QVERIFY(ServerSession::readAll(s_->proxy->BannerResimVer3(size)).startsWith("BM"));
        QCOMPARE(s_->proxy->AcilisReklamAdet(), 3);
        TAcilisEkran* ad = s_->proxy->AcilisREklamVer(0);
        QVERIFY(ad->Resim().startsWith("FFD8"));  // a JPEG as hexadecimal text
        QVERIFY(!ad->Baslik().isEmpty());
        QCOMPARE(s_->proxy->AcilisEkranlarVer2()->Ekranlar().size(), size_t(5));
        RowReader* badges = s_->proxy->BalonGetir(ServerSession::copy(customer_));
        QVERIFY(badges->next());
        QCOMPARE(badges->columnCount(), 5);
        QCOMPARE(badges->integer(0), basketCount(1));

        const Rows items(s_->proxy->StokAraGetirVarlenta("DISK", ServerSession::copy(customer_)));
        int withPicture = -1;
        for (int i = 0; i < items.count() && withPicture < 0; ++i)
            if (items.integer(i, "RESIM") == 1)
                withPicture = items.integer(i, "STOK_STOKNO");
        QVERIFY(withPicture > 0);
        bytes = ServerSession::readAll(s_->proxy->ResimVer5(withPicture, size));
        QVERIFY(bytes.startsWith("\xFF\xD8"));
        QCOMPARE(qint64(bytes.size()), size);
    }

    void mailGoesToTheOutbox() {
        TMobilCariBilgisi* info = s_->proxy->MobilCariBilgisiGetir(0, "DEMO-3");
        QCOMPARE(info->CARINO(), 1);
        QVERIFY(!info->CARIADI().isEmpty());
        const QString subject =
            QStringLiteral("Deneme %1").arg(QDateTime::currentMSecsSinceEpoch());
        QVERIFY(s_->proxy->MailGonserCariNormal(
                    "DEMO-3", subject, info->CARIADI(), info->ADRES1(), "", "", "", "", "", "", "",
                    "", info->KULLANICIADI(), "", "", "", "\"ilk satır\",ikinci") > 0);
        QVERIFY(s_->proxy->MailGonserCari("DEMO-3", "Şifre Değiştirme İsteği", "Firma", "Adres", "",
                                          "İlçe", "Şehir", "0232", "", "", "", "Yetkili", "MUSTERI",
                                          "YENI", "a@b", "") > 0);
        const QString outbox = fixture_->admin({"outbox"});
        QVERIFY2(outbox.contains(subject), qPrintable(outbox));
        QVERIFY(outbox.contains(QStringLiteral("Şifre Değiştirme İsteği")));
    }

    void adminBindsComputers() {
        int code = -1;
        fixture_->admin({"user-add", "YENIKULLANICI", "PAROLA", "3", "--account", "2"}, &code);
        QCOMPARE(code, 0);
        fixture_->admin({"bind", "PC-TEST-1", "YENIKULLANICI"}, &code);
        QCOMPARE(code, 0);
        TSonucBilgisi r = s_->login("PC-TEST-1");
        QVERIFY(r.Varmi());
        QCOMPARE(r.ADI(), QStringLiteral("YENIKULLANICI"));
        QCOMPARE(r.CARINO(), 2);
        fixture_->admin({"user-set", "YENIKULLANICI", "--active", "0"}, &code);
        QCOMPARE(s_->login("PC-TEST-1").AKTIF(), 0);
        fixture_->admin({"unbind", "PC-TEST-1"}, &code);
        QCOMPARE(code, 0);
        QVERIFY(!s_->login("PC-TEST-1").Varmi());
        fixture_->admin({"user-add", "X", "Y", "9"}, &code);
        QVERIFY(code != 0);
    }
};

QTEST_GUILESS_MAIN(TstServerFlows)
#include "tst_server_flows.moc"
