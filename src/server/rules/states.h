#pragma once

#include <QString>

namespace server {

/// Order states, in the order an order passes through them.
enum class OrderState : int {
    Received = 1,        ///< "Alındı"
    Approved = 2,        ///< "Onaylandı"
    Seen = 3,            ///< "Görüldü"
    PartlyPrepared = 4,  ///< "Parçalı Hazırlandı"
    Prepared = 5,        ///< "Hazırlandı"
    Shipped = 6,         ///< "Sevk Edildi"
};
inline constexpr int kOrderStateCount = 6;

QString orderStateName(int state);

/// Stock state codes of a depot: 0 "Yok", 1 "Var", 2 "Telefon Açınız", 3 "Yolda",
/// 4 "Özel Sipariş", 5 "Tedarik Sürecinde" (the client shows their names and icons).
/// The overall state of an item from its two depots: "Var" when either has it, else the first
/// depot's state.
int overallStockState(int depot1, int depot2);

}  // namespace server
