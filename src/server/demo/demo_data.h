#pragma once

#include <QDate>
#include <QString>

namespace server {

class Session;

struct DemoOptions {
    int stockItems = 50000;
    /// Dates of orders and movements are counted back from this day.
    QDate today = QDate::currentDate();
    /// This machine's computer identifier, bound to a customer user; empty to skip.
    QString localComputerId;
};

struct DemoSummary {
    int stockItems = 0;
    int accounts = 0;
    int users = 0;
    int orders = 0;
    int movements = 0;
};

/// Fills an empty database with the demo data in one transaction. The same options give the same
/// data. A database that already holds stock items is left as it is (returns an empty summary).
DemoSummary fillDemoData(Session& session, const DemoOptions& options);

/// The fixed demo logins: computer identifier, user name, password, role.
struct DemoLogin {
    const char* computerId;
    const char* user;
    const char* password;
    int role;
};
const QList<DemoLogin>& demoLogins();

}  // namespace server
