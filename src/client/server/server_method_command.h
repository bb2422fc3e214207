#pragma once

#include <QJsonValue>
#include <QString>
#include <functional>
#include <initializer_list>
#include <memory>
#include <variant>

#include "wire/methods/method_call.h"
#include "wire/records/transfer_record.h"

class QBuffer;
class QIODevice;
class QObject;
class RowReader;

/// One argument of a proxy operation, turned into a wire value of its parameter's kind when the
/// command executes (a double becomes a real or a date, a record its JSON).
class ProxyArgument {
public:
    ProxyArgument(qint32 value) : value_(value) {}
    ProxyArgument(double value) : value_(value) {}
    ProxyArgument(bool value) : value_(value) {}
    ProxyArgument(const QString& value) : value_(value) {}
    ProxyArgument(wire::TransferRecord* object) : value_(object) {}
    ProxyArgument(QObject* callback) : value_(callback) {}

    /// The record object passed, nullptr for other arguments.
    wire::TransferRecord* object() const;
    /// Throws wire::Error (EConversionError) when the argument does not fit the parameter.
    wire::Value toValue(const wire::MethodSpec& method, const wire::ParamSpec& param) const;

private:
    std::variant<qint32, double, bool, QString, wire::TransferRecord*, QObject*> value_;
};

/// The prepared command of one remote method on one connection. Each execution sends the method
/// with its arguments, waits for the answer and keeps its results: record objects, the row reader
/// and the byte stream belong to the command until its next execution or its release, unless the
/// caller takes them over (InstanceOwner false).
class ServerMethodCommand {
public:
    ServerMethodCommand(wire::Channel& channel, const wire::MethodSpec& method);
    ~ServerMethodCommand();
    ServerMethodCommand(const ServerMethodCommand&) = delete;
    ServerMethodCommand& operator=(const ServerMethodCommand&) = delete;

    const wire::MethodSpec& method() const { return method_; }
    /// "TServerMethods1." + the method name.
    QString text() const;

    /// Releases the results of the previous execution, then calls the method. With
    /// `instanceOwner` every record passed is consumed, whatever the outcome. Throws wire::Error
    /// for a remote failure, a broken connection, arguments that do not fit the method or a
    /// record result that cannot be read; no result is kept then.
    void execute(std::initializer_list<ProxyArgument> arguments, bool instanceOwner);

    /// The index-th out parameter of the last execution (counting out parameters only).
    const wire::Value& out(int index) const;
    /// The return value of the last execution (text, numbers, boolean).
    const wire::Value& result() const { return answer_.result; }

    /// The record result, nullptr for a null record. T must be the method's record class.
    template <class T>
    T* recordResult(bool instanceOwner) {
        return static_cast<T*>(takeRecord(instanceOwner));
    }
    RowReader* readerResult(bool instanceOwner);
    QIODevice* streamResult(bool instanceOwner);
    /// A table packet belongs to the caller in every case.
    std::shared_ptr<const wire::ClientTable> packetResult() const;
    QJsonValue jsonResult() const;

    /// Called with every object the commands release: results they owned and records consumed
    /// by a call. Tests watch ownership through it. Returns the previous tracker.
    static std::function<void(const void*)> setReleaseTracker(
        std::function<void(const void*)> tracker);

private:
    void releaseResults();
    void keepResult();
    wire::TransferRecord* takeRecord(bool instanceOwner);

    wire::Channel& channel_;
    const wire::MethodSpec& method_;
    wire::MethodAnswer answer_;
    std::unique_ptr<wire::TransferRecord> record_;
    std::unique_ptr<RowReader> reader_;
    std::unique_ptr<QBuffer> stream_;
};
