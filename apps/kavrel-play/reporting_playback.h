#pragma once
// The playback engine of the playlist mode: the facade, telling the session each time a file is started.
#include "playlist/playback_engine.h"

#include <functional>
#include <utility>

namespace kavrel::play {

class ReportingPlayback final : public playlist::PlaybackEngine {
public:
    using Started = std::function<void(const std::string& fileName, std::int32_t startMs)>;
    ReportingPlayback(playlist::PlaybackEngine& engine, Started started)
        : engine_(engine), started_(std::move(started)) {}

    // Reports after the engine was asked, so the report can tell whether the file plays.
    void Play(const std::string& fileName, std::int32_t startMs, bool paused) override {
        engine_.Play(fileName, startMs, paused);
        started_(fileName, startMs);
    }
    void Pause() override { engine_.Pause(); }
    void Resume() override { engine_.Resume(); }
    void Stop() override { engine_.Stop(); }
    void SetPosition(std::int32_t ms) override { engine_.SetPosition(ms); }
    void SetVolume(std::int32_t volume) override { engine_.SetVolume(volume); }
    std::uint8_t GetState() override { return engine_.GetState(); }
    std::int32_t GetPosition() override { return engine_.GetPosition(); }

private:
    playlist::PlaybackEngine& engine_;
    Started started_;
};

} // namespace kavrel::play
