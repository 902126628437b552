#pragma once
// The main thread of a program without an event loop (the command-line tools, tests): workers post
// tasks, the thread that runs the queue runs them in order, each once it is due.
#include "platform/dispatch/dispatcher.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

namespace kavrel::dispatch {

class TaskQueue final : public MainThreadDispatcher {
public:
    void post(std::function<void()> task) override;
    void postDelayed(std::chrono::milliseconds delay, std::function<void()> task) override;

    // The running thread: runs tasks as they fall due until quit() is called or `stop` returns true
    // (asked at least every 100 ms, so a signal handler may set what it reads).
    void run(const std::function<bool()>& stop = {});
    // The running thread: runs what falls due within `duration`, then returns.
    void runFor(std::chrono::milliseconds duration);
    // The running thread: runs every task that is due now, and those they post that are due at once.
    void runDue();
    // Any thread: ends run() after the task it is running; the queue runs nothing after that.
    void quit();
    // Tasks not run yet, due or not.
    std::size_t pending() const;

private:
    using Clock = std::chrono::steady_clock;
    // Due time, then posting order.
    using Key = std::pair<Clock::time_point, std::uint64_t>;

    void add(Clock::time_point due, std::function<void()> task);
    // Runs tasks as they fall due until `until`, quit() or `stop`.
    void runUntil(Clock::time_point until, const std::function<bool()>& stop);

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::map<Key, std::function<void()>> tasks_;
    std::uint64_t posted_ = 0;
    bool quitting_ = false;
};

// A TaskQueue run by a thread of its own: the main thread of a test or benchmark whose own thread waits
// on the workers. Tasks still queued when it is destroyed are dropped.
class TaskThread {
public:
    TaskThread() : thread_([this] { queue_.run(); }) {}
    ~TaskThread() {
        queue_.quit();
        thread_.join();
    }
    TaskThread(const TaskThread&) = delete;
    TaskThread& operator=(const TaskThread&) = delete;

    MainThreadDispatcher& dispatcher() { return queue_; }

private:
    TaskQueue queue_;
    std::thread thread_;
};

} // namespace kavrel::dispatch
