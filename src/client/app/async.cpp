#include "client/app/async.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <QThreadPool>

#include "client/app/error_display.h"

namespace app {
namespace {

/// Workers mostly wait for the network, so the pool is wider than the number of cores: the start-up
/// load, a tab load and a search may run at the same time, each with connection retries.
QThreadPool& workerPool() {
    static QThreadPool* pool = [] {
        auto* p = new QThreadPool;
        p->setMaxThreadCount(16);
        return p;
    }();
    return *pool;
}

class TAwait final : public IAwait, public std::enable_shared_from_this<TAwait> {
public:
    explicit TAwait(std::function<void()> worker) : FAsync(std::move(worker)) {}

    void Await(std::function<void()> completion, QObject* context) override {
        QObject* target = context ? context : QCoreApplication::instance();
        QPointer<QObject> guard(target);
        auto self = shared_from_this();
        workerPool().start([self, guard, completion = std::move(completion)]() mutable {
            std::exception_ptr failure;
            try {
                self->FAsync();
            } catch (...) {
                failure = std::current_exception();
            }
            if (!guard) {
                return;
            }
            QMetaObject::invokeMethod(
                guard.data(),
                [completion = std::move(completion), failure] {
                    runShowingErrors([&] {
                        if (completion) {
                            completion();
                        }
                        if (failure) {
                            std::rethrow_exception(failure);
                        }
                    });
                },
                Qt::QueuedConnection);
        });
    }

private:
    std::function<void()> FAsync;
};

}  // namespace

IAwaitPtr Async(std::function<void()> worker) {
    return std::make_shared<TAwait>(std::move(worker));
}

void Synchronize(const std::function<void()>& step) {
    QCoreApplication* app = QCoreApplication::instance();
    if (QThread::currentThread() == app->thread()) {
        step();
        return;
    }
    std::exception_ptr failure;
    QMetaObject::invokeMethod(
        app,
        [&] {
            try {
                step();
            } catch (...) {
                failure = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (failure) {
        std::rethrow_exception(failure);
    }
}

}  // namespace app
