#pragma once
// The first run in the player: TWelcome shown modally, and a finish carried out in its order: the
// language and the artist layout through the preferences, the chosen launchers, then the help page and
// the library build window. A skip changes and makes nothing. Main thread.
#include "core/error_reporter.h"
#include "platform/fs/program_folder.h"
#include "platform/shell/desktop_shell.h"
#include "tools/player_shortcuts.h"
#include "ui/windows/welcome/t_welcome.h"

#include <functional>

namespace kavrel::ui {

namespace preferences {
class TKavrelPreferences;
}
namespace tag_finder {
class LibraryBuildWindow;
}

// What a finish does outside the window, in the player or in a test.
struct WelcomeActions {
    std::function<void(int)> chooseLanguage;           // as the preferences' GLanguage choice
    std::function<void(int)> chooseArtistDistribution; // as the preferences' Art_Pnl_Distribution
    std::function<void()> openHelp;
    // Shows the library build window modally.
    std::function<void()> openBuildWindow;
};

// The player's: the choices go through the preferences window (so they act at once, as if clicked there),
// help is the program folder's page, and the build window opens set for a new library.
// Everything outlives the actions.
WelcomeActions playerWelcomeActions(preferences::TKavrelPreferences& preferences,
                                    shell::DesktopShell& desktop, const fs::ProgramFolder& programFolder,
                                    tag_finder::LibraryBuildWindow& buildWindow);

// Where the launchers go and what they start.
struct WelcomeShortcuts {
    tools::PlayerProgram program;
    tools::XdgEnvironment environment;
    tools::LauncherTrust& trust;
};

class WelcomeBinding {
public:
    // Everything outlives the binding; launchers that cannot be written are reported to `errors`.
    WelcomeBinding(TWelcome& window, WelcomeActions actions, WelcomeShortcuts shortcuts,
                   core::ErrorReporter& errors)
        : window_(window), actions_(std::move(actions)), shortcuts_(std::move(shortcuts)), errors_(errors) {}

    // Shows the window and waits for finish or skip; a finish then runs its steps.
    void run();
    void finish(const WelcomeChoices& choices);

private:
    TWelcome& window_;
    WelcomeActions actions_;
    WelcomeShortcuts shortcuts_;
    core::ErrorReporter& errors_;
};

} // namespace kavrel::ui
