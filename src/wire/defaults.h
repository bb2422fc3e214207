#pragma once

#include <QtGlobal>

namespace wire {

/// The dealer's application server as the programs are built to reach it. The desktop client and
/// varlenta-call both start from these; each lets the operator override them.
inline constexpr char kDefaultServerHost[] = "varlenta.example";
inline constexpr quint16 kDefaultServerPort = 9090;

}  // namespace wire
