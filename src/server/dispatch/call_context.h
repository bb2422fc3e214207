#pragma once

#include <QList>
#include <QString>
#include <memory>

#include "wire/frame.h"
#include "wire/value.h"

class TSonucBilgisi;

namespace server {

class Session;
struct ServerSettings;

/// What a handler gets for one call: the database session of its thread, the server's settings
/// and the in-parameters, already checked against the method's kinds and count.
class CallContext {
public:
    CallContext(Session& db, const ServerSettings& settings, const QList<wire::Value>& args)
        : db(db), settings(settings), args_(args) {}

    Session& db;
    const ServerSettings& settings;

    QString text(int i) const { return args_.at(i).toText(); }
    qint32 integer(int i) const { return args_.at(i).toInteger(); }
    double real(int i) const { return args_.at(i).toReal(); }
    /// The login record of parameter i; a null record is refused.
    std::unique_ptr<TSonucBilgisi> loginRecord(int i) const;

private:
    const QList<wire::Value>& args_;
};

using Handler = wire::Response (*)(CallContext& call);

/// Answers with one value.
wire::Response answer(wire::Value value);
/// Answers a byte stream with its announced size in front (the out parameter comes first).
wire::Response streamAnswer(const QByteArray& bytes);
inline wire::Response noAnswer() {
    return wire::Response{};
}

}  // namespace server
