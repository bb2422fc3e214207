#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>

/// Bad command-line arguments: the message is printed with the usage line, exit code 64.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

/// What varlenta-call was asked to do.
struct CallOptions {
    QString host;
    quint16 port = 0;
    QString computerId;  ///< empty: this machine's identifier
    QString saveFile;    ///< --save: where a byte stream result is written
    int repeat = 0;      ///< --repeat: 0 for a single call
    int concurrency = 1;
    bool list = false;
    bool help = false;
    QString method;
    QStringList arguments;  ///< JSON literals, one per non-out parameter
};

/// The usage line.
QString usageText();

/// Reads argv without the program name. Options may come before or after METHOD; every other
/// word after METHOD is an argument ("--" ends the options). Host and port start from the
/// defaults (VARLENTA_SERVER may override them). Throws UsageError.
CallOptions parseCallOptions(const QStringList& words);
