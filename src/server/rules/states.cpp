#include "server/rules/states.h"

namespace server {

QString orderStateName(int state) {
    switch (state) {
        case 1:
            return QStringLiteral("Alındı");
        case 2:
            return QStringLiteral("Onaylandı");
        case 3:
            return QStringLiteral("Görüldü");
        case 4:
            return QStringLiteral("Parçalı Hazırlandı");
        case 5:
            return QStringLiteral("Hazırlandı");
        case 6:
            return QStringLiteral("Sevk Edildi");
        default:
            return {};
    }
}

int overallStockState(int depot1, int depot2) {
    if (depot1 == 1 || depot2 == 1)
        return 1;
    return depot1;
}

}  // namespace server
