// The page control: one tab per subject, in a fixed order, each with its grid, and the grids'
// context menus. The subjects fill the grids' columns and connect the loads and menu items.
#include <QAction>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "client/app/artwork.h"
#include "client/app/main_window.h"
#include "client/ui/grid/data_grid.h"

namespace app {
namespace {

struct TabSpec {
    QWidget* TForm1::*page;
    const char* name;
    const char* caption;
    const char* image;
};

// Order, captions and images of the tabs. The image numbers of the original image list map to
// our pictures: 0 stock, 8 basket, 3 orders, 1 statement, 10 new, 6 campaign, 5 announcements,
// 7 balances, 12 card payment.
const TabSpec kTabs[] = {
    {&TForm1::sstoklistesi, "sstoklistesi", "Stok Listesi", "tab_stok"},
    {&TForm1::ssepet, "ssepet", "Sepet", "tab_sepet"},
    {&TForm1::sonceki, "sonceki", "Önceki Siparişler", "tab_onceki"},
    {&TForm1::sccariekstre, "sccariekstre", "Cari Ekstre", "tab_ekstre"},
    {&TForm1::syeniler, "syeniler", "Yeni Stoklar", "tab_yeni"},
    {&TForm1::skampanyali, "skampanyali", "Kampanyalı Stoklar", "tab_kampanya"},
    {&TForm1::sTabSheetduyuru, "sTabSheetduyuru", "Duyurular", "tab_duyuru"},
    {&TForm1::sTabbakiyeler, "sTabbakiyeler", "Bakiyeler", "tab_bakiye"},
    {&TForm1::ss, "ss", "Sanal Pos", "tab_sanalpos"},
};

ui::DataGrid* addGrid(QWidget* page, const QString& gridName, const QString& viewName) {
    auto* grid = new ui::DataGrid(ui::GridColumns{}, page);
    grid->setObjectName(gridName);
    grid->view()->setObjectName(viewName);
    page->layout()->addWidget(grid);
    return grid;
}

}  // namespace

QTabWidget* TForm1::buildPages() {
    sPageControl1 = new QTabWidget(this);
    sPageControl1->setObjectName(QStringLiteral("sPageControl1"));
    sPageControl1->setDocumentMode(false);
    sPageControl1->setIconSize(QSize(32, 32));
    sPageControl1->tabBar()->setExpanding(false);
    sPageControl1->setUsesScrollButtons(true);
    for (const TabSpec& tab : kTabs) {
        auto* page = new QWidget(sPageControl1);
        page->setObjectName(QString::fromLatin1(tab.name));
        auto* layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        this->*tab.page = page;
        sPageControl1->addTab(page, artworkIcon(QString::fromLatin1(tab.image), QSize(32, 32)),
                              QString::fromUtf8(tab.caption));
    }

    // Client tables and grids per tab: stok, sepet, ONCEKILER, EKSTRE, YENILER, kampstok; the
    // announcement grid is filled row by row and has no table.
    cxGrid1 =
        addGrid(sstoklistesi, QStringLiteral("cxGrid1"), QStringLiteral("cxGrid1DBTableView1"));
    cxGrid2 = addGrid(ssepet, QStringLiteral("cxGrid2"), QStringLiteral("cxGridDBTableView1"));
    cxGrid3 = addGrid(sonceki, QStringLiteral("cxGrid3"), QStringLiteral("cxGridDBTableView2"));
    cxGrid5 =
        addGrid(sccariekstre, QStringLiteral("cxGrid5"), QStringLiteral("cxGridDBTableView4"));
    cxGrid6 = addGrid(syeniler, QStringLiteral("cxGrid6"), QStringLiteral("cxGridDBTableView5"));
    cxkampanyali = addGrid(skampanyali, QStringLiteral("cxkampanyali"),
                           QStringLiteral("cxGridDBTableViewkampanyali"));
    cxGridduyuru = addGrid(sTabSheetduyuru, QStringLiteral("cxGridduyuru"),
                           QStringLiteral("cxGridduyuruBandedDuyuru"));
    cxGrid1->attach(&stok);
    cxGrid2->attach(&sepet);
    cxGrid3->attach(&ONCEKILER);
    cxGrid5->attach(&EKSTRE);
    cxGrid6->attach(&YENILER);
    cxkampanyali->attach(&kampstok);

    // The card payment page's browser is created when its tab is first shown.
    sitem = new QWidget(ss);
    sitem->setObjectName(QStringLiteral("sitem"));
    ss->layout()->addWidget(sitem);
    return sPageControl1;
}

void TForm1::buildContextMenus() {
    auto menu = [this](const QString& name, ui::DataGrid* grid, const QStringList& items) {
        auto* m = new QMenu(this);
        m->setObjectName(name);
        for (const QString& caption : items) {
            if (caption == u"-") {
                m->addSeparator();
            } else {
                m->addAction(caption);
            }
        }
        grid->view()->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(
            grid->view(), &QWidget::customContextMenuRequested, m,
            [m, grid](const QPoint& pos) { m->popup(grid->view()->viewport()->mapToGlobal(pos)); });
        return m;
    };
    popstok = menu(QStringLiteral("popstok"), cxGrid1,
                   {QStringLiteral("Sepete Ekle"), QStringLiteral("Sipariş Bakiyeleriniz"),
                    QStringLiteral("Siparişleri Göster")});
    PopupMenu1 = menu(QStringLiteral("PopupMenu1"), cxGrid2,
                      {QStringLiteral("Satır Değiştir"), QStringLiteral("Satır Sil"),
                       QStringLiteral("Hepsini Sil")});
    poponceki = menu(QStringLiteral("poponceki"), cxGrid3,
                     {QStringLiteral("Siparişi İncele"), QStringLiteral("Sipariş Bakiyeleriniz"),
                      QStringLiteral("Tüm Siparişler")});
    popekstre = menu(QStringLiteral("popekstre"), cxGrid5, {QStringLiteral("Hareket İncele")});
}

}  // namespace app
