#include "client/app/process_end.h"

#include <unistd.h>

#include <cstdio>

namespace app {
namespace {
ProcessEndHook& hook() {
    static ProcessEndHook h;
    return h;
}
}  // namespace

void endProcess(int exitCode) {
    if (hook()) {
        hook()(exitCode);
        return;
    }
    std::fflush(nullptr);
    ::_exit(exitCode);
}

ProcessEndHook setProcessEndHook(ProcessEndHook h) {
    ProcessEndHook previous = std::move(hook());
    hook() = std::move(h);
    return previous;
}

}  // namespace app
