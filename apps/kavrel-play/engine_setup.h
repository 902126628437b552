#pragma once
// What both ways of playing set up alike from the command line: where the sound goes and how the engine
// facade sounds.
#include "engine/master_engine.h"
#include "platform/audio/audio_core.h"
#include "play_options.h"

namespace kavrel::play {

// The device, or with --out a capture into the WAV file.
audio::EngineOptions outputFor(const PlayOptions& options);
// Selects the engine and sets the volume and the equalizer.
void configureFacade(engine::TMasterEngine& facade, const PlayOptions& options);

} // namespace kavrel::play
