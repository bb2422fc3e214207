// The start-up load: one background call whose worker runs the steps one after another.
#include <QPointer>

#include "client/app/async.h"
#include "client/app/embedded_browser.h"
#include "client/app/main_window.h"
#include "client/app/workstation/browser.h"

namespace app {

void TForm1::AcilisYuklemesiBaslat() {
    QPointer<TForm1> window(this);
    Async([window] {
        // The header is written on the main thread; the worker waits for it.
        Synchronize([window] {
            if (window) {
                window->AnaBilgiAl();
            }
        });
    })
        ->Await(
            [] {
                // The browser engine is loaded here, after the start of the program, and on the
                // main thread, where it sets itself up.
                IeSurumuAyarla(embeddedBrowserVersion());
            },
            this);
}

}  // namespace app
