#include "server/media/part_drawings.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace media {

namespace {

constexpr double kPi = 3.14159265358979323846;

/// Brushed steel around a centre, as turned metal looks under a studio light.
QConicalGradient turnedSteel(QPointF centre, qreal angle, qreal tone = 1.0) {
    QConicalGradient g(centre, angle);
    const QColor light = QColor("#eef0f2").darker(int(100 * tone));
    const QColor mid = QColor("#b4babf").darker(int(100 * tone));
    const QColor dark = QColor("#7b8288").darker(int(100 * tone));
    g.setColorAt(0.00, mid);
    g.setColorAt(0.12, light);
    g.setColorAt(0.30, dark);
    g.setColorAt(0.50, mid);
    g.setColorAt(0.62, light);
    g.setColorAt(0.80, dark);
    g.setColorAt(1.00, mid);
    return g;
}

/// Shading across a cylinder lying along the given line: dark rims, a highlight off centre.
QLinearGradient cylinder(QPointF from, QPointF to, const QColor& colour) {
    QLinearGradient g(from, to);
    g.setColorAt(0.0, colour.darker(190));
    g.setColorAt(0.28, colour.lighter(135));
    g.setColorAt(0.42, colour);
    g.setColorAt(1.0, colour.darker(220));
    return g;
}

void ring(QPainter& p, QPointF c, qreal outer, qreal inner, const QBrush& brush) {
    QPainterPath path;
    path.addEllipse(c, outer, outer);
    path.addEllipse(c, inner, inner);
    p.fillPath(path, brush);
}

void drawBrakeDisc(QPainter& p, const PartLook& look) {
    const qreal tilt = 0.62;
    const QColor hat = look.random->between(0, 1) ? QColor("#3b4046") : QColor("#9c9a8e");
    // Rim thickness seen below the face.
    p.save();
    p.scale(1, tilt);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#5d646a"));
    p.drawEllipse(QPointF(0, 26), 100, 100);
    p.drawRect(QRectF(-100, 0, 200, 26));
    p.setBrush(turnedSteel(QPointF(0, 0), 35));
    p.drawEllipse(QPointF(0, 0), 100, 100);
    p.setPen(QPen(QColor(90, 95, 100, 60), 0.8));
    p.setBrush(Qt::NoBrush);
    for (qreal r = 60; r < 98; r += 3.5)
        p.drawEllipse(QPointF(0, 0), r, r);

    const int style = look.random->between(0, 2);
    p.setPen(Qt::NoPen);
    if (style == 1) {  // drilled
        p.setBrush(QColor("#2a2d31"));
        for (int i = 0; i < 30; ++i) {
            const qreal a = i * 2 * kPi / 30;
            const qreal r = 66 + (i % 3) * 11;
            p.drawEllipse(QPointF(r * std::cos(a), r * std::sin(a)), 2.8, 2.8);
        }
    } else if (style == 2) {  // slotted
        p.setPen(QPen(QColor("#3b3f44"), 2.2, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 12; ++i) {
            const qreal a = i * 2 * kPi / 12;
            QPainterPath slot;
            slot.moveTo(64 * std::cos(a), 64 * std::sin(a));
            slot.quadTo(80 * std::cos(a + 0.12), 80 * std::sin(a + 0.12), 94 * std::cos(a + 0.3),
                        94 * std::sin(a + 0.3));
            p.drawPath(slot);
        }
        p.setPen(Qt::NoPen);
    }
    // The hat stands up from the friction ring.
    p.setBrush(hat.darker(150));
    p.drawEllipse(QPointF(0, -4), 56, 56);
    p.drawRect(QRectF(-56, -16, 112, 12));
    QRadialGradient hatFace(QPointF(-15, -30), 70);
    hatFace.setColorAt(0, hat.lighter(160));
    hatFace.setColorAt(1, hat);
    p.setBrush(hatFace);
    p.drawEllipse(QPointF(0, -16), 54, 54);
    p.setBrush(QColor("#1d1f22"));
    const int studs = 4 + look.random->between(0, 1);
    for (int i = 0; i < studs; ++i) {
        const qreal a = i * 2 * kPi / studs + 0.3;
        p.drawEllipse(QPointF(34 * std::cos(a), -16 + 34 * std::sin(a)), 6, 6);
    }
    QRadialGradient bore(QPointF(0, -12), 20);
    bore.setColorAt(0, QColor("#0d0e10"));
    bore.setColorAt(1, QColor("#3c4046"));
    p.setBrush(bore);
    p.drawEllipse(QPointF(0, -16), 19, 19);
    p.restore();
}

QPainterPath padShape(qreal w, qreal h) {
    QPainterPath path;
    path.moveTo(-w / 2, -h / 2 + 12);
    path.quadTo(0, -h / 2 - 10, w / 2, -h / 2 + 12);
    path.lineTo(w / 2 - 6, h / 2);
    path.quadTo(0, h / 2 + 8, -w / 2 + 6, h / 2);
    path.closeSubpath();
    return path;
}

void drawOnePad(QPainter& p, const PartLook& look) {
    QPainterPath plate = padShape(190, 92);
    plate.addRoundedRect(QRectF(-112, -26, 30, 22), 6, 6);  // ears
    plate.addRoundedRect(QRectF(82, -26, 30, 22), 6, 6);
    plate.setFillRule(Qt::WindingFill);
    p.fillPath(plate.translated(0, 6), QColor("#22252a"));
    QLinearGradient paint(0, -50, 0, 50);
    paint.setColorAt(0, QColor("#5a6068"));
    paint.setColorAt(1, QColor("#2b2f35"));
    p.fillPath(plate, paint);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#d9dde1"));
    p.drawEllipse(QPointF(-97, -15), 5, 5);
    p.drawEllipse(QPointF(97, -15), 5, 5);

    const QPainterPath lining = padShape(160, 70).translated(0, 4);
    QLinearGradient grit(-80, -40, 80, 40);
    grit.setColorAt(0, QColor("#6d655e"));
    grit.setColorAt(0.5, QColor("#4e4843"));
    grit.setColorAt(1, QColor("#3a3531"));
    p.fillPath(lining, grit);
    p.setPen(QPen(QColor("#2a2623"), 3));
    p.drawLine(QPointF(0, -32), QPointF(0, 40));
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(lining);
    p.setPen(QColor(255, 255, 255, 70));
    p.setFont(mediaFont(8, true));
    p.drawText(QRectF(-80, 26, 160, 14), Qt::AlignCenter, look.brand);
}

void drawBrakePad(QPainter& p, const PartLook& look) {
    p.save();
    p.translate(38, 26);
    p.rotate(8);
    p.scale(0.9, 0.9);
    drawOnePad(p, look);
    p.restore();
    p.save();
    p.translate(-30, -22);
    p.rotate(-6);
    drawOnePad(p, look);
    if (look.random->between(0, 1)) {  // wear indicator lead
        p.setPen(QPen(QColor("#111"), 2.5));
        p.setBrush(Qt::NoBrush);
        QPainterPath wire;
        wire.moveTo(95, 30);
        wire.cubicTo(130, 40, 120, 80, 150, 70);
        p.drawPath(wire);
    }
    p.restore();
}

void drawFilter(QPainter& p, const PartLook& look) {
    const QColor body = look.accent;
    const qreal rx = 62, ry = 18, top = -72, bottom = 78;
    p.setPen(Qt::NoPen);
    p.setBrush(cylinder(QPointF(-rx, 0), QPointF(rx, 0), body));
    p.drawEllipse(QPointF(0, bottom), rx, ry);
    p.drawRect(QRectF(-rx, top, 2 * rx, bottom - top));
    // Wrench grip near the bottom.
    p.setPen(QPen(body.darker(170), 1.4));
    for (int i = -10; i <= 10; ++i) {
        const qreal x = rx * std::sin(i * kPi / 22);
        p.drawLine(QPointF(x, bottom - 22), QPointF(x, bottom + ry * std::cos(i * kPi / 22) - 2));
    }
    // Label band.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRect(QRectF(-rx, -28, 2 * rx, 50));
    p.setPen(body.darker(130));
    p.setFont(fittedFont(mediaFont(22, true), look.brand, QRectF(-rx + 6, -26, 2 * rx - 12, 30),
                         Qt::AlignCenter, 8));
    p.drawText(QRectF(-rx + 6, -26, 2 * rx - 12, 30), Qt::AlignCenter, look.brand);
    p.setPen(QColor("#455a64"));
    p.setFont(mediaFont(9));
    p.drawText(QRectF(-rx, 2, 2 * rx, 16), Qt::AlignCenter, QStringLiteral("YAĞ FİLTRESİ"));
    // Base plate seen from above: gasket, inlet holes, threaded centre.
    p.setPen(Qt::NoPen);
    p.save();
    p.translate(0, top);
    p.scale(1, ry / rx);
    p.setBrush(turnedSteel(QPointF(0, 0), 60));
    p.drawEllipse(QPointF(0, 0), rx, rx);
    ring(p, QPointF(0, 0), rx - 6, rx - 15, QColor("#1b1b1d"));
    p.setBrush(QColor("#2c2f33"));
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * 2 * kPi / 8;
        p.drawEllipse(QPointF(32 * std::cos(a), 32 * std::sin(a)), 6, 6);
    }
    p.setBrush(QColor("#50565c"));
    p.drawEllipse(QPointF(0, 0), 15, 15);
    p.setBrush(QColor("#15171a"));
    p.drawEllipse(QPointF(0, 0), 10, 10);
    p.restore();
}

void drawBearing(QPainter& p, const PartLook& look) {
    const qreal tilt = 0.7;
    const bool sealed = look.random->between(0, 1);
    p.save();
    p.scale(1, tilt);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#60676d"));
    p.drawEllipse(QPointF(0, 34), 100, 100);
    p.drawRect(QRectF(-100, 0, 200, 34));
    ring(p, QPointF(0, 0), 100, 74, turnedSteel(QPointF(0, 0), 20));
    QRadialGradient gap(QPointF(0, 0), 74);
    gap.setColorAt(0.6, QColor("#202326"));
    gap.setColorAt(1, QColor("#3d4247"));
    ring(p, QPointF(0, 0), 74, 50, gap);
    if (sealed) {
        ring(p, QPointF(0, 0), 72, 52, QColor(look.accent.darker(160)));
        p.setPen(QPen(QColor(255, 255, 255, 50), 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(0, 0), 62, 62);
        p.setPen(Qt::NoPen);
    } else {
        const int balls = 9 + look.random->between(0, 3);
        for (int i = 0; i < balls; ++i) {
            const qreal a = i * 2 * kPi / balls;
            const QPointF c(62 * std::cos(a), 62 * std::sin(a));
            QRadialGradient ball(c + QPointF(-3, -3), 11);
            ball.setColorAt(0, QColor("#ffffff"));
            ball.setColorAt(0.4, QColor("#b9bfc5"));
            ball.setColorAt(1, QColor("#4a5056"));
            p.setBrush(ball);
            p.drawEllipse(c, 10, 10);
        }
    }
    ring(p, QPointF(0, 0), 50, 33, turnedSteel(QPointF(0, 0), 200, 1.05));
    p.setBrush(QColor(60, 64, 70, 110));
    p.drawEllipse(QPointF(0, 0), 33, 33);
    p.setPen(look.accent.darker(120));
    p.setFont(mediaFont(10, true));
    p.drawText(QRectF(-60, 76, 120, 18), Qt::AlignCenter, look.brand);
    p.restore();
}

void drawBelt(QPainter& p, const PartLook& look) {
    p.save();
    p.rotate(-6);
    p.scale(1, 0.8);
    QPainterPath loop;
    loop.addRoundedRect(QRectF(-150, -95, 300, 190), 95, 95);
    QPainterPath inside;
    inside.addRoundedRect(QRectF(-128, -73, 256, 146), 73, 73);
    p.fillPath(loop.translated(0, 10).subtracted(inside.translated(0, 10)), QColor("#0c0c0d"));
    QLinearGradient rubber(0, -95, 0, 95);
    rubber.setColorAt(0, QColor("#3a3c40"));
    rubber.setColorAt(0.5, QColor("#1d1e20"));
    rubber.setColorAt(1, QColor("#2e3034"));
    p.fillPath(loop.subtracted(inside), rubber);
    p.setPen(QPen(QColor("#4b4e53"), 1.2));
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 5; ++i) {
        const qreal d = i * 22.0 / 6;
        p.drawRoundedRect(QRectF(-150 + d, -95 + d, 300 - 2 * d, 190 - 2 * d), 95 - d, 95 - d);
    }
    p.setPen(QColor("#e8e8e8"));
    p.setFont(mediaFont(11, true));
    p.drawText(QRectF(-90, -95, 180, 22), Qt::AlignCenter,
               look.brand + QStringLiteral("  %1PK%2")
                                .arg(look.random->between(4, 8))
                                .arg(look.random->between(800, 2400)));
    p.restore();
}

void drawSparkPlug(QPainter& p, const PartLook& look) {
    p.save();
    p.rotate(-58);
    p.scale(1.15, 1.15);
    p.setPen(Qt::NoPen);
    const auto steel = [](qreal half) {
        return cylinder(QPointF(-half, 0), QPointF(half, 0), QColor("#c3c8cd"));
    };
    p.setBrush(steel(6));
    p.drawRoundedRect(QRectF(-6, -112, 12, 18), 2, 2);
    p.setBrush(steel(4));
    p.drawRect(QRectF(-4, -96, 8, 10));
    // Ceramic insulator with ribs.
    QLinearGradient ceramic(-14, 0, 14, 0);
    ceramic.setColorAt(0.0, QColor("#bdb8ae"));
    ceramic.setColorAt(0.3, QColor("#ffffff"));
    ceramic.setColorAt(0.55, QColor("#f3f0ea"));
    ceramic.setColorAt(1.0, QColor("#a9a49a"));
    p.setBrush(ceramic);
    p.drawRoundedRect(QRectF(-12, -88, 24, 80), 5, 5);
    for (int i = 0; i < 5; ++i)
        p.drawRoundedRect(QRectF(-14, -84 + i * 11, 28, 6), 3, 3);
    p.setBrush(look.accent);
    p.drawRect(QRectF(-12, -26, 24, 4));
    p.setBrush(steel(18));
    p.drawRect(QRectF(-17, -10, 34, 10));
    // Hex nut: three visible faces.
    QLinearGradient hex(-22, 0, 22, 0);
    hex.setColorAt(0.0, QColor("#6e757b"));
    hex.setColorAt(0.32, QColor("#6e757b"));
    hex.setColorAt(0.33, QColor("#e5e8eb"));
    hex.setColorAt(0.66, QColor("#aab0b6"));
    hex.setColorAt(0.67, QColor("#8a9197"));
    hex.setColorAt(1.0, QColor("#5d6369"));
    p.setBrush(hex);
    p.drawRect(QRectF(-22, 0, 44, 26));
    p.setBrush(QColor("#8d9399"));
    p.drawRect(QRectF(-18, 26, 36, 5));
    p.setBrush(steel(14));
    p.drawRect(QRectF(-13, 31, 26, 50));
    p.setPen(QPen(QColor("#5a6066"), 1.3));
    for (int y = 33; y < 80; y += 4)
        p.drawLine(QPointF(-13, y), QPointF(13, y + 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#8a6d3b"));
    p.drawRect(QRectF(-2.5, 81, 5, 9));
    p.setBrush(QColor("#7c8288"));
    QPainterPath ground;
    ground.moveTo(10, 81);
    ground.lineTo(10, 96);
    ground.lineTo(-6, 96);
    ground.lineTo(-6, 92);
    ground.lineTo(6, 92);
    ground.lineTo(6, 81);
    p.drawPath(ground);
    p.restore();
}

void drawShockAbsorber(QPainter& p, const PartLook& look) {
    p.save();
    p.translate(8, 0);
    p.rotate(-14);
    p.scale(0.92, 0.92);
    p.setPen(Qt::NoPen);
    const QColor body = look.accent;
    // Piston rod and top stud.
    p.setBrush(cylinder(QPointF(0, -7), QPointF(0, 7), QColor("#dfe3e6")));
    p.drawRect(QRectF(30, -7, 100, 14));
    p.setBrush(cylinder(QPointF(0, -4), QPointF(0, 4), QColor("#9aa1a7")));
    p.drawRect(QRectF(128, -4, 34, 8));
    p.setBrush(QColor("#2c2f33"));
    p.drawRoundedRect(QRectF(136, -12, 8, 24), 2, 2);
    p.setBrush(QColor("#b0b6bb"));
    p.drawRect(QRectF(148, -9, 6, 18));
    // Body tube with spring seat.
    p.setBrush(cylinder(QPointF(0, -24), QPointF(0, 24), body));
    p.drawRoundedRect(QRectF(-130, -24, 165, 48), 5, 5);
    p.setBrush(cylinder(QPointF(0, -40), QPointF(0, 40), QColor("#4b5157")));
    p.drawRoundedRect(QRectF(-8, -40, 9, 80), 3, 3);
    // Lower eye with rubber bush.
    p.setBrush(turnedSteel(QPointF(-150, 0), 30));
    p.drawRect(QRectF(-150, -10, 24, 20));
    p.drawEllipse(QPointF(-150, 0), 20, 20);
    p.setBrush(QColor("#1e1f22"));
    p.drawEllipse(QPointF(-150, 0), 13, 13);
    p.setBrush(QColor("#9aa1a7"));
    p.drawEllipse(QPointF(-150, 0), 5, 5);
    p.setPen(body.lightness() > 150 ? QColor("#202020") : QColor("#ffffff"));
    p.setFont(mediaFont(15, true));
    p.drawText(QRectF(-125, -20, 110, 40), Qt::AlignCenter, look.brand);
    p.restore();
}

void drawCarton(QPainter& p, const PartLook& look) {
    const QPolygonF front({{-110, -40}, {60, -40}, {60, 80}, {-110, 80}});
    const QPolygonF top({{-110, -40}, {-60, -85}, {110, -85}, {60, -40}});
    const QPolygonF side({{60, -40}, {110, -85}, {110, 35}, {60, 80}});
    p.setPen(QPen(QColor(0, 0, 0, 40), 1));
    p.setBrush(QColor("#f7f7f5"));
    p.drawPolygon(front);
    p.setBrush(QColor("#ffffff"));
    p.drawPolygon(top);
    p.setBrush(QColor("#dcdcd8"));
    p.drawPolygon(side);
    p.setPen(Qt::NoPen);
    p.setBrush(look.accent);
    p.drawRect(QRectF(-110, 30, 170, 24));
    p.drawPolygon(QPolygonF({{60, 30}, {110, -15}, {110, 9}, {60, 54}}));
    const QRectF nameArea(-104, -34, 158, 56);
    p.setPen(look.accent.darker(120));
    p.setFont(fittedFont(mediaFont(26, true), look.brand, nameArea, Qt::AlignCenter, 9));
    p.drawText(nameArea, Qt::AlignCenter, look.brand);
    p.setPen(Qt::white);
    p.setFont(mediaFont(10, true));
    p.drawText(QRectF(-110, 30, 170, 24), Qt::AlignCenter, QStringLiteral("ORIGINAL PARTS"));
}

}  // namespace

void drawPart(QPainter& painter, PartKind kind, const PartLook& look) {
    switch (kind) {
        case PartKind::BrakeDisc:
            return drawBrakeDisc(painter, look);
        case PartKind::BrakePad:
            return drawBrakePad(painter, look);
        case PartKind::Filter:
            return drawFilter(painter, look);
        case PartKind::Bearing:
            return drawBearing(painter, look);
        case PartKind::Belt:
            return drawBelt(painter, look);
        case PartKind::SparkPlug:
            return drawSparkPlug(painter, look);
        case PartKind::ShockAbsorber:
            return drawShockAbsorber(painter, look);
        case PartKind::Generic:
            return drawCarton(painter, look);
    }
}

}  // namespace media
