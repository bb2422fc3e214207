#pragma once

// Column tables and tables shared by the grid tests.

#include <QDate>
#include <memory>

#include "client/ui/grid/grid_column.h"
#include "wire/client_table.h"

namespace gridtest {

using ui::CellKind;
using ui::ColumnVisibility;
using ui::GridColumn;
using ui::GridColumns;

inline GridColumn col(QString field, QString caption, int weight,
                      ColumnVisibility visibility = ColumnVisibility::Shown,
                      CellKind kind = CellKind::Text) {
    GridColumn c;
    c.field = std::move(field);
    c.caption = std::move(caption);
    c.weight = weight;
    c.visibility = visibility;
    c.kind = kind;
    return c;
}

/// The stock list's columns, in their order, as the wide layout shows them.
inline GridColumns stockColumns() {
    using V = ColumnVisibility;
    using K = CellKind;
    GridColumns c{
        col("DEPOBIRDURUM", "İzmir", 1, V::Shown, K::StockState),
        col("DURUM", "Durum", 1, V::Hidden, K::StockState),
        col("DEPOIKIDURUM", "Antalya", 1, V::Shown, K::StockState),
        col("OEM1", "Oem1", 2, V::Hidden, K::WrappedText),
        col("OEM2", "Oem2", 2, V::Hidden, K::WrappedText),
        col("OEM3", "Oem3", 2, V::Hidden, K::WrappedText),
        col("BARKOD", "Barkod", 2, V::Shown, K::WrappedText),
        col("ADI", "Açıklama", 3, V::Shown, K::WrappedText),
        col("OEM4", "Oem4", 2, V::Hidden, K::WrappedText),
        col("STOK_STOKNO", "", 1, V::HiddenLocked),
        col("FINISHKOD", "Finish Kod", 2, V::Hidden, K::WrappedText),
        col("URETICIKODU", "Üretici Kod", 2, V::Hidden, K::WrappedText),
        col("RESIM", "Resim", 1, V::Shown, K::Picture),
        col("BARKOD_BARKODNO", "", 1, V::HiddenLocked),
        col("DIGERADI", "Diğer Adı", 3, V::Hidden, K::WrappedText),
        col("DPKOD", "", 2, V::HiddenLocked),
        col("OEMNO", "Oem No", 2, V::Hidden, K::WrappedText),
        col("BIRIM", "Birim", 1, V::Hidden, K::WrappedText),
        col("MARKA", "Marka", 2, V::Shown, K::WrappedText),
        col("MODEL", "Model", 2, V::Shown, K::WrappedText),
        col("ANAGRUP", "Ana Grup", 2, V::Hidden, K::WrappedText),
        col("OZELKOD", "Özel Kod", 2, V::Shown, K::WrappedText),
        col("KALAN", "", 1, V::HiddenLocked),
        col("DEPOBIRADET", "IZMIRADET", 1, V::HiddenLocked),
        col("DEPOIKIADET", "ANTALYAADET", 1, V::HiddenLocked),
        col("PKOD", "", 1, V::HiddenLocked),
        col("KDV", "", 1, V::Hidden),
        col("ALINANSIPARIS", "", 1, V::HiddenLocked),
        col("VERILENSIPARIS", "", 1, V::HiddenLocked),
        col("LISTEFIYAT1", "Liste Fiyatı", 2),
        col("KAMPFIYAT", "Kampanyalı Fiyat", 2),
        col("FIYAT", "Liste Fiyatı", 2, V::Hidden),
        col("Y", "Yeni", 1, V::Shown, K::Flag),
        col("K", "Kampanyalı", 1, V::Shown, K::Flag),
        col("INDIRIMYAZI", "İndirim Oran", 2),
        col("NETFIYAT", "Net Fiyatı", 2),
        col("KDVDAHIL", "KDV Dahil Fiyat", 3),
        col("FiyatBilgisi", "Fiyat Bilgisi", 2, V::Hidden, K::Custom),
    };
    c[25].captionSuppressed = true;  // PKOD
    c[34].alignment = Qt::AlignCenter;
    return c;
}

/// A small order-lines table: text, integer, money, date and a state code.
inline std::shared_ptr<wire::ClientTable> orderLines() {
    using wire::FieldType;
    auto t = std::make_shared<wire::ClientTable>();
    t->defineColumns({{"SATICIADI", FieldType::Text, 50},
                      {"BARKOD", FieldType::Text, 30},
                      {"STOKADI", FieldType::Text, 100},
                      {"MIKTAR", FieldType::Integer, 0},
                      {"TUTAR", FieldType::Real, 0},
                      {"TARIH", FieldType::Date, 0},
                      {"DURUM", FieldType::Integer, 0},
                      {"SEC", FieldType::Integer, 0}});
    t->appendRow({"DENİZ", "B-100", "FREN BALATASI ÖN", 3, 1234.5, QDate(2026, 1, 5), 1, 1});
    t->appendRow({"CAN", "A-200", "YAĞ FİLTRESİ", 4, 1000000.25, QDate(2026, 2, 6), 0, 0});
    t->appendRow({"ÇETİN", "C-300", "ŞANZIMAN YAĞI", 5, 0.75, QDate(2026, 3, 7), 3, 1});
    t->appendRow({"CAN", "D-400", "İTİCİ MİL", 1, 1234.499, QDate(2026, 4, 8), 5, 0});
    t->appendRow({"DENİZ", QVariant(), "ışık müşiri", 2, 10.0, QVariant(), QVariant(), 0});
    return t;
}

inline GridColumns orderColumns() {
    using K = CellKind;
    GridColumns c{col("SATICIADI", "", 1),
                  col("BARKOD", "Barkod", 2),
                  col("STOKADI", "Stok Açıklama", 3),
                  col("MIKTAR", "Miktar", 1),
                  col("TUTAR", "Tutar", 1),
                  col("TARIH", "Tarih", 1),
                  col("DURUM", "Durum", 1, ColumnVisibility::Shown, K::StockState),
                  col("SEC", "Seç", 1, ColumnVisibility::Shown, K::CheckBox),
                  col("YOKALAN", "Yok", 1)};
    return c;
}

}  // namespace gridtest
