#pragma once

#include <QDialog>
#include <memory>

#include "wire/records/sonuc_bilgisi.h"

class QLabel;
class QLineEdit;
class QPushButton;
class ServerConnection;

namespace login {

/// "Şifre Değiştirme İsteği": the firm's details, prefilled from the server, with the user name and
/// the desired password, sent to the dealer as a request. Works on its own clone of the connection
/// and its own copy of the login record.
class Tkullanicikayit : public QDialog {
    Q_OBJECT
public:
    /// Builds the window and prefills it from the server (blocking, on the main thread).
    static Tkullanicikayit* Ac(QWidget* owner, const TSonucBilgisi& bilgi,
                               const ServerConnection& baglanti);
    ~Tkullanicikayit() override;

    /// Loads the firm's details into the edits; on no connection the edits stay as they are.
    void CariBilgiYukle();
    /// The first required edit that is empty gets the focus and a warning; false then.
    bool AlanlariDenetle();
    /// Sends the request; "İsteğiniz Gönderildi!" when it went out.
    void SifreIstegiGonder();

public Q_SLOTS:
    void Button2Click();  ///< "Gönder"
    void Button1Click();  ///< "Kapat"

private:
    Tkullanicikayit(QWidget* owner, const TSonucBilgisi& bilgi, const ServerConnection& baglanti);
    QLineEdit* edit(const char* name);

    std::unique_ptr<ServerConnection> con;
    TSonucBilgisi Bilgim;
    QString _idsi;

    QLabel* lblid;
    QLineEdit *firmaadi, *adres1, *adres2, *ilce, *sehir, *telefon, *fax, *vd, *vn, *yetkili,
        *kullaniciadi, *sifre, *mail, *kargoambar;
    QPushButton* Button2;
    QPushButton* Button1;
};

}  // namespace login
