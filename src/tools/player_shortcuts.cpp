#include "tools/player_shortcuts.h"

namespace kavrel::tools {

std::vector<std::string> createPlayerShortcuts(const PlayerShortcutChoice& choice,
                                               const PlayerProgram& program,
                                               const XdgEnvironment& environment, LauncherTrust& trust) {
    const std::pair<bool, ShortcutPlace> places[] = {{choice.desktop, ShortcutPlace::Desktop},
                                                     {choice.quickLaunch, ShortcutPlace::QuickLaunch},
                                                     {choice.startMenu, ShortcutPlace::StartMenu}};
    std::vector<std::string> problems;
    for (const auto& [chosen, place] : places) {
        if (!chosen)
            continue;
        const ShortcutResult result =
            createShortcut({program.file, place, "", "Kavrel", {}, program.folder}, environment, trust);
        if (!result.error.empty())
            problems.push_back(result.error);
    }
    return problems;
}

} // namespace kavrel::tools
