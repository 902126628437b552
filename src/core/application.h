#pragma once
// The process-wide state of the player, owned once for the whole run: the program folder, the CD drive
// root, the settings and the equalizer values, and the save-state operation that writes them back.
#include "core/conf_record.h"
#include "core/configuration_store.h"
#include "core/equalizer_preset.h"
#include "core/error_reporter.h"
#include "core/save_state.h"
#include "platform/fs/program_folder.h"

#include <string>

namespace kavrel::core {

class Application {
public:
    // Main thread. cdDriveRoot is empty when the machine has no CD drive.
    Application(fs::ProgramFolder folder, std::string cdDriveRoot, ErrorReporter& errors);

    // Start-up: the configuration, then the equalizer preset it names (read once).
    void loadConfiguration();

    // Every quit path calls this exactly once; failures are reported and the rest is still saved.
    bool saveState();

    const fs::ProgramFolder& programFolder() const { return folder_; }
    const std::string& cdDriveRoot() const { return cdDriveRoot_; }
    TConfRecord& settings() { return settings_; }
    EqualizerValues& equalizer() { return equalizer_; }
    const ConfigurationStore& configuration() const { return store_; }
    // Later subsystems add what they must save (playlists, engine stop) in the order they join.
    SaveState& saveSteps() { return saveSteps_; }

private:
    fs::ProgramFolder folder_;
    std::string cdDriveRoot_;
    ErrorReporter& errors_;
    ConfigurationStore store_;
    TConfRecord settings_;
    EqualizerValues equalizer_{};
    SaveState saveSteps_;
};

} // namespace kavrel::core
