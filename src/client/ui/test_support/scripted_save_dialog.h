#pragma once

#include "client/ui/grid/grid_excel.h"

#include <QString>

namespace ui {

/// Test helper: while alive, the save dialog is not shown; it "answers" with the file name set
/// here (empty: the user cancels) and counts how often it was asked.
class ScriptedSaveDialog {
public:
    explicit ScriptedSaveDialog(QString answer = {}) : answer_(std::move(answer)) {
        previous_ = kayitYeriSorucusuKur([this](QWidget*, const QString& filter) {
            ++asked_;
            filter_ = filter;
            return answer_;
        });
    }
    ~ScriptedSaveDialog() { kayitYeriSorucusuKur(std::move(previous_)); }
    ScriptedSaveDialog(const ScriptedSaveDialog&) = delete;
    ScriptedSaveDialog& operator=(const ScriptedSaveDialog&) = delete;

    void setAnswer(const QString& answer) { answer_ = answer; }
    int asked() const { return asked_; }
    QString filter() const { return filter_; }

private:
    KayitYeriSorucu previous_;
    QString answer_;
    QString filter_;
    int asked_ = 0;
};

}  // namespace ui
