#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace media {

/// A card payment made on the payment page, as its receipt shows it.
struct CardReceipt {
    QString dealerName;  ///< heading, e.g. "VARLENTA OTOMOTİV"
    QString accountCode;
    QString accountName;
    QString cardHolder;
    QString cardNumber;  ///< printed masked whatever is passed: first four and last four digits
    double amount = 0;
    QString currency = QStringLiteral("TL");
    int installments = 1;
    QDateTime paidAt;
    QString authorisationCode;
    qint64 paymentNumber = 0;  ///< the card-payment record number
    QString description;       ///< optional line, e.g. "Cari hesap ödemesi"
};

/// "4543 **** **** 1234" style: digits other than the first four and the last four become "*",
/// grouped by four. A number of fewer than 9 digits keeps only its last four; one of four or
/// fewer is masked whole.
QString maskCardNumber(const QString& cardNumber);

/// A one-page A5 PDF receipt.
QByteArray renderCardReceiptPdf(const CardReceipt& receipt);

}  // namespace media
