#include "server/dispatch/call_context.h"

#include "server/dispatch/errors.h"
#include "wire/records/sonuc_bilgisi.h"

namespace server {

std::unique_ptr<TSonucBilgisi> CallContext::loginRecord(int i) const {
    const wire::Value& v = args_.at(i);
    if (v.isNull())
        throwInvalid(QStringLiteral("Oturum bilgisi (TSonucBilgisi) gönderilmedi."));
    return wire::recordFromJsonAs<TSonucBilgisi>(v.bytes());
}

wire::Response answer(wire::Value value) {
    wire::Response response;
    response.values.append(std::move(value));
    return response;
}

wire::Response streamAnswer(const QByteArray& bytes) {
    wire::Response response;
    response.values.append(wire::Value::longInteger(bytes.size()));
    response.values.append(wire::Value::stream(bytes));
    return response;
}

void checkLength(const QString& value, int maxChars, const char* what) {
    if (value.size() > maxChars)
        throwInvalid(QStringLiteral("%1 en fazla %2 karakter olabilir (gönderilen: %3).")
                         .arg(QString::fromUtf8(what))
                         .arg(maxChars)
                         .arg(value.size()));
}

}  // namespace server
