#include "wire/large_buffer.h"

#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

namespace wire {

namespace {

constexpr quintptr kHugePage = quintptr(2) << 20;
constexpr qsizetype kWorthIt = qsizetype(8) << 20;

}  // namespace

void reserveLargeBuffer(QByteArray& buffer, qsizetype bytes) {
    const qsizetype wanted = buffer.size() + bytes;
    if (wanted <= buffer.capacity())
        return;
    buffer.reserve(wanted);
#ifdef Q_OS_LINUX
    if (wanted < kWorthIt)
        return;
    // Only the untouched part beyond the current content, on whole huge pages.
    const quintptr from =
        (quintptr(buffer.data() + buffer.size()) + kHugePage - 1) & ~(kHugePage - 1);
    const quintptr to = quintptr(buffer.data() + buffer.capacity()) & ~(kHugePage - 1);
    if (to > from)
        ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
#endif
}

}  // namespace wire
