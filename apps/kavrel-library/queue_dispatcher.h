#pragma once
// The main thread of a program without an event loop: workers post tasks, the main thread runs them.
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

#include "engine/main_thread_dispatcher.h"

class QueueDispatcher final : public kavrel::engine::MainThreadDispatcher {
public:
    void post(std::function<void()> task) override;
    // Main thread: runs the tasks posted so far, waiting up to `wait` for the first one.
    void runPending(std::chrono::milliseconds wait);

private:
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> tasks_;
};
