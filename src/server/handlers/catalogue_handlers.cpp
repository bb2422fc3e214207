#include <QSqlQuery>
#include <algorithm>

#include "server/dispatch/errors.h"
#include "server/dispatch/method_table.h"
#include "server/dispatch/server_settings.h"
#include "server/handlers/identity.h"
#include "server/handlers/media_cache.h"
#include "server/handlers/shared_queries.h"
#include "server/handlers/stock_rows.h"
#include "server/handlers/table_builder.h"
#include "server/media/part_picture.h"
#include "server/rules/search_text.h"
#include "server/storage/session.h"
#include "wire/client_table_appender.h"
#include "wire/records/sonuc_bilgisi.h"

namespace server {
namespace {

constexpr int kMaxSearchText = 100;

wire::Response stokAraGetirVarlenta(CallContext& call) {
    const QString text = call.text(0);
    checkLength(text, kMaxSearchText, "Arama metni");
    const Caller caller = authenticate(call.db, *call.loginRecord(1));
    const DiscountChain chain = accountChain(call.db, caller.carino);
    TableBuilder table(stockColumns());
    const QString normalised = normaliseSearchText(text);
    if (normalised.isEmpty())
        return answer(table.packet());

    // Three characters or more use the index; shorter texts (rare: the client asks for three
    // letters, but "A-B" normalises to two) fall back to a bounded scan.
    const bool indexed = normalised.size() >= 3;
    const QString sql = indexed
                            ? call.db.driver().searchStockSql(stockSelectList())
                            : QStringLiteral(
                                  "SELECT %1 FROM stock s WHERE s.search_text LIKE ? ESCAPE '!' "
                                  "ORDER BY s.stokno LIMIT ?")
                                  .arg(stockSelectList());
    const QString argument = indexed ? call.db.driver().searchArgument(normalised)
                                     : u'%' + escapeLike(normalised) + u'%';
    RowCursor& rows = call.db.select(sql, {argument, call.settings.searchLimit});
    // Most searches of three letters reach the limit: room for all their rows up front.
    table.reserve(std::min(call.settings.searchLimit, 500));
    wire::TableAppender out(table.table());
    while (rows.next())
        addStockRow(out, rows, chain);
    return answer(table.packet());
}

wire::Response stockList(CallContext& call, int carino, const QString& condition) {
    if (carino != 0)
        requireAccount(call.db, carino);
    const DiscountChain chain = accountChain(call.db, carino);
    TableBuilder table(stockColumns());
    RowCursor& rows = call.db.select(
        QStringLiteral("SELECT %1 FROM stock s WHERE %2 ORDER BY s.anagrup, s.adi, s.stokno")
            .arg(stockSelectList(), condition));
    wire::TableAppender out(table.table());
    while (rows.next())
        addStockRow(out, rows, chain);
    return answer(table.packet());
}

wire::Response yenilerVer2(CallContext& call) {
    return stockList(call, call.integer(0), QStringLiteral("s.yeni = 1"));
}

wire::Response kampanyaliVer2(CallContext& call) {
    return stockList(call, call.integer(0), QStringLiteral("s.kamp_fiyat > 0"));
}

wire::Response resimVer5(CallContext& call) {
    QSqlQuery& q =
        call.db.run(QStringLiteral("SELECT resim, adi, marka, barkod FROM stock WHERE stokno = ?"),
                    {call.integer(0)});
    if (!q.next() || q.value(0).toInt() != 1)
        return streamAnswer({});
    media::PartPictureSpec spec;
    spec.kind = media::partKindFor(q.value(1).toString());
    spec.brand = q.value(2).toString();
    spec.partCode = q.value(3).toString();
    spec.seed = quint32(call.integer(0));
    q.finish();
    return streamAnswer(
        cachedMedia(QStringLiteral("part/%1/%2/%3").arg(spec.seed).arg(spec.brand, spec.partCode),
                    [&] { return media::renderPartPictureJpeg(spec); }));
}

}  // namespace

void registerCatalogueHandlers(MethodTable& table) {
    table.add("StokAraGetirVarlenta", stokAraGetirVarlenta);
    table.add("YenilerVer2", yenilerVer2);
    table.add("KampanyaliVer2", kampanyaliVer2);
    table.add("ResimVer5", resimVer5);
}

}  // namespace server
