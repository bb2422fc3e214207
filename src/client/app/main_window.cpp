#include "client/app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "client/app/configuration.h"
#include "client/app/error_display.h"
#include "client/app/process_end.h"
#include "client/app/theme.h"
#include "client/app/workstation/identity.h"
#include "client/login/giris_form.h"
#include "client/login/kullanici_kayit.h"
#include "client/ui/mesaj_goster.h"

namespace app {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Varlenta B2B Programı"));
    setFont(uiFont(13, true));
    resize(1350, 652);
    buildGeneralMenu();
}

void TForm1::buildWindow() {
    if (built_) {
        return;
    }
    built_ = true;
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildHeader());
    layout->addWidget(RxGIFAnimator2);
    layout->addWidget(buildSearchBar());
    layout->addWidget(buildPages(), 1);
    layout->addWidget(buildLegend());
    layout->addWidget(buildBottomStrip());
    setCentralWidget(central);
    buildContextMenus();

    sPageControl1->setCurrentWidget(sstoklistesi);
    currentPage_ = sstoklistesi;
    connect(sPageControl1, &QTabWidget::currentChanged, this, &TForm1::tabChanged);
    setFocusProxy(araedit);
}

TForm1::~TForm1() = default;

bool TForm1::FormCreate() {
    acilisadet = 0;
    QApplication::setApplicationName(QStringLiteral("Varlenta B2B"));
    setWindowTitle(QStringLiteral("Varlenta B2B Programı"));

    sbilgi = TSonucBilgisi();
    sbilgi.SetBilgiSayarAdi(BilgisayarAdiAl());
    sbilgi.SetBilgisayarKullanici(KullaniciAdiAl());
    sbilgi.SetIcip(YerelIpAl());
    sbilgi.SetBILGISAYARID(computerIdentifier());

    bagc.HostName = configuration().serverHost;
    bagc.Port = QString::number(configuration().serverPort);
    webadresi1->setText(configuration().webSiteName());

    if (!GirisYap()) {
        return false;
    }
    AcilisYuklemesiBaslat();
    araedit->setFocus();
    return true;
}

namespace {

/// Runs an action once, after the first paint of the watched widget.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget* watched, std::function<void()> action)
        : QObject(watched), action_(std::move(action)) {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && action_) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [action = std::move(action_)] { action(); });
        }
        return false;
    }

private:
    std::function<void()> action_;
};

}  // namespace

bool TForm1::GirisYap() {
    // The dialog is a top-level window of its own: the main window is not shown yet.
    auto dialog = std::make_unique<login::Tgirisform>(nullptr);
    dialog->bagim = &bagc;
    dialog->Bilgim = &sbilgi;
    // The window's own widgets are built while the user reads the login dialog, so that the
    // dialog comes up without waiting for them.
    QPointer<TForm1> window(this);
    new AfterFirstPaint(dialog.get(), [window] {
        if (window) {
            window->buildWindow();
        }
    });
    if (dialog->exec() != QDialog::Accepted) {
        endProcess(0);
        return false;
    }
    dialog.reset();
    buildWindow();
    RolGorunurluguUygula();
    return true;
}

void TForm1::AnaBilgiAl() {
    kullanicilbl->setText(sbilgi.ADI());
    cariadilbl->setText(sbilgi.CariAdi());
    saticilbl->setText(sbilgi.SaticiAdi() + u" Telefonu: "_qs + sbilgi.SaticiTelefon() +
                       u" email: "_qs + sbilgi.SaticiMail());
}

void TForm1::onTabShown(QWidget* page, std::function<void()> handler) {
    shownHandlers_[page].append(std::move(handler));
}

void TForm1::onTabHidden(QWidget* page, std::function<void()> handler) {
    hiddenHandlers_[page].append(std::move(handler));
}

void TForm1::tabChanged(int index) {
    QWidget* page = sPageControl1->widget(index);
    if (page == currentPage_) {
        return;
    }
    QWidget* previous = currentPage_;
    currentPage_ = page;
    for (const auto& handler : hiddenHandlers_.value(previous)) {
        handler();
    }
    for (const auto& handler : shownHandlers_.value(page)) {
        handler();
    }
}

bool TForm1::FormCloseQuery() {
    const ui::ModalSonuc answer = ui::MesajGoster(
        QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"), ui::MesajTuru::Soru,
        {ui::MesajDugmesi::Evet, ui::MesajDugmesi::Hayir}, ui::MesajDugmesi::Evet, this);
    if (answer != ui::ModalSonuc::Evet) {
        return false;
    }
    endProcess(0);
    return true;
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Every way of closing (the menu, the close box, Alt+F4) asks first. A confirmed quit ends
    // the process right here; the window itself never closes on its own.
    FormCloseQuery();
    event->ignore();
}

void TForm1::M1Click() {
    // The mail window to the dealer joins with the promotions and messages subject.
}

void TForm1::N4Click() {
    runShowingErrors([this] {
        std::unique_ptr<login::Tkullanicikayit> window(
            login::Tkullanicikayit::Ac(this, sbilgi, bagc));
        window->exec();
    });
}

void TForm1::webadresi1Click() {
    QDesktopServices::openUrl(QUrl(configuration().webSiteUrl()));
    araedit->selectAll();
    araedit->setFocus();
}

void TForm1::G1Click() {
    close();
}

}  // namespace app
