#include "server/media/card_receipt_pdf.h"

#include <QList>
#include <utility>

#include "server/media/drawing.h"
#include "server/media/money_text.h"
#include "server/media/pdf_canvas.h"

namespace media {

QString maskCardNumber(const QString& cardNumber) {
    QString digits;
    for (const QChar c : cardNumber)
        if (c.isDigit() || c == u'*')
            digits.append(c);
    const qsizetype n = digits.size();
    const qsizetype keepFront = n >= 9 ? 4 : 0;
    QString masked;
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && i % 4 == 0)
            masked.append(u' ');
        masked.append(i < keepFront || i >= n - 4 ? digits[i] : QChar(u'*'));
    }
    if (n <= 4)
        masked = QString(n, u'*');
    return masked;
}

QByteArray renderCardReceiptPdf(const CardReceipt& receipt) {
    PdfCanvas canvas(QPageSize::A5, QPageLayout::Portrait, 12,
                     QStringLiteral("Kredi Kartı Ödeme Dekontu %1").arg(receipt.paymentNumber));
    QPainter& p = canvas.painter();
    const QRectF area = canvas.area();
    const qreal w = area.width();
    const QColor ink("#212121"), muted("#616161"), band("#263d5a"), line("#cfd8dc");

    // Heading band.
    const qreal bandHeight = canvas.mm(22);
    p.fillRect(QRectF(0, 0, w, bandHeight), band);
    const QRectF bandText(canvas.mm(5), 0, w - canvas.mm(10), bandHeight);
    const QFont dealerFont = mediaFont(14, true, true);
    p.setFont(dealerFont);
    p.setPen(Qt::white);
    p.drawText(bandText.adjusted(0, canvas.mm(3), 0, -bandHeight / 2),
               Qt::AlignLeft | Qt::AlignVCenter,
               canvas.metrics(dealerFont)
                   .elidedText(receipt.dealerName, Qt::ElideRight, bandText.width()));
    p.setFont(mediaFont(9.5, false, true));
    p.setPen(QColor("#ffd54f"));
    p.drawText(bandText.adjusted(0, bandHeight / 2, 0, -canvas.mm(2)),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("KREDİ KARTI ÖDEME DEKONTU"));

    // Amount.
    qreal y = bandHeight + canvas.mm(6);
    const QRectF amountBox(0, y, w, canvas.mm(20));
    p.setPen(QPen(line, canvas.mm(0.3)));
    p.setBrush(QColor("#f5f7f9"));
    p.drawRoundedRect(amountBox, canvas.mm(2), canvas.mm(2));
    p.setFont(mediaFont(9, false, true));
    p.setPen(muted);
    p.drawText(amountBox.adjusted(canvas.mm(5), canvas.mm(2), 0, -amountBox.height() / 2),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Ödenen Tutar"));
    p.setFont(mediaFont(20, true, true));
    p.setPen(ink);
    p.drawText(amountBox.adjusted(canvas.mm(5), amountBox.height() * 0.4, -canvas.mm(5), 0),
               Qt::AlignLeft | Qt::AlignVCenter,
               formatMoney(receipt.amount) + u' ' + receipt.currency);
    y = amountBox.bottom() + canvas.mm(6);

    const QList<std::pair<QString, QString>> fields = {
        {QStringLiteral("Ödeme No"), QString::number(receipt.paymentNumber)},
        {QStringLiteral("İşlem Tarihi"),
         receipt.paidAt.isValid() ? receipt.paidAt.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"))
                                  : QString()},
        {QStringLiteral("Cari Kod"), receipt.accountCode},
        {QStringLiteral("Cari Adı"), receipt.accountName},
        {QStringLiteral("Kart Sahibi"), receipt.cardHolder},
        {QStringLiteral("Kart Numarası"), maskCardNumber(receipt.cardNumber)},
        {QStringLiteral("Taksit"), receipt.installments > 1
                                       ? QStringLiteral("%1 taksit").arg(receipt.installments)
                                       : QStringLiteral("Tek çekim")},
        {QStringLiteral("Onay Kodu"), receipt.authorisationCode},
        {QStringLiteral("Açıklama"), receipt.description},
    };
    const QFont labelFont = mediaFont(9, true, true);
    const QFont valueFont = mediaFont(9.5, false, true);
    const qreal labelWidth = canvas.mm(32);
    const qreal gap = canvas.mm(2.2);
    for (const auto& [label, value] : fields) {
        if (label == QStringLiteral("Açıklama") && value.isEmpty())
            continue;
        const QRectF valueRect(labelWidth, y, w - labelWidth, 1e6);
        const qreal height = std::max(
            canvas.metrics(valueFont).boundingRect(valueRect, Qt::TextWordWrap, value).height(),
            canvas.metrics(labelFont).height());
        p.setFont(labelFont);
        p.setPen(muted);
        p.drawText(QRectF(0, y, labelWidth, height), Qt::AlignLeft | Qt::AlignTop, label);
        p.setFont(valueFont);
        p.setPen(ink);
        p.drawText(QRectF(labelWidth, y, w - labelWidth, height),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, value);
        y += height + gap / 2;
        p.fillRect(QRectF(0, y, w, canvas.mm(0.25)), line);
        y += gap / 2;
    }

    const QString note = QStringLiteral(
        "Bu dekont sanal POS üzerinden yapılan kredi kartı ödemesi için düzenlenmiştir. "
        "Ödeme tutarı banka onayı ile cari hesabınıza alacak olarak işlenmiştir.");
    const QFont noteFont = mediaFont(7.5, false, true);
    const qreal noteHeight = canvas.metrics(noteFont)
                                 .boundingRect(QRectF(0, 0, w, 1e6), Qt::TextWordWrap, note)
                                 .height();
    p.setFont(noteFont);
    p.setPen(muted);
    p.drawText(QRectF(0, std::max(y + canvas.mm(6), area.height() - noteHeight), w, noteHeight),
               Qt::AlignLeft | Qt::TextWordWrap, note);
    return canvas.finish();
}

}  // namespace media
