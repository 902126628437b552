#pragma once
// The main thread's loop of kavrel-play: runs what the poller and the input reader post to it, one task
// at a time, until quit() or an interrupt signal.
#include "engine/main_thread_dispatcher.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace kavrel::play {

class EventLoop final : public engine::MainThreadDispatcher {
public:
    void post(std::function<void()> task) override;
    // Main thread: runs tasks until quit() is called or `interrupted` becomes true (checked every 100 ms,
    // so a signal handler may set it).
    void run(const std::atomic<bool>& interrupted);
    // Any thread.
    void quit();

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> tasks_;
    bool quitting_ = false;
};

} // namespace kavrel::play
