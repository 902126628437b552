#pragma once
// One thread that runs the outside player's commands in the order they were given, so waits (the player
// settling on a file, its window appearing) never hold the thread that paints or polls.
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace kavrel::engine {

class SerialWorker {
public:
    SerialWorker();
    // Runs what is still queued, then ends the thread.
    ~SerialWorker();
    SerialWorker(const SerialWorker&) = delete;
    SerialWorker& operator=(const SerialWorker&) = delete;

    // Any thread; never blocks. Tasks run one at a time on the worker thread.
    void post(std::function<void()> task);
    // Blocks until every task posted before the call has run. Never call from a task.
    void flush();

private:
    void run();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> tasks_;
    bool running_ = false;
    bool ending_ = false;
    std::thread thread_;
};

} // namespace kavrel::engine
