#pragma once
// A sink thread that pulls blocks on the real-time clock or as fast as it can: the null sink, and
// the capture sink when it is not stepped by hand.
#include "platform/audio/sink.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <thread>

namespace kavrel::audio {

class ClockedSink final : public Sink {
public:
    enum class Pacing { RealTime, AsFastAsPossible };
    // Receives each block after it was rendered.
    using Consumer = std::function<void(const float* stereo, std::size_t frames)>;
    // AsFastAsPossible renders only while this says something plays.
    using Activity = std::function<bool()>;

    ClockedSink(int rate, Pacing pacing, RenderFunction render, Consumer consume, Activity active);
    ~ClockedSink() override;
    ClockedSink(const ClockedSink&) = delete;
    ClockedSink& operator=(const ClockedSink&) = delete;

    int rate() const override { return rate_; }

private:
    void run();

    int rate_;
    Pacing pacing_;
    RenderFunction render_;
    Consumer consume_;
    Activity active_;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

} // namespace kavrel::audio
