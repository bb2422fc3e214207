#include "client/login/dosya_indir.h"

#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QProgressBar>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <limits>

#include "client/app/configuration.h"
#include "client/app/process_end.h"
#include "client/app/theme.h"
#include "client/app/workstation/money.h"
#include "client/ui/mesaj_goster.h"

namespace login {
namespace {

constexpr int kTimeoutMs = 60000;

QNetworkRequest kurulumIstegi(const QString& address) {
    QNetworkRequest request{QUrl(address)};
    request.setTransferTimeout(kTimeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setRawHeader(
        "Accept",
        "text/html,application/xhtml+xml,application/xml;q=0.9,image/webp,image/apng,*/*;q=0.8");
    // Accept-Encoding is left to Qt, which asks for "gzip, deflate" and unpacks the answer itself.
    request.setRawHeader("Accept-Language", "en-US,tr-TR;q=0.8,tr;q=0.6,en;q=0.4");
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like "
                      "Gecko) Chrome/60.0.3112.32 Safari/537.36");
    return request;
}

QString ikiHane(double value) {
    return ParaBicimle(value, u"0.00");
}

}  // namespace

Tdosyaindir* Tdosyaindir::Yeni(QWidget* owner, int serverVersion) {
    return new Tdosyaindir(owner, serverVersion);
}

Tdosyaindir::Tdosyaindir(QWidget* owner, int serverVersion) : QDialog(owner) {
    setObjectName(QStringLiteral("dosyaindir"));
    setWindowTitle(QStringLiteral("Dosya İndir"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setFixedSize(543, 309);
    setFont(app::uiFont(11));

    sLabel1 = new QLabel(this);
    sLabel1->setObjectName(QStringLiteral("sLabel1"));
    sLabel1->setFont(app::uiFont(27));
    sLabel1->setStyleSheet(QStringLiteral("color: #2f4f4f;"));
    sLabel1->setAlignment(Qt::AlignCenter);
    sLabel1->setWordWrap(true);
    sLabel1->setText(
        u"Varlenta B2B Programının\r\nYeni versiyonu indirilecektir\r\nLütfen "
        u"Bekleyiniz...!\r\nVersion: "_qs +
        QString::number(serverVersion) + u'-' + QString::number(kProgramVersion));

    auto* panel = new QWidget(this);
    bilgi = new QLabel(panel);
    bilgi->setObjectName(QStringLiteral("bilgi"));
    bilgi->setFont(app::uiFont(13, true));
    ProgressBar1 = new QProgressBar(panel);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(bilgi);
    panelLayout->addWidget(ProgressBar1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sLabel1, 1);
    layout->addWidget(panel);

    adres = app::configuration().downloadUrl;
    basladi = false;
}

QString Tdosyaindir::hedefYolu() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           u"/VarlentaSetup.exe"_qs;
}

void Tdosyaindir::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Some platforms never activate a window (offscreen); the first showing counts as activation.
    QTimer::singleShot(0, this, &Tdosyaindir::FormActivate);
}

bool Tdosyaindir::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        QTimer::singleShot(0, this, &Tdosyaindir::FormActivate);
    }
    return QDialog::event(event);
}

void Tdosyaindir::FormActivate() {
    IndirmeBaslat();
}

void Tdosyaindir::IndirmeBaslat() {
    if (basladi) {
        return;
    }
    basladi = true;

    const QString hedef = hedefYolu();
    QDir().mkpath(QFileInfo(hedef).absolutePath());
    if (QFileInfo::exists(hedef) && !QFile::remove(hedef)) {
        ui::MesajGoster(u"Kurulum dosyası yazılamıyor:\r\n"_qs + QDir::toNativeSeparators(hedef),
                        ui::MesajTuru::Hata, {ui::MesajDugmesi::Tamam}, ui::MesajDugmesi::Tamam,
                        this);
        bitir();
        return;
    }

    // The download blocks the update, as the whole program waits for it, but the dialog keeps
    // painting: the progress arrives through this local event loop.
    QNetworkAccessManager http;
    QNetworkReply* reply = http.get(kurulumIstegi(adres));
    // The progress counts against the announced content length only (none: no progress shown).
    connect(reply, &QNetworkReply::downloadProgress, this, [this, reply](qint64 received, qint64) {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        NetHTTPClient1ReceiveData(received, length.isValid() ? length.toLongLong() : 0);
    });
    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);

    const QNetworkReply::NetworkError error = reply->error();
    const QString errorText = reply->errorString();
    const QByteArray body = reply->readAll();
    reply->deleteLater();
    if (error != QNetworkReply::NoError) {
        NetHTTPClient1RequestError(errorText);
        return;
    }

    QSaveFile file(hedef);
    if (!file.open(QIODevice::WriteOnly) || file.write(body) != body.size() || !file.commit()) {
        ui::MesajGoster(u"Kurulum dosyası yazılamıyor:\r\n"_qs + QDir::toNativeSeparators(hedef) +
                            u"\r\n"_qs + file.errorString(),
                        ui::MesajTuru::Hata, {ui::MesajDugmesi::Tamam}, ui::MesajDugmesi::Tamam,
                        this);
        bitir();
        return;
    }
    KurulumCalistir(hedef);
}

void Tdosyaindir::NetHTTPClient1ReceiveData(qint64 received, qint64 length) {
    if (length <= 0) {
        return;
    }
    const double mb = 1024.0 * 1024.0;
    const double percent = double(received) / double(length) * 100.0;
    bilgi->setText(u"Bilgi: %"_qs + ikiHane(percent) + u"  İndirilen: "_qs +
                   ikiHane(double(received) / mb) + u'/' + ikiHane(double(length) / mb) +
                   u" Mb"_qs);
    // The bar counts bytes, or kilobytes for a setup beyond its int range.
    const qint64 unit = length > std::numeric_limits<int>::max() ? 1024 : 1;
    ProgressBar1->setMaximum(int(length / unit));
    ProgressBar1->setValue(int(received / unit));
}

void Tdosyaindir::NetHTTPClient1RequestError(const QString& error) {
    ui::MesajGoster(u"Hata Oluştu !\r\nHata: "_qs + error, ui::MesajTuru::Hata,
                    {ui::MesajDugmesi::Tamam}, ui::MesajDugmesi::Tamam, this);
    bitir();
}

void Tdosyaindir::KurulumCalistir(const QString& path) {
    QFile::setPermissions(
        path, QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ReadOwner);
    if (!QProcess::startDetached(path, {QStringLiteral("/silent")})) {
        ui::MesajGoster(u"Kurulum programı başlatılamadı:\r\n"_qs + QDir::toNativeSeparators(path),
                        ui::MesajTuru::Hata, {ui::MesajDugmesi::Tamam}, ui::MesajDugmesi::Tamam,
                        this);
    }
    bitir();
}

void Tdosyaindir::bitir() {
    app::endProcess(0);
    done(QDialog::Rejected);
}

}  // namespace login
