#pragma once
// Repeats an action while a mouse button is held on a scroller's track or arrow: once at the press, then
// after a first 50 ms wait and every 50 ms until released.
#include <QObject>
#include <QTimer>
#include <functional>

namespace kavrel::ui {

class PressRepeater : public QObject {
    Q_OBJECT
public:
    static constexpr int FirstDelayMs = 50;
    static constexpr int RepeatDelayMs = 50;

    explicit PressRepeater(QObject* parent = nullptr);

    void start(std::function<void()> action);
    void stop();

private:
    QTimer timer_;
    std::function<void()> action_;
};

} // namespace kavrel::ui
