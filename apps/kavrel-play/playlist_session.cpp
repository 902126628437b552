#include "playlist_session.h"

#include "core/derived_settings.h"
#include "core/design_defaults.h"
#include "engine_setup.h"
#include "input_lines.h"
#include "playlist/ppl_file.h"
#include "playlist/shuffle.h"

#include <filesystem>
#include <system_error>

namespace kavrel::play {

namespace {

// Shuffling the playlist draws from the list itself; the library is never asked.
class NoLibrary final : public playlist::LibrarySource {
public:
    bool artistSelected() const override { return false; }
    std::span<const playlist::TrackRow> artistSongs() const override { return {}; }
    std::span<const playlist::TrackRow> albumSongs() const override { return {}; }
    std::vector<playlist::TrackRow> allSongs() const override { return {}; }
};

// The fragments of a first start's preferences.
playlist::QuickPlayTable defaultQuickPlay() {
    const core::QuickPlayTable table = core::quickPlayTable(core::designDefaults());
    playlist::QuickPlayTable fragments;
    for (std::size_t i = 0; i < table.size(); ++i)
        fragments[i] = {table[i].startFraction, table[i].lengthMs};
    return fragments;
}

} // namespace

std::optional<playlist::TPlist> readPlaylistArgument(const std::filesystem::path& file, std::ostream& err) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        err << "kavrel-play: " << file.string() << ": no such file\n";
        return std::nullopt;
    }
    auto list = playlist::readPlaylistFile(file);
    if (!list)
        err << "kavrel-play: " << file.string() << ": not a playlist, or an empty one\n";
    return list;
}

PlaylistSession::PlaylistSession(const PlayOptions& options, playlist::TPlist list,
                                 const std::string& cdSource, std::ostream& out, std::ostream& err)
    : options_(options), out_(out), err_(err), audio_(outputFor(options)), library_(audio_, cdSource),
      facade_(library_, 0), facadePlayback_(facade_),
      playback_(facadePlayback_,
                [this](const std::string& fileName, std::int32_t startMs) { rowStarted(fileName, startMs); }),
      display_(view_, state_.settings.display), control_(state_, playback_, display_, shared_) {
    show(std::move(list));
}

PlaylistSession::~PlaylistSession() = default;

int PlaylistSession::run(const std::atomic<bool>& interrupted) {
    configureFacade(facade_, options_);
    sync_ = std::make_unique<engine::TEngineSync>(facade_, shared_, *this, loop_);
    control_.setPollResumer([this] { sync_->Resume(); });
    control_.setErrorHandler([this](std::exception_ptr error) { reportError(error); });

    start();
    printStartedRows();
    if (state_.list().HasCurrent()) {
        const InputLines input(loop_, [this](const std::string&) { control_.TogglePause(); });
        loop_.run([&] { return interrupted.load(); });
    }
    sync_->Stop();
    // Interrupted: the list keeps the row and the position it stopped at, as the player saves its state.
    if (state_.list().HasCurrent()) {
        state_.list().PlayState = facade_.GetState();
        state_.list().Position = facade_.GetPosition();
    }
    facade_.Stop();

    std::string error;
    if (!audio_.finishCapture(&error)) {
        err_ << "kavrel-play: " << error << "\n";
        failed_ = true;
    }
    save();
    return failed_ ? 1 : 0;
}

void PlaylistSession::show(playlist::TPlist list) {
    static_cast<playlist::TPlist&>(state_.list()) = std::move(list);
    display_.showAllRows(state_.list());
    playlist::refreshTimes(state_.list());
}

void PlaylistSession::start() {
    playlist::PlaybackSettings& settings = state_.settings;
    settings.quickPlay = defaultQuickPlay();
    settings.repeatOneSong = options_.repeat == RepeatMode::One;
    settings.repeatAllPlayList = options_.repeat == RepeatMode::All;

    playlist::TMasPLayList& list = state_.list();
    if (options_.shufflePlaylist) {
        const NoLibrary library;
        playlist::Shuffler(control_, library).ShuffleClick(playlist::ShuffleSource::PlayList, {});
        if (options_.paused)
            control_.TogglePause();
    } else {
        if (!list.HasCurrent()) {
            list.CurrentIndex = 1;
            list.Position = 0;
        }
        list.PreviousIndex = list.CurrentIndex;
        list.QuickFragment = 1;
        list.UndoKindValue = playlist::kUndoPlayback;
        control_.PlayCurrent(options_.paused);
    }
    // After the start, whose position reset switches the repeat button off.
    if (options_.quickPlay)
        control_.SetQuickPlayChecked(true);
    if (options_.repeat != RepeatMode::Off) {
        settings.repeatButton = playlist::kButtonOn;
        view_.setRepeatButton(playlist::kButtonOn);
    }
}

void PlaylistSession::OnPositionUpdate() {
    // Quick play ends a track from here once its last fragment has played.
    observe(&playlist::PlaybackControl::OnPositionUpdate);
}

void PlaylistSession::OnTrackEnd() {
    observe(&playlist::PlaybackControl::OnTrackEnd);
}

void PlaylistSession::observe(void (playlist::PlaybackControl::*handler)()) {
    const playlist::TMasPLayList& list = state_.list();
    const std::int32_t before = list.HasCurrent() ? list.CurrentIndex : 0;
    (control_.*handler)();
    const std::int32_t after = list.HasCurrent() ? list.CurrentIndex : 0;
    if (options_.events && before != 0 && (after != before || !startedRows_.empty())) {
        out_ << "end " << before << ' ';
        if (after == 0)
            out_ << "stop";
        else if (after == before)
            out_ << "again";
        else
            out_ << "next " << after;
        out_ << std::endl;
    }
    printStartedRows();
    if (after == 0)
        loop_.quit();
}

void PlaylistSession::rowStarted(const std::string& fileName, std::int32_t startMs) {
    const std::int32_t row = state_.list().CurrentIndex;
    if (facade_.GetState() == engine::kStopped) {
        err_ << "kavrel-play: row " << row << ": " << fileName << ": cannot be played\n";
        failed_ = true;
    }
    if (options_.events)
        startedRows_.push_back("row " + std::to_string(row) + ' ' + std::to_string(startMs) + ' ' + fileName);
}

void PlaylistSession::printStartedRows() {
    for (const std::string& line : startedRows_)
        out_ << line << std::endl;
    startedRows_.clear();
}

void PlaylistSession::reportError(std::exception_ptr error) {
    printPlaybackFailure(err_, error);
    failed_ = true;
}

void PlaylistSession::save() {
    if (!options_.save)
        return;
    try {
        playlist::writePlaylistFile(*options_.save, state_.list());
    } catch (const std::exception& e) {
        err_ << "kavrel-play: " << e.what() << "\n";
        failed_ = true;
    }
}

} // namespace kavrel::play
