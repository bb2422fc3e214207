#pragma once

// The product drawings behind renderPartPicture. Each draws one part centred on the origin in a
// box of about 300 x 200 units, the painter already placed and scaled by the caller.

#include <QColor>
#include <QString>

#include "server/media/drawing.h"
#include "server/media/part_picture.h"

class QPainter;

namespace media {

struct PartLook {
    QColor accent;  ///< the brand's colour
    QString brand;
    SeededRandom* random;
};

void drawPart(QPainter& painter, PartKind kind, const PartLook& look);

}  // namespace media
