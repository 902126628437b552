#include "engine/engine_sync.h"

#include <algorithm>
#include <chrono>

namespace kavrel::engine {

TEngineSync::TEngineSync(TMasterEngine& engine, SharedPlayback& shared, PollHandlers& handlers,
                         dispatch::MainThreadDispatcher& dispatcher, AudioClock audioClock)
    : engine_(engine), shared_(shared), handlers_(handlers), calls_(dispatcher),
      audioClock_(std::move(audioClock)), thread_([this] { run(); }) {}

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
    }
    calls_.abandonAll();
    wake_.notify_all();
    if (thread_.joinable())
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
    auto interval = std::chrono::milliseconds(std::max<std::int32_t>(Interval, 0));
    if (audioClock_)
        interval = renderAudio(interval);
    std::unique_lock lock(mutex_);
    return !wake_.wait_for(lock, interval, [this] { return stopping_; });
}

std::chrono::milliseconds TEngineSync::renderAudio(std::chrono::milliseconds interval) {
    // Short steps, so a track that ends or a stop within the interval is seen within one step.
    constexpr std::chrono::milliseconds kStep{10};
    while (interval > std::chrono::milliseconds::zero() && engine_.GetState() == kPlaying) {
        {
            std::lock_guard lock(mutex_);
            if (stopping_)
                break;
        }
        const auto step = std::min(interval, kStep);
        audioClock_(step);
        interval -= step;
    }
    return interval;
}

void TEngineSync::synchronize(void (PollHandlers::*handler)()) {
    calls_.call([handler, &handlers = handlers_] {
        try {
            (handlers.*handler)();
        } catch (...) {
            try {
                handlers.OnPollError(std::current_exception());
            } catch (...) {
                // A failing report must not stop the polls.
            }
        }
    });
}

} // namespace kavrel::engine
