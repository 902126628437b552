#include "engine_setup.h"

#include "engine/master_engine.h"
#include "outside_player.h"

namespace kavrel::play {

audio::EngineOptions outputFor(const PlayOptions& options) {
    audio::EngineOptions output;
    // Only the disc is asked; or the outside player sounds (and records) what is played.
    if (options.cdInfo || options.engine == engine::kEngineApollo)
        output.sink = audio::SinkKind::Null;
    if (!options.out || options.engine == engine::kEngineApollo)
        return output;
    output.sink = audio::SinkKind::Capture;
    output.capture.pacing =
        options.fast ? audio::CapturePacing::AsFastAsPossible : audio::CapturePacing::RealTime;
    output.capture.keepInMemory = false;
    output.capture.wavFile = options.out;
    return output;
}

void configurePlayer(core::Application& player, const PlayOptions& options) {
    core::EngineSettings& engine = player.engineSettings();
    if (options.engine == engine::kEngineApollo)
        engine.SetApolloPath(outsidePlayerPath(options).string());
    engine.SelectEngine(options.engine);
    player.playback().VolumeChanged(options.volume);
    for (const auto& [band, gain] : options.bands)
        engine.SetBandGain(band, gain);
    engine.SetEqualizerEnabled(options.equalizerOn());
}

} // namespace kavrel::play
