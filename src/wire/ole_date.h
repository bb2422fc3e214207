#pragma once

#include <QDateTime>

namespace wire {

/// OLE Automation dates: days since 30 December 1899, the time of day as the fraction (for days
/// before that date the fraction still counts forward from midnight). Date-times are taken and
/// given as UTC so no time-zone rule shifts them.
QDateTime oleDateToDateTime(double oleDate);
double dateTimeToOleDate(const QDateTime& dateTime);
double dateToOleDate(QDate date);

}  // namespace wire
