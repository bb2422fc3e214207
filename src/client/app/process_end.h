#pragma once

#include <functional>

namespace app {

/// The one place that ends the program: at once, with the given exit code, saving and closing
/// nothing on the way (running background calls end with it). Every "end the process" of the
/// program goes through here.
///
/// With a hook installed (tests) the hook is called instead and endProcess returns; callers
/// therefore return right after calling it.
void endProcess(int exitCode = 0);

using ProcessEndHook = std::function<void(int exitCode)>;
/// Installs a hook (an empty one restores the real end) and returns the previous one.
ProcessEndHook setProcessEndHook(ProcessEndHook hook);

}  // namespace app
