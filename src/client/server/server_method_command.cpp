#include "client/server/server_method_command.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QScopeGuard>
#include <algorithm>

#include "client/server/row_reader.h"
#include "wire/error.h"

namespace {

std::function<void(const void*)>& releaseTracker() {
    static std::function<void(const void*)> tracker;
    return tracker;
}

template <class T>
void release(std::unique_ptr<T>& owned) {
    if (!owned)
        return;
    if (releaseTracker())
        releaseTracker()(owned.get());
    owned.reset();
}

[[noreturn]] void throwConversion(const QString& message) {
    throw wire::Error(QString::fromLatin1(wire::kConversionErrorClass), message);
}

}  // namespace

wire::TransferRecord* ProxyArgument::object() const {
    auto* const* object = std::get_if<wire::TransferRecord*>(&value_);
    return object ? *object : nullptr;
}

wire::Value ProxyArgument::toValue(const wire::MethodSpec& method,
                                   const wire::ParamSpec& param) const {
    using wire::Kind;
    using wire::Value;
    auto mismatch = [&]() -> Value {
        throwConversion(QStringLiteral("%1: the argument for %2 is not of kind %3")
                            .arg(method.name, param.name, wire::kindName(param.kind)));
    };
    switch (param.kind) {
        case Kind::Integer:
            if (auto* v = std::get_if<qint32>(&value_))
                return Value::integer(*v);
            return mismatch();
        case Kind::Real:
        case Kind::Date:
            if (auto* v = std::get_if<double>(&value_))
                return param.kind == Kind::Date ? Value::date(*v) : Value::real(*v);
            return mismatch();
        case Kind::Boolean:
            if (auto* v = std::get_if<bool>(&value_))
                return Value::boolean(*v);
            return mismatch();
        case Kind::Text:
            if (auto* v = std::get_if<QString>(&value_))
                return Value::text(*v);
            return mismatch();
        case Kind::Record:
        case Kind::Any:
            if (!std::holds_alternative<wire::TransferRecord*>(value_))
                return mismatch();
            if (!object())
                return Value::null(param.kind);
            if (param.kind == Kind::Any)
                return Value::any(wire::recordToJson(*object()));
            if (object()->typeName() != param.recordType) {
                throwConversion(
                    QStringLiteral("%1: %2 takes a %3, not a %4")
                        .arg(method.name, param.name, param.recordType, object()->typeName()));
            }
            return Value::record(wire::recordToJson(*object()));
        case Kind::Callback:
            throwConversion(
                QStringLiteral("%1: server callbacks are not carried by this connection")
                    .arg(method.name));
        default:
            return mismatch();
    }
}

ServerMethodCommand::ServerMethodCommand(wire::Channel& channel, const wire::MethodSpec& method)
    : channel_(channel), method_(method) {}

ServerMethodCommand::~ServerMethodCommand() {
    releaseResults();
}

QString ServerMethodCommand::text() const {
    return QLatin1String(wire::kServerClassPrefix) + method_.name;
}

void ServerMethodCommand::releaseResults() {
    answer_ = {};
    release(record_);
    release(reader_);
    release(stream_);
}

void ServerMethodCommand::execute(std::initializer_list<ProxyArgument> arguments,
                                  bool instanceOwner) {
    releaseResults();

    // Records passed in are consumed by the call, as soon as they are JSON or when it fails.
    std::vector<std::unique_ptr<wire::TransferRecord>> consumed;
    auto releaseConsumed = [&consumed] {
        for (auto& object : consumed)
            release(object);
        consumed.clear();
    };
    const auto onFailure = qScopeGuard(releaseConsumed);
    if (instanceOwner) {
        for (const ProxyArgument& argument : arguments) {
            wire::TransferRecord* object = argument.object();
            const bool seen =
                std::any_of(consumed.begin(), consumed.end(),
                            [object](const auto& owned) { return owned.get() == object; });
            if (object && !seen)
                consumed.emplace_back(object);
        }
    }

    QList<wire::Value> values;
    const ProxyArgument* next = arguments.begin();
    for (const wire::ParamSpec& param : method_.params) {
        if (param.out)
            continue;
        if (next == arguments.end())
            throwConversion(QStringLiteral("%1: too few arguments").arg(method_.name));
        values.append(next->toValue(method_, param));
        ++next;
    }
    if (next != arguments.end())
        throwConversion(QStringLiteral("%1: too many arguments").arg(method_.name));

    releaseConsumed();

    wire::MethodAnswer answer = wire::callMethod(channel_, method_, values);

    switch (method_.result) {
        case wire::Kind::Record: {
            if (answer.result.isNull())
                break;
            std::unique_ptr<wire::TransferRecord> record =
                wire::recordFromJson(answer.result.bytes());
            if (record && record->typeName() != method_.resultRecordType)
                wire::throwUnexpectedRecordType(record->typeName(), method_.resultRecordType);
            record_ = std::move(record);
            break;
        }
        case wire::Kind::RowReader:
            reader_ = std::make_unique<RowReader>(answer.result.toTable());
            break;
        case wire::Kind::Stream:
            stream_ = std::make_unique<QBuffer>();
            stream_->setData(answer.result.bytes());
            stream_->open(QIODevice::ReadOnly);
            break;
        default:
            break;
    }
    answer_ = std::move(answer);
}

const wire::Value& ServerMethodCommand::out(int index) const {
    return answer_.outs.at(index);
}

wire::TransferRecord* ServerMethodCommand::takeRecord(bool instanceOwner) {
    return instanceOwner ? record_.get() : record_.release();
}

RowReader* ServerMethodCommand::readerResult(bool instanceOwner) {
    return instanceOwner ? reader_.get() : reader_.release();
}

QIODevice* ServerMethodCommand::streamResult(bool instanceOwner) {
    return instanceOwner ? stream_.get() : stream_.release();
}

std::shared_ptr<const wire::ClientTable> ServerMethodCommand::packetResult() const {
    return answer_.result.isNull() ? std::make_shared<const wire::ClientTable>()
                                   : answer_.result.toTable();
}

QJsonValue ServerMethodCommand::jsonResult() const {
    if (answer_.result.isNull())
        return QJsonValue(QJsonValue::Null);
    const QJsonDocument document = QJsonDocument::fromJson(answer_.result.bytes());
    if (!document.isArray())
        throw wire::Error(QString::fromLatin1(wire::kConversionErrorClass),
                          QStringLiteral("%1 sent no JSON array").arg(method_.name));
    return document.array();
}

std::function<void(const void*)> ServerMethodCommand::setReleaseTracker(
    std::function<void(const void*)> tracker) {
    return std::exchange(releaseTracker(), std::move(tracker));
}
