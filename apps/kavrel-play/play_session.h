#pragma once
// One run of kavrel-play: the player's application object without a window, playing a list (the files
// of the command line, or a ".ppl" playlist) through its playback control, engine and poller. The main
// thread runs the queue the poller and the input reader post to, as the player's event loop would.
#include "core/application.h"
#include "outside_player.h"
#include "platform/dispatch/task_queue.h"
#include "platform/shell/no_desktop.h"
#include "play_options.h"
#include "playlist/playback_listener.h"
#include "playlist/playlist_record.h"

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

class PlaySession final : private playlist::PlaybackListener, private core::ErrorReporter {
public:
    // `cdSource` is the one CD source (empty for none). Throws engine::BassStartError.
    PlaySession(const PlayOptions& options, const std::string& cdSource, std::ostream& out,
                std::ostream& err);
    ~PlaySession() override;

    // Plays `list` (the stored row and position of a playlist; the first file otherwise) until it ends
    // or `interrupted`, then writes the list to --save. 0 when every row started played and every file
    // was written, 1 otherwise.
    int run(playlist::TPlist list, const std::atomic<bool>& interrupted);
    // The rows of the files of the command line; a missing file is reported and left out.
    playlist::TPlist filesList();

    core::Application& player() { return *player_; }

private:
    void start();
    void togglePause();
    void report(std::uint8_t state, std::int32_t position);
    void printStartedRows();
    void save();

    // playlist::PlaybackListener
    void rowStarted(std::int32_t row, std::int32_t startMs, const std::string& file) override;
    void engineRead(std::uint8_t state, std::int32_t positionMs) override;
    void trackEnded(std::int32_t row, std::int32_t next) override;
    // core::ErrorReporter
    void reportError(std::string_view message) override;

    const PlayOptions& options_;
    std::ostream& out_;
    std::ostream& err_;
    dispatch::TaskQueue loop_;
    // kavrel-play opens nothing on the desktop and never switches the machine off.
    shell::NoDesktop desktop_;
    std::optional<OutsidePlayerRun> outside_; // with --engine APOLLO
    std::unique_ptr<core::Application> player_;
    std::vector<std::string> startedRows_; // "row" lines not printed yet
    int lastReportedState_ = -1;
    bool failed_ = false;
};

} // namespace kavrel::play
