#pragma once

#include <QString>
#include <exception>

namespace wire {

/// The one error type of remote calls and of everything that decodes wire data. It carries a
/// class name and a message; callers that show it to the user print "class: message" or the
/// message alone. A remote failure keeps the class name the server sent.
class Error : public std::exception {
public:
    Error(QString className, QString message);

    const QString& className() const { return className_; }
    const QString& message() const { return message_; }
    /// "class: message"
    QString fullText() const;
    const char* what() const noexcept override { return what_.constData(); }

private:
    QString className_;
    QString message_;
    QByteArray what_;
};

// Class names used by this side of the wire.
inline constexpr char kProtocolErrorClass[] = "EProtocolError";    // malformed or oversize data
inline constexpr char kTransportErrorClass[] = "ETransportError";  // connect, read, write, time-out
inline constexpr char kConversionErrorClass[] = "EConversionError";  // record JSON, value kinds
inline constexpr char kDatabaseErrorClass[] = "EDatabaseError";    // table loading rules

}  // namespace wire
