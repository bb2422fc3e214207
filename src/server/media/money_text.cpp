#include "server/media/money_text.h"

#include <cmath>

#include "client/app/workstation/money.h"

namespace media {

QString formatMoney(double amount) {
    return std::isfinite(amount) ? ParaBicimle(amount) : QString();
}

}  // namespace media
