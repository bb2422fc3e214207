#pragma once

#include "client/ui/mesaj_goster.h"

#include <QList>
#include <QQueue>

namespace ui {

/// Test helper: while alive, every MesajGoster is recorded instead of shown and answered from a
/// queue of scripted answers; with the queue empty, the message is answered with its focused
/// button, as pressing Enter would.
class ScriptedMessages {
public:
    ScriptedMessages() {
        previous_ = mesajYanitlayiciKur([this](const GosterilenMesaj& mesaj) {
            shown_ << mesaj;
            return answers_.isEmpty() ? dugmeSonucu(mesaj.odak) : answers_.dequeue();
        });
    }
    ~ScriptedMessages() { mesajYanitlayiciKur(std::move(previous_)); }
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    /// Queues the answer to the next message not yet answered.
    void answer(ModalSonuc result) { answers_.enqueue(result); }

    const QList<GosterilenMesaj>& shown() const { return shown_; }
    const GosterilenMesaj& last() const { return shown_.last(); }
    int count() const { return int(shown_.size()); }
    void clear() { shown_.clear(); }

private:
    MesajYanitlayici previous_;
    QList<GosterilenMesaj> shown_;
    QQueue<ModalSonuc> answers_;
};

}  // namespace ui
