#include "server/media/report_pdf.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <algorithm>

#include "server/media/drawing.h"
#include "server/media/money_text.h"
#include "server/media/pdf_canvas.h"

namespace media {

namespace {

const QColor kInk("#212121");
const QColor kMuted("#616161");
const QColor kHeaderFill("#263d5a");
const QColor kStripe("#f2f5f8");
const QColor kRule("#9e9e9e");

bool isNumber(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Double:
        case QMetaType::Float:
            return true;
        default:
            return false;
    }
}

QString cellText(const QVariant& value, bool money) {
    if (!value.isValid() || value.isNull())
        return QString();
    if (money && isNumber(value))
        return formatMoney(value.toDouble());
    switch (value.typeId()) {
        case QMetaType::Double:
        case QMetaType::Float:
            return QLocale(QLocale::Turkish, QLocale::Turkey).toString(value.toDouble(), 'g', 15);
        case QMetaType::QDate:
            return value.toDate().toString(QStringLiteral("dd.MM.yyyy"));
        case QMetaType::QDateTime:
            return value.toDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"));
        case QMetaType::Bool:
            return value.toBool() ? QStringLiteral("Evet") : QStringLiteral("Hayır");
        default:
            return value.toString();
    }
}

struct Column {
    QString header;
    bool money = false;
    bool rightAligned = false;
    qreal width = 0;
};

/// One report, drawn page by page once its pagination is known.
class ReportPainter {
public:
    explicit ReportPainter(const ReportDocument& report)
        : report_(report),
          canvas_(QPageSize::A4, report.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                  12, report.title),
          body_(mediaFont(8.5, false, true)),
          bold_(mediaFont(8.5, true, true)),
          small_(mediaFont(7.5, false, true)) {
        const QFontMetricsF fm = canvas_.metrics(body_);
        pad_ = canvas_.mm(1.5);
        rowHeight_ = fm.height() * 1.55;
        headerHeight_ = fm.height() * 1.9;
        footerHeight_ = canvas_.metrics(small_).height() + canvas_.mm(4);
        layoutColumns();
    }

    QByteArray render() {
        const QRectF area = canvas_.area();
        const qreal firstTop = firstHeading(false);
        const qreal otherTop = continuationHeading(false);
        const qreal bottom = area.height() - footerHeight_;
        const int firstRows = std::max(1, int((bottom - firstTop - headerHeight_) / rowHeight_));
        const int otherRows = std::max(1, int((bottom - otherTop - headerHeight_) / rowHeight_));

        // Row ranges per page; the totals line must sit on the page of the last row.
        QList<std::pair<int, int>> pages;
        int next = 0;
        const int rowCount = int(report_.rows.size());
        do {
            const int room = pages.isEmpty() ? firstRows : otherRows;
            const int take = std::min(room, rowCount - next);
            pages.append({next, next + take});
            next += take;
        } while (next < rowCount);
        const bool hasTotals = !report_.totals.isEmpty();
        if (hasTotals) {
            const int room = pages.size() == 1 ? firstRows : otherRows;
            const auto& last = pages.last();
            if (last.second - last.first >= room && rowCount > 0)
                pages.append({rowCount, rowCount});
        }

        for (int page = 0; page < pages.size(); ++page) {
            if (page > 0)
                canvas_.newPage();
            qreal y = page == 0 ? firstHeading(true) : continuationHeading(true);
            y = drawTableHeader(y);
            const auto [from, to] = pages[page];
            for (int row = from; row < to; ++row) {
                drawRow(y, report_.rows[row], row % 2 == 1, false);
                y += rowHeight_;
            }
            if (rowCount == 0 && page == 0) {
                QPainter& p = canvas_.painter();
                p.setFont(body_);
                p.setPen(kMuted);
                p.drawText(QRectF(0, y, area.width(), rowHeight_ * 1.5), Qt::AlignCenter,
                           QStringLiteral("Bu raporda gösterilecek kayıt yok."));
                y += rowHeight_ * 1.5;
            }
            if (hasTotals && page + 1 == pages.size())
                drawRow(y, report_.totals, false, true);
            drawFooter(page + 1, int(pages.size()));
        }
        return canvas_.finish();
    }

private:
    void layoutColumns() {
        const QFontMetricsF body = canvas_.metrics(body_);
        const QFontMetricsF bold = canvas_.metrics(bold_);
        for (int c = 0; c < report_.columns.size(); ++c) {
            Column column;
            column.header = report_.columns[c];
            column.money = report_.moneyColumns.contains(c);
            column.rightAligned = column.money;
            qreal natural = bold.horizontalAdvance(column.header);
            // A sample is enough to size the columns of a long report.
            const int sample = std::min<int>(int(report_.rows.size()), 2000);
            bool allNumbers = sample > 0;
            for (int r = 0; r < sample; ++r) {
                const QVariant value = report_.rows[r].value(c);
                natural = std::max(natural, body.horizontalAdvance(cellText(value, column.money)));
                if (!value.isNull() && !isNumber(value))
                    allNumbers = false;
            }
            if (c < report_.totals.size())
                natural = std::max(
                    natural, bold.horizontalAdvance(cellText(report_.totals[c], column.money)));
            column.rightAligned = column.rightAligned || allNumbers;
            column.width = natural + 2 * pad_;
            columns_.append(column);
        }
        const qreal available = canvas_.area().width();
        qreal total = 0, stretchable = 0;
        for (const Column& column : columns_) {
            total += column.width;
            if (!column.rightAligned)
                stretchable += column.width;
        }
        if (total <= 0)
            return;
        if (total > available) {
            for (Column& column : columns_)
                column.width *= available / total;
        } else {
            const qreal extra = available - total;
            for (Column& column : columns_) {
                if (stretchable > 0)
                    column.width += column.rightAligned ? 0 : extra * column.width / stretchable;
                else
                    column.width += extra * column.width / total;
            }
        }
    }

    /// Title block of the first page; returns where the table starts.
    qreal firstHeading(bool draw) {
        QPainter& p = canvas_.painter();
        const qreal width = canvas_.area().width();
        qreal y = 0;
        const auto line = [&](const QFont& font, const QColor& colour, const QString& text) {
            if (text.isEmpty())
                return;
            const QRectF rect(0, y, width,
                              canvas_.metrics(font)
                                  .boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text)
                                  .height());
            if (draw) {
                p.setFont(font);
                p.setPen(colour);
                p.drawText(rect, Qt::AlignLeft | Qt::TextWordWrap, text);
            }
            y += rect.height() + canvas_.mm(1);
        };
        line(mediaFont(9, true, true), kMuted, report_.issuer);
        line(mediaFont(16, true, true), kInk, report_.title);
        line(mediaFont(10, false, true), kInk, report_.subtitle);
        y += canvas_.mm(1);
        if (draw)
            p.fillRect(QRectF(0, y, width, canvas_.mm(0.6)), kHeaderFill);
        return y + canvas_.mm(3);
    }

    qreal continuationHeading(bool draw) {
        const QString text = report_.subtitle.isEmpty()
                                 ? report_.title
                                 : report_.title + QStringLiteral(" — ") + report_.subtitle;
        const qreal height = canvas_.metrics(small_).height();
        if (draw) {
            QPainter& p = canvas_.painter();
            p.setFont(small_);
            p.setPen(kMuted);
            const QRectF rect(0, 0, canvas_.area().width(), height);
            p.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter,
                       canvas_.metrics(small_).elidedText(text, Qt::ElideRight, rect.width()));
            p.fillRect(QRectF(0, height + canvas_.mm(1), rect.width(), canvas_.mm(0.3)), kRule);
        }
        return height + canvas_.mm(3.5);
    }

    qreal drawTableHeader(qreal y) {
        QPainter& p = canvas_.painter();
        p.fillRect(QRectF(0, y, canvas_.area().width(), headerHeight_), kHeaderFill);
        p.setFont(bold_);
        p.setPen(Qt::white);
        const QFontMetricsF fm = canvas_.metrics(bold_);
        qreal x = 0;
        for (const Column& column : columns_) {
            const QRectF cell(x + pad_, y, column.width - 2 * pad_, headerHeight_);
            p.drawText(cell,
                       (column.rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                       fm.elidedText(column.header, Qt::ElideRight, cell.width()));
            x += column.width;
        }
        return y + headerHeight_;
    }

    void drawRow(qreal y, const QVariantList& values, bool striped, bool totals) {
        QPainter& p = canvas_.painter();
        const qreal width = canvas_.area().width();
        if (striped)
            p.fillRect(QRectF(0, y, width, rowHeight_), kStripe);
        if (totals) {
            p.fillRect(QRectF(0, y, width, rowHeight_), QColor("#e3e8ee"));
            p.fillRect(QRectF(0, y, width, canvas_.mm(0.4)), kHeaderFill);
        }
        const QFont& font = totals ? bold_ : body_;
        p.setFont(font);
        p.setPen(kInk);
        const QFontMetricsF fm = canvas_.metrics(font);
        qreal x = 0;
        for (int c = 0; c < columns_.size(); ++c) {
            const Column& column = columns_[c];
            const QRectF cell(x + pad_, y, column.width - 2 * pad_, rowHeight_);
            const QString text = cellText(values.value(c), column.money);
            p.drawText(cell,
                       (column.rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                       fm.elidedText(text, Qt::ElideRight, cell.width()));
            x += column.width;
        }
    }

    void drawFooter(int page, int pageCount) {
        QPainter& p = canvas_.painter();
        const QRectF area = canvas_.area();
        const qreal height = canvas_.metrics(small_).height();
        const QRectF rect(0, area.height() - height, area.width(), height);
        p.fillRect(QRectF(0, rect.top() - canvas_.mm(1.5), area.width(), canvas_.mm(0.3)), kRule);
        p.setFont(small_);
        p.setPen(kMuted);
        if (report_.printedAt.isValid())
            p.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter,
                       QStringLiteral("Yazdırma: ") +
                           report_.printedAt.toString(QStringLiteral("dd.MM.yyyy HH:mm")));
        p.drawText(rect, Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("Sayfa %1 / %2").arg(page).arg(pageCount));
    }

    const ReportDocument& report_;
    PdfCanvas canvas_;
    QFont body_, bold_, small_;
    QList<Column> columns_;
    qreal pad_ = 0, rowHeight_ = 0, headerHeight_ = 0, footerHeight_ = 0;
};

}  // namespace

QByteArray renderReportPdf(const ReportDocument& report) {
    return ReportPainter(report).render();
}

}  // namespace media
