#pragma once

#include <QString>

namespace server {

/// Settings of the running server that handlers read.
struct ServerSettings {
    int searchLimit = 200;  ///< most rows one stock search returns
};

}  // namespace server
