#include "client/login/formistek_yeni.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "client/app/embedded_browser.h"

namespace login {

Tformistekyeni::Tformistekyeni(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("formistekyeni"));
    resize(780, 555);
    sitem = app::createEmbeddedBrowser(this);
    if (!sitem) {
        // Without an embedded browser the page opens in the desktop's browser.
        auto* note = new QLabel(this);
        note->setAlignment(Qt::AlignCenter);
        note->setWordWrap(true);
        note->setText(
            QStringLiteral("İstek formu internet tarayıcınızda açıldı.\n"
                           "Formu doldurup gönderdikten sonra bu pencereyi kapatınız."));
        sitem = note;
        embedded_ = false;
    }
    sitem->setObjectName(QStringLiteral("sitem"));

    auto* panel = new QWidget(this);
    panel->setFixedHeight(41);
    Button1 = new QPushButton(QStringLiteral("Kapat"), panel);
    Button1->setObjectName(QStringLiteral("Button1"));
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(8, 4, 8, 4);
    panelLayout->addWidget(Button1);
    panelLayout->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(sitem, 1);
    layout->addWidget(panel);
    connect(Button1, &QPushButton::clicked, this, &Tformistekyeni::Button1Click);
}

QString Tformistekyeni::istekAdresi(const QString& base, const QString& idsi) {
    return base + u"formmailgonder.aspx?carino=0&kullanici= &id="_qs + idsi;
}

void Tformistekyeni::Git(const QString& address) {
    adres_ = address;
    const QUrl url = QUrl(address, QUrl::TolerantMode);
    if (embedded_) {
        app::navigateEmbeddedBrowser(sitem, url);
    } else {
        QDesktopServices::openUrl(url);
    }
}

void Tformistekyeni::Button1Click() {
    close();
}

}  // namespace login
