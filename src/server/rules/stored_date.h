#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace server {

// Dates are stored as ISO 8601 text without a zone ("2026-12-11T14:05:00", or "2026-12-11" for a
// day) and travel as OLE Automation dates (wire/ole_date.h). Both are the dealer's local time.

QString toStoredDate(const QDateTime& value);
QString toStoredDay(const QDate& value);
/// A stored text as OLE date; 0 for empty or malformed text.
double storedDateToOle(const QString& stored);
/// The day of an OLE date as stored text ("2026-12-11").
QString oleToStoredDay(double oleDate);

}  // namespace server
