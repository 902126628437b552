#pragma once
// Where the windows of one user live: each window is a local socket named after its title in a folder
// only that user can enter, with a lock file beside it that its process holds while it lives. The kernel
// drops the lock when the process dies, so a socket left by a crash is told apart from a live window.
#include <optional>
#include <string>
#include <string_view>

namespace kavrel::winmsg {

// $XDG_RUNTIME_DIR/kavrel-windows, or /tmp/kavrel-windows-<uid> without a runtime folder.
std::string defaultWindowFolder();

// Creates the folder with mode 0700 when it is missing. Returns why it cannot be used: it is not a real
// folder (a link is refused), another user owns it, or others may enter it. Blocking (file system).
std::optional<std::string> checkWindowFolder(const std::string& folder);

struct WindowPaths {
    std::string socket;
    std::string lock;
};

// The window's files in `folder`; nothing when the title makes a socket name longer than the system allows.
std::optional<WindowPaths> windowPaths(const std::string& folder, std::string_view title);

// When no living process holds the window's lock, removes its socket (a leftover of a dead process) and
// returns true. The lock file stays: removing it could let two processes lock two different files.
bool removeIfStale(const WindowPaths& paths);

} // namespace kavrel::winmsg
