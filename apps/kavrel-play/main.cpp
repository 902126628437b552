// kavrel-play: the player without a window, for scripting and diagnosis.
#include "engine/master_engine.h"
#include "platform/audio/cd_drive.h"
#include "play_options.h"
#include "play_session.h"

#include <atomic>
#include <csignal>
#include <exception>
#include <iostream>
#include <utility>

namespace {

std::atomic<bool> interrupted{false};

extern "C" void onInterrupt(int) {
    interrupted = true;
}

int printCdInfo(kavrel::play::PlaySession& session, const std::string& source) {
    using namespace kavrel;
    if (source.empty()) {
        std::cerr
            << "kavrel-play: no CD drive found (KAVREL_CD_DEVICE may name a drive or a .cue/.toc image)\n";
        return 1;
    }
    engine::TMasterEngine& facade = session.player().facade();
    const std::string id = facade.CdDiscId();
    if (id.empty()) {
        std::cerr << "kavrel-play: no audio disc in " << source << "\n";
        return 1;
    }
    const std::int32_t tracks = facade.CdTrackCount();
    std::cout << "drive " << audio::cdDrivePath(source) << "\n"
              << "disc id " << id << "\n"
              << "tracks " << tracks << "\n";
    for (std::int32_t track = 1; track <= tracks; ++track)
        std::cout << "track " << track << ' ' << facade.CdTrackLength(track) << "\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    using namespace kavrel;
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const auto parsed = play::parsePlayOptions(arguments);
    if (const auto* error = std::get_if<std::string>(&parsed)) {
        std::cerr << "kavrel-play: " << *error << "\n" << play::kUsage;
        return 2;
    }
    const auto& options = std::get<play::PlayOptions>(parsed);
    if (options.help) {
        std::cout << play::kUsage;
        return 0;
    }
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
    try {
        std::optional<playlist::TPlist> list;
        if (options.playlist) {
            // Read before the device opens, so a list that cannot be played costs nothing.
            list = play::readPlaylistArgument(*options.playlist, std::cerr);
            if (!list)
                return 1;
        }
        const std::string cdSource = audio::findCdSource();
        play::PlaySession session(options, cdSource, std::cout, std::cerr);
        if (options.cdInfo)
            return printCdInfo(session, cdSource);
        const int status = session.run(list ? std::move(*list) : session.filesList(), interrupted);
        // Interrupted: the recording so far is complete (and the playlist saved), but not played to its end.
        return interrupted ? 128 + SIGINT : status;
    } catch (const std::exception& e) {
        std::cerr << "kavrel-play: " << e.what() << "\n";
    }
    return 1;
}
