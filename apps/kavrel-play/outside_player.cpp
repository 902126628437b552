#include "outside_player.h"

#include "engine/apollo_program.h"
#include "engine/apollo_protocol.h"

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <system_error>

namespace kavrel::play {

namespace {
// The player completes its recording before its windows go.
constexpr std::chrono::milliseconds kCloseWait{5000};
} // namespace

std::filesystem::path outsidePlayerPath(const PlayOptions& options) {
    if (options.apollo)
        return *options.apollo;
    std::error_code unknown;
    const std::filesystem::path folder =
        std::filesystem::read_symlink("/proc/self/exe", unknown).parent_path();
    for (const auto& candidate :
         {folder / "../libexec/kavrel/kavrel-apollo", folder / "../program/kavrel-apollo"}) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error))
            return candidate.lexically_normal();
    }
    return std::filesystem::current_path() / "kavrel-apollo";
}

OutsidePlayerRun::OutsidePlayerRun(const PlayOptions& options)
    : options_(options), alreadyRunning_(desktop_.FindWindow(engine::kApolloMainWindow)) {
    // The player's windows are hidden anyway; a screen of its own lets it run without a desktop.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (!options.out)
        return;
    if (alreadyRunning_)
        throw std::runtime_error("an outside player already runs and would play on its own device; close it "
                                 "to record with --out");
    ::setenv(engine::kApolloCaptureVariable, std::filesystem::absolute(*options.out).c_str(), 1);
}

bool OutsidePlayerRun::finish(std::string* error) {
    if (alreadyRunning_)
        return true;
    desktop_.CloseWindow(engine::kApolloMainWindow);
    if (!engine::waitForWindow(desktop_, engine::kApolloMainWindow, false, kCloseWait)) {
        *error = "the outside player did not close";
        return false;
    }
    std::error_code ignored;
    if (options_.out && !std::filesystem::is_regular_file(*options_.out, ignored)) {
        *error = "the outside player recorded nothing into " + options_.out->string();
        return false;
    }
    return true;
}

} // namespace kavrel::play
