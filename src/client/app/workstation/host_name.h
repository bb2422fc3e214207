#pragma once

#include <QString>

/// The local host name in full (name resolution needs all of it, whatever its length); empty when
/// unknown.
QString localHostName();
