#pragma once
// The CD tab's first step with the outside player chosen: the player reads CD tracks only through the
// plug-in in its Plug-ins folder, so when that is missing the shipped copy is put there, with the player
// closed while it happens.
#include "engine/master_engine.h"
#include "platform/winmsg/desktop.h"
#include "platform/winmsg/program_launcher.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace kavrel::engine {

inline constexpr const char* kApolloCdPluginFile = "CDReader.so";

// Plug-ins/CDReader.so in the folder of the player's path.
std::filesystem::path playerCdPlugin(const std::string& playerPath);

struct CdPluginSteps {
    std::filesystem::path shipped; // the program folder's ForApollo/CDReader.so
    std::chrono::milliseconds pause;
    std::chrono::milliseconds windowWait;
};

// Nothing to do when the player has the plug-in. Otherwise: the player lets go of its file (command 9)
// and closes, the shipped plug-in is copied into place (whole or not at all), and after a pause the
// player starts again minimised and hidden. The reason for the user when the copy or the restart failed.
// Blocking; TApollo's worker.
std::optional<std::string> installCdPlugin(winmsg::Desktop& desktop, winmsg::ProgramLauncher& launcher,
                                           const std::string& playerPath, const CdPluginSteps& steps);

// Main thread, returns at once: with the outside player selected, hands the step to its worker.
void RefreshApolloCdPlugin(TMasterEngine& engine);

} // namespace kavrel::engine
