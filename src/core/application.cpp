#include "core/application.h"

#include "core/derived_settings.h"
#include "core/design_defaults.h"
#include "library/library_paths.h"
#include "library/staged_library.h"
#include "platform/audio/cd_drive.h"
#include "playlist/playlist_startup.h"

namespace kavrel::core {

namespace {

constexpr auto kAudioClockInterval = std::chrono::milliseconds(engine::TEngineSync::kDefaultInterval);

bool followsRecordingClock(const audio::EngineOptions& output) {
    return output.sink == audio::SinkKind::Capture &&
           output.capture.pacing == audio::CapturePacing::AsFastAsPossible;
}

// A recording faster than real time is stepped by the poller (see ApplicationOptions).
audio::EngineOptions steppedByThePoller(audio::EngineOptions output) {
    if (followsRecordingClock(output))
        output.capture.pacing = audio::CapturePacing::Manual;
    return output;
}

class LaterReporter final : public ErrorReporter {
public:
    explicit LaterReporter(std::function<void(std::string)> post) : post_(std::move(post)) {}
    void reportError(std::string_view message) override { post_(std::string(message)); }

private:
    std::function<void(std::string)> post_;
};

} // namespace

Application::Application(ApplicationOptions options, ShellServices shell,
                         dispatch::MainThreadDispatcher& dispatcher)
    : shell_(shell), dispatcher_(dispatcher), folder_(std::move(options.folder)),
      cdDriveRoot_(audio::cdDrivePath(options.cdSource)), store_(folder_, shell.errors),
      settings_(designDefaults()), audio_(steppedByThePoller(options.output)),
      bass_(audio_, options.cdSource), fmod_(audio_, options.cdSource),
      facade_(bass_, 0, std::make_unique<engine::TFmod>(fmod_, 0),
              engine::makeApollo(folder_.root(),
                                 [this](const std::string& message) { reportFromAnyThread(message); })),
      engineSettings_(facade_, settings_, equalizer_, folder_),
      playback_(settings_), enginePlayback_(facade_), display_(playlistView_, settings_),
      control_(playback_, enginePlayback_, display_, shared_), cdFiller_(facade_, cdDriveRoot_),
      cdTracks_(cdFiller_), tabs_(control_, tabView_, cdDriveRoot_.empty() ? nullptr : &cdTracks_),
      commands_(control_), repeat_(control_), marks_(control_),
      builds_(dispatcher, folder_, options.cdSource,
              [this](const std::string& library) {
                  if (library::checkedLibraryName(settings_.ActiveLibrary.text) == library)
                      browser_.readArtistList();
              }),
      browser_(settings_, folder_, browserView_, builds_, songSink_, text::LocaleCollator()),
      editor_(control_, browser_), shuffler_(control_, browser_),
      rowHint_(playback_.list(), playlistView_, shell.desktop),
      commandBox_(commandLine_, shell.desktop, shell.power, control_, commands_, [this] { quit(); }),
      poller_(facade_, shared_, control_, dispatcher,
              followsRecordingClock(options.output)
                  ? engine::TEngineSync::AudioClock(
                        [this](std::chrono::milliseconds step) { audio_.capture()->advance(step); })
                  : engine::TEngineSync::AudioClock{}) {
    songSink_.bind(&editor_);
    control_.setPollResumer([this] { poller_.Resume(); });
    control_.setErrorHandler([this](std::exception_ptr error) { reportError(error); });
    control_.setSleepAction([this] { switchOff(); });
    commands_.setLoadedAction([this] { tabs_.markAllPlaying(); });

    saveSteps_.addStep([this] { store_.saveRecord(kConfFileName, settings_); });
    saveSteps_.addStep([this] { store_.savePreset(settings_, equalizer_); });
    saveSteps_.addStep([this] { tabs_.copyActiveIntoVisible(); });
    for (const playlist::Tab tab : playlist::kAllTabs)
        saveSteps_.addStep([this, tab] { tabs_.writeTabFile(folder_, tab); });
    saveSteps_.addStep([this] { facade_.Stop(); });
}

Application::~Application() {
    poller_.Stop();
    builds_.stop();
}

void Application::startUp(const std::function<void()>& applyToWindows) {
    settings_ = store_.load(kConfFileName);
    equalizer_ = store_.loadStartupPreset(settings_);
    engineSettings_.apply();
    control_.VolumeChanged(startVolume(settings_));
    playlistView_.setCheck(playlist::Check::RepeatOneSong, settings_.mRepeatOneSong);
    playlistView_.setCheck(playlist::Check::RepeatAllPlayList, settings_.mRepeatAllPlayList);
    if (applyToWindows)
        applyToWindows();
    // Before any library is read: what killed builds left behind.
    library::removeStaleStagingFolders(folder_);
    restorePlaylists();
    browser_.readArtistList();
}

bool Application::firstRun() {
    for (const char* pathFile : {"/Library/lb1/path.pan", "/Library/lb2/path.pan", "/Library/lbcd/path.pan"}) {
        std::error_code error;
        if (std::filesystem::exists(folder_.resolve(pathFile), error))
            return false;
    }
    settings_.O_Run_ScanAndClearLibrury = false;
    return true;
}

void Application::restorePlaylists() {
    tabs_.setVisible(playlist::visibleTabOf(settings_));
    const auto failures = playlist::restorePlaylists(tabs_, control_, folder_, settings_.O_Run_Playlist);
    std::string message;
    for (const auto& failure : failures)
        message += (message.empty() ? "" : "\n") + failure;
    if (!message.empty())
        shell_.errors.reportError(message);
}

void Application::quit() {
    if (quit_)
        return;
    quit_ = true;
    // No poll may run while the state is written.
    poller_.Stop();
    builds_.stop();
    saveState();
    if (quitAction_)
        quitAction_();
}

void Application::reportFromAnyThread(std::string message) {
    // The reporter outlives the application, so a message still queued at the end finds it.
    dispatcher_.post([&errors = shell_.errors, message = std::move(message)] { errors.reportError(message); });
}

bool Application::saveState() {
    return saveSteps_.run(shell_.errors);
}

void Application::switchOff() {
    // The state is on disk before the system is asked; a save that failed keeps the machine on, so that
    // what could not be written is not lost with it. A refusal leaves the player stopped and working.
    // This runs inside a poll's main-thread call, so reports wait until it has returned.
    LaterReporter later([this](std::string message) {
        reportFromAnyThread(std::move(message) + "\nThe computer was not switched off.");
    });
    if (saveSteps_.run(later))
        shell_.power.switchOff();
}

void Application::reportError(std::exception_ptr error) {
    // Out of the poll's main-thread call: a message box open inside it would hold the poller.
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        reportFromAnyThread(e.what());
    } catch (...) {
        reportFromAnyThread("An unexpected failure while playing.");
    }
}

void Application::bindPlaylistView(playlist::PlaylistView* view) {
    playlistView_.bind(view);
    if (!view)
        return;
    display_.showAllRows(control_.state().list());
    control_.RemarkPlayingRow();
    playlistView_.setCheck(playlist::Check::QuickPlayEnabled, playback_.session.quickPlayChecked);
    playlistView_.setCheck(playlist::Check::RepeatOneSong, settings_.mRepeatOneSong);
    playlistView_.setCheck(playlist::Check::RepeatAllPlayList, settings_.mRepeatAllPlayList);
    playlistView_.setRepeatButton(playback_.session.repeatButton);
    playlistView_.setVolumeSliders(settings_.VolumePosition);
    playlistView_.setTimeSliderMaximum(playback_.sliderMaximum);
    playlistView_.setTimeSlider(playback_.sliderPosition);
    playlistView_.setTickerText(playback_.tickerTitle);
}

void Application::bindTabView(playlist::TabView* view) {
    tabView_.bind(view);
    tabView_.showTab(tabs_.visible());
}

} // namespace kavrel::core
