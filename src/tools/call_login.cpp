#include "call_login.h"

#include <QtGlobal>

#include "client/app/workstation/identity.h"
#include "wire/error.h"
#include "wire/methods/method_call.h"
#include "wire/records/sonuc_bilgisi.h"

QString loginComputerId(const QString& given) {
    if (!given.isEmpty())
        return given;
    const QString configured = qEnvironmentVariable("VARLENTA_COMPUTER_ID").remove(u' ');
    return configured.isEmpty() ? BilgisayarIdAl() : configured;
}

QByteArray fetchLoginJson(wire::Channel& channel, const QString& computerId) {
    const wire::MethodAnswer answer = wire::callMethod(channel, *wire::findMethod(u"BuyukGetir"),
                                                       {wire::Value::text(computerId)});
    std::unique_ptr<TSonucBilgisi> login =
        answer.result.isNull() ? nullptr
                               : wire::recordFromJsonAs<TSonucBilgisi>(answer.result.bytes());
    if (!login) {
        throw wire::Error(
            QStringLiteral("ELoginError"),
            QStringLiteral("The server has no login record for computer \"%1\"").arg(computerId));
    }
    login->SetBilgiSayarAdi(BilgisayarAdiAl());
    login->SetBilgisayarKullanici(KullaniciAdiAl());
    login->SetIcip(YerelIpAl());
    login->SetBILGISAYARID(computerId);
    login->SetDisip(QStringLiteral("122"));  // the outside address the login dialog always sends
    return wire::recordToJson(*login);
}
