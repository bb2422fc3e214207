#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace media {

/// A tabular report as the dealer prints it. Cells are QVariants so rows can come straight from
/// a query: numbers in money columns print as formatMoney, other numbers plainly, QDate as
/// dd.MM.yyyy, QDateTime as dd.MM.yyyy HH:mm, null as empty, anything else as its text.
struct ReportDocument {
    QString title;            ///< e.g. "Cari Özeti"
    QString subtitle;         ///< e.g. "120.01.034 ŞAHİN OTO - 01.03.2026 / 31.03.2026"
    QString issuer;           ///< top-left heading, e.g. the dealer's name; may be empty
    QStringList columns;      ///< column headers; the row width
    QList<int> moneyColumns;  ///< zero-based; right-aligned and money-formatted
    QList<QVariantList> rows;
    QVariantList totals;  ///< one line under the table, same columns; empty = no totals line
    QDateTime printedAt;  ///< printed at the foot of each page when valid
    bool landscape = false;
};

/// A4 PDF: heading on the first page, the table with its header repeated on every page, the
/// totals line after the last row, "Sayfa n / m" (and the print time, when given) at the foot
/// of each page. Long cells are cut short with an ellipsis; columns share the width by content.
/// An empty report still gives one page that says there are no rows.
QByteArray renderReportPdf(const ReportDocument& report);

}  // namespace media
