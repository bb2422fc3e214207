// The password change request against a real varlenta-server: prefill, required fields, sending.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "../app/support/demo_server.h"
#include "../app/support/screenshot.h"
#include "client/app/configuration.h"
#include "client/app/theme.h"
#include "client/login/kullanici_kayit.h"
#include "client/server/baglanti_kur.h"
#include "client/server/server_connection.h"
#include "client/ui/test_support/scripted_messages.h"

class TestKullaniciKayit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void prefilledFromServer();
    void requiredFields_data();
    void requiredFields();
    void sendsEveryRequest();
    void noServer();

private:
    std::unique_ptr<login::Tkullanicikayit> open(quint16 port);
    static QLineEdit* edit(QWidget* window, const QString& name) {
        return window->findChild<QLineEdit*>(name);
    }
    static void fillRequired(QWidget* window);

    std::unique_ptr<DemoServer> server_;
    TSonucBilgisi record_;
};

void TestKullaniciKayit::initTestCase() {
    app::initResources();
    app::applyTheme(*qApp);
    setConnectionRetryPause([](int) {});
    setConnectionErrorReporter([] { ui::BaglantiHatasiGoster(); });
    server_ = std::make_unique<DemoServer>();
    QVERIFY2(server_->started(), qPrintable(server_->error()));
    auto config = app::Configuration::defaults();
    config.computerId = QStringLiteral("DEMO-3");
    app::setConfiguration(config);
    record_.SetADI(QStringLiteral("MUSTERI"));
    record_.SetCariAdi(QStringLiteral("Demo Firma"));
}

std::unique_ptr<login::Tkullanicikayit> TestKullaniciKayit::open(quint16 port) {
    ServerConnection bagc;
    bagc.HostName = server_->host();
    bagc.Port = QString::number(port);
    return std::unique_ptr<login::Tkullanicikayit>(
        login::Tkullanicikayit::Ac(nullptr, record_, bagc));
}

void TestKullaniciKayit::fillRequired(QWidget* window) {
    for (const char* name : {"firmaadi", "adres1", "ilce", "sehir", "telefon", "yetkili",
                             "kullaniciadi", "sifre", "mail"}) {
        auto* e = edit(window, QString::fromLatin1(name));
        if (e->text().trimmed().isEmpty()) {
            e->setText(QStringLiteral("Dolu"));
        }
    }
}

void TestKullaniciKayit::prefilledFromServer() {
    ui::ScriptedMessages messages;
    auto window = open(server_->port());
    window->show();
    QCOMPARE(window->windowTitle(), QStringLiteral("Şifre Değiştirme İsteği"));
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblid"))->text(),
             QStringLiteral("Bilgisayar ID: DEMO-3"));
    QCOMPARE(edit(window.get(), "firmaadi")->text(), QStringLiteral("Demo Firma"));
    QCOMPARE(edit(window.get(), "kullaniciadi")->text(), QStringLiteral("MUSTERI"));
    for (const char* filled : {"adres1", "ilce", "sehir", "telefon"}) {
        QVERIFY2(!edit(window.get(), QLatin1String(filled))->text().isEmpty(), filled);
    }
    for (const char* empty : {"yetkili", "sifre", "mail", "kargoambar"}) {
        QVERIFY2(edit(window.get(), QLatin1String(empty))->text().isEmpty(), empty);
    }
    QCOMPARE(messages.count(), 0);
    testsupport::saveScreenshot(window.get(), QStringLiteral("sifre_istegi"));
}

void TestKullaniciKayit::requiredFields_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("message");
    QTest::newRow("firmaadi") << "firmaadi"
                              << "Firma Adı boş olamaz !";
    QTest::newRow("adres1") << "adres1"
                            << "Adres boş olamaz !";
    QTest::newRow("ilce") << "ilce"
                          << "İlçe Adı boş olamaz !";
    QTest::newRow("sehir") << "sehir"
                           << "Şehir Adı boş olamaz !";
    QTest::newRow("telefon") << "telefon"
                             << "Telefon  boş olamaz !";
    QTest::newRow("yetkili") << "yetkili"
                             << "Yetkili  boş olamaz !";
    QTest::newRow("kullaniciadi") << "kullaniciadi"
                                  << "Kullanıcı  boş olamaz !";
    QTest::newRow("sifre") << "sifre"
                           << "Şifre  boş olamaz !";
    QTest::newRow("mail") << "mail"
                          << "Mail  boş olamaz !";
}

void TestKullaniciKayit::requiredFields() {
    QFETCH(QString, field);
    QFETCH(QString, message);
    ui::ScriptedMessages messages;
    auto window = open(server_->port());
    window->show();
    window->activateWindow();
    fillRequired(window.get());
    edit(window.get(), field)->setText(QStringLiteral("   "));  // blanks only count as empty
    const int sentBefore =
        server_->queryValue(QStringLiteral("SELECT COUNT(*) FROM outbox")).toInt();
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Button2")), Qt::LeftButton);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().metin, message);
    QCOMPARE(messages.last().tur, ui::MesajTuru::Uyari);
    QCOMPARE(window->focusWidget(), edit(window.get(), field));
    QCOMPARE(server_->queryValue(QStringLiteral("SELECT COUNT(*) FROM outbox")).toInt(),
             sentBefore);
}

void TestKullaniciKayit::sendsEveryRequest() {
    ui::ScriptedMessages messages;
    auto window = open(server_->port());
    fillRequired(window.get());
    for (const char* optional : {"adres2", "fax", "vd", "vn", "kargoambar"}) {
        edit(window.get(), QLatin1String(optional))->clear();
    }
    edit(window.get(), "sifre")->setText(QStringLiteral(" YENI SIFRE "));
    const int sentBefore =
        server_->queryValue(QStringLiteral("SELECT COUNT(*) FROM outbox")).toInt();
    auto* send = window->findChild<QPushButton*>(QStringLiteral("Button2"));
    QTest::mouseClick(send, Qt::LeftButton);
    QTest::mouseClick(send, Qt::LeftButton);
    QCOMPARE(messages.count(), 2);
    QCOMPARE(messages.last().metin, QStringLiteral("İsteğiniz Gönderildi!"));
    QCOMPARE(messages.last().baslik, QStringLiteral("Bilgi"));
    QCOMPARE(server_->queryValue(QStringLiteral("SELECT COUNT(*) FROM outbox")).toInt(),
             sentBefore + 2);
    const QString stored =
        server_
            ->queryValue(QStringLiteral("SELECT alanlar FROM outbox ORDER BY sirano DESC LIMIT 1"))
            .toString();
    QVERIFY2(stored.contains(u"\"sifre\":\" YENI SIFRE \""_qs), qPrintable(stored));  // untrimmed
    QCOMPARE(
        server_
            ->queryValue(QStringLiteral("SELECT baslik FROM outbox ORDER BY sirano DESC LIMIT 1"))
            .toString(),
        QStringLiteral("Şifre Değiştirme İsteği"));
}

void TestKullaniciKayit::noServer() {
    ui::ScriptedMessages messages;
    auto window = open(1);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().metin,
             QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"));
    QCOMPARE(edit(window.get(), "firmaadi")->text(), QStringLiteral("Demo Firma"));
    QVERIFY(edit(window.get(), "adres1")->text().isEmpty());
    fillRequired(window.get());
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Button2")), Qt::LeftButton);
    QCOMPARE(messages.count(), 2);  // the connection error again; nothing sent, texts kept
    QCOMPARE(messages.last().metin,
             QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"));
    QCOMPARE(edit(window.get(), "adres1")->text(), QStringLiteral("Dolu"));
}

QTEST_MAIN(TestKullaniciKayit)
#include "tst_kullanici_kayit.moc"
