#pragma once
// The launchers the first run offers: "Kavrel" on the desktop, in a quick-launch bar (which has no place
// here, so nothing is written for it) and in the applications menu, each starting the player in its
// program folder.
#include "tools/icon_creater.h"

#include <string>
#include <vector>

namespace kavrel::tools {

struct PlayerShortcutChoice {
    bool desktop = true;
    bool quickLaunch = true;
    bool startMenu = true;
};

struct PlayerProgram {
    std::string file;   // the program the launchers start
    std::string folder; // its program folder, where it runs
};

// Any thread; blocks for the file writes. Returns what went wrong, one message per launcher not written;
// empty when every chosen launcher was written.
std::vector<std::string> createPlayerShortcuts(const PlayerShortcutChoice& choice,
                                               const PlayerProgram& program,
                                               const XdgEnvironment& environment, LauncherTrust& trust);

} // namespace kavrel::tools
