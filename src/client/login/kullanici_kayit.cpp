#include "client/login/kullanici_kayit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "client/app/configuration.h"
#include "client/app/error_display.h"
#include "client/app/theme.h"
#include "client/server/baglanti_kur.h"
#include "client/server/server_connection.h"
#include "client/server/server_methods_client.h"
#include "client/ui/mesaj_goster.h"

namespace login {
namespace {

const QString kKonu = QStringLiteral("Şifre Değiştirme İsteği");

QLabel* heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(
        QStringLiteral("color: #ffffff; background: #14a0a6; padding: 4px; border-radius: 3px;"));
    return label;
}

}  // namespace

Tkullanicikayit* Tkullanicikayit::Ac(QWidget* owner, const TSonucBilgisi& bilgi,
                                     const ServerConnection& baglanti) {
    return new Tkullanicikayit(owner, bilgi, baglanti);
}

Tkullanicikayit::Tkullanicikayit(QWidget* owner, const TSonucBilgisi& bilgi,
                                 const ServerConnection& baglanti)
    : QDialog(owner), con(baglanti.clone()), _idsi(app::computerIdentifier()) {
    Bilgim.Kopyala(bilgi);
    setObjectName(QStringLiteral("kullanicikayit"));
    resize(705, 514);
    setFont(app::uiFont(13, true));

    lblid = new QLabel(this);
    lblid->setObjectName(QStringLiteral("lblid"));
    lblid->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* form = new QWidget(this);
    auto* grid = new QGridLayout(form);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    int row = 0;
    auto label = [&](const QString& text) {
        auto* l = new QLabel(text, form);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(l, row, 0);
    };
    auto single = [&](const QString& text, const char* name) {
        label(text);
        QLineEdit* e = edit(name);
        grid->addWidget(e, row++, 1, 1, 2);
        return e;
    };
    auto pair = [&](const QString& text, const char* first, const char* second, QLineEdit** a,
                    QLineEdit** b) {
        label(text);
        *a = edit(first);
        *b = edit(second);
        grid->addWidget(*a, row, 1);
        grid->addWidget(*b, row++, 2);
    };

    grid->addWidget(heading(QStringLiteral("Firma Bilgileri"), form), row++, 0, 1, 3);
    firmaadi = single(QStringLiteral("Firma Adı:"), "firmaadi");
    adres1 = single(QStringLiteral("Adres:"), "adres1");
    adres2 = single(QStringLiteral("Adres2:"), "adres2");
    pair(QStringLiteral("İlçe/Şehir:"), "ilce", "sehir", &ilce, &sehir);
    pair(QStringLiteral("Telefon/Fax:"), "telefon", "fax", &telefon, &fax);
    pair(QStringLiteral("Vergi Dairesi / No:"), "vd", "vn", &vd, &vn);
    yetkili = single(QStringLiteral("Yetkili:"), "yetkili");
    grid->addWidget(heading(QStringLiteral("Kullanıcı Bilgileri"), form), row++, 0, 1, 3);
    kullaniciadi = single(QStringLiteral("Kullanıcı Adı:"), "kullaniciadi");
    sifre = single(QStringLiteral("Şifre:"), "sifre");
    mail = single(QStringLiteral("Mail:"), "mail");
    kargoambar = single(QStringLiteral("Kargo Ambar:"), "kargoambar");

    auto* panel = new QWidget(this);
    Button2 = new QPushButton(QStringLiteral("Gönder"), panel);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button1 = new QPushButton(QStringLiteral("Kapat"), panel);
    Button1->setObjectName(QStringLiteral("Button1"));
    for (QPushButton* b : {Button2, Button1}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(110);
    }
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(Button2);
    panelLayout->addStretch(1);
    panelLayout->addWidget(Button1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->addWidget(lblid);
    layout->addWidget(form);
    layout->addStretch(1);
    layout->addWidget(panel);

    QWidget* order[] = {firmaadi, adres1,       adres2, ilce, sehir,      telefon, fax,    vd, vn,
                        yetkili,  kullaniciadi, sifre,  mail, kargoambar, Button2, Button1};
    for (size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    connect(Button2, &QPushButton::clicked, this, &Tkullanicikayit::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &Tkullanicikayit::Button1Click);

    lblid->setText(u"Bilgisayar ID: "_qs + _idsi);
    kullaniciadi->setText(Bilgim.ADI());
    firmaadi->setText(Bilgim.CariAdi());
    CariBilgiYukle();
    setWindowTitle(kKonu);
}

Tkullanicikayit::~Tkullanicikayit() = default;

QLineEdit* Tkullanicikayit::edit(const char* name) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

void Tkullanicikayit::CariBilgiYukle() {
    con->close();
    if (!BaglantiKur(*con, true)) {
        return;
    }
    {
        TServerMethods1Client proxy(*con);
        if (TMobilCariBilgisi* cari = proxy.MobilCariBilgisiGetir(0, _idsi)) {
            adres1->setText(cari->ADRES1());
            adres2->setText(cari->ADRES2());
            ilce->setText(cari->ILCE());
            sehir->setText(cari->SEHIR());
            telefon->setText(cari->TEL1());
            fax->setText(cari->FAX1());
            vd->setText(cari->VERGIDAIRESI());
            vn->setText(cari->VERGINO());
        }
    }
    con->close();
}

bool Tkullanicikayit::AlanlariDenetle() {
    const QList<std::pair<QLineEdit*, QString>> required = {
        {firmaadi, QStringLiteral("Firma Adı boş olamaz !")},
        {adres1, QStringLiteral("Adres boş olamaz !")},
        {ilce, QStringLiteral("İlçe Adı boş olamaz !")},
        {sehir, QStringLiteral("Şehir Adı boş olamaz !")},
        {telefon, QStringLiteral("Telefon  boş olamaz !")},
        {yetkili, QStringLiteral("Yetkili  boş olamaz !")},
        {kullaniciadi, QStringLiteral("Kullanıcı  boş olamaz !")},
        {sifre, QStringLiteral("Şifre  boş olamaz !")},
        {mail, QStringLiteral("Mail  boş olamaz !")},
    };
    for (const auto& [field, message] : required) {
        if (field->text().trimmed().isEmpty()) {
            field->selectAll();
            field->setFocus();
            ui::MesajGoster(message, ui::MesajTuru::Uyari, {ui::MesajDugmesi::Tamam},
                            ui::MesajDugmesi::Tamam, this);
            return false;
        }
    }
    return true;
}

void Tkullanicikayit::SifreIstegiGonder() {
    con->close();
    if (!BaglantiKur(*con, true)) {
        return;
    }
    {
        TServerMethods1Client proxy(*con);
        proxy.MailGonserCari(_idsi, kKonu, firmaadi->text(), adres1->text(), adres2->text(),
                             ilce->text(), sehir->text(), telefon->text(), fax->text(), vd->text(),
                             vn->text(), yetkili->text(), kullaniciadi->text(), sifre->text(),
                             mail->text(), kargoambar->text());
        con->close();
    }
    ui::MesajGoster(QStringLiteral("İsteğiniz Gönderildi!"), ui::MesajTuru::Bilgi,
                    {ui::MesajDugmesi::Tamam}, ui::MesajDugmesi::Tamam, this);
}

void Tkullanicikayit::Button2Click() {
    // A server error reaches the default error display; the window stays open.
    app::runShowingErrors([this] {
        if (AlanlariDenetle()) {
            SifreIstegiGonder();
        }
    });
}

void Tkullanicikayit::Button1Click() {
    reject();
}

}  // namespace login
