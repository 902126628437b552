#pragma once
// The outside player as a program: started, waited for, hidden, and its equalizer window brought up.
// Every function blocks (on a start, a wait or a message) and runs on TApollo's worker.
#include "platform/winmsg/desktop.h"
#include "platform/winmsg/program_launcher.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace kavrel::engine {

// True once a window titled `title` is there (present) or gone (!present), checked every 20 ms for at
// most `limit`.
bool waitForWindow(winmsg::Desktop& desktop, std::string_view title, bool present,
                   std::chrono::milliseconds limit);

// Starts the player at `path` minimised unless its main window exists, then hides the window as soon
// as it is there, so it never stays on the task bar. The reason for the user when it cannot.
std::optional<std::string> startPlayerHidden(winmsg::Desktop& desktop, winmsg::ProgramLauncher& launcher,
                                             const std::string& path, std::chrono::milliseconds windowWait);

// Escape to the equalizer window, the letter e to the main window (which opens the equalizer), then the
// equalizer shown above all other windows, where it stands.
void showPlayerEqualizer(winmsg::Desktop& desktop);

} // namespace kavrel::engine
