#include "platform/dispatch/task_queue.h"

namespace kavrel::dispatch {

namespace {

constexpr std::chrono::milliseconds kStopCheck{100};

} // namespace

void TaskQueue::post(std::function<void()> task) {
    add(Clock::now(), std::move(task));
}

void TaskQueue::postDelayed(std::chrono::milliseconds delay, std::function<void()> task) {
    add(Clock::now() + delay, std::move(task));
}

void TaskQueue::add(Clock::time_point due, std::function<void()> task) {
    {
        std::lock_guard lock(mutex_);
        tasks_.emplace(Key{due, posted_++}, std::move(task));
    }
    changed_.notify_all();
}

void TaskQueue::quit() {
    {
        std::lock_guard lock(mutex_);
        quitting_ = true;
    }
    changed_.notify_all();
}

std::size_t TaskQueue::pending() const {
    std::lock_guard lock(mutex_);
    return tasks_.size();
}

void TaskQueue::run(const std::function<bool()>& stop) {
    runUntil(Clock::time_point::max(), stop);
}

void TaskQueue::runFor(std::chrono::milliseconds duration) {
    runUntil(Clock::now() + duration, {});
}

void TaskQueue::runDue() {
    std::unique_lock lock(mutex_);
    while (!quitting_ && !tasks_.empty() && tasks_.begin()->first.first <= Clock::now()) {
        auto task = std::move(tasks_.begin()->second);
        tasks_.erase(tasks_.begin());
        lock.unlock();
        task();
        lock.lock();
    }
}

void TaskQueue::runUntil(Clock::time_point until, const std::function<bool()>& stop) {
    std::unique_lock lock(mutex_);
    while (!quitting_ && !(stop && stop())) {
        const auto now = Clock::now();
        if (!tasks_.empty() && tasks_.begin()->first.first <= now) {
            auto task = std::move(tasks_.begin()->second);
            tasks_.erase(tasks_.begin());
            lock.unlock();
            task();
            lock.lock();
            continue;
        }
        if (now >= until)
            return;
        auto wake = std::min(until, now + kStopCheck);
        if (!tasks_.empty())
            wake = std::min(wake, tasks_.begin()->first.first);
        changed_.wait_until(lock, wake);
    }
}

} // namespace kavrel::dispatch
