#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ServerConnection;
class TSonucBilgisi;

namespace app {
class WaitAnimation;
}

namespace login {

/// "Giriş": the modal login. Asks the server for the account record of this computer and decides
/// from it: update, access request, refusal, or the accepted login (the dialog then ends with OK).
/// The record is written into the caller's `Bilgim` in place.
class Tgirisform : public QDialog {
    Q_OBJECT
public:
    explicit Tgirisform(QWidget* owner);
    ~Tgirisform() override;

    /// The program's own version; any other version required by the server starts the update.
    static constexpr int kProgramVersion = 4;

    ServerConnection* bagim = nullptr;  ///< the main window's connection, set by the caller
    TSonucBilgisi* Bilgim = nullptr;    ///< the main window's login record, set by the caller
    QString idsi;                       ///< this computer's identifier

    /// The settings file: "ayar.ini" in the settings folder.
    static QString ayarDosyasi();

public Q_SLOTS:
    void Button1Click();  ///< "Giriş"
    void Button2Click();  ///< "Vazgeç"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FormCreate();
    void AyarOku();
    void AyarKaydet();
    static QString DisIpAl();
    void Devamet(const QString& disIp);
    /// The lookup, on a worker thread: fills Bilgim; false when it failed.
    bool SunucudanGetir();
    /// The checks after the lookup, on the main thread.
    void GirisKontrol(bool basarili);
    bool CariSecimiAc();
    void GuncellemeAc();
    void IstekFormuAc(const QString& adres);
    /// Ends the program; with the end intercepted (tests) the dialog closes without OK instead.
    void programiBitir();
    void bosAlanUyarisi(QLineEdit* edit, const QString& text);
    void girisiTekrarAc();

    QCheckBox* benihatirla;
    QLineEdit* adi;
    QLineEdit* sifre;
    QPushButton* Button1;
    QPushButton* Button2;
    app::WaitAnimation* RxGIFAnimator1;
    QLabel* adresLabel;
};

}  // namespace login
