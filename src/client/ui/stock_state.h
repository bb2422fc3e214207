#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

namespace ui {

/// The stock-state codes shared by every list that shows availability.
inline constexpr int kStockStateCount = 6;

bool isStockState(int code);              ///< 0-5
QString stockStateDescription(int code);  ///< "Yok", "Var", ...; empty for an unknown code
QColor stockStateColour(int code);        ///< the main colour of the code's icon
QIcon stockStateIcon(int code);           ///< null icon for an unknown code
QIcon pictureIcon();                      ///< "a picture exists"
QIcon flagIcon();                         ///< the green yes-flag of new and campaign items

}  // namespace ui
