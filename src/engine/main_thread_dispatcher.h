#pragma once
// How a worker hands work to the main thread. The program posts to its event loop; tests run the task in
// place. Callers that must wait for the task wait themselves (see TEngineSync), so a worker stopped by
// the main thread never deadlocks on a task the main thread will not run.
#include <functional>

namespace kavrel::engine {

class MainThreadDispatcher {
public:
    virtual ~MainThreadDispatcher() = default;
    // Any thread; never blocks on the main thread. `task` runs on the main thread, exactly once, unless
    // the program ends first.
    virtual void post(std::function<void()> task) = 0;
};

// Runs every task at once on the calling thread: for tests and for programs without an event loop that
// treat the poller's thread as their main thread.
class DirectDispatcher final : public MainThreadDispatcher {
public:
    void post(std::function<void()> task) override { task(); }
};

} // namespace kavrel::engine
