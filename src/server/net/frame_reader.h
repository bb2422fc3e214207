#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace server {

/// Assembles one request frame from the bytes of a connection, as they arrive. Pure: it owns no
/// socket, so it is tested with plain byte strings.
class FrameReader {
public:
    enum class State { Empty, Partial, Complete, Refused };

    explicit FrameReader(quint32 maxPayload) : maxPayload_(maxPayload) {}

    /// How many more bytes the reader can take for the current frame.
    qsizetype wanted() const;
    /// Takes bytes (at most wanted()); returns the state afterwards.
    State feed(const char* data, qsizetype size);
    State state() const { return state_; }
    /// The complete frame's payload; the reader is then empty again.
    QByteArray takePayload();
    /// Why a frame was refused (malformed header, over the size limit).
    const QString& refusal() const { return refusal_; }

private:
    quint32 maxPayload_;
    State state_ = State::Empty;
    QByteArray header_;
    QByteArray payload_;
    quint32 payloadSize_ = 0;
    bool haveHeader_ = false;
    QString refusal_;
};

}  // namespace server
