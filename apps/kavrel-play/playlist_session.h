#pragma once
// Plays a ".ppl" playlist through the player's playback control, without a window: from its stored
// current row and position to its end, with the repeat, quick play and shuffle the command line asks for.
#include "engine/engine_sync.h"
#include "engine/master_engine.h"
#include "null_playlist_view.h"
#include "platform/audio/audio_core.h"
#include "platform/bass/bass.h"
#include "platform/dispatch/task_queue.h"
#include "play_options.h"
#include "playlist/master_engine_playback.h"
#include "playlist/playback_control.h"
#include "reporting_playback.h"

#include <atomic>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kavrel::play {

// The playlist of --playlist, or nullopt after saying on `err` why it cannot be played. Throws
// playlist::PlaylistFileError naming the file.
std::optional<playlist::TPlist> readPlaylistArgument(const std::filesystem::path& file, std::ostream& err);

class PlaylistSession final : public engine::PollHandlers {
public:
    // `options.engine` must be BASS. Throws engine::BassStartError.
    PlaylistSession(const PlayOptions& options, playlist::TPlist list, const std::string& cdSource,
                    std::ostream& out, std::ostream& err);
    ~PlaylistSession() override;

    // Plays until the list ends or `interrupted`, then writes the list to --save. 0 when every row
    // started played and every file was written, 1 otherwise.
    int run(const std::atomic<bool>& interrupted);

    void OnPositionUpdate() override;
    void OnTrackEnd() override;
    void OnTimeDisplay() override { control_.OnTimeDisplay(); }
    void OnPollError(std::exception_ptr error) override { control_.OnPollError(error); }

private:
    void show(playlist::TPlist list);
    void start();
    // Runs a poll handler; prints the track-end decision it took, if any, and the rows it started; quits
    // once no row is current.
    void observe(void (playlist::PlaybackControl::*handler)());
    void rowStarted(const std::string& fileName, std::int32_t startMs);
    void printStartedRows();
    void reportError(std::exception_ptr error);
    void save();

    const PlayOptions& options_;
    std::ostream& out_;
    std::ostream& err_;
    audio::AudioEngine audio_;
    bass::BassLibrary library_;
    engine::TMasterEngine facade_;
    playlist::MasterEnginePlayback facadePlayback_;
    ReportingPlayback playback_;
    playlist::PlaybackState state_;
    NullPlaylistView view_;
    playlist::PlaylistDisplay display_;
    engine::SharedPlayback shared_;
    playlist::PlaybackControl control_;
    dispatch::TaskQueue loop_;
    std::unique_ptr<engine::TEngineSync> sync_;
    std::vector<std::string> startedRows_; // "row" lines not printed yet
    bool failed_ = false;
};

} // namespace kavrel::play
