#pragma once

#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>

#include "client/server/server_connection.h"
#include "wire/client_table.h"
#include "wire/records/sonuc_bilgisi.h"

class QLabel;
class QLineEdit;
class QMenu;
class QAction;
class QPushButton;
class QTabWidget;
class QToolButton;
class QWidget;

namespace ui {
class DataGrid;
}

namespace app {

class WaitAnimation;

/// The main window: header, search bar, the page control with one tab per subject, the stock-state
/// legend and the bottom strip. Its creation (FormCreate) runs the login and starts the start-up
/// load; the tabs' contents and loads belong to their subjects, which reach the shared state
/// below. The widgets exist once the login has succeeded: they are built while the login dialog
/// is open, so that the dialog comes up without waiting for them.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    /// The creation sequence: workstation data, connection, login, role visibility, start-up load.
    /// Returns false when the program was ended on the way (the login was not completed).
    bool FormCreate();
    /// Runs the login dialog and applies the role visibility; ends the program when the login is
    /// abandoned. Returns whether the login succeeded.
    bool GirisYap();
    /// Writes the user, the firm and the representative line from `sbilgi` into the header.
    void AnaBilgiAl();
    /// Adapts columns, tabs and menu items to the role (`MusteriTipi`) of `sbilgi`.
    void RolGorunurluguUygula();

    /// Calls `handler` on the main thread each time `page` becomes the current tab.
    void onTabShown(QWidget* page, std::function<void()> handler);
    /// Calls `handler` each time `page` stops being the current tab.
    void onTabHidden(QWidget* page, std::function<void()> handler);

    // --- shared state offered to the subjects
    ServerConnection bagc;
    TSonucBilgisi sbilgi;
    int acilisadet = 0;

    wire::ClientTable stok, sepet, kargo, ONCEKILER, EKSTRE, YENILER, kampstok;

    // header
    QLabel* Image1 = nullptr;
    QLabel* kullanicilbl = nullptr;
    QLabel* cariadilbl = nullptr;
    QLabel* saticilbl = nullptr;
    QLabel* RxGIFAnimator1 = nullptr;
    QToolButton* Button3 = nullptr;
    QLabel* RxGIFAnimator2 = nullptr;
    // search bar
    QLineEdit* araedit = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QPushButton* musteritus = nullptr;
    WaitAnimation *gifstokara = nullptr, *gifyeniler = nullptr, *gifkampanyali = nullptr,
                  *gifduyuru = nullptr, *gifoncekiler = nullptr, *gifekstre = nullptr;
    // tabs
    QTabWidget* sPageControl1 = nullptr;
    QWidget *sstoklistesi = nullptr, *ssepet = nullptr, *sonceki = nullptr, *sccariekstre = nullptr,
            *syeniler = nullptr, *skampanyali = nullptr, *sTabSheetduyuru = nullptr,
            *sTabbakiyeler = nullptr, *ss = nullptr;
    ui::DataGrid *cxGrid1 = nullptr, *cxGrid2 = nullptr, *cxGrid3 = nullptr, *cxGrid5 = nullptr,
                 *cxGrid6 = nullptr, *cxkampanyali = nullptr, *cxGridduyuru = nullptr;
    QWidget* sitem = nullptr;
    // bottom strip
    QLabel* kayanyazi = nullptr;
    QWidget* RealTimeMarquee1 = nullptr;
    QLabel* Image3 = nullptr;
    // menus
    QMenu* Genelmenu = nullptr;
    QAction *M1 = nullptr, *N4 = nullptr, *webadresi1 = nullptr, *G1 = nullptr, *R1 = nullptr;
    QMenu *popstok = nullptr, *PopupMenu1 = nullptr, *poponceki = nullptr, *popekstre = nullptr;

public Q_SLOTS:
    void M1Click();
    void N4Click();
    void webadresi1Click();
    void G1Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    /// The quit confirmation; true when the user confirmed (the program is then ended).
    bool FormCloseQuery();

    /// Builds the window's widgets (once).
    void buildWindow();
    // Layout, one region each (main_window_layout.cpp).
    QWidget* buildHeader();
    QWidget* buildSearchBar();
    QWidget* buildLegend();
    QWidget* buildBottomStrip();
    void buildGeneralMenu();
    // The page control, its grids and their context menus (main_window_tabs.cpp).
    QTabWidget* buildPages();
    void buildContextMenus();
    void tabChanged(int index);

    /// Starts the start-up load in the background (startup_load.cpp).
    void AcilisYuklemesiBaslat();

    QHash<QWidget*, QList<std::function<void()>>> shownHandlers_;
    QHash<QWidget*, QList<std::function<void()>>> hiddenHandlers_;
    QWidget* currentPage_ = nullptr;
    bool built_ = false;
};

}  // namespace app
