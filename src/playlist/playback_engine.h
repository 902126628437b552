#pragma once
// The engine operations playback control relies on. The player passes the facade (MasterEnginePlayback);
// tests pass a fake. Main thread, except GetState and GetPosition, which the poller may call too.
#include <cstdint>
#include <string>

namespace kavrel::playlist {

class PlaybackEngine {
public:
    virtual ~PlaybackEngine() = default;
    virtual void Play(const std::string& fileName, std::int32_t startMs, bool paused) = 0;
    virtual void Pause() = 0;
    virtual void Resume() = 0;
    virtual void Stop() = 0;
    virtual void SetPosition(std::int32_t ms) = 0;
    virtual void SetVolume(std::int32_t volume) = 0;
    // 0 stopped, 1 playing, 2 paused.
    virtual std::uint8_t GetState() = 0;
    virtual std::int32_t GetPosition() = 0;
};

} // namespace kavrel::playlist
