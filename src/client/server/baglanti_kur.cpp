#include "client/server/baglanti_kur.h"

#include <QThread>

#include "client/server/server_connection.h"
#include "wire/error.h"

namespace {

std::function<void()>& connectionErrorReporter() {
    static std::function<void()> reporter;
    return reporter;
}

std::function<void(int)>& retryPause() {
    static std::function<void(int)> pause = [](int ms) { QThread::msleep(ulong(ms)); };
    return pause;
}

}  // namespace

std::function<void()> setConnectionErrorReporter(std::function<void()> reporter) {
    return std::exchange(connectionErrorReporter(), std::move(reporter));
}

std::function<void(int ms)> setConnectionRetryPause(std::function<void(int ms)> pause) {
    return std::exchange(retryPause(), std::move(pause));
}

bool BaglantiKur(ServerConnection& baglanti, bool mesaj) {
    baglanti.close();
    for (int failed = 0; failed < kBaglantiDenemeSayisi;) {
        try {
            baglanti.open();
            return true;
        } catch (const wire::Error&) {
            baglanti.close();
            retryPause()(kBaglantiBeklemeMs);
            ++failed;
        }
    }
    if (mesaj && connectionErrorReporter())
        connectionErrorReporter()();
    return false;
}
