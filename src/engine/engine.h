#pragma once
// What the facade forwards to whichever engine is selected. Play, Pause, Resume, Stop and SetPosition are
// called on the main thread; GetState and GetPosition on the poller's thread, so an engine answers them
// from values written whole (atomics) and never blocks for long.
#include <cstdint>
#include <string>

namespace kavrel::engine {

enum PlayState : std::uint8_t { kStopped = 0, kPlaying = 1, kPaused = 2 };

class TEngine {
public:
    virtual ~TEngine() = default;

    virtual void Play(const std::string& fileName, std::int32_t startMs, bool paused) = 0;
    virtual void Pause() = 0;
    virtual void Resume() = 0;
    virtual void Stop() = 0;
    virtual std::uint8_t GetState() = 0;
    virtual std::int32_t GetPosition() = 0;
    virtual void SetPosition(std::int32_t ms) = 0;
};

} // namespace kavrel::engine
