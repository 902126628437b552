#pragma once
// The stand-in player's playing part: one file (or CD track through the plug-in) at a time on the audio
// core, with its own sixteen-band equalizer. Thread-safe: the window thread and the message thread call it.
#include "cd_plugin_loader.h"
#include "engine/apollo_protocol.h"
#include "platform/audio/audio_core.h"

#include <array>
#include <cstdint>
#include <mutex>
#include <string>

namespace kavrel::apollo {

inline constexpr int kBands = 16;

enum PlayerState : std::int64_t { kStopped = 0, kPlaying = 1, kPaused = 2 };

class ApolloPlayer {
public:
    // `plugin` may be null: CD tracks are then refused.
    ApolloPlayer(audio::EngineOptions options, const CdReaderPlugin* plugin);
    ~ApolloPlayer();

    // Replaces the file and plays it from the start; false with the reason in *error.
    bool open(const std::string& file, std::string* error);
    // Playing pauses, paused plays on; stopped stays stopped.
    void toggle();
    // Stopped at the start, the file kept.
    void stop();
    // Stopped with no file, so nothing holds the file or the plug-in.
    void release();
    void setPosition(std::int64_t ms);
    std::int64_t positionMs() const;
    std::int64_t lengthMs() const;
    // 0 also once the track has played to its end.
    PlayerState state() const;
    // 0..66000 (the protocol's scale); values outside are clamped.
    void setVolume(std::int64_t value);
    void setBandGain(int band, float gainDb);
    std::string fileName() const;
    // Completes the recording of a capture run (nothing to do on a device); false with the reason.
    bool finishCapture(std::string* error);

    static float bandCentreHz(int band);

private:
    audio::ChannelHandle openChannel(const std::string& file, std::string* error);
    void releaseLocked();

    mutable std::mutex mutex_;
    audio::AudioEngine audio_;
    const CdReaderPlugin* plugin_;
    audio::ChannelHandle channel_ = 0;
    std::array<audio::FilterHandle, kBands> filters_{};
    std::array<float, kBands> gains_{};
    std::string fileName_;
};

} // namespace kavrel::apollo
