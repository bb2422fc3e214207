#include <QSqlQuery>

#include "server/dispatch/method_table.h"
#include "server/handlers/shared_queries.h"
#include "server/storage/session.h"
#include "wire/records/mobil_cari_bilgisi.h"
#include "wire/records/sonuc_bilgisi.h"

namespace server {
namespace {

/// The program version the server expects; a client of another version is sent to the update.
int expectedVersion(Session& db) {
    return setting(db, QStringLiteral("version"), "4").toInt();
}

wire::Response buyukGetir(CallContext& call) {
    const QString id = call.text(0);
    TSonucBilgisi r;
    r.SetBILGISAYARID(id);
    r.SetVersion(expectedVersion(call.db));
    QSqlQuery& q = call.db.run(
        QStringLiteral(
            "SELECT u.sirano, u.adi, u.sifre, u.musteritipi, u.aktif, u.email, "
            "COALESCE(a.carino, 0), COALESCE(a.carikod, ''), COALESCE(a.cariadi, ''), "
            "COALESCE(r.saticino, 0), COALESCE(r.adi, ''), COALESCE(r.telefon, ''), "
            "COALESCE(r.email, '') FROM workstations w JOIN users u ON u.sirano = w.sirano "
            "LEFT JOIN accounts a ON a.carino = u.carino "
            "LEFT JOIN representatives r ON r.saticino = COALESCE(a.saticino, u.saticino) "
            "WHERE w.bilgisayarid = ?"),
        {id});
    if (q.next()) {
        r.SetVarmi(true);
        r.SetSirano(q.value(0).toInt());
        r.SetADI(q.value(1).toString());
        r.SetSIFRE(q.value(2).toString());
        r.SetMusteriTipi(q.value(3).toInt());
        r.SetAKTIF(q.value(4).toInt());
        r.SetKullanicimail(q.value(5).toString());
        r.SetCARINO(q.value(6).toInt());
        r.Setcarikod(q.value(7).toString());
        r.SetCariAdi(q.value(8).toString());
        r.SetSaticiNo(q.value(9).toInt());
        r.SetSaticiAdi(q.value(10).toString());
        r.SetSaticiTelefon(q.value(11).toString());
        r.SetSaticiMail(q.value(12).toString());
    }
    q.finish();
    return answer(wire::Value::record(wire::recordToJson(r)));
}

wire::Response mobilCariBilgisiGetir(CallContext& call) {
    const QString id = call.text(1);
    TMobilCariBilgisi r;
    r.SetBILGISAYARID(id);
    QSqlQuery& q = call.db.run(
        QStringLiteral(
            "SELECT u.adi, u.sifre, u.email, COALESCE(a.carino, 0), COALESCE(a.carikod, ''), "
            "COALESCE(a.cariadi, ''), COALESCE(a.il, ''), COALESCE(a.ilce, ''), "
            "COALESCE(a.fax1, ''), COALESCE(a.fax2, ''), COALESCE(a.email, ''), "
            "COALESCE(a.vergidairesi, ''), COALESCE(a.vergino, ''), COALESCE(a.yetkili, ''), "
            "COALESCE(a.anagrup, ''), COALESCE(a.altgrup, ''), COALESCE(a.tel1, ''), "
            "COALESCE(a.tel2, ''), COALESCE(a.gsm, ''), COALESCE(a.adres1, ''), "
            "COALESCE(a.adres2, ''), COALESCE(a.ulke, ''), COALESCE(a.ozelkod, ''), "
            "COALESCE(r.adi, ''), COALESCE(r.email, ''), COALESCE(r.telefon, '') "
            "FROM workstations w JOIN users u ON u.sirano = w.sirano "
            "LEFT JOIN accounts a ON a.carino = u.carino "
            "LEFT JOIN representatives r ON r.saticino = COALESCE(a.saticino, u.saticino) "
            "WHERE w.bilgisayarid = ?"),
        {id});
    if (q.next()) {
        auto t = [&](int i) { return q.value(i).toString(); };
        r.SetKULLANICIADI(t(0));
        r.SetSIFRE(t(1));
        r.SetMAIL(t(2));
        r.SetCARINO(q.value(3).toInt());
        r.SetCARIKOD(t(4));
        r.SetCARIADI(t(5));
        r.SetSEHIR(t(6));
        r.SetILCE(t(7));
        r.SetFAX1(t(8));
        r.SetFAX2(t(9));
        r.SetEMAIL(t(10));
        r.SetVERGIDAIRESI(t(11));
        r.SetVERGINO(t(12));
        r.SetYETKILI(t(13));
        r.SetAnaGrup(t(14));
        r.SetAltGrup(t(15));
        r.SetTEL1(t(16));
        r.SetTEL2(t(17));
        r.SetGSM(t(18));
        r.SetADRES1(t(19));
        r.SetADRES2(t(20));
        r.SetULKE(t(21));
        r.SetOzelKod(t(22));
        r.SetSATICIADI(t(23));
        r.SetSATICIMAIL(t(24));
        r.SetSATICITELEFON(t(25));
        q.finish();
        if (r.CARINO() > 0) {
            const AccountTotals totals = accountTotals(call.db, r.CARINO());
            r.SetTLBORC(toLira(totals.borc));
            r.SetTLALACAK(toLira(totals.alacak));
            r.SetTLBAKIYE(toLira(totals.bakiye()));
        }
    }
    return answer(wire::Value::record(wire::recordToJson(r)));
}

}  // namespace

void registerLoginHandlers(MethodTable& table) {
    table.add("BuyukGetir", buyukGetir);
    table.add("MobilCariBilgisiGetir", mobilCariBilgisiGetir);
}

}  // namespace server
