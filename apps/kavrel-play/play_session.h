#pragma once
// Plays the files of the command line through the engine facade and its poller, without a window:
// the main thread runs the event loop that the poller reports to, as the player's window would.
#include "engine/engine_sync.h"
#include "engine/master_engine.h"
#include "platform/audio/audio_core.h"
#include "platform/bass/bass.h"
#include "platform/dispatch/task_queue.h"
#include "play_options.h"

#include <atomic>
#include <memory>
#include <ostream>

namespace kavrel::play {

class PlaySession final : public engine::PollHandlers {
public:
    // `options.engine` must be BASS, the one engine built. `cdSource` is drive 0 (device or image; empty for
    // none). Throws engine::BassStartError.
    PlaySession(const PlayOptions& options, const std::string& cdSource, std::ostream& out,
                std::ostream& err);
    ~PlaySession() override;

    // Plays every file; 0 when all played and the recording (if any) was written, 1 otherwise.
    int run(const std::atomic<bool>& interrupted);

    void OnPositionUpdate() override;
    void OnTrackEnd() override;
    void OnTimeDisplay() override {}
    void OnPollError(std::exception_ptr error) override;

private:
    // Starts the first playable file from `index` on; false when none is left.
    bool startFrom(std::size_t index);
    void togglePause();
    void report(std::uint8_t state, std::int32_t position);

    const PlayOptions& options_;
    std::string cdDrivePath_;
    std::ostream& out_;
    std::ostream& err_;
    audio::AudioEngine audio_;
    bass::BassLibrary library_;
    engine::TMasterEngine facade_;
    engine::SharedPlayback shared_;
    dispatch::TaskQueue loop_;
    std::unique_ptr<engine::TEngineSync> sync_;
    int lastReportedState_ = -1;
    bool failed_ = false;
};

} // namespace kavrel::play
