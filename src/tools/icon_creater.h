#pragma once
// Launchers for the player where the desktop shows them: the desktop folder and the applications menu,
// or a given folder. The places that have no counterpart here (a quick-launch bar, a send-to menu)
// write nothing.
#include "tools/xdg_places.h"

#include <string>
#include <vector>

namespace kavrel::tools {

// StartMenu is the applications menu's folder (applicationsFolder()).
enum class ShortcutPlace : int { Desktop = 0, QuickLaunch = 1, SendTo = 2, StartMenu = 3, GivenFolder = 4 };

struct ShortcutRequest {
    // Full path of the program the launcher starts.
    std::string target;
    ShortcutPlace place = ShortcutPlace::Desktop;
    // For GivenFolder the folder itself, otherwise an optional subfolder of the place.
    std::string folder;
    // The launcher's name as the desktop shows it.
    std::string description;
    std::vector<std::string> arguments;
    // Empty: the target's folder.
    std::string workingFolder;
};

struct ShortcutResult {
    // The launcher written; empty when none was.
    std::string path;
    // Why none was written, for the user; empty when the place has no launcher here.
    std::string error;
};

// Marks a launcher on the desktop as one the user trusts, where the desktop asks for that.
class LauncherTrust {
public:
    virtual ~LauncherTrust() = default;
    // Blocks briefly; failures are ignored (a desktop without the notion needs nothing).
    virtual void trust(const std::string& launcherPath) = 0;
};

// "gio set <file> metadata::trusted true" when gio is installed.
class GioLauncherTrust final : public LauncherTrust {
public:
    void trust(const std::string& launcherPath) override;
};

// The installed icon of the player.
inline constexpr const char* kPlayerIconName = "io.github.kavrel.Kavrel";

// Any thread; blocks for the file writes. The launcher's file is named after the target (its name with
// ".desktop" in place of any extension), is executable, and replaces an older one of that name.
ShortcutResult createShortcut(const ShortcutRequest& request, const XdgEnvironment& environment,
                              LauncherTrust& trust);

} // namespace kavrel::tools
