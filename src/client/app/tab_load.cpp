#include "client/app/tab_load.h"

#include <atomic>
#include <memory>

#include "client/app/async.h"
#include "client/ui/mesaj_goster.h"

namespace app {

bool TabLoad::start(QObject* context, Worker worker, Finish finish) {
    if (running_) {
        return false;
    }
    begin();

    // The call state: written by the worker, read by the completion.
    struct CallState {
        std::atomic<bool> hata{false};
    };
    auto state = std::make_shared<CallState>();

    // The completion restores the window even when the worker threw; the error is shown after it.
    Async([state, worker = std::move(worker)] { state->hata = !worker(); })
        ->Await(
            [this, state, finish = std::move(finish)] {
                restore();
                if (finish) {
                    finish(state->hata);
                }
                if (state->hata) {
                    ui::BaglantiHatasiGoster();
                }
            },
            context);
    return true;
}

void TabLoad::begin() {
    running_ = true;
    if (controls_.waitAnimation) {
        controls_.waitAnimation->show();
    }
    if (controls_.input) {
        controls_.input->setEnabled(false);
    }
    if (controls_.detach) {
        controls_.detach();
    }
}

void TabLoad::restore() {
    if (controls_.attach) {
        controls_.attach();
    }
    if (controls_.input) {
        controls_.input->setEnabled(true);
    }
    if (controls_.waitAnimation) {
        controls_.waitAnimation->hide();
    }
    running_ = false;
}

}  // namespace app
