#include "event_loop.h"

#include <chrono>

namespace kavrel::play {

void EventLoop::post(std::function<void()> task) {
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    changed_.notify_one();
}

void EventLoop::quit() {
    {
        std::lock_guard lock(mutex_);
        quitting_ = true;
    }
    changed_.notify_one();
}

void EventLoop::run(const std::atomic<bool>& interrupted) {
    std::unique_lock lock(mutex_);
    while (!quitting_ && !interrupted) {
        if (tasks_.empty()) {
            changed_.wait_for(lock, std::chrono::milliseconds(100));
            continue;
        }
        auto task = std::move(tasks_.front());
        tasks_.pop_front();
        lock.unlock();
        task();
        lock.lock();
    }
}

} // namespace kavrel::play
