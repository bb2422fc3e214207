#pragma once

#include <QString>

#include "wire/defaults.h"

namespace wire {

/// "host:port" (or "host" alone) that overrides the defaults for operations and tests.
inline constexpr char kServerAddressVariable[] = "VARLENTA_SERVER";

struct ServerAddress {
    QString host;
    quint16 port = kDefaultServerPort;
};

/// The defaults, overridden by VARLENTA_SERVER when it is set and well-formed.
ServerAddress defaultServerAddress();

/// Reads "host:port", "host", "[v6-host]:port"; returns false for an empty host or a bad port.
bool parseServerAddress(const QString& text, ServerAddress& address);

}  // namespace wire
