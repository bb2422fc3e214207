// Frames: the first byte picks the frame type, the rest is the payload (or, for type 0, a header).
// Decoders must throw wire::Error on malformed input and never read outside it.
#include "table_reading.h"
#include "wire/error.h"
#include "wire/frame.h"

namespace {

void touch(const QList<wire::Value>& values) {
    for (const wire::Value& value : values) {
        if (value.isNull()) continue;
        if (value.kind() == wire::Kind::RowReader || value.kind() == wire::Kind::TablePacket)
            wire::fuzzing::touchEveryCell(*value.toTable());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const QByteArrayView payload(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    try {
        switch (data[0] % 4) {
            case 0: wire::parseFrameHeader(payload, wire::kMaxRequestBytes); break;
            case 1: touch(wire::decodeRequestPayload(payload).params); break;
            case 2: touch(wire::decodeResponsePayload(payload).values); break;
            case 3: wire::decodeErrorPayload(payload); break;
        }
    } catch (const wire::Error&) {
    }
    return 0;
}
