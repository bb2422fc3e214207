// The main window: layout, tabs, menus, quit confirmation, roles, and the real start-up against a
// varlenta-server with a demo database.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "client/app/configuration.h"
#include "client/app/main_window.h"
#include "client/app/process_end.h"
#include "client/app/tab_load.h"
#include "client/app/theme.h"
#include "client/app/wait_animation.h"
#include "client/app/workstation/browser.h"
#include "client/login/giris_form.h"
#include "client/server/baglanti_kur.h"
#include "client/ui/grid/data_grid.h"
#include "client/ui/test_support/scripted_messages.h"
#include "support/demo_server.h"
#include "support/modal.h"
#include "support/screenshot.h"

namespace {

QStringList actionTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* a : menu->actions()) {
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    return texts;
}

struct DemoLogin {
    const char* name;
    const char* password;
};

/// The demo's users by workstation.
DemoLogin demoLogin(const QString& computer) {
    static const QHash<QString, DemoLogin> logins = {{"DEMO-1", {"TEMSILCI", "TEMSILCI1"}},
                                                     {"DEMO-2", {"MUDUR", "MUDUR2"}},
                                                     {"DEMO-3", {"MUSTERI", "MUSTERI3"}},
                                                     {"DEMO-4", {"BAYI", "BAYI4"}}};
    return logins.value(computer);
}

/// Answers the login dialog of `form.FormCreate()` with the demo user of `computer`.
void answerLogin(const QString& computer) {
    const DemoLogin login = demoLogin(computer);
    testsupport::whenModalOpens<login::Tgirisform>([login](login::Tgirisform* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("adi"))->setText(QLatin1String(login.name));
        dialog->findChild<QLineEdit*>(QStringLiteral("sifre"))
            ->setText(QLatin1String(login.password));
        dialog->Button1Click();
    });
}

struct EndRecorder {
    EndRecorder() {
        previous = app::setProcessEndHook([this](int c) { codes << c; });
    }
    ~EndRecorder() { app::setProcessEndHook(previous); }
    app::ProcessEndHook previous;
    QList<int> codes;
};

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void layoutTabsAndMenus();
    void quitConfirmation_data();
    void quitConfirmation();
    void roleVisibility_data();
    void roleVisibility();
    void representativeLine();
    void failingLoadRestoresWindowBeforeMessage();
    void loginAndStartUp_data();
    void loginAndStartUp();
    void cancelledLoginNeverShowsWindow();

private:
    /// A main window after a real login of the demo user of `computer`, header written.
    std::unique_ptr<app::TForm1> loggedIn(const QString& computer);

    std::unique_ptr<DemoServer> server_;
    QTemporaryDir home_;
};

void TestMainWindow::initTestCase() {
    app::initResources();
    app::applyTheme(*qApp);
    setConnectionRetryPause([](int) {});
    qputenv("XDG_CONFIG_HOME", home_.filePath(QStringLiteral("config")).toUtf8());
    server_ = std::make_unique<DemoServer>();
    QVERIFY2(server_->started(), qPrintable(server_->error()));
}

void TestMainWindow::init() {
    app::setConfiguration(
        app::Configuration::fromOverrides({QStringLiteral("--server"), server_->address()}, {}));
}

std::unique_ptr<app::TForm1> TestMainWindow::loggedIn(const QString& computer) {
    auto config = app::configuration();
    config.computerId = computer;
    app::setConfiguration(config);
    auto form = std::make_unique<app::TForm1>();
    answerLogin(computer);
    if (!form->FormCreate()) {
        return nullptr;
    }
    const QString name = QLatin1String(demoLogin(computer).name);
    if (!QTest::qWaitFor([&] { return form->kullanicilbl->text() == name; }, 10000)) {
        return nullptr;
    }
    return form;
}

void TestMainWindow::layoutTabsAndMenus() {
    auto window = loggedIn(QStringLiteral("DEMO-3"));
    QVERIFY(window);
    app::TForm1& form = *window;
    QCOMPARE(form.windowTitle(), QStringLiteral("Varlenta B2B Programı"));
    auto* pages = form.findChild<QTabWidget*>(QStringLiteral("sPageControl1"));
    QVERIFY(pages);
    const QStringList names = {"sstoklistesi",    "ssepet",        "sonceki",
                               "sccariekstre",    "syeniler",      "skampanyali",
                               "sTabSheetduyuru", "sTabbakiyeler", "ss"};
    const QStringList captions = {"Stok Listesi", "Sepet",        "Önceki Siparişler",
                                  "Cari Ekstre",  "Yeni Stoklar", "Kampanyalı Stoklar",
                                  "Duyurular",    "Bakiyeler",    "Sanal Pos"};
    QCOMPARE(pages->count(), names.size());
    for (int i = 0; i < pages->count(); ++i) {
        QCOMPARE(pages->widget(i)->objectName(), names[i]);
        QCOMPARE(pages->tabText(i), captions[i]);
        QVERIFY(!pages->tabIcon(i).isNull());
    }
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("sstoklistesi"));

    for (const char* grid :
         {"cxGrid1", "cxGrid2", "cxGrid3", "cxGrid5", "cxGrid6", "cxkampanyali", "cxGridduyuru"}) {
        QVERIFY2(form.findChild<ui::DataGrid*>(QLatin1String(grid)), grid);
    }
    for (const char* view :
         {"cxGrid1DBTableView1", "cxGridDBTableView1", "cxGridDBTableView2", "cxGridDBTableView4",
          "cxGridDBTableView5", "cxGridDBTableViewkampanyali", "cxGridduyuruBandedDuyuru"}) {
        QVERIFY2(form.findChild<QWidget*>(QLatin1String(view)), view);
    }
    for (const char* hidden : {"musteritus", "gifstokara", "gifyeniler", "gifkampanyali",
                               "gifduyuru", "gifoncekiler", "gifekstre", "RealTimeMarquee1"}) {
        auto* w = form.findChild<QWidget*>(QLatin1String(hidden));
        QVERIFY2(w && w->isHidden(), hidden);
    }
    QCOMPARE(form.findChild<QPushButton*>(QStringLiteral("musteritus"))->text(),
             QStringLiteral("Başka Cari Seç"));
    QCOMPARE(form.findChild<QWidget*>(QStringLiteral("Panel1"))->height(), 100);

    auto* menu = form.findChild<QMenu*>(QStringLiteral("Genelmenu"));
    QCOMPARE(actionTexts(menu),
             (QStringList{"Mail Gönder", "-", "Şifre Değiştirme İsteği", "-",
                          form.webadresi1->text(), "-", "Çıkış", "-", "Raporlar"}));
    QVERIFY(!form.R1->isVisible());
    QCOMPARE(actionTexts(form.findChild<QMenu*>(QStringLiteral("popstok"))),
             (QStringList{"Sepete Ekle", "Sipariş Bakiyeleriniz", "Siparişleri Göster"}));
    QCOMPARE(actionTexts(form.findChild<QMenu*>(QStringLiteral("PopupMenu1"))),
             (QStringList{"Satır Değiştir", "Satır Sil", "Hepsini Sil"}));
    QCOMPARE(actionTexts(form.findChild<QMenu*>(QStringLiteral("poponceki"))),
             (QStringList{"Siparişi İncele", "Sipariş Bakiyeleriniz", "Tüm Siparişler"}));
    QCOMPARE(actionTexts(form.findChild<QMenu*>(QStringLiteral("popekstre"))),
             (QStringList{"Hareket İncele"}));

    QStringList legend;
    for (int state : {1, 2, 3, 5, 4, 0}) {
        legend << form.findChild<QLabel*>(u"legend"_qs + QString::number(state))->text();
    }
    QCOMPARE(legend, (QStringList{" Stok mevcut  ", " Telefon Açınız  ", " Yolda  ",
                                  " Tedarik Sürecinde ", " Özel Sipariş  ", " Yok  "}));
}

void TestMainWindow::quitConfirmation_data() {
    QTest::addColumn<bool>("byMenu");
    QTest::addColumn<bool>("confirm");
    QTest::newRow("Çıkış, Hayır") << true << false;
    QTest::newRow("Çıkış, Evet") << true << true;
    QTest::newRow("close box, Hayır") << false << false;
    QTest::newRow("close box, Evet") << false << true;
}

void TestMainWindow::quitConfirmation() {
    QFETCH(bool, byMenu);
    QFETCH(bool, confirm);
    ui::ScriptedMessages messages;
    messages.answer(confirm ? ui::ModalSonuc::Evet : ui::ModalSonuc::Hayir);
    EndRecorder end;
    auto window = loggedIn(QStringLiteral("DEMO-3"));
    QVERIFY(window);
    app::TForm1& form = *window;
    form.show();
    form.sPageControl1->setCurrentWidget(form.ssepet);
    if (byMenu) {
        form.G1->trigger();
    } else {
        form.close();
    }
    QCOMPARE(messages.count(), 1);
    const ui::GosterilenMesaj& asked = messages.last();
    QCOMPARE(asked.metin, QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"));
    QCOMPARE(asked.baslik, QStringLiteral("Soru"));
    QCOMPARE(asked.dugmeler,
             (QList<ui::MesajDugmesi>{ui::MesajDugmesi::Evet, ui::MesajDugmesi::Hayir}));
    QCOMPARE(asked.odak, ui::MesajDugmesi::Evet);
    QCOMPARE(end.codes, confirm ? QList<int>{0} : QList<int>{});
    if (!confirm) {
        // Hayır leaves everything as it was.
        QVERIFY(form.isVisible());
        QCOMPARE(form.sPageControl1->currentWidget(), form.ssepet);
    }
}

void TestMainWindow::roleVisibility_data() {
    QTest::addColumn<QString>("computer");
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("staff");
    QTest::addColumn<bool>("campaignTab");
    QTest::newRow("1") << "DEMO-1" << 1 << true << true;
    QTest::newRow("2") << "DEMO-2" << 2 << true << true;
    QTest::newRow("3") << "DEMO-3" << 3 << false << true;
    QTest::newRow("4") << "DEMO-4" << 4 << false << false;
}

void TestMainWindow::roleVisibility() {
    QFETCH(QString, computer);
    QFETCH(int, role);
    QFETCH(bool, staff);
    QFETCH(bool, campaignTab);
    ui::ScriptedMessages messages;
    auto window = loggedIn(computer);
    QVERIFY(window);
    app::TForm1& form = *window;
    QCOMPARE(form.sbilgi.MusteriTipi(), role);
    QCOMPARE(form.musteritus->isVisibleTo(&form), staff);
    QCOMPARE(form.R1->isVisible(), staff);
    QCOMPARE(form.sPageControl1->isTabVisible(form.sPageControl1->indexOf(form.skampanyali)),
             campaignTab);
}

void TestMainWindow::representativeLine() {
    auto window = loggedIn(QStringLiteral("DEMO-3"));
    QVERIFY(window);
    app::TForm1& form = *window;
    form.sbilgi.SetADI(QStringLiteral("MUSTERI"));
    form.sbilgi.SetCariAdi(QStringLiteral("Öztürk Oto"));
    form.sbilgi.SetSaticiAdi(QStringLiteral("Ahmet"));
    form.sbilgi.SetSaticiTelefon(QString());
    form.sbilgi.SetSaticiMail(QString());
    form.AnaBilgiAl();
    QCOMPARE(form.kullanicilbl->text(), QStringLiteral("MUSTERI"));
    QCOMPARE(form.cariadilbl->text(), QStringLiteral("Öztürk Oto"));
    QCOMPARE(form.saticilbl->text(), QStringLiteral("Ahmet Telefonu:  email: "));
}

void TestMainWindow::failingLoadRestoresWindowBeforeMessage() {
    ui::ScriptedMessages messages;
    auto window = loggedIn(QStringLiteral("DEMO-3"));
    QVERIFY(window);
    app::TForm1& form = *window;
    form.bagc.HostName = QStringLiteral("127.0.0.1");
    form.bagc.Port = QStringLiteral("1");  // nobody listens there
    form.show();
    bool restoredAtMessage = false;
    ui::MesajYanitlayici scripted = ui::mesajYanitlayiciKur({});
    ui::mesajYanitlayiciKur([&](const ui::GosterilenMesaj& m) {
        restoredAtMessage =
            form.cxGrid6->isEnabled() && form.gifyeniler->isHidden() && form.cxGrid6->isAttached();
        return scripted(m);
    });
    app::TabLoad load({form.gifyeniler, form.cxGrid6, [&] { form.cxGrid6->detach(); },
                       [&] { form.cxGrid6->attach(&form.YENILER); }});
    auto clone = std::shared_ptr<ServerConnection>(form.bagc.clone());
    QVERIFY(load.start(&form, [clone] { return BaglantiKur(*clone, false); }));
    QVERIFY(form.gifyeniler->isVisibleTo(&form));
    QVERIFY(!form.cxGrid6->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(messages.count(), 1, 30000);
    ui::mesajYanitlayiciKur(scripted);
    QCOMPARE(messages.last().metin,
             QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"));
    QVERIFY(restoredAtMessage);
}

void TestMainWindow::loginAndStartUp_data() {
    QTest::addColumn<QString>("computer");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QSize>("size");
    QTest::newRow("customer 1366") << "DEMO-3"
                                   << "MUSTERI"
                                   << "MUSTERI3" << QSize(1366, 768);
    QTest::newRow("customer 1920") << "DEMO-3"
                                   << "MUSTERI"
                                   << "MUSTERI3" << QSize(1920, 1080);
    QTest::newRow("representative 1366") << "DEMO-1"
                                         << "TEMSILCI"
                                         << "TEMSILCI1" << QSize(1366, 768);
    QTest::newRow("role 4 1366") << "DEMO-4"
                                 << "BAYI"
                                 << "BAYI4" << QSize(1366, 768);
}

void TestMainWindow::loginAndStartUp() {
    QFETCH(QString, computer);
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QSize, size);
    ui::ScriptedMessages messages;
    EndRecorder end;
    auto config = app::configuration();
    config.computerId = computer;
    app::setConfiguration(config);

    app::TForm1 form;
    bool windowHiddenDuringLogin = false;
    bool builtWhileLoginOpen = false;
    testsupport::whenModalOpens<login::Tgirisform>([&](login::Tgirisform* dialog) {
        windowHiddenDuringLogin = !form.isVisible();
        builtWhileLoginOpen = QTest::qWaitFor([&] { return form.sPageControl1 != nullptr; });
        dialog->findChild<QLineEdit*>(QStringLiteral("adi"))->setText(name);
        dialog->findChild<QLineEdit*>(QStringLiteral("sifre"))->setText(password);
        dialog->Button1Click();
    });
    QVERIFY(form.FormCreate());
    QVERIFY(windowHiddenDuringLogin);
    QVERIFY(builtWhileLoginOpen);
    QVERIFY(end.codes.isEmpty());
    QCOMPARE(form.sbilgi.ADI(), name);
    QCOMPARE(form.webadresi1->text(), QStringLiteral("127.0.0.1"));

    form.resize(size);
    form.show();
    // The start-up load writes the header from the login record.
    QTRY_COMPARE(form.kullanicilbl->text(), name);
    QVERIFY(!form.cariadilbl->text().isEmpty() || form.sbilgi.MusteriTipi() <= 2);
    QVERIFY(form.saticilbl->text().contains(u" Telefonu: "_qs));
    QCOMPARE(messages.count(), 0);
    QCOMPARE(form.focusWidget(), form.araedit);
#ifdef VARLENTA_HAVE_WEBENGINE
    // After the start-up load the embedded browser's engine version is known (a Chromium major).
    QTRY_VERIFY(IeSurumu() >= 16);
#endif
    testsupport::saveScreenshot(
        &form, u"ana_pencere_"_qs + computer + u'_' + QString::number(size.width()));
}

void TestMainWindow::cancelledLoginNeverShowsWindow() {
    ui::ScriptedMessages messages;
    EndRecorder end;
    app::TForm1 form;
    testsupport::whenModalOpens<login::Tgirisform>(
        [](login::Tgirisform* dialog) { dialog->reject(); });  // the dialog's close box
    QVERIFY(!form.FormCreate());
    QCOMPARE(end.codes, QList<int>{0});
    QVERIFY(!form.isVisible());
    QCOMPARE(messages.count(), 0);
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
