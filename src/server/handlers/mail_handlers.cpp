#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

#include "server/dispatch/errors.h"
#include "server/dispatch/method_table.h"
#include "server/rules/stored_date.h"
#include "server/storage/session.h"

namespace server {
namespace {

// Mail never leaves the machine: it goes into the outbox, which the dealer reads with
// "varlenta-server admin outbox".
const char* const kFieldNames[] = {
    "idsi", "baslik", "firmaadi", "adres1",       "adres2", "ilce", "sehir",      "telefon", "fax",
    "vd",   "vn",     "yetkili",  "kullaniciadi", "sifre",  "mail", "kargoambar", "konu"};

wire::Response storeMail(CallContext& call, const char* method, int fieldCount) {
    QJsonObject fields;
    for (int i = 0; i < fieldCount; ++i) {
        const QString value = call.text(i);
        const bool longText = i == 16;
        checkLength(value, longText ? 10000 : 200, kFieldNames[i]);
        if (i >= 2 && i < 16)
            fields.insert(QString::fromLatin1(kFieldNames[i]), value);
    }
    if (call.text(1).trimmed().isEmpty())
        throwInvalid(QStringLiteral("Başlık boş olamaz."));
    WriteTransaction tx(call.db);
    const QVariant id = call.db.scalar(
        QStringLiteral("INSERT INTO outbox (tarih, yontem, idsi, baslik, konu, alanlar) "
                       "VALUES (?, ?, ?, ?, ?, ?) RETURNING sirano"),
        {toStoredDate(QDateTime::currentDateTime()), QString::fromLatin1(method), call.text(0),
         call.text(1), fieldCount > 16 ? call.text(16) : QString(),
         QString::fromUtf8(QJsonDocument(fields).toJson(QJsonDocument::Compact))});
    tx.commit();
    return answer(wire::Value::integer(id.toInt()));
}

wire::Response mailGonserCari(CallContext& call) {
    return storeMail(call, "MailGonserCari", 16);
}
wire::Response mailGonserCariNormal(CallContext& call) {
    return storeMail(call, "MailGonserCariNormal", 17);
}

}  // namespace

void registerMailHandlers(MethodTable& table) {
    table.add("MailGonserCari", mailGonserCari);
    table.add("MailGonserCariNormal", mailGonserCariNormal);
}

}  // namespace server
