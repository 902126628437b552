#include "engine/engine_sync.h"

#include <algorithm>
#include <chrono>

namespace kavrel::engine {

// One main-thread call the poller waits for. Shared with the posted task, which touches nothing else of
// the poller, so an abandoned call may still be delivered after the poller is gone.
struct TEngineSync::PendingCall {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool abandoned = false;
};

TEngineSync::TEngineSync(TMasterEngine& engine, SharedPlayback& shared, PollHandlers& handlers,
                         MainThreadDispatcher& dispatcher)
    : engine_(engine), shared_(shared), handlers_(handlers), dispatcher_(dispatcher),
      thread_([this] { run(); }) {}

TEngineSync::~TEngineSync() {
    Stop();
}

void TEngineSync::Resume() {
    {
        std::lock_guard lock(mutex_);
        suspended_ = false;
        ++resumes_;
    }
    wake_.notify_all();
}

void TEngineSync::Suspend() {
    std::lock_guard lock(mutex_);
    suspended_ = true;
}

bool TEngineSync::Suspended() const {
    std::lock_guard lock(mutex_);
    return suspended_;
}

void TEngineSync::Stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        if (pending_) {
            std::lock_guard callLock(pending_->mutex);
            pending_->abandoned = true;
            pending_->finished.notify_all();
        }
    }
    wake_.notify_all();
    // A handler run in place by a direct dispatcher may stop the poller from its own thread: it then ends
    // after that handler, and the destructor joins it.
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id())
        thread_.join();
}

void TEngineSync::run() {
    while (waitWhileSuspended())
        pollOnce();
}

void TEngineSync::pollOnce() {
    std::uint64_t resumesAtPollStart;
    {
        std::lock_guard lock(mutex_);
        resumesAtPollStart = resumes_;
    }
    const std::uint8_t state = engine_.GetState();
    shared_.State = state;
    shared_.Position = engine_.GetPosition();
    synchronize(&PollHandlers::OnPositionUpdate);
    if (state == kStopped)
        synchronize(&PollHandlers::OnTrackEnd);
    if (!sleepInterval())
        return;
    suspendIfNoTrack(resumesAtPollStart);
    if (!waitWhileSuspended())
        return;
    synchronize(&PollHandlers::OnTimeDisplay);
}

void TEngineSync::suspendIfNoTrack(std::uint64_t resumesAtPollStart) {
    // Under the lock, and only if no Resume came since this poll began: a play that sets the track and
    // resumes while we decide either shows up here or finds us suspended and wakes us.
    std::lock_guard lock(mutex_);
    if (shared_.CurrentTrack == 0 && resumes_ == resumesAtPollStart)
        suspended_ = true;
}

bool TEngineSync::waitWhileSuspended() {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return stopping_ || !suspended_; });
    return !stopping_;
}

bool TEngineSync::sleepInterval() {
    std::unique_lock lock(mutex_);
    const auto interval = std::chrono::milliseconds(std::max<std::int32_t>(Interval, 0));
    return !wake_.wait_for(lock, interval, [this] { return stopping_; });
}

void TEngineSync::synchronize(void (PollHandlers::*handler)()) {
    auto call = std::make_shared<PendingCall>();
    {
        std::lock_guard lock(mutex_);
        if (stopping_)
            return;
        pending_ = call;
    }
    dispatcher_.post([call, handler, &handlers = handlers_] {
        {
            std::lock_guard lock(call->mutex);
            if (call->abandoned)
                return;
        }
        try {
            (handlers.*handler)();
        } catch (...) {
            try {
                handlers.OnPollError(std::current_exception());
            } catch (...) {
                // A failing report must not leave the poller waiting for ever.
            }
        }
        std::lock_guard lock(call->mutex);
        call->done = true;
        call->finished.notify_all();
    });
    {
        std::unique_lock lock(call->mutex);
        call->finished.wait(lock, [&] { return call->done || call->abandoned; });
    }
    std::lock_guard lock(mutex_);
    pending_.reset();
}

} // namespace kavrel::engine
