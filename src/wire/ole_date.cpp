#include "wire/ole_date.h"

#include <QTimeZone>
#include <cmath>

namespace wire {

namespace {

constexpr qint64 kMsPerDay = 86400000;

QDate oleEpoch() {
    return QDate(1899, 12, 30);
}

}  // namespace

QDateTime oleDateToDateTime(double oleDate) {
    if (!std::isfinite(oleDate) || std::fabs(oleDate) > 3.0e6)
        return QDateTime();
    const double wholeDays = std::trunc(oleDate);
    qint64 ms = std::llround(std::fabs(oleDate - wholeDays) * double(kMsPerDay));
    qint64 days = qint64(wholeDays);
    if (ms >= kMsPerDay) {  // rounding reached the next midnight
        ms -= kMsPerDay;
        days += oleDate < 0 ? -1 : 1;
    }
    return QDateTime(oleEpoch().addDays(days), QTime::fromMSecsSinceStartOfDay(int(ms)),
                     QTimeZone::utc());
}

double dateTimeToOleDate(const QDateTime& dateTime) {
    const QDateTime utc = dateTime.timeSpec() == Qt::UTC
                              ? dateTime
                              : QDateTime(dateTime.date(), dateTime.time(), QTimeZone::utc());
    const double days = double(oleEpoch().daysTo(utc.date()));
    const double fraction = double(utc.time().msecsSinceStartOfDay()) / double(kMsPerDay);
    return days >= 0 ? days + fraction : days - fraction;
}

double dateToOleDate(QDate date) {
    return double(oleEpoch().daysTo(date));
}

}  // namespace wire
