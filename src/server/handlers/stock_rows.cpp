#include "server/handlers/stock_rows.h"

#include <cmath>

#include "server/handlers/table_builder.h"
#include "server/rules/money.h"
#include "server/rules/states.h"
#include "server/storage/row_cursor.h"
#include "wire/client_table_appender.h"

namespace server {

const QList<wire::ColumnDef>& stockColumns() {
    static const QList<wire::ColumnDef> columns = {
        intColumn("STOK_STOKNO"),
        textColumn("BARKOD", 50),
        intColumn("BARKOD_BARKODNO"),
        textColumn("ADI", 100),
        textColumn("DIGERADI", 100),
        textColumn("MARKA", 50),
        textColumn("MODEL", 50),
        textColumn("FINISHKOD", 30),
        textColumn("URETICIKODU", 30),
        textColumn("OEM1", 30),
        textColumn("OEM2", 30),
        textColumn("OEM3", 30),
        textColumn("OEM4", 30),
        textColumn("OEMNO", 30),
        textColumn("DPKOD", 20),
        textColumn("PKOD", 20),
        textColumn("ANAGRUP", 50),
        textColumn("OZELKOD", 30),
        textColumn("BIRIM", 10),
        realColumn("KDV"),
        realColumn("KALAN"),
        realColumn("DEPOBIRADET"),
        realColumn("DEPOIKIADET"),
        intColumn("DEPOBIRDURUM"),
        intColumn("DEPOIKIDURUM"),
        intColumn("DURUM"),
        realColumn("ALINANSIPARIS"),
        realColumn("VERILENSIPARIS"),
        intColumn("RESIM"),
        intColumn("Y"),
        intColumn("K"),
        realColumn("LISTEFIYAT1"),
        realColumn("KAMPFIYAT"),
        realColumn("ESKIFIYAT"),
        realColumn("FIYAT"),
        realColumn("IND1"),
        realColumn("IND2"),
        realColumn("IND3"),
        realColumn("IND4"),
        realColumn("INDIRIM"),
        textColumn("INDIRIMYAZI", 30),
        realColumn("NETFIYAT"),
        realColumn("KDVDAHIL"),
    };
    return columns;
}

QString stockSelectList() {
    return QStringLiteral(
        "s.stokno, s.barkod, s.barkodno, s.adi, s.digeradi, s.marka, s.model, s.finishkod, "
        "s.ureticikodu, s.oem1, s.oem2, s.oem3, s.oem4, s.oemno, s.dpkod, s.pkod, s.anagrup, "
        "s.ozelkod, s.birim, s.kdv, s.depo1_adet, s.depo2_adet, s.depo1_durum, s.depo2_durum, "
        "s.alinansiparis, s.verilensiparis, s.resim, s.yeni, s.liste_fiyat, s.kamp_fiyat");
}

namespace {

// The cells taken over from the row as they are (a NULL stays null).
void copyText(wire::TableAppender& out, RowCursor& row, int col) {
    const QByteArrayView text = row.utf8(col);
    if (text.isNull())
        out.null();
    else
        out.text(text);
}

void copyInteger(wire::TableAppender& out, RowCursor& row, int col) {
    if (row.isNull(col))
        out.null();
    else
        out.integer(row.integer(col));
}

void copyReal(wire::TableAppender& out, RowCursor& row, int col) {
    if (row.isNull(col))
        out.null();
    else
        out.real(row.real(col));
}

}  // namespace

void addStockRow(wire::TableAppender& out, RowCursor& row, const DiscountChain& accountChain) {
    const double kdv = row.real(19);
    const double d1 = row.real(20), d2 = row.real(21);
    const int s1 = int(row.integer(22)), s2 = int(row.integer(23));
    const Kurus liste = row.integer(28);
    const Kurus kamp = row.integer(29);
    const bool campaign = kamp > 0;
    // A campaign price is already net: the account's discounts do not apply on top of it.
    const DiscountChain chain = campaign ? DiscountChain{} : accountChain;
    const Kurus fiyat = campaign ? kamp : liste;
    const Kurus net = netUnitPrice(fiyat, chain);
    const double totalRate =
        liste > 0 ? std::round((1.0 - double(net) / double(liste)) * 10000.0) / 100.0 : 0.0;
    static thread_local DiscountChain lastChain{-1, -1, -1, -1};
    static thread_local QByteArray lastText;
    if (!campaign && (chain.ind1 != lastChain.ind1 || chain.ind2 != lastChain.ind2 ||
                      chain.ind3 != lastChain.ind3 || chain.ind4 != lastChain.ind4)) {
        lastChain = chain;
        lastText = chain.text().toUtf8();
    }

    copyInteger(out, row, 0);
    copyText(out, row, 1);
    copyInteger(out, row, 2);
    for (int col = 3; col <= 18; ++col)
        copyText(out, row, col);
    out.real(kdv).real(d1 + d2).real(d1).real(d2);
    out.integer(s1).integer(s2).integer(overallStockState(s1, s2));
    copyReal(out, row, 24);
    copyReal(out, row, 25);
    copyInteger(out, row, 26);
    copyInteger(out, row, 27);
    out.integer(campaign ? 1 : 0)
        .real(toLira(liste))
        .real(campaign ? toLira(kamp) : 0.0)
        .real(toLira(liste))
        .real(toLira(fiyat))
        .real(chain.ind1)
        .real(chain.ind2)
        .real(chain.ind3)
        .real(chain.ind4)
        .real(totalRate);
    if (campaign)
        out.text(QStringLiteral("%%1").arg(totalRate, 0, 'g', 4));
    else
        out.text(QByteArrayView(lastText));
    out.real(toLira(net)).real(toLira(withVat(net, kdv)));
    out.endRow();
}

}  // namespace server
