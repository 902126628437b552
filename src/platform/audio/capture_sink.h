#pragma once
// The capture sink: renders the mix by hand or on its own clocked thread, and records it.
#include "platform/audio/capture.h"
#include "platform/audio/clocked_sink.h"
#include "platform/audio/sink.h"
#include "platform/audio/wav_writer.h"

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace kavrel::audio {

class CaptureSink final : public Sink, public Capture {
public:
    struct Hooks {
        RenderFunction render;
        ClockedSink::Activity active;         // something is playing
        std::function<void()> awaitCallbacks; // returns once every queued end callback has run
    };

    CaptureSink(const CaptureOptions& options, Hooks hooks);
    ~CaptureSink() override;

    int rate() const override { return rate_; }

    bool advanceFrames(std::int64_t frames) override;
    bool advance(std::chrono::milliseconds duration) override;
    std::int64_t framesConsumed() const override;
    std::vector<float> samples() const override;
    void clearSamples() override;

    // Stops recording and completes the WAV file.
    bool finish(std::string* error);

private:
    void record(const float* stereo, std::size_t frames);

    int rate_;
    bool manual_;
    bool keepInMemory_;
    Hooks hooks_;
    std::mutex renderMutex_; // manual steps render one at a time
    mutable std::mutex recordMutex_;
    std::vector<float> samples_;
    std::int64_t consumed_ = 0;
    std::unique_ptr<WavWriter> wav_;
    std::string wavError_;
    bool finished_ = false;
    std::unique_ptr<ClockedSink> clock_; // last: its thread stops before the rest goes
};

} // namespace kavrel::audio
