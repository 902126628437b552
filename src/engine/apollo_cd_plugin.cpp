#include "engine/apollo_cd_plugin.h"

#include "engine/apollo_engine.h"
#include "engine/apollo_program.h"

#include <system_error>
#include <thread>

namespace kavrel::engine {

namespace {

namespace fs = std::filesystem;

// Copied beside the target and renamed over it, so the player never loads half a plug-in.
std::optional<std::string> copyPlugin(const fs::path& shipped, const fs::path& target) {
    std::error_code error;
    fs::create_directories(target.parent_path(), error);
    const fs::path part = target.parent_path() / ("." + target.filename().string() + ".part");
    if (!error)
        fs::copy_file(shipped, part, fs::copy_options::overwrite_existing, error);
    if (!error)
        fs::rename(part, target, error);
    if (!error)
        return std::nullopt;
    fs::remove(part, error);
    return "The CD plug-in " + shipped.string() + " could not be copied to " + target.string() + ": " +
           error.message() + ". The outside player cannot play CD tracks.";
}

} // namespace

fs::path playerCdPlugin(const std::string& playerPath) {
    return fs::path(playerPath).parent_path() / "Plug-ins" / kApolloCdPluginFile;
}

std::optional<std::string> installCdPlugin(winmsg::Desktop& desktop, winmsg::ProgramLauncher& launcher,
                                           const std::string& playerPath, const CdPluginSteps& steps) {
    const fs::path target = playerCdPlugin(playerPath);
    std::error_code error;
    if (fs::exists(target, error))
        return std::nullopt;
    desktop.SendMessage(kApolloMainWindow, kApolloCommandMessage, kApolloRelease, 0);
    desktop.CloseWindow(kApolloMainWindow);
    const auto copyProblem = copyPlugin(steps.shipped, target);
    std::this_thread::sleep_for(steps.pause);
    // The closing player must have let go of its titles before the new one can take them.
    waitForWindow(desktop, kApolloMainWindow, false, steps.windowWait);
    waitForWindow(desktop, kApolloEqualizerWindow, false, steps.windowWait);
    const auto startProblem = startPlayerHidden(desktop, launcher, playerPath, steps.windowWait);
    return copyProblem ? copyProblem : startProblem;
}

void RefreshApolloCdPlugin(TMasterEngine& engine) {
    if (engine.EngineName() == kEngineApollo && engine.Apollo)
        engine.Apollo->EnsureCdPlugin(engine.ApolloPath);
}

} // namespace kavrel::engine
