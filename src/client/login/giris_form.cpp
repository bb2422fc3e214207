#include "client/login/giris_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <atomic>

#include "client/app/async.h"
#include "client/app/configuration.h"
#include "client/app/error_display.h"
#include "client/app/process_end.h"
#include "client/app/theme.h"
#include "client/app/upper_case_edit.h"
#include "client/app/wait_animation.h"
#include "client/app/workstation/folders.h"
#include "client/app/workstation/identity.h"
#include "client/login/dosya_indir.h"
#include "client/login/formistek_yeni.h"
#include "client/login/ini_dosyasi.h"
#include "client/server/baglanti_kur.h"
#include "client/server/server_connection.h"
#include "client/server/server_methods_client.h"
#include "client/ui/mesaj_goster.h"
#include "wire/error.h"

namespace login {
namespace {

const QString kBolum = QStringLiteral("kullanici");
const QString kHataliGiris =
    QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !");

QLabel* fieldCaption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(
        QStringLiteral("color: #ffffff; background: rgb(0, 160, 210); padding: 2px 4px;"
                       "border-top-left-radius: 3px; border-top-right-radius: 3px;"));
    return label;
}

}  // namespace

Tgirisform::Tgirisform(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("girisform"));
    setWindowTitle(QStringLiteral("Giriş"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(368, 550);
    setFont(app::uiFont(13, true));

    constexpr int left = 44;
    constexpr int width = 280;
    benihatirla = new QCheckBox(QStringLiteral("Beni hatırla"), this);
    benihatirla->setObjectName(QStringLiteral("benihatirla"));
    benihatirla->setChecked(true);
    benihatirla->setGeometry(left, 226, width, 22);

    fieldCaption(QStringLiteral(" Kullanıcı Adı:"), this)->setGeometry(left, 256, width, 22);
    adi = new QLineEdit(this);
    adi->setObjectName(QStringLiteral("adi"));
    adi->setGeometry(left, 278, width, 30);
    app::forceUpperCase(adi);

    fieldCaption(QStringLiteral(" Şifre:"), this)->setGeometry(left, 318, width, 22);
    sifre = new QLineEdit(this);
    sifre->setObjectName(QStringLiteral("sifre"));
    sifre->setGeometry(left, 340, width, 30);
    sifre->setEchoMode(QLineEdit::Password);
    app::forceUpperCase(sifre);

    Button1 = new QPushButton(QStringLiteral("Giriş"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(left, 392, 116, 34);
    Button1->setStyleSheet(QStringLiteral(
        "QPushButton { background: #14a0a6; color: #ffffff; border: 1px solid #0d7f86; }"
        "QPushButton:hover { background: #1bb3b9; }"
        "QPushButton:disabled { background: #90cfd2; color: #eefafa; }"));
    Button2 = new QPushButton(QStringLiteral("Vazgeç"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(left + width - 116, 392, 116, 34);
    for (QPushButton* b : {Button1, Button2}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    RxGIFAnimator1 = new app::WaitAnimation(this, QSize(28, 28));
    RxGIFAnimator1->setObjectName(QStringLiteral("RxGIFAnimator1"));
    RxGIFAnimator1->move(left + width / 2 - 14, 395);
    RxGIFAnimator1->hide();

    adresLabel = new QLabel(this);
    adresLabel->setObjectName(QStringLiteral("adresLabel"));
    adresLabel->setAlignment(Qt::AlignCenter);
    adresLabel->setFont(app::uiFont(12));
    adresLabel->setStyleSheet(QStringLiteral("color: #455a64;"));
    adresLabel->setText(
        QStringLiteral("Varlenta Otomotiv Yedek Parça San. ve Tic. A.Ş.\n"
                       "Kemalpaşa Cad. Sanayi Sitesi 14. Sokak No: 8\n"
                       "Bornova / İZMİR\n"
                       "Tel: 0 (232) 555 01 20 - Faks: 0 (232) 555 01 21\n"
                       "b2b@varlenta.example"));
    adresLabel->setGeometry(0, 448, 368, 96);

    connect(Button1, &QPushButton::clicked, this, &Tgirisform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tgirisform::Button2Click);
    adi->installEventFilter(this);
    sifre->installEventFilter(this);
    setTabOrder(adi, sifre);

    FormCreate();
    adi->setFocus();
}

Tgirisform::~Tgirisform() = default;

QString Tgirisform::ayarDosyasi() {
    return AyarKlasoru() + u"/ayar.ini"_qs;
}

void Tgirisform::FormCreate() {
    idsi = app::computerIdentifier();
    AyarOku();
}

void Tgirisform::AyarOku() {
    const IniDosyasi ini(ayarDosyasi());
    if (!ini.exists()) {
        return;
    }
    benihatirla->setChecked(ini.readBool(kBolum, QStringLiteral("hatırla"), true));
    if (benihatirla->isChecked()) {
        adi->setText(ini.readString(kBolum, QStringLiteral("isim")));
        sifre->setText(ini.readString(kBolum, QStringLiteral("sifre")));
    }
}

void Tgirisform::AyarKaydet() {
    IniDosyasi ini(ayarDosyasi());
    ini.writeString(kBolum, QStringLiteral("isim"), adi->text());
    ini.writeString(kBolum, QStringLiteral("sifre"), sifre->text());
    ini.writeBool(kBolum, QStringLiteral("hatırla"), benihatirla->isChecked());
    // A settings file that cannot be written only costs the remembered login next time.
    ini.save();
}

void Tgirisform::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QSvgRenderer background(QStringLiteral(":/app/login_background.svg"));
    background.render(&painter, QRectF(rect()));
}

bool Tgirisform::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || (watched != adi && watched != sifre)) {
        return QDialog::eventFilter(watched, event);
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) {
        return QDialog::eventFilter(watched, event);
    }
    if (watched == adi) {
        if (adi->text().trimmed().isEmpty()) {
            bosAlanUyarisi(adi, QStringLiteral("Lütfen kullanıcı adını giriniz !"));
        } else {
            sifre->selectAll();
            sifre->setFocus();
        }
    } else if (sifre->text().trimmed().isEmpty()) {
        bosAlanUyarisi(sifre, QStringLiteral("Lütfen kullanıcı şifresini giriniz !"));
    } else {
        Button1Click();
    }
    return true;  // Enter never reaches the dialog's default handling
}

void Tgirisform::bosAlanUyarisi(QLineEdit* edit, const QString& text) {
    QApplication::beep();
    ui::MesajGoster(text, ui::MesajTuru::Uyari, {ui::MesajDugmesi::Tamam}, ui::MesajDugmesi::Tamam,
                    this);
    edit->selectAll();
    edit->setFocus();
}

void Tgirisform::Button1Click() {
    if (!Button1->isEnabled()) {
        return;  // an attempt is running
    }
    Button1->setText(QStringLiteral("Bağlanıyor..."));
    Button1->setEnabled(false);

    auto disIp = std::make_shared<QString>();
    app::Async([this, disIp] {
        app::Synchronize([this] { RxGIFAnimator1->show(); });
        *disIp = DisIpAl();
    })
        ->Await(
            [this, disIp] {
                Button1->setText(QStringLiteral("Giriş!"));
                RxGIFAnimator1->hide();
                Devamet(*disIp);
            },
            this);
}

QString Tgirisform::DisIpAl() {
    return QStringLiteral("122");
}

void Tgirisform::Devamet(const QString& disIp) {
    Bilgim->SetDisip(disIp);
    bagim->HostName = app::configuration().serverHost;
    bagim->Port = QString::number(app::configuration().serverPort);

    auto basarili = std::make_shared<std::atomic<bool>>(false);
    RxGIFAnimator1->show();
    app::Async([this, basarili] {
        *basarili = SunucudanGetir();
    })->Await([this, basarili] { GirisKontrol(*basarili); }, this);
}

bool Tgirisform::SunucudanGetir() {
    std::unique_ptr<ServerConnection> klon = bagim->clone();
    if (!BaglantiKur(*klon, false)) {
        return false;
    }
    try {
        TServerMethods1Client proxy(*klon);
        TSonucBilgisi* kayit = proxy.BuyukGetir(idsi);
        if (!kayit) {
            klon->close();
            return false;
        }
        Bilgim->Kopyala(*kayit);
    } catch (...) {
        const QString text = app::errorText(std::current_exception());
        klon->close();
        app::Synchronize([this, text] {
            ui::MesajGoster(text, ui::MesajTuru::Hata, {ui::MesajDugmesi::Tamam},
                            ui::MesajDugmesi::Tamam, this);
        });
        return false;
    }
    klon->close();

    Bilgim->SetBilgiSayarAdi(BilgisayarAdiAl());
    Bilgim->SetBilgisayarKullanici(KullaniciAdiAl());
    Bilgim->SetIcip(YerelIpAl());
    Bilgim->SetBILGISAYARID(app::computerIdentifier());
    Bilgim->SetDisip(QStringLiteral("122"));
    return true;
}

void Tgirisform::GirisKontrol(bool basarili) {
    RxGIFAnimator1->hide();
    if (!basarili) {
        ui::MesajGoster(QStringLiteral("Bağlantı Kurulamadı !"), ui::MesajTuru::Hata,
                        {ui::MesajDugmesi::Tamam}, ui::MesajDugmesi::Tamam, this);
        girisiTekrarAc();
        return;
    }
    if (Bilgim->Version() != kProgramVersion) {
        GuncellemeAc();
        return;
    }
    if (!Bilgim->Varmi()) {
        IstekFormuAc(app::configuration().webBase);
        programiBitir();
        return;
    }
    if (Bilgim->ADI() == adi->text() && Bilgim->SIFRE() == sifre->text()) {
        AyarKaydet();
        if (Bilgim->AKTIF() == 1) {
            const int rol = Bilgim->MusteriTipi();
            if ((rol == 1 || rol == 2) && !CariSecimiAc()) {
                programiBitir();
                return;
            }
            accept();
            return;
        }
    }
    ui::MesajGoster(kHataliGiris, ui::MesajTuru::Uyari, {ui::MesajDugmesi::Tamam},
                    ui::MesajDugmesi::Tamam, this);
    girisiTekrarAc();
}

void Tgirisform::girisiTekrarAc() {
    Button1->setEnabled(true);
    adi->selectAll();
    adi->setFocus();
}

bool Tgirisform::CariSecimiAc() {
    // The dealer's staff choose the customer account they act for; until that window is part of
    // the program they continue with the account of their own record.
    return true;
}

void Tgirisform::GuncellemeAc() {
    std::unique_ptr<Tdosyaindir> indir(Tdosyaindir::Yeni(this, Bilgim->Version()));
    indir->exec();
    // The update ends the program itself; only an intercepted end comes back here.
    programiBitir();
}

void Tgirisform::IstekFormuAc(const QString& adres) {
    std::unique_ptr<Tformistekyeni> form(new Tformistekyeni(this));
    form->setWindowTitle(QStringLiteral("Varlenta B2B İstek Formu"));
    form->Git(Tformistekyeni::istekAdresi(adres, idsi));
    form->exec();
}

void Tgirisform::Button2Click() {
    programiBitir();
}

void Tgirisform::programiBitir() {
    app::endProcess(0);
    done(QDialog::Rejected);
}

}  // namespace login
