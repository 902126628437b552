#pragma once
// The application object: it builds and wires, once, everything the player keeps for the whole run (the
// settings model, the engine facade with its engines, the poller, playback control, the three tabs and
// the active list, the playlist editor, the library browser and its tables, the library builds) and
// runs start-up, save-state and quit. Windows bind their views to it and route input to the parts it
// exposes; it decides nothing itself.
//
// Main thread, except where a member says otherwise.
#include "core/conf_record.h"
#include "core/configuration_store.h"
#include "core/engine_settings.h"
#include "core/equalizer_preset.h"
#include "core/error_reporter.h"
#include "core/library_builds.h"
#include "core/save_state.h"
#include "core/view_slots.h"
#include "engine/cd_playlist.h"
#include "engine/engine_sync.h"
#include "engine/master_engine.h"
#include "library/browser/library_browser.h"
#include "platform/audio/audio_core.h"
#include "platform/bass/bass.h"
#include "platform/fmod/fmod.h"
#include "platform/dispatch/dispatcher.h"
#include "platform/fs/program_folder.h"
#include "platform/shell/desktop_shell.h"
#include "playlist/cd_track_source.h"
#include "playlist/command_box.h"
#include "playlist/master_engine_playback.h"
#include "playlist/playback_control.h"
#include "playlist/playlist_commands.h"
#include "playlist/playlist_editor.h"
#include "playlist/playlist_tabs.h"
#include "playlist/repeat_and_marks.h"
#include "playlist/row_hint.h"
#include "playlist/shuffle.h"

#include <functional>
#include <string>

namespace kavrel::core {

// The desktop's services, passed in so that tests use fakes. They outlive the application.
struct ShellServices {
    ErrorReporter& errors;
    shell::DesktopShell& desktop;
    shell::PowerService& power;
};

struct ApplicationOptions {
    fs::ProgramFolder folder;
    // The one CD source (a drive or a .cue/.toc image; see audio::findCdSource); empty for none.
    std::string cdSource;
    // The sound device by default. A capture paced as fast as possible is rendered by the poller itself,
    // one poll interval of audio at a time, so whatever polls time (quick play, the A-B mark, track
    // ends, the sleep trigger) comes out as in real time, only sooner.
    audio::EngineOptions output;
};

class Application {
public:
    // Builds everything; reads no file. `dispatcher` runs the poller's and the builds' main-thread calls
    // and outlives the application. Throws engine::BassStartError when the sound cannot start.
    Application(ApplicationOptions options, ShellServices shell, dispatch::MainThreadDispatcher& dispatcher);
    // Stops the poller and any build; saves nothing (quit() does).
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Start-up, in this order: the configuration and the equalizer preset it names, the settings applied
    // (engine, volume, equalizer), the three playlists (the saved track resumed in mode 0, which wakes the
    // poller), the active library in the panels. Failures are reported and the rest goes on.
    // `applyToWindows` runs once the settings are read and applied to the engine, before the playlists:
    // the windows take their look, layout and language from the settings there.
    void startUp(const std::function<void()>& applyToWindows = {});
    // The one-shot check a second after start: true when no library has been built yet (no "path.pan" in
    // LB1, LB2 or LBCD); the "scan and clear" preference is then cleared for the first build.
    bool firstRun();
    // Every quit path: stops the poller and any build, runs save-state, then the quit action (which closes
    // the windows or ends the loop). Runs once; later calls do nothing.
    void quit();
    void setQuitAction(std::function<void()> action) { quitAction_ = std::move(action); }
    // The configuration with the preset, the active list into the visible tab, the three tab files, the
    // engine stopped. Each step on its own; failures are reported once. True when all succeeded.
    bool saveState();

    // Views. Binding one shows it the current state; nullptr unbinds.
    void bindPlaylistView(playlist::PlaylistView* view);
    void bindTabView(playlist::TabView* view);
    void bindBrowserView(library::browser::BrowserView* view) { browserView_.bind(view); }
    void bindCommandLineView(playlist::CommandLineView* view) { commandLine_.bind(view); }
    // Follows what the playlist views show, bound or not; nullptr for none.
    void watchPlayback(playlist::PlaybackViewWatcher* watcher) { playlistView_.watch(watcher); }
    void bindBuildProgress(library::BuildProgress* view) { builds_.bindProgress(view); }

    // The settings model: read by the logic, written by every setting a user changes.
    TConfRecord& settings() { return settings_; }
    EqualizerValues& equalizer() { return equalizer_; }
    const fs::ProgramFolder& programFolder() const { return folder_; }
    const std::string& cdDriveRoot() const { return cdDriveRoot_; }
    const ConfigurationStore& configuration() const { return store_; }
    // Runs workers' reports (the copier's, the builds') on the main thread.
    dispatch::MainThreadDispatcher& dispatcher() { return dispatcher_; }

    engine::TMasterEngine& facade() { return facade_; }
    EngineSettings& engineSettings() { return engineSettings_; }
    // Resume, Suspend and Stop from the main thread; the poller's calls arrive through the dispatcher.
    engine::TEngineSync& poller() { return poller_; }
    audio::AudioEngine& audio() { return audio_; }

    playlist::PlaybackControl& playback() { return control_; }
    playlist::PlaybackState& playbackState() { return playback_; }
    playlist::PlaylistTabs& tabs() { return tabs_; }
    playlist::PlaylistCommands& playlistCommands() { return commands_; }
    playlist::PlaylistEditor& editor() { return editor_; }
    playlist::Shuffler& shuffler() { return shuffler_; }
    playlist::RepeatControl& repeat() { return repeat_; }
    playlist::MarkControl& marks() { return marks_; }
    playlist::PlaylistRowHint& rowHint() { return rowHint_; }
    playlist::CommandBox& commandBox() { return commandBox_; }

    library::browser::LibraryBrowser& browser() { return browser_; }
    LibraryBuilds& libraryBuilds() { return builds_; }

private:
    void restorePlaylists();
    void reportError(std::exception_ptr error);
    void switchOff();
    // Any thread: the message reaches the error reporter on the main thread.
    void reportFromAnyThread(std::string message);

    ShellServices shell_;
    dispatch::MainThreadDispatcher& dispatcher_;
    fs::ProgramFolder folder_;
    std::string cdDriveRoot_;
    ConfigurationStore store_;
    TConfRecord settings_;
    EqualizerValues equalizer_{};
    SaveState saveSteps_;

    // The sound, the BASS and FMOD call surfaces over it, and the engine facade with its three engines.
    audio::AudioEngine audio_;
    bass::BassLibrary bass_;
    fmod::FmodLibrary fmod_;
    engine::TMasterEngine facade_;
    EngineSettings engineSettings_;
    engine::SharedPlayback shared_;

    PlaylistViewSlot playlistView_;
    TabViewSlot tabView_;
    BrowserViewSlot browserView_;
    CommandLineViewSlot commandLine_;
    SongSinkSlot songSink_;

    playlist::PlaybackState playback_;
    playlist::MasterEnginePlayback enginePlayback_;
    playlist::PlaylistDisplay display_;
    playlist::PlaybackControl control_;
    engine::TCdPlaylist cdFiller_;
    playlist::EngineCdTrackSource cdTracks_;
    playlist::PlaylistTabs tabs_;
    playlist::PlaylistCommands commands_;
    playlist::RepeatControl repeat_;
    playlist::MarkControl marks_;

    LibraryBuilds builds_;
    library::browser::LibraryBrowser browser_;
    playlist::PlaylistEditor editor_;
    playlist::Shuffler shuffler_;
    playlist::PlaylistRowHint rowHint_;
    playlist::CommandBox commandBox_;

    // Last: it stops first, before anything its calls touch goes.
    engine::TEngineSync poller_;

    std::function<void()> quitAction_;
    bool quit_ = false;
};

} // namespace kavrel::core
