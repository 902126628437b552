#pragma once
// How kavrel-play sounds: where the sound goes, and the engine, volume and equalizer of the command line.
#include "core/application.h"
#include "platform/audio/audio_core.h"
#include "play_options.h"

namespace kavrel::play {

// The device, or with --out a capture into the WAV file; nothing for --cd-info.
audio::EngineOptions outputFor(const PlayOptions& options);
// Selects the engine and sets the volume and the equalizer through the application's settings.
void configurePlayer(core::Application& player, const PlayOptions& options);

} // namespace kavrel::play
