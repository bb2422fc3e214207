#pragma once

#include <QTimer>
#include <QWidget>

namespace app {

/// The small turning wait animation shown while a window waits for the server. It turns only while
/// visible; start and stop are show and hide.
class WaitAnimation : public QWidget {
public:
    explicit WaitAnimation(QWidget* parent = nullptr, QSize size = QSize(28, 28));

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QTimer timer_;
    int step_ = 0;
};

}  // namespace app
