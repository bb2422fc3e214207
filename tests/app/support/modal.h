#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>

namespace testsupport {

/// Calls `handle` with the next modal dialog of class T as soon as it is open (polling, so it
/// also works for dialogs opened by exec() deep inside the code under test).
template <class T>
void whenModalOpens(std::function<void(T*)> handle) {
    auto* timer = new QTimer;
    timer->setInterval(20);
    auto* deadline = new QElapsedTimer;
    deadline->start();
    QObject::connect(timer, &QTimer::timeout, [timer, deadline, handle] {
        auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
        if (modal || deadline->hasExpired(30000)) {  // a dialog that never came: give up
            timer->stop();
            timer->deleteLater();
            delete deadline;
            if (modal) {
                handle(modal);
            }
        }
    });
    timer->start();
}

}  // namespace testsupport
