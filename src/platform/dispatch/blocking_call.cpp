#include "platform/dispatch/blocking_call.h"

namespace kavrel::dispatch {

// Shared with the posted task, which touches nothing else, so an abandoned call may still be delivered
// after its worker is gone.
struct BlockingCalls::Pending {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool abandoned = false;
};

bool BlockingCalls::call(std::function<void()> task) {
    auto pending = std::make_shared<Pending>();
    {
        std::lock_guard lock(mutex_);
        if (abandoned_)
            return false;
        pending_ = pending;
    }
    dispatcher_.post([pending, task = std::move(task)] {
        {
            std::lock_guard lock(pending->mutex);
            if (pending->abandoned)
                return;
        }
        // The flag is set however the task ends, so the worker never waits for ever.
        struct Finish {
            Pending& p;
            ~Finish() {
                std::lock_guard lock(p.mutex);
                p.done = true;
                p.finished.notify_all();
            }
        } finish{*pending};
        task();
    });
    bool done;
    {
        std::unique_lock lock(pending->mutex);
        pending->finished.wait(lock, [&] { return pending->done || pending->abandoned; });
        done = pending->done;
    }
    std::lock_guard lock(mutex_);
    pending_.reset();
    return done;
}

void BlockingCalls::abandonAll() {
    std::lock_guard lock(mutex_);
    abandoned_ = true;
    if (pending_) {
        std::lock_guard callLock(pending_->mutex);
        pending_->abandoned = true;
        pending_->finished.notify_all();
    }
}

} // namespace kavrel::dispatch
