#pragma once
// The engine's side of the settings model: which engine plays, the outside player's path and the
// equalizer. Each change goes to the facade and into the settings at once, so save-state writes what
// plays. Main thread.
#include "core/conf_record.h"
#include "core/equalizer_preset.h"
#include "engine/master_engine.h"
#include "platform/fs/program_folder.h"

#include <string>

namespace kavrel::core {

class EngineSettings {
public:
    EngineSettings(engine::TMasterEngine& facade, TConfRecord& settings, EqualizerValues& equalizer,
                   const fs::ProgramFolder& folder)
        : facade_(facade), settings_(settings), equalizer_(equalizer), folder_(folder) {}

    // Start-up, after the configuration: the stored engine (without the outside player's path dialog),
    // the player's path, the sixteen band gains and the equalizer switch.
    void apply();

    void SelectEngine(const std::string& name);
    void SetApolloPath(const std::string& path);
    void SetEqualizerEnabled(bool enabled);
    // Band 1..16, gain clamped to -15..15 dB; other bands are ignored.
    void SetBandGain(int band, std::int32_t gainDb);

private:
    engine::TMasterEngine& facade_;
    TConfRecord& settings_;
    EqualizerValues& equalizer_;
    const fs::ProgramFolder& folder_;
};

} // namespace kavrel::core
