// Table blobs: decoding must either throw wire::Error or give a table whose every cell can be read,
// and a decoded table encodes back to the very same bytes.
#include <cstdlib>

#include "table_reading.h"
#include "wire/error.h"
#include "wire/table_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView blob(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const wire::ClientTable table = wire::decodeTable(blob);
        wire::fuzzing::touchEveryCell(table);
        if (wire::encodeTable(table) != blob) std::abort();
    } catch (const wire::Error&) {
    }
    return 0;
}
