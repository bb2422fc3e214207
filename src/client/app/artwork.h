#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace app {

/// One of the program's own SVG pictures (":/app/<name>.svg") drawn at `size` logical pixels,
/// sharp on high-density screens.
QPixmap artwork(const QString& name, QSize size, qreal devicePixelRatio = 1.0);
/// The same picture as an icon, drawn at whatever size it is shown (`size` is the size it is
/// meant for).
QIcon artworkIcon(const QString& name, QSize size);

}  // namespace app
