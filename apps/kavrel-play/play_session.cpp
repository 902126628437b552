#include "play_session.h"

#include "engine/cd_drive.h"
#include "engine/file_kind.h"
#include "engine_setup.h"
#include "input_lines.h"

#include <filesystem>

namespace kavrel::play {

PlaySession::PlaySession(const PlayOptions& options, const std::string& cdSource, std::ostream& out,
                         std::ostream& err)
    : options_(options), cdDrivePath_(engine::cdDrivePath(cdSource)), out_(out), err_(err),
      audio_(outputFor(options)), library_(audio_, cdSource), facade_(library_, 0) {}

PlaySession::~PlaySession() = default;

int PlaySession::run(const std::atomic<bool>& interrupted) {
    configureFacade(facade_, options_);

    sync_ = std::make_unique<engine::TEngineSync>(facade_, shared_, *this, loop_);
    if (startFrom(0)) {
        const InputLines input(loop_, [this](const std::string&) { togglePause(); });
        sync_->Resume();
        loop_.run([&] { return interrupted.load(); });
    }
    sync_->Stop();
    facade_.Stop();

    std::string error;
    if (!audio_.finishCapture(&error)) {
        err_ << "kavrel-play: " << error << "\n";
        failed_ = true;
    }
    return failed_ ? 1 : 0;
}

bool PlaySession::startFrom(std::size_t index) {
    for (; index < options_.files.size(); ++index) {
        const std::string& file = options_.files[index];
        const bool first = index == 0;
        if (!engine::cdTrackNumber(file) && !std::filesystem::is_regular_file(file)) {
            err_ << "kavrel-play: " << file << ": no such file\n";
            failed_ = true;
            continue;
        }
        if (options_.events)
            out_ << "play " << file << std::endl;
        const bool paused = first && options_.paused;
        facade_.Play(file, first ? options_.startMs : 0, paused);
        if (facade_.GetState() == engine::kStopped) {
            err_ << "kavrel-play: " << file << ": cannot be played (not an MP3, Ogg Vorbis or WMA file, "
                 << "nor a track of the disc in " << (cdDrivePath_.empty() ? "a CD drive" : cdDrivePath_)
                 << ")\n";
            failed_ = true;
            continue;
        }
        shared_.CurrentTrack = static_cast<std::int32_t>(index + 1);
        report(facade_.State, facade_.GetPosition());
        return true;
    }
    shared_.CurrentTrack = 0;
    return false;
}

void PlaySession::OnPositionUpdate() {
    const std::uint8_t state = shared_.State;
    const std::int32_t position = shared_.Position;
    report(state, position);
    if (options_.events)
        out_ << "poll " << int{state} << ' ' << position << std::endl;
}

void PlaySession::OnTrackEnd() {
    // The poller read the state before this call was served; a track started since then is not over.
    if (shared_.CurrentTrack == 0 || facade_.GetState() != engine::kStopped)
        return;
    if (!startFrom(static_cast<std::size_t>(shared_.CurrentTrack)))
        loop_.quit();
}

void PlaySession::OnPollError(std::exception_ptr error) {
    printPlaybackFailure(err_, error);
    failed_ = true;
}

void PlaySession::togglePause() {
    if (facade_.GetState() == engine::kPlaying)
        facade_.Pause();
    else if (facade_.GetState() == engine::kPaused)
        facade_.Resume();
    report(facade_.GetState(), facade_.GetPosition());
}

void PlaySession::report(std::uint8_t state, std::int32_t position) {
    if (!options_.events || state == lastReportedState_)
        return;
    lastReportedState_ = state;
    out_ << "state " << int{state} << ' ' << position << std::endl;
}

} // namespace kavrel::play
