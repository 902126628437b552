#pragma once
// The FMOD library beside the BASS one over the same hand-stepped audio core, as the player has them.
#include "platform/bass/audio_rig.h"
#include "platform/fmod/fmod.h"

#include <string>

namespace kavrel::test {

class FmodRig : public AudioRig {
public:
    // `cdSource` is drive 0 of both libraries.
    explicit FmodRig(const std::string& cdSource = {}) : AudioRig(cdSource), fmod(audio, cdSource) {}

    fmod::FmodLibrary fmod;
};

// The library set up and initialised as the FMOD engine does it.
inline void initialise(fmod::FmodLibrary& library) {
    library.FSOUND_SetOutput(fmod::kFsoundOutputSystem);
    library.FSOUND_SetDriver(fmod::kFsoundDefaultDriver);
    library.FSOUND_SetMixer(fmod::kFsoundMixerAuto);
    library.FSOUND_Init(44100, 128, 0);
}

} // namespace kavrel::test
