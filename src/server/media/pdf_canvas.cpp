#include "server/media/pdf_canvas.h"

namespace media {

PdfCanvas::PdfCanvas(QPageSize::PageSizeId pageSize, QPageLayout::Orientation orientation,
                     qreal marginMm, const QString& title)
    : buffer_(&bytes_), writer_(&buffer_) {
    buffer_.open(QIODevice::WriteOnly);
    writer_.setResolution(kResolution);
    writer_.setPageLayout(QPageLayout(QPageSize(pageSize), orientation,
                                      QMarginsF(marginMm, marginMm, marginMm, marginMm),
                                      QPageLayout::Millimeter));
    writer_.setTitle(title);
    writer_.setCreator(QStringLiteral("Varlenta B2B"));
    painter_.begin(&writer_);
    painter_.setRenderHint(QPainter::Antialiasing);
}

QByteArray PdfCanvas::finish() {
    painter_.end();
    buffer_.close();
    return bytes_;
}

}  // namespace media
