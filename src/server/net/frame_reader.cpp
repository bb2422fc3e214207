#include "server/net/frame_reader.h"

#include "wire/error.h"
#include "wire/frame.h"

namespace server {

qsizetype FrameReader::wanted() const {
    if (state_ == State::Refused || state_ == State::Complete)
        return 0;
    if (!haveHeader_)
        return wire::kFrameHeaderSize - header_.size();
    return qsizetype(payloadSize_) - payload_.size();
}

FrameReader::State FrameReader::feed(const char* data, qsizetype size) {
    Q_ASSERT(size <= wanted());
    if (size <= 0)
        return state_;
    if (!haveHeader_) {
        header_.append(data, size);
        state_ = State::Partial;
        if (header_.size() < wire::kFrameHeaderSize)
            return state_;
        try {
            const wire::FrameHeader h = wire::parseFrameHeader(header_, maxPayload_);
            if (h.type != wire::FrameType::Request)
                throw wire::Error(wire::kProtocolErrorClass,
                                  QStringLiteral("a client may only send request frames"));
            payloadSize_ = h.payloadSize;
        } catch (const wire::Error& e) {
            refusal_ = e.message();
            return state_ = State::Refused;
        }
        haveHeader_ = true;
        payload_.reserve(payloadSize_);
    } else {
        payload_.append(data, size);
    }
    if (qsizetype(payload_.size()) == qsizetype(payloadSize_))
        state_ = State::Complete;
    return state_;
}

QByteArray FrameReader::takePayload() {
    Q_ASSERT(state_ == State::Complete);
    QByteArray out = std::move(payload_);
    payload_ = QByteArray();
    header_.clear();
    haveHeader_ = false;
    payloadSize_ = 0;
    state_ = State::Empty;
    return out;
}

}  // namespace server
