#pragma once
// TEngineSync: the poller that follows the engine and tells the main thread, every Interval ms, where
// playback stands and when a track has ended. It suspends itself while no track is current; the next play
// resumes it. Its main-thread calls go through the dispatcher and wait for it, as "synchronize" does.
#include "engine/master_engine.h"
#include "platform/dispatch/blocking_call.h"
#include "platform/dispatch/dispatcher.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace kavrel::engine {

// The values the poller shares with the main window. Written whole; any thread.
struct SharedPlayback {
    std::atomic<std::uint8_t> State{kStopped};
    std::atomic<std::int32_t> Position{0};
    // The current row of the playing list, 0 for none; written by the main thread.
    std::atomic<std::int32_t> CurrentTrack{0};
};

// What each poll runs on the main thread.
class PollHandlers {
public:
    virtual ~PollHandlers() = default;
    // Moves the position sliders and handles in-track boundaries (quick play, marks).
    virtual void OnPositionUpdate() = 0;
    // The engine reports stopped: advance, repeat or stop.
    virtual void OnTrackEnd() = 0;
    // Refreshes the elapsed-time texts and the window title.
    virtual void OnTimeDisplay() = 0;
    // One of the above threw; called once on the main thread after it returned. Polling goes on.
    virtual void OnPollError(std::exception_ptr error) = 0;
};

class TEngineSync {
public:
    static constexpr std::int32_t kDefaultInterval = 200;
    // Renders the given stretch of a recording that is stepped by hand, on the poller's thread.
    using AudioClock = std::function<void(std::chrono::milliseconds)>;

    // Starts the thread suspended. Without `audioClock` the interval is wall time; with it, the interval
    // is that much of the recording's audio while the engine plays (the poller renders it in short
    // steps, so every poll comes where it would in real time), and wall time otherwise.
    TEngineSync(TMasterEngine& engine, SharedPlayback& shared, PollHandlers& handlers,
                dispatch::MainThreadDispatcher& dispatcher, AudioClock audioClock = {});
    // Stops and joins.
    ~TEngineSync();
    TEngineSync(const TEngineSync&) = delete;
    TEngineSync& operator=(const TEngineSync&) = delete;

    // Main thread. Resume wakes the poller whether it is suspended, about to suspend itself, or running
    // (then the suspension it was about to make is cancelled), so callers need not test Suspended first.
    void Resume();
    // Takes effect before the next poll starts; a poll already running finishes.
    void Suspend();
    bool Suspended() const;
    // Ends the thread and joins it (main thread): a main-thread call the poller is waiting for is
    // abandoned, never run afterwards.
    void Stop();

    std::atomic<std::int32_t> Interval{kDefaultInterval};

private:
    void run();
    void pollOnce();
    // Runs `handler` on the main thread and waits until it has run or Stop abandoned it.
    void synchronize(void (PollHandlers::*handler)());
    // Sleeps Interval ms; false when stopping.
    bool sleepInterval();
    // Renders up to `interval` of audio while the engine plays; returns what is left of it.
    std::chrono::milliseconds renderAudio(std::chrono::milliseconds interval);
    // Waits while suspended; false when stopping.
    bool waitWhileSuspended();
    void suspendIfNoTrack(std::uint64_t resumesAtPollStart);

    TMasterEngine& engine_;
    SharedPlayback& shared_;
    PollHandlers& handlers_;
    dispatch::BlockingCalls calls_;
    AudioClock audioClock_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool suspended_ = true;
    bool stopping_ = false;
    std::uint64_t resumes_ = 0;
    std::thread thread_;
};

} // namespace kavrel::engine
