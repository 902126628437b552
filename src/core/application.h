#pragma once
// The process-wide state of the player, owned once for the whole run: the program folder, the CD drive
// root, the settings and the equalizer values, and the save-state operation that writes them back.
#include "core/conf_record.h"
#include "core/configuration_store.h"
#include "core/equalizer_preset.h"
#include "core/error_reporter.h"
#include "core/save_state.h"
#include "platform/fs/program_folder.h"
#include "playlist/playback_state.h"
#include "playlist/playlist_tabs.h"

#include <functional>
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

    // Start-up, after the configuration: the visible tab it names, the three tab files (all but the
    // visible one in mode 2) and, in mode 0, the saved track resumed. Unreadable tab files are reported
    // once; their tabs start empty.
    void restorePlaylists(playlist::PlaylistTabs& tabs, playlist::PlaybackControl& control);
    // Save-state after the configuration: the active list into the visible tab, the three tab files (each
    // on its own, so one failure costs no other), then `stopEngine`.
    void addPlaylistSaveSteps(playlist::PlaylistTabs& tabs, std::function<void()> stopEngine);

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

// The tab whose picture the settings show, and back.
playlist::Tab visibleTabOf(const TConfRecord& settings);
void storeVisibleTab(TConfRecord& settings, playlist::Tab tab);
// The playback values the settings hold: list display, quick-play fragments, repeat checks, start-up mode.
void applyPlaybackSettings(const TConfRecord& settings, playlist::PlaybackSettings& playback);

} // namespace kavrel::core
