#include "client/app/wait_animation.h"

#include <QPainter>

#include "client/app/theme.h"

namespace app {

namespace {
constexpr int kSteps = 12;
}

WaitAnimation::WaitAnimation(QWidget* parent, QSize size) : QWidget(parent) {
    setFixedSize(size);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    timer_.setInterval(80);
    connect(&timer_, &QTimer::timeout, this, [this] {
        step_ = (step_ + 1) % kSteps;
        update();
    });
}

void WaitAnimation::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(width(), height());
    p.translate(width() / 2.0, height() / 2.0);
    const QColor colour(kTurquoise);
    for (int i = 0; i < kSteps; ++i) {
        QColor c = colour;
        c.setAlphaF(0.15 + 0.85 * qreal((i + kSteps - step_) % kSteps) / kSteps);
        p.setPen(QPen(c, side / 9.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, -side * 0.22), QPointF(0, -side * 0.42));
        p.rotate(360.0 / kSteps);
    }
}

void WaitAnimation::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    timer_.start();
}

void WaitAnimation::hideEvent(QHideEvent* event) {
    timer_.stop();
    QWidget::hideEvent(event);
}

}  // namespace app
