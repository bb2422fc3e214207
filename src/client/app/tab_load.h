#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

namespace app {

/// The contract every background load of a tab (or of the stock search) follows:
///
/// 1. on the main thread: show the wait animation, disable the input, detach the grid view from its
///    table and put it into update mode;
/// 2. the worker fills the table on a pooled thread (its own connection clone, one remote call);
/// 3. the completion, on the main thread: attach the view again, end the update, enable the input,
///    hide the animation, let the caller finish (the count in the tab caption, the focus), and show
///    the connection-error message when the worker could not reach the server.
///
/// A load started while the previous one still runs is ignored, so two loads never fill one table
/// at the same time. An exception escaping the worker is shown after the window has been restored.
class TabLoad {
public:
    struct Controls {
        QWidget* waitAnimation = nullptr;  ///< shown while loading (may be null)
        QWidget* input = nullptr;          ///< the grid, or the edit that started the search
        std::function<void()> detach;      ///< detach the view from its table, begin update mode
        std::function<void()> attach;      ///< attach the view again, end update mode
    };
    /// Runs on the worker thread; returns false when the server could not be reached (`hata`).
    using Worker = std::function<bool()>;
    /// Runs on the main thread after the window is restored and before any error message.
    using Finish = std::function<void(bool hata)>;

    explicit TabLoad(Controls controls) : controls_(std::move(controls)) {}

    bool running() const { return running_; }

    /// Starts a load; returns false (and does nothing) while the previous load still runs.
    /// `context` is the window that owns this TabLoad; a completion due after it was destroyed is
    /// dropped.
    bool start(QObject* context, Worker worker, Finish finish = {});

private:
    void begin();
    void restore();

    Controls controls_;
    bool running_ = false;
};

}  // namespace app
