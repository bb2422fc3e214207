#include <algorithm>

#include "server/dispatch/method_table.h"

namespace server {
namespace {

wire::Response echoString(CallContext& call) {
    return answer(wire::Value::text(call.text(0)));
}

wire::Response reverseString(CallContext& call) {
    QString text = call.text(0);
    std::reverse(text.begin(), text.end());
    return answer(wire::Value::text(text));
}

}  // namespace

void registerEchoHandlers(MethodTable& table) {
    table.add("EchoString", echoString);
    table.add("ReverseString", reverseString);
}

}  // namespace server
