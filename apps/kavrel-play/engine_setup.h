#pragma once
// What both ways of playing share: where the sound goes, how the engine facade sounds, and how a failure
// while playing is told.
#include "engine/master_engine.h"
#include "platform/audio/audio_core.h"
#include "play_options.h"

#include <exception>
#include <ostream>

namespace kavrel::play {

// The device, or with --out a capture into the WAV file.
audio::EngineOptions outputFor(const PlayOptions& options);
// Selects the engine and sets the volume and the equalizer.
void configureFacade(engine::TMasterEngine& facade, const PlayOptions& options);
// One line on err for a failure raised while playing.
void printPlaybackFailure(std::ostream& err, std::exception_ptr error);

} // namespace kavrel::play
