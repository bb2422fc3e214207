#pragma once

#include <QString>

#include "wire/error.h"

namespace server {

// Class names of the errors the server reports besides those of the wire library.
inline constexpr char kMethodNotFoundClass[] = "EMethodNotFound";
inline constexpr char kInvalidArgumentClass[] = "EInvalidArgument";
inline constexpr char kAccessDeniedClass[] = "EAccessDenied";
inline constexpr char kNotFoundClass[] = "ENotFound";
inline constexpr char kServerErrorClass[] = "EServerError";

[[noreturn]] inline void throwInvalid(const QString& message) {
    throw wire::Error(kInvalidArgumentClass, message);
}
[[noreturn]] inline void throwDenied(const QString& message) {
    throw wire::Error(kAccessDeniedClass, message);
}
[[noreturn]] inline void throwNotFound(const QString& message) {
    throw wire::Error(kNotFoundClass, message);
}

/// Refuses a text longer than its column holds.
void checkLength(const QString& value, int maxChars, const char* what);

}  // namespace server
