#include "core/application.h"

#include "core/derived_settings.h"
#include "core/design_defaults.h"
#include "playlist/playlist_startup.h"

namespace kavrel::core {

Application::Application(fs::ProgramFolder folder, std::string cdDriveRoot, ErrorReporter& errors)
    : folder_(std::move(folder)), cdDriveRoot_(std::move(cdDriveRoot)), errors_(errors),
      store_(folder_, errors), settings_(designDefaults()) {
    saveSteps_.addStep([this] { store_.saveRecord(kConfFileName, settings_); });
    saveSteps_.addStep([this] { store_.savePreset(settings_, equalizer_); });
}

void Application::loadConfiguration() {
    settings_ = store_.load(kConfFileName);
    equalizer_ = store_.loadStartupPreset(settings_);
}

bool Application::saveState() { return saveSteps_.run(errors_); }

void Application::restorePlaylists(playlist::PlaylistTabs& tabs, playlist::PlaybackControl& control) {
    tabs.setVisible(visibleTabOf(settings_));
    const auto failures = playlist::restorePlaylists(tabs, control, folder_, settings_.O_Run_Playlist);
    std::string message;
    for (const auto& failure : failures)
        message += (message.empty() ? "" : "\n") + failure;
    if (!message.empty())
        errors_.reportError(message);
}

void Application::addPlaylistSaveSteps(playlist::PlaylistTabs& tabs, std::function<void()> stopEngine) {
    saveSteps_.addStep([&tabs] { tabs.copyActiveIntoVisible(); });
    for (const playlist::Tab tab : playlist::kAllTabs)
        saveSteps_.addStep([this, &tabs, tab] { tabs.writeTabFile(folder_, tab); });
    saveSteps_.addStep(std::move(stopEngine));
}

playlist::Tab visibleTabOf(const TConfRecord& settings) {
    if (settings.Img2CDVisible)
        return playlist::Tab::CD;
    if (settings.Img2PL2Visible)
        return playlist::Tab::PL2;
    return playlist::Tab::PL1;
}

void storeVisibleTab(TConfRecord& settings, playlist::Tab tab) {
    settings.Img2Pl1Visible = tab == playlist::Tab::PL1;
    settings.Img2CDVisible = tab == playlist::Tab::CD;
    settings.Img2PL2Visible = tab == playlist::Tab::PL2;
}

void applyPlaybackSettings(const TConfRecord& settings, playlist::PlaybackSettings& playback) {
    playback.display.numbering = settings.PlayList_Indexin;
    playback.display.artistTitle = settings.Name_PlayList_A_T;
    const QuickPlayTable table = quickPlayTable(settings);
    for (std::size_t i = 0; i < table.size(); ++i)
        playback.quickPlay[i] = {table[i].startFraction, table[i].lengthMs};
    playback.repeatOneSong = settings.mRepeatOneSong;
    playback.repeatAllPlayList = settings.mRepeatAllPlayList;
    playback.startupMode = settings.O_Run_Playlist;
}

} // namespace kavrel::core
