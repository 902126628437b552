#include "ui/controls/press_repeater.h"

namespace kavrel::ui {

PressRepeater::PressRepeater(QObject* parent) : QObject(parent) {
    connect(&timer_, &QTimer::timeout, this, [this] {
        timer_.setInterval(RepeatDelayMs);
        if (action_)
            action_();
    });
}

void PressRepeater::start(std::function<void()> action) {
    action_ = std::move(action);
    timer_.start(FirstDelayMs);
    action_();
}

void PressRepeater::stop() {
    timer_.stop();
    action_ = nullptr;
}

} // namespace kavrel::ui
