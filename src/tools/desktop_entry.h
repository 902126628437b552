#pragma once
// The text of a freedesktop launcher (a ".desktop" file) that starts a program in its folder.
#include <string>
#include <string_view>
#include <vector>

namespace kavrel::tools {

struct LauncherFields {
    std::string name;
    std::string program;
    std::vector<std::string> arguments;
    std::string workingFolder;
    std::string icon;
};

std::string desktopEntryText(const LauncherFields& launcher);

// One argument as an Exec key holds it: quoted when it has a reserved character, "%" doubled.
std::string execArgument(std::string_view argument);

} // namespace kavrel::tools
