#include <QSqlQuery>

#include "server/dispatch/errors.h"
#include "server/dispatch/method_table.h"
#include "server/handlers/identity.h"
#include "server/handlers/media_cache.h"
#include "server/handlers/shared_queries.h"
#include "server/handlers/table_builder.h"
#include "server/media/banner.h"
#include "server/media/hex_text.h"
#include "server/media/poster.h"
#include "server/storage/session.h"
#include "wire/records/acilis_ekran.h"
#include "wire/records/sonuc_bilgisi.h"

namespace server {
namespace {

const QString kDealer = QStringLiteral("VARLENTA OTOMOTİV");

wire::Response kayanYaziGetir(CallContext& call) {
    return answer(wire::Value::text(setting(call.db, QStringLiteral("kayan_yazi"))));
}

wire::Response bannerResimVer(CallContext&) {
    return streamAnswer(cachedMedia(QStringLiteral("banner/header"), [] {
        media::BannerSpec spec;
        spec.headline = kDealer;
        spec.tagline = QStringLiteral("Orijinal ve muadil yedek parçada güvenilir çözüm ortağınız");
        spec.seed = 1;
        spec.size = QSize(409, 100);
        return media::renderAnimatedBannerGif(spec);
    }));
}

wire::Response bannerResimVer2(CallContext& call) {
    if (setting(call.db, QStringLiteral("banner_ust"), "1") != u"1")
        return streamAnswer({});
    return streamAnswer(cachedMedia(QStringLiteral("banner/upper"), [] {
        media::BannerSpec spec;
        spec.headline = QStringLiteral("Kış Kampanyası");
        spec.tagline = QStringLiteral("Fren ve filtre ürünlerinde %20'ye varan indirim");
        spec.seed = 2;
        spec.size = QSize(1200, 60);
        return media::renderAnimatedBannerGif(spec);
    }));
}

wire::Response bannerResimVer3(CallContext& call) {
    if (setting(call.db, QStringLiteral("banner_alt"), "1") != u"1")
        return streamAnswer({});
    return streamAnswer(cachedMedia(QStringLiteral("banner/lower"), [] {
        media::BannerSpec spec;
        spec.headline = kDealer;
        spec.tagline = QStringLiteral("Siparişleriniz hafta içi 16:00'ya kadar aynı gün kargoda");
        spec.seed = 3;
        spec.size = QSize(900, 40);
        return media::renderBannerBitmap(spec);
    }));
}

wire::Response balonGetir(CallContext& call) {
    const Caller caller = authenticate(call.db, *call.loginRecord(0));
    auto count = [&](const QString& sql, std::initializer_list<QVariant> args) {
        return call.db.scalar(sql, args).toInt();
    };
    TableBuilder table({intColumn("SEPET"), intColumn("YENI"), intColumn("KAMPANYALI"),
                        intColumn("DUYURU"), realColumn("BAKIYE")});
    table.add(
        {count(QStringLiteral("SELECT COUNT(*) FROM basket WHERE carino = ?"), {caller.carino}),
         count(QStringLiteral("SELECT COUNT(*) FROM stock WHERE yeni = 1"), {}),
         count(QStringLiteral("SELECT COUNT(*) FROM stock WHERE kamp_fiyat > 0"), {}),
         count(QStringLiteral("SELECT COUNT(*) FROM screens WHERE tur = 'duyuru'"), {}),
         toLira(accountTotals(call.db, caller.carino).bakiye())});
    return answer(table.reader());
}

wire::Response acilisReklamAdet(CallContext& call) {
    return answer(wire::Value::integer(
        call.db.scalar(QStringLiteral("SELECT COUNT(*) FROM screens WHERE tur = 'reklam'"))
            .toInt()));
}

/// One screen with its poster as hexadecimal JPEG text.
std::unique_ptr<TAcilisEkran> screen(const QSqlQuery& q) {
    auto s = std::make_unique<TAcilisEkran>();
    s->SetSiraNo(q.value(0).toInt());
    s->SetBaslik(q.value(1).toString());
    s->SetArama(q.value(2).toString());
    if (q.value(3).toInt() == 1) {
        media::PosterSpec spec;
        spec.title = s->Baslik();
        spec.text = s->Arama().startsWith(u'#') ? QStringLiteral("Ayrıntılar için tıklayın.")
                    : s->Arama().isEmpty()
                        ? QString()
                        : QStringLiteral("\"%1\" ürünlerini görmek için tıklayın.").arg(s->Arama());
        spec.footer = kDealer;
        spec.seed = quint32(s->SiraNo()) * 7919u + quint32(q.value(4).toInt());
        s->SetResim(QString::fromLatin1(cachedMedia(
            QStringLiteral("poster/%1/%2/%3").arg(spec.seed).arg(spec.title, spec.text),
            [&] { return media::pictureHexText(media::renderPosterJpeg(spec)).toLatin1(); })));
    }
    return s;
}

const QString kScreenSelect = QStringLiteral(
    "SELECT sira, baslik, arama, resim, sirano FROM screens WHERE tur = ? ORDER BY sira, sirano");

wire::Response acilisREklamVer(CallContext& call) {
    const int index = call.integer(0);
    QSqlQuery& q = call.db.run(kScreenSelect, {QStringLiteral("reklam")});
    for (int i = 0; q.next(); ++i)
        if (i == index) {
            const auto s = screen(q);
            q.finish();
            return answer(wire::Value::record(wire::recordToJson(*s)));
        }
    throwNotFound(QStringLiteral("Açılış reklamı yok: %1").arg(index));
}

wire::Response acilisEkranlarVer2(CallContext& call) {
    QSqlQuery& q = call.db.run(kScreenSelect, {QStringLiteral("duyuru")});
    TAcilisEkranlariki list;
    TAcilisEkranlariki::Ekranlar_t screens;
    while (q.next())
        screens.push_back(screen(q));
    list.SetEkranlar(std::move(screens));
    return answer(wire::Value::record(wire::recordToJson(list)));
}

}  // namespace

void registerPromoHandlers(MethodTable& table) {
    table.add("KayanYaziGetir", kayanYaziGetir);
    table.add("BannerResimVer", bannerResimVer);
    table.add("BannerResimVer2", bannerResimVer2);
    table.add("BannerResimVer3", bannerResimVer3);
    table.add("BalonGetir", balonGetir);
    table.add("AcilisReklamAdet", acilisReklamAdet);
    table.add("AcilisREklamVer", acilisREklamVer);
    table.add("AcilisEkranlarVer2", acilisEkranlarVer2);
}

}  // namespace server
