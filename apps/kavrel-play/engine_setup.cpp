#include "engine_setup.h"

namespace kavrel::play {

audio::EngineOptions outputFor(const PlayOptions& options) {
    audio::EngineOptions output;
    if (options.cdInfo)
        output.sink = audio::SinkKind::Null; // only the disc is asked
    if (!options.out)
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
    engine.SelectEngine(options.engine);
    player.playback().VolumeChanged(options.volume);
    for (const auto& [band, gain] : options.bands)
        engine.SetBandGain(band, gain);
    engine.SetEqualizerEnabled(options.equalizerOn());
}

} // namespace kavrel::play
