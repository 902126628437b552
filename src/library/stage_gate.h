#pragma once
// Cooperative suspend, resume and stop of a build: the working threads pass the gate between items, so
// a suspended build holds at the next item and a stopped one ends there.
#include <atomic>
#include <condition_variable>
#include <mutex>

namespace kavrel::library {

class StageGate {
public:
    // Any thread.
    void suspend();
    void resume();
    void stop();
    bool isSuspended() const { return suspended_.load(); }
    bool isStopped() const { return stopped_.load(); }

    // Working threads: blocks while suspended; false once stopped (the caller then ends its work).
    bool pass();

private:
    std::atomic<bool> suspended_{false};
    std::atomic<bool> stopped_{false};
    std::mutex mutex_;
    std::condition_variable wake_;
};

} // namespace kavrel::library
