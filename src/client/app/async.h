#pragma once

#include <QPointer>
#include <functional>
#include <memory>

class QObject;

namespace app {

/// The background-call facility. `Async(worker)->Await(completion)` runs `worker` on a pooled
/// thread and then `completion` on the main thread, delivered through the main thread's event loop
/// (so it runs inside modal dialogs too). An exception that escapes the worker does not stop the
/// completion: the completion runs first, then the same exception reaches the application's default
/// error display on the main thread.
class IAwait {
public:
    virtual ~IAwait() = default;
    /// Starts the worker and returns at once. With a context object, the completion is dropped
    /// when the context is destroyed before it could run.
    virtual void Await(std::function<void()> completion, QObject* context = nullptr) = 0;
};

using IAwaitPtr = std::shared_ptr<IAwait>;

/// Wraps the worker; nothing runs until Await is called.
IAwaitPtr Async(std::function<void()> worker);

/// The synchronised step: runs `step` on the main thread and waits until it has finished. Called on
/// the main thread it simply runs the step. An exception thrown by the step is raised again in the
/// calling thread. The step must not wait for anything the main thread is waiting for.
void Synchronize(const std::function<void()>& step);

}  // namespace app
