// What each role sees of the main window, applied once after the login.
#include <QAction>
#include <QPushButton>
#include <QTabWidget>

#include "client/app/main_window.h"
#include "client/ui/grid/data_grid.h"

namespace app {
namespace {

/// Shows or hides a column the grid has; a column a subject has not defined yet is skipped.
void showColumn(ui::DataGrid* grid, const QString& field, bool shown, bool offered) {
    if (grid->columnOf(field) < 0) {
        return;
    }
    grid->setColumnShown(field, shown);
    grid->setColumnOffered(field, offered);
}

}  // namespace

void TForm1::RolGorunurluguUygula() {
    const int role = sbilgi.MusteriTipi();
    if (role == 1 || role == 2) {
        // The dealer's staff act for a customer account and see stock and order figures.
        musteritus->show();
        for (ui::DataGrid* grid : {cxGrid1, cxGrid6, cxkampanyali, cxGrid2}) {
            showColumn(grid, QStringLiteral("KALAN"), true, true);
        }
        showColumn(cxGrid1, QStringLiteral("DEPOBIRADET"), true, true);
        showColumn(cxGrid1, QStringLiteral("DEPOIKIADET"), true, true);
        for (ui::DataGrid* grid : {cxGrid1, cxGrid6, cxkampanyali}) {
            showColumn(grid, QStringLiteral("ALINANSIPARIS"), true, true);
            showColumn(grid, QStringLiteral("VERILENSIPARIS"), true, true);
        }
        R1->setVisible(true);
    } else if (role == 3) {
        showColumn(cxGrid2, QStringLiteral("DURUM"), false, false);
        R1->setVisible(false);
    } else if (role == 4) {
        sPageControl1->setTabVisible(sPageControl1->indexOf(skampanyali), false);
        showColumn(cxGrid1, QStringLiteral("KAMPFIYAT"), false, false);
        showColumn(cxGrid1, QStringLiteral("K"), false, false);
        showColumn(cxGrid6, QStringLiteral("K"), false, false);
        showColumn(cxGrid6, QStringLiteral("KAMPFIYAT"), false, false);
        R1->setVisible(false);
    }
}

}  // namespace app
