#include "queue_dispatcher.h"

void QueueDispatcher::post(std::function<void()> task) {
    {
        const std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    posted_.notify_one();
}

void QueueDispatcher::runPending(std::chrono::milliseconds wait) {
    std::deque<std::function<void()>> tasks;
    {
        std::unique_lock lock(mutex_);
        posted_.wait_for(lock, wait, [&] { return !tasks_.empty(); });
        tasks.swap(tasks_);
    }
    for (auto& task : tasks)
        task();
}
