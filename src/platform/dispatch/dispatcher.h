#pragma once
// How a worker hands work to the main thread. The player posts to its Qt event loop (qt/), the
// command-line tools and tests to a TaskQueue. A worker that must wait for its task uses BlockingCall,
// so a worker stopped by the main thread never deadlocks on a task the main thread will not run.
#include <chrono>
#include <functional>

namespace kavrel::dispatch {

class MainThreadDispatcher {
public:
    virtual ~MainThreadDispatcher() = default;
    // Any thread; never blocks on the main thread. `task` runs on the main thread, exactly once, unless
    // the program ends first; tasks posted from one thread run in the order they were posted.
    virtual void post(std::function<void()> task) = 0;
    // The same, no sooner than `delay` from now.
    virtual void postDelayed(std::chrono::milliseconds delay, std::function<void()> task) = 0;
};

} // namespace kavrel::dispatch
