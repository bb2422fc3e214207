// The login dialog against a real varlenta-server with a demo database.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "../app/support/demo_server.h"
#include "../app/support/modal.h"
#include "../app/support/screenshot.h"
#include "client/app/configuration.h"
#include "client/app/process_end.h"
#include "client/app/theme.h"
#include "client/login/dosya_indir.h"
#include "client/login/formistek_yeni.h"
#include "client/login/giris_form.h"
#include "client/server/baglanti_kur.h"
#include "client/server/server_connection.h"
#include "client/ui/test_support/scripted_messages.h"
#include "http_stub.h"
#include "wire/records/sonuc_bilgisi.h"

namespace {

// The embedded browser of the request form wants this before the application object exists.
const bool kSharedContexts = [] {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return true;
}();

const QString kHatali = QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !");

/// One login dialog as GirisYap sets it up, with the end of the program intercepted.
struct Login {
    explicit Login(const QString& computerId) {
        auto config = app::configuration();
        config.computerId = computerId;
        app::setConfiguration(config);
        previousEnd = app::setProcessEndHook([this](int code) { ended << code; });
        dialog = std::make_unique<login::Tgirisform>(nullptr);
        dialog->bagim = &connection;
        dialog->Bilgim = &record;
        QObject::connect(dialog.get(), &QDialog::finished, [this](int r) { result = r; });
        dialog->show();
    }
    ~Login() { app::setProcessEndHook(previousEnd); }

    template <class T>
    T* find(const char* name) const {
        return dialog->findChild<T*>(QString::fromLatin1(name));
    }
    QLineEdit* adi() const { return find<QLineEdit>("adi"); }
    QLineEdit* sifre() const { return find<QLineEdit>("sifre"); }
    QPushButton* giris() const { return find<QPushButton>("Button1"); }

    void type(const QString& name, const QString& password) {
        adi()->clear();
        sifre()->clear();
        QTest::keyClicks(adi(), name);
        QTest::keyClicks(sifre(), password);
    }

    ServerConnection connection;
    TSonucBilgisi record;
    std::unique_ptr<login::Tgirisform> dialog;
    app::ProcessEndHook previousEnd;
    QList<int> ended;
    int result = -1;
};

}  // namespace

class TestGirisForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void acceptedLogin_data();
    void acceptedLogin();
    void refusedLogin_data();
    void refusedLogin();
    void noServer();
    void lookupFails();
    void enterKeys();
    void settingsRoundTrip();
    void otherVersionStartsUpdate_data();
    void otherVersionStartsUpdate();
    void unknownComputerOpensRequestForm();
    void cancelEndsProgram();

private:
    std::unique_ptr<DemoServer> server_;
    std::unique_ptr<QTemporaryDir> home_;
};

void TestGirisForm::initTestCase() {
    app::initResources();
    app::applyTheme(*qApp);
    setConnectionRetryPause([](int) {});
    server_ = std::make_unique<DemoServer>();
    QVERIFY2(server_->started(), qPrintable(server_->error()));
}

void TestGirisForm::cleanupTestCase() {
    server_.reset();
}

void TestGirisForm::init() {
    home_ = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", home_->filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", home_->filePath(QStringLiteral("data")).toUtf8());
    auto config =
        app::Configuration::fromOverrides({QStringLiteral("--server"), server_->address()}, {});
    app::setConfiguration(config);
}

void TestGirisForm::acceptedLogin_data() {
    QTest::addColumn<QString>("computer");
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<QString>("typedPassword");
    QTest::addColumn<int>("role");
    QTest::newRow("customer") << "DEMO-3"
                              << "MUSTERI"
                              << "MUSTERI3" << 3;
    QTest::newRow("typed in lower case") << "DEMO-4"
                                         << "bayi"
                                         << "bayi4" << 4;
    // Staff choose their customer account inside the login once that window is part of the
    // program; until then they go on to the main window with their own record.
    QTest::newRow("staff") << "DEMO-1"
                           << "TEMSILCI"
                           << "TEMSILCI1" << 1;
}

void TestGirisForm::acceptedLogin() {
    QFETCH(QString, computer);
    QFETCH(QString, typedName);
    QFETCH(QString, typedPassword);
    QFETCH(int, role);
    ui::ScriptedMessages messages;
    Login login(computer);
    login.type(typedName, typedPassword);
    if (role == 3) {
        testsupport::saveScreenshot(login.dialog.get(), QStringLiteral("giris"));
    }
    QTest::mouseClick(login.giris(), Qt::LeftButton);
    QCOMPARE(login.giris()->text(), QStringLiteral("Bağlanıyor..."));
    QVERIFY(!login.giris()->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(login.result, int(QDialog::Accepted), 15000);

    QCOMPARE(messages.count(), 0);
    QVERIFY(login.ended.isEmpty());
    QCOMPARE(login.record.ADI(), typedName.toUpper());
    QCOMPARE(login.record.MusteriTipi(), role);
    QCOMPARE(login.record.Disip(), QStringLiteral("122"));
    QCOMPARE(login.record.BILGISAYARID(), computer);
    QCOMPARE(login.connection.HostName, server_->host());

    QFile settings(login::Tgirisform::ayarDosyasi());
    QVERIFY(settings.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(settings.readAll());
    QVERIFY(text.contains(u"[kullanici]"_qs));
    QVERIFY(text.contains(u"isim="_qs + typedName.toUpper()));
    QVERIFY(text.contains(u"sifre="_qs + typedPassword.toUpper()));
    QVERIFY(text.contains(u"hatırla=1"_qs));
    QCOMPARE(settings.permissions() & 0x0077, QFileDevice::Permissions());  // no group, no other
}

void TestGirisForm::refusedLogin_data() {
    QTest::addColumn<QString>("computer");
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<QString>("typedPassword");
    QTest::addColumn<bool>("settingsWritten");
    QTest::newRow("wrong password") << "DEMO-3"
                                    << "MUSTERI"
                                    << "YANLIS" << false;
    QTest::newRow("another user's name") << "DEMO-3"
                                         << "BAYI"
                                         << "BAYI4" << false;
    QTest::newRow("empty fields by click") << "DEMO-3"
                                           << ""
                                           << "" << false;
    QTest::newRow("not active") << "DEMO-PASIF"
                                << "PASIF"
                                << "PASIF" << true;
}

void TestGirisForm::refusedLogin() {
    QFETCH(QString, computer);
    QFETCH(QString, typedName);
    QFETCH(QString, typedPassword);
    QFETCH(bool, settingsWritten);
    ui::ScriptedMessages messages;
    Login login(computer);
    login.type(typedName, typedPassword);
    QTest::mouseClick(login.giris(), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(messages.count(), 1, 15000);

    QCOMPARE(messages.last().metin, kHatali);
    QCOMPARE(messages.last().baslik, QStringLiteral("Uyarı"));
    QVERIFY(login.giris()->isEnabled());
    QCOMPARE(login.giris()->text(), QStringLiteral("Giriş!"));
    QCOMPARE(login.dialog->focusWidget(), login.adi());
    QCOMPARE(login.result, -1);
    QVERIFY(login.ended.isEmpty());
    QCOMPARE(QFile::exists(login::Tgirisform::ayarDosyasi()), settingsWritten);

    // Every refusal leaves the dialog ready for the next attempt, which asks the server again.
    login.type(QStringLiteral("MUSTERI"), QStringLiteral("MUSTERI3"));
    QTest::mouseClick(login.giris(), Qt::LeftButton);
    if (computer == u"DEMO-3") {
        QTRY_COMPARE_WITH_TIMEOUT(login.result, int(QDialog::Accepted), 15000);
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(messages.count(), 2, 15000);
    }
}

void TestGirisForm::noServer() {
    ui::ScriptedMessages messages;
    auto config = app::Configuration::fromOverrides(
        {QStringLiteral("--server"), QStringLiteral("127.0.0.1:1")}, {});
    app::setConfiguration(config);
    Login login(QStringLiteral("DEMO-3"));
    login.type(QStringLiteral("MUSTERI"), QStringLiteral("MUSTERI3"));
    QTest::mouseClick(login.giris(), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(messages.count(), 1, 30000);
    QCOMPARE(messages.last().metin, QStringLiteral("Bağlantı Kurulamadı !"));
    QCOMPARE(messages.last().tur, ui::MesajTuru::Hata);
    QVERIFY(login.giris()->isEnabled());
    QVERIFY(login.find<QWidget>("RxGIFAnimator1")->isHidden());
    QCOMPARE(login.result, -1);
}

void TestGirisForm::lookupFails() {
    ui::ScriptedMessages messages;
    // A server whose database has lost a table answers the lookup with an error.
    QVERIFY(server_->execSql(QStringLiteral("ALTER TABLE workstations RENAME TO saved_ws")));
    Login login(QStringLiteral("DEMO-3"));
    login.type(QStringLiteral("MUSTERI"), QStringLiteral("MUSTERI3"));
    QTest::mouseClick(login.giris(), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(messages.count(), 2, 15000);
    QVERIFY(server_->execSql(QStringLiteral("ALTER TABLE saved_ws RENAME TO workstations")));

    // First the error's own text, then the connection message; the dialog is ready again.
    QVERIFY(!messages.shown().at(0).metin.isEmpty());
    QVERIFY(messages.shown().at(0).metin != u"Bağlantı Kurulamadı !"_qs);
    QCOMPARE(messages.last().metin, QStringLiteral("Bağlantı Kurulamadı !"));
    QVERIFY(login.giris()->isEnabled());
    QCOMPARE(login.result, -1);
    QVERIFY(login.ended.isEmpty());
}

void TestGirisForm::enterKeys() {
    ui::ScriptedMessages messages;
    Login login(QStringLiteral("DEMO-3"));

    QTest::keyClick(login.adi(), Qt::Key_Return);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().metin, QStringLiteral("Lütfen kullanıcı adını giriniz !"));
    QCOMPARE(login.dialog->focusWidget(), login.adi());

    QTest::keyClicks(login.adi(), QStringLiteral("   "));
    QTest::keyClick(login.adi(), Qt::Key_Return);  // blanks only count as empty
    QCOMPARE(messages.count(), 2);

    login.adi()->setText(QStringLiteral("MUSTERI"));
    QTest::keyClick(login.adi(), Qt::Key_Return);
    QCOMPARE(messages.count(), 2);
    QCOMPARE(login.dialog->focusWidget(), login.sifre());

    QTest::keyClick(login.sifre(), Qt::Key_Enter);
    QCOMPARE(messages.count(), 3);
    QCOMPARE(messages.last().metin, QStringLiteral("Lütfen kullanıcı şifresini giriniz !"));
    QCOMPARE(login.dialog->focusWidget(), login.sifre());
    QCOMPARE(login.result, -1);
    QVERIFY(login.giris()->isEnabled());

    // Both filled: Enter in the password logs in; a second Enter meanwhile starts nothing.
    QTest::keyClicks(login.sifre(), QStringLiteral("MUSTERI3"));
    QTest::keyClick(login.sifre(), Qt::Key_Return);
    QTest::keyClick(login.sifre(), Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(login.result, int(QDialog::Accepted), 15000);
    QCOMPARE(messages.count(), 3);
}

void TestGirisForm::settingsRoundTrip() {
    ui::ScriptedMessages messages;
    {
        Login first(QStringLiteral("DEMO-3"));
        QVERIFY(first.find<QCheckBox>("benihatirla")->isChecked());
        QVERIFY(first.adi()->text().isEmpty());
        first.type(QStringLiteral("MUSTERI"), QStringLiteral("MUSTERI3"));
        QTest::mouseClick(first.giris(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(first.result, int(QDialog::Accepted), 15000);
    }
    {
        Login remembered(QStringLiteral("DEMO-3"));
        QCOMPARE(remembered.adi()->text(), QStringLiteral("MUSTERI"));
        QCOMPARE(remembered.sifre()->text(), QStringLiteral("MUSTERI3"));
        remembered.find<QCheckBox>("benihatirla")->setChecked(false);
        QTest::mouseClick(remembered.giris(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(remembered.result, int(QDialog::Accepted), 15000);
    }
    {
        // Not remembered: the file still holds the login, but the next start leaves the fields
        // empty.
        QFile file(login::Tgirisform::ayarDosyasi());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.contains(u"isim=MUSTERI\r\n"_qs));
        QVERIFY(text.contains(u"hatırla=0"_qs));
        Login forgotten(QStringLiteral("DEMO-3"));
        QVERIFY(!forgotten.find<QCheckBox>("benihatirla")->isChecked());
        QVERIFY(forgotten.adi()->text().isEmpty());
        QVERIFY(forgotten.sifre()->text().isEmpty());
    }
    {
        // A file left readable by others, with a section of its own, is tightened and kept.
        QFile file(login::Tgirisform::ayarDosyasi());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[pencere]\r\nboyut=1\r\n[kullanici]\r\nisim=ESKI\r\n");
        file.close();
        QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ReadOther |
                                    QFileDevice::ReadGroup));
        Login again(QStringLiteral("DEMO-3"));
        QVERIFY(again.find<QCheckBox>("benihatirla")->isChecked());  // read with default true
        QCOMPARE(again.adi()->text(), QStringLiteral("ESKI"));
        again.type(QStringLiteral("MUSTERI"), QStringLiteral("MUSTERI3"));
        QTest::mouseClick(again.giris(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(again.result, int(QDialog::Accepted), 15000);
        QCOMPARE(file.permissions() & 0x0077, QFileDevice::Permissions());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(
            file.readAll().startsWith("[pencere]\r\nboyut=1\r\n[kullanici]\r\nisim=MUSTERI\r\n"));
    }
}

void TestGirisForm::otherVersionStartsUpdate_data() {
    QTest::addColumn<int>("version");
    QTest::newRow("newer") << 5;
    QTest::newRow("older") << 3;
}

void TestGirisForm::otherVersionStartsUpdate() {
    QFETCH(int, version);
    ui::ScriptedMessages messages;
    QVERIFY(server_->execSql(
        QStringLiteral("INSERT OR REPLACE INTO settings (name, value) VALUES ('version', '%1')")
            .arg(version)));
    HttpStub download(HttpStub::Mode::SlowNotFound, {});
    auto config = app::configuration();
    config.downloadUrl = download.url();
    app::setConfiguration(config);

    Login login(QStringLiteral("DEMO-3"));
    QString label;
    testsupport::whenModalOpens<login::Tdosyaindir>([&](login::Tdosyaindir* update) {
        label = update->findChild<QLabel*>(QStringLiteral("sLabel1"))->text();
        testsupport::saveScreenshot(update, QStringLiteral("guncelleme"));
    });
    // The update comes before any credential check.
    QTest::mouseClick(login.giris(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!login.ended.isEmpty(), 15000);
    QVERIFY(server_->execSql(QStringLiteral("DELETE FROM settings WHERE name = 'version'")));

    QCOMPARE(login.ended.first(), 0);
    QVERIFY(label.endsWith(u"Version: "_qs + QString::number(version) + u"-4"_qs));
    QCOMPARE(messages.count(), 1);  // the download's own failure, nothing of the login
    QVERIFY(messages.last().metin.startsWith(u"Hata Oluştu !\r\nHata: "_qs));
    QVERIFY(login.result != QDialog::Accepted);
}

void TestGirisForm::unknownComputerOpensRequestForm() {
    ui::ScriptedMessages messages;
    // The dealer's request page, served on loopback through the web-base override.
    HttpStub page(HttpStub::Mode::WithLength,
                  "<html><head><meta charset='utf-8'></head><body style='font-family: "
                  "sans-serif'><h2>Varlenta B2B Erişim "
                  "İsteği</h2><p>Firma bilgilerinizi giriniz.</p></body></html>");
    const QString base = page.url().section(u'/', 0, 2) + u'/';
    app::setConfiguration(app::Configuration::fromOverrides(
        {QStringLiteral("--server"), server_->address(), QStringLiteral("--web-base"), base}, {}));

    Login login(QStringLiteral("YENI-PC-42"));
    QString address, caption;
    bool pageRequested = false;
    testsupport::whenModalOpens<login::Tformistekyeni>([&](login::Tformistekyeni* form) {
        address = form->adres();
        caption = form->windowTitle();
        pageRequested = QTest::qWaitFor([&] { return page.requests() > 0; }, 20000);
        QTest::qWait(300);
        testsupport::saveScreenshot(form, QStringLiteral("istek_formu"));
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    });
    QTest::mouseClick(login.giris(), Qt::LeftButton);  // name and password left empty
    QTRY_VERIFY_WITH_TIMEOUT(!login.ended.isEmpty(), 30000);
    QCOMPARE(login.ended.first(), 0);
    QCOMPARE(caption, QStringLiteral("Varlenta B2B İstek Formu"));
    QCOMPARE(address, base + u"formmailgonder.aspx?carino=0&kullanici= &id=YENI-PC-42"_qs);
#ifdef VARLENTA_HAVE_WEBENGINE
    QVERIFY(pageRequested);
    QVERIFY2(page.firstRequest().startsWith(
                 "GET /formmailgonder.aspx?carino=0&kullanici=%20&id=YENI-PC-42 HTTP/1.1"),
             page.firstRequest().constData());
#endif
    QCOMPARE(messages.count(), 0);
    QVERIFY(!QFile::exists(login::Tgirisform::ayarDosyasi()));
}

void TestGirisForm::cancelEndsProgram() {
    ui::ScriptedMessages messages;
    Login login(QStringLiteral("DEMO-3"));
    QTest::mouseClick(login.find<QPushButton>("Button2"), Qt::LeftButton);
    QCOMPARE(login.ended, QList<int>{0});
    QVERIFY(login.result != QDialog::Accepted);
    QCOMPARE(messages.count(), 0);
}

QTEST_MAIN(TestGirisForm)
#include "tst_giris_form.moc"
