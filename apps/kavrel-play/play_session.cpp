#include "play_session.h"

#include "engine/file_kind.h"
#include "engine_setup.h"
#include "input_lines.h"
#include "playlist/ppl_file.h"

#include <filesystem>
#include <system_error>

namespace kavrel::play {

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

PlaySession::PlaySession(const PlayOptions& options, const std::string& cdSource, std::ostream& out,
                         std::ostream& err)
    : options_(options), out_(out), err_(err),
      outside_(options.engine == engine::kEngineApollo ? std::make_optional<OutsidePlayerRun>(options)
                                                       : std::nullopt),
      player_(std::make_unique<core::Application>(
          core::ApplicationOptions{fs::ProgramFolder::current(), cdSource, outputFor(options)},
          core::ShellServices{*this, desktop_, desktop_}, loop_)) {
    player_->playback().setListener(this);
}

PlaySession::~PlaySession() {
    player_->playback().setListener(nullptr);
}

playlist::TPlist PlaySession::filesList() {
    playlist::TPlist list;
    for (const std::string& file : options_.files) {
        if (!engine::cdTrackNumber(file) && !std::filesystem::is_regular_file(file)) {
            err_ << "kavrel-play: " << file << ": no such file\n";
            failed_ = true;
            continue;
        }
        playlist::TrackRow& row = list.Rows.emplace_back();
        row[library::kTitleColumn] = std::filesystem::path(file).filename().string();
        row[library::kPathColumn] = file;
    }
    list.CurrentIndex = list.Empty() ? 0 : 1;
    list.Position = options_.startMs;
    return list;
}

int PlaySession::run(playlist::TPlist list, const std::atomic<bool>& interrupted) {
    core::Application& player = *player_;
    configurePlayer(player, options_);
    playlist::TMasPLayList& active = player.playbackState().list();
    static_cast<playlist::TPlist&>(active) = std::move(list);
    player.playback().display().showAllRows(active);
    playlist::refreshTimes(active);

    start();
    printStartedRows();
    if (active.HasCurrent()) {
        const InputLines input(loop_, [this](const std::string&) { togglePause(); });
        loop_.run([&] { return interrupted.load(); });
    }
    player.poller().Stop();
    // Interrupted: the list keeps the row and the position it stopped at, as the player saves its state.
    if (active.HasCurrent()) {
        active.PlayState = player.facade().GetState();
        active.Position = player.facade().GetPosition();
    }
    player.facade().Stop();

    std::string error;
    if (outside_) {
        player.facade().Apollo->Flush();
        if (!outside_->finish(&error)) {
            err_ << "kavrel-play: " << error << "\n";
            failed_ = true;
        }
    }
    if (!player.audio().finishCapture(&error)) {
        err_ << "kavrel-play: " << error << "\n";
        failed_ = true;
    }
    save();
    return failed_ ? 1 : 0;
}

void PlaySession::start() {
    core::Application& player = *player_;
    core::TConfRecord& settings = player.settings();
    settings.mRepeatOneSong = options_.repeat == RepeatMode::One;
    settings.mRepeatAllPlayList = options_.repeat == RepeatMode::All;

    playlist::PlaybackControl& control = player.playback();
    playlist::TMasPLayList& list = player.playbackState().list();
    if (options_.shufflePlaylist) {
        player.shuffler().Shuffle(playlist::ShuffleSource::PlayList, {});
        if (options_.paused)
            control.TogglePause();
    } else if (!list.Empty()) {
        if (!list.HasCurrent()) {
            list.CurrentIndex = 1;
            list.Position = 0;
        }
        list.PreviousIndex = list.CurrentIndex;
        list.QuickFragment = 1;
        list.UndoKindValue = playlist::kUndoPlayback;
        control.PlayCurrent(options_.paused);
    }
    // After the start, whose position reset switches the repeat button off.
    if (options_.quickPlay)
        control.SetQuickPlayChecked(true);
    if (options_.repeat != RepeatMode::Off)
        player.repeat().RepeatButtonClick();
}

void PlaySession::togglePause() {
    player_->playback().TogglePause();
    if (!options_.playlist)
        report(player_->facade().GetState(), player_->facade().GetPosition());
}

void PlaySession::rowStarted(std::int32_t row, std::int32_t startMs, const std::string& file) {
    engine::TMasterEngine& facade = player_->facade();
    const bool refused = facade.GetState() == engine::kStopped;
    if (options_.playlist) {
        if (refused) {
            err_ << "kavrel-play: row " << row << ": " << file << ": cannot be played\n";
            failed_ = true;
        }
        if (options_.events)
            startedRows_.push_back("row " + std::to_string(row) + ' ' + std::to_string(startMs) + ' ' + file);
        return;
    }
    if (options_.events)
        out_ << "play " << file << std::endl;
    if (refused) {
        const std::string& drive = player_->cdDriveRoot();
        err_ << "kavrel-play: " << file << ": cannot be played (not an MP3, Ogg Vorbis or WMA file, "
             << "nor a track of the disc in " << (drive.empty() ? "a CD drive" : drive) << ")\n";
        failed_ = true;
        return;
    }
    report(facade.GetState(), facade.GetPosition());
}

void PlaySession::engineRead(std::uint8_t state, std::int32_t positionMs) {
    if (options_.playlist)
        return;
    report(state, positionMs);
    if (options_.events)
        out_ << "poll " << int{state} << ' ' << positionMs << std::endl;
}

void PlaySession::trackEnded(std::int32_t row, std::int32_t next) {
    if (options_.playlist && options_.events) {
        out_ << "end " << row << ' ';
        if (next == 0)
            out_ << "stop";
        else if (next == row)
            out_ << "again";
        else
            out_ << "next " << next;
        out_ << std::endl;
    }
    printStartedRows();
    if (next == 0)
        loop_.quit();
}

void PlaySession::report(std::uint8_t state, std::int32_t position) {
    if (!options_.events || state == lastReportedState_)
        return;
    lastReportedState_ = state;
    out_ << "state " << int{state} << ' ' << position << std::endl;
}

void PlaySession::printStartedRows() {
    for (const std::string& line : startedRows_)
        out_ << line << std::endl;
    startedRows_.clear();
}

void PlaySession::reportError(std::string_view message) {
    err_ << "kavrel-play: " << message << "\n";
    failed_ = true;
}

void PlaySession::save() {
    if (!options_.save)
        return;
    try {
        playlist::writePlaylistFile(*options_.save, player_->playbackState().list());
    } catch (const std::exception& e) {
        err_ << "kavrel-play: " << e.what() << "\n";
        failed_ = true;
    }
}

} // namespace kavrel::play
