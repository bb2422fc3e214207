// The start-up load: one background call whose worker runs the steps one after another.
#include "client/app/async.h"
#include "client/app/main_window.h"

namespace app {

void TForm1::AcilisYuklemesiBaslat() {
    Async([this] {
        // The header is written on the main thread; the worker waits for it.
        Synchronize([this] { AnaBilgiAl(); });
    })->Await([] {}, this);
}

}  // namespace app
