#pragma once

#include <QStringList>

namespace server {

/// "varlenta-server admin …": the dealer's commands for users, computer identifiers and the
/// outbox. Returns the process exit code.
int runAdminCommand(const QStringList& arguments);

}  // namespace server
