#pragma once
// Where the desktop keeps a user's launchers: the desktop folder as `xdg-user-dir DESKTOP` finds it, and
// the applications menu folder.
#include <optional>
#include <string>
#include <string_view>

namespace kavrel::tools {

struct XdgEnvironment {
    std::string home;
    // Empty when unset: the defaults below apply.
    std::string configHome;
    std::string dataHome;
    std::string desktopDir;

    static XdgEnvironment fromProcess();
};

// The XDG_DESKTOP_DIR value of a user-dirs.dirs text ("$HOME/..." or an absolute path, in double
// quotes, with backslash escapes); nullopt when the text sets none or sets it in a form that is not
// allowed. The last setting wins, as when the file is read by a shell.
std::optional<std::string> desktopDirFromUserDirs(std::string_view fileText, std::string_view home);

// The setting in $XDG_CONFIG_HOME/user-dirs.dirs, else $XDG_DESKTOP_DIR, else $HOME/Desktop.
std::string desktopFolder(const XdgEnvironment& environment);
// $XDG_DATA_HOME/applications, $XDG_DATA_HOME defaulting to $HOME/.local/share.
std::string applicationsFolder(const XdgEnvironment& environment);

} // namespace kavrel::tools
