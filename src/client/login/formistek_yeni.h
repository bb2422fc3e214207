#pragma once

#include <QDialog>
#include <QUrl>

class QPushButton;

namespace login {

/// The dealer's access request page for a computer the server does not know, shown in an embedded
/// browser (or, in a build without one, opened in the desktop's browser).
class Tformistekyeni : public QDialog {
    Q_OBJECT
public:
    explicit Tformistekyeni(QWidget* owner);

    /// The request page: base + "formmailgonder.aspx?carino=0&kullanici= &id=" + identifier, the
    /// identifier appended as it is.
    static QString istekAdresi(const QString& base, const QString& idsi);

    /// Opens `address` in `sitem`.
    void Git(const QString& address);
    /// The address last opened.
    QString adres() const { return adres_; }

public Q_SLOTS:
    void Button1Click();  ///< "Kapat"

private:
    QWidget* sitem;
    QPushButton* Button1;
    QString adres_;
    bool embedded_ = true;
};

}  // namespace login
