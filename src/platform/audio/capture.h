#pragma once
// The capture sink: records exactly what the device would have received (after every channel's
// equalizer, the mix and the master volume), to memory and/or a WAV file.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace kavrel::audio {

enum class CapturePacing {
    // Nothing advances until advance() is called: deterministic tests.
    Manual,
    // A thread of the engine consumes audio on the real-time clock, like a device would.
    RealTime,
    // A thread of the engine consumes audio as fast as the machine allows while at least one channel
    // is playing, and waits (recording nothing) while none is; for "--out --fast".
    AsFastAsPossible,
};

struct CaptureOptions {
    CapturePacing pacing = CapturePacing::Manual;
    int sampleRate = 44100; // the rate every channel is converted to
    // Interleaved stereo floats kept for samples(); leave off for long recordings.
    bool keepInMemory = true;
    // 16-bit stereo PCM WAV written while recording. It is written beside the target under a temporary
    // name and renamed into place by AudioEngine::finishCapture() (or the engine's destruction), so a
    // crash never leaves a half-written file under the requested name.
    std::optional<std::filesystem::path> wavFile;
};

// Access to a running capture; obtained from AudioEngine::capture(). All members are thread-safe.
class Capture {
public:
    virtual ~Capture() = default;

    // Manual pacing only: renders exactly `frames` output frames (or the frames of `duration`, rounded
    // to the nearest frame) on the calling thread, then waits until every end-of-stream callback those
    // frames caused has returned. Blocks for the decoding; must not be called from an end callback.
    // Returns false (and does nothing) under another pacing.
    virtual bool advanceFrames(std::int64_t frames) = 0;
    virtual bool advance(std::chrono::milliseconds duration) = 0;

    // Output frames consumed so far (at the sink rate).
    virtual std::int64_t framesConsumed() const = 0;
    // Copy of everything recorded in memory, interleaved stereo, each sample clipped to -1..1.
    virtual std::vector<float> samples() const = 0;
    // Drops what is held in memory (the WAV file is unaffected).
    virtual void clearSamples() = 0;
};

} // namespace kavrel::audio
