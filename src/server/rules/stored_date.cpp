#include "server/rules/stored_date.h"

#include "wire/ole_date.h"

namespace server {

QString toStoredDate(const QDateTime& value) {
    return value.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

QString toStoredDay(const QDate& value) {
    return value.toString(Qt::ISODate);
}

double storedDateToOle(const QString& stored) {
    if (stored.size() < 10)
        return 0;
    const QDate day = QDate::fromString(stored.left(10), Qt::ISODate);
    if (!day.isValid())
        return 0;
    QTime time(0, 0);
    if (stored.size() >= 19)
        time = QTime::fromString(stored.mid(11, 8), QStringLiteral("HH:mm:ss"));
    if (!time.isValid())
        time = QTime(0, 0);
    return wire::dateTimeToOleDate(QDateTime(day, time, Qt::UTC));
}

QString oleToStoredDay(double oleDate) {
    return toStoredDay(wire::oleDateToDateTime(oleDate).date());
}

}  // namespace server
