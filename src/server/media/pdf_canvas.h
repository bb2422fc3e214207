#pragma once

// A PDF being drawn into memory: the writer, its painter and millimetre units, shared by the
// report and receipt renderers.

#include <QBuffer>
#include <QByteArray>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace media {

class PdfCanvas {
public:
    PdfCanvas(QPageSize::PageSizeId pageSize, QPageLayout::Orientation orientation, qreal marginMm,
              const QString& title);

    QPainter& painter() { return painter_; }
    qreal mm(qreal millimetres) const { return millimetres * kResolution / 25.4; }
    /// The printable area in painter units, origin at the top-left margin.
    QRectF area() const { return QRectF(0, 0, writer_.width(), writer_.height()); }
    QFontMetricsF metrics(const QFont& font) const { return QFontMetricsF(font, &writer_); }
    void newPage() { writer_.newPage(); }
    /// Ends the document and hands over its bytes.
    QByteArray finish();

private:
    static constexpr int kResolution = 300;
    QByteArray bytes_;
    QBuffer buffer_;
    QPdfWriter writer_;
    QPainter painter_;
};

}  // namespace media
