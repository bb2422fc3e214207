#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace login {

/// "Dosya İndir": the forced update. Downloads the setup program of the version the server
/// requires, saves it in the user's local application data folder, starts it with "/silent" and
/// ends the program. There is no way to skip it; every failure ends the program after a message.
class Tdosyaindir : public QDialog {
    Q_OBJECT
public:
    /// The program's own version.
    static constexpr int kProgramVersion = 4;

    /// Builds the dialog for the version the server requires; the caller shows it modally.
    static Tdosyaindir* Yeni(QWidget* owner, int serverVersion);

    /// Where the setup is saved: the local application data folder + "/VarlentaSetup.exe".
    static QString hedefYolu();

public Q_SLOTS:
    /// Runs the download on the first activation only.
    void FormActivate();

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    Tdosyaindir(QWidget* owner, int serverVersion);

    void IndirmeBaslat();
    void NetHTTPClient1ReceiveData(qint64 received, qint64 length);
    void NetHTTPClient1RequestError(const QString& error);
    void KurulumCalistir(const QString& path);
    /// Ends the program; with the end intercepted (tests) the dialog closes instead.
    void bitir();

    QLabel* sLabel1;
    QLabel* bilgi;
    QProgressBar* ProgressBar1;
    QString adres;
    bool basladi = false;
};

}  // namespace login
