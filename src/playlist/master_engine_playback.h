#pragma once
// Playback control's engine in the player: the engine facade.
#include "engine/master_engine.h"
#include "playlist/playback_engine.h"

namespace kavrel::playlist {

class MasterEnginePlayback final : public PlaybackEngine {
public:
    explicit MasterEnginePlayback(engine::TMasterEngine& facade) : facade_(facade) {}

    void Play(const std::string& fileName, std::int32_t startMs, bool paused) override {
        facade_.Play(fileName, startMs, paused);
    }
    void Pause() override { facade_.Pause(); }
    void Resume() override { facade_.Resume(); }
    void Stop() override { facade_.Stop(); }
    void SetPosition(std::int32_t ms) override { facade_.SetPosition(ms); }
    void SetVolume(std::int32_t volume) override { facade_.SetVolume(volume); }
    std::uint8_t GetState() override { return facade_.GetState(); }
    std::int32_t GetPosition() override { return facade_.GetPosition(); }

private:
    engine::TMasterEngine& facade_;
};

} // namespace kavrel::playlist
