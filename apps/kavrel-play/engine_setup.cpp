#include "engine_setup.h"

namespace kavrel::play {

audio::EngineOptions outputFor(const PlayOptions& options) {
    audio::EngineOptions output;
    if (!options.out)
        return output;
    output.sink = audio::SinkKind::Capture;
    output.capture.pacing =
        options.fast ? audio::CapturePacing::AsFastAsPossible : audio::CapturePacing::RealTime;
    output.capture.keepInMemory = false;
    output.capture.wavFile = options.out;
    return output;
}

void configureFacade(engine::TMasterEngine& facade, const PlayOptions& options) {
    facade.SelectEngine(options.engine);
    facade.SetVolume(options.volume);
    for (const auto& [band, gain] : options.bands)
        facade.SetBandGainAlways(band, gain);
    if (options.equalizerOn())
        facade.EqualizerOn();
    else
        facade.EqualizerOff();
}

void printPlaybackFailure(std::ostream& err, std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        err << "kavrel-play: " << e.what() << "\n";
    } catch (...) {
        err << "kavrel-play: unexpected failure while playing\n";
    }
}

} // namespace kavrel::play
