#include "identity.h"

namespace {

template <typename Read>
QString trimmedOrEmpty(Read read) {
    try {
        return read().trimmed();
    } catch (...) {
        return {};
    }
}

}  // namespace

QString BilgisayarIdAl() {
    QString id = trimmedOrEmpty(DiskSeriNoAl);
    if (id.isEmpty()) {
        id = trimmedOrEmpty(MacAdresiAl);
    }
    return id.remove(QLatin1Char(' '));
}
