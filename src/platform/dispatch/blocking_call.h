#pragma once
// "Synchronize": a worker runs a task on the main thread and waits for it. The main thread may abandon
// the worker's calls (when it stops the worker and joins it); an abandoned call returns at once and its
// task never runs, even if it is delivered later.
#include "platform/dispatch/dispatcher.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

namespace kavrel::dispatch {

class BlockingCalls {
public:
    explicit BlockingCalls(MainThreadDispatcher& dispatcher) : dispatcher_(dispatcher) {}

    // Worker thread: posts `task` and blocks until it has run (true) or was abandoned (false). After
    // abandonAll() every call returns false at once.
    bool call(std::function<void()> task);
    // Any thread; never blocks.
    void abandonAll();

private:
    struct Pending;

    MainThreadDispatcher& dispatcher_;
    std::mutex mutex_;
    bool abandoned_ = false;
    std::shared_ptr<Pending> pending_;
};

} // namespace kavrel::dispatch
