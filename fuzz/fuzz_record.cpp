// Record JSON: reading must either throw wire::Error or give a record that writes back to JSON
// which reads again.
#include <cstdlib>

#include "wire/error.h"
#include "wire/records/transfer_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView json(reinterpret_cast<const char*>(data), qsizetype(size));
    std::unique_ptr<wire::TransferRecord> record;
    try {
        record = wire::recordFromJson(json);
    } catch (const wire::Error&) {
        return 0;
    }
    if (!record) return 0;
    const QByteArray written = wire::recordToJson(*record);
    try {
        if (!wire::recordFromJson(written)) std::abort();
    } catch (const wire::Error&) {
        std::abort();  // what we write we must read
    }
    return 0;
}
