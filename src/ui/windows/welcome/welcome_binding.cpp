#include "ui/windows/welcome/welcome_binding.h"

#include "ui/windows/preferences/t_kavrel_preferences.h"
#include "ui/windows/tag_finder/library_build_window.h"

namespace kavrel::ui {

WelcomeActions playerWelcomeActions(preferences::TKavrelPreferences& preferences,
                                    shell::DesktopShell& desktop, const fs::ProgramFolder& programFolder,
                                    tag_finder::LibraryBuildWindow& buildWindow) {
    return {
        [&preferences](int language) { preferences.chooseLanguage(language); },
        [&preferences](int distribution) { preferences.chooseArtistDistribution(distribution); },
        [&desktop, help = programFolder.resolve("\\help\\help.htm").string()] { desktop.openDocument(help); },
        [&buildWindow] { buildWindow.open(tag_finder::OpenMode::Rebuild); }};
}

void WelcomeBinding::run() {
    if (window_.exec() == QDialog::Accepted)
        finish(window_.choices());
}

void WelcomeBinding::finish(const WelcomeChoices& choices) {
    actions_.chooseLanguage(choices.language);
    actions_.chooseArtistDistribution(choices.artistDistribution);
    const auto problems = tools::createPlayerShortcuts(choices.shortcuts, shortcuts_.program,
                                                       shortcuts_.environment, shortcuts_.trust);
    std::string message;
    for (const std::string& problem : problems)
        message += (message.empty() ? "" : "\n") + problem;
    if (!message.empty())
        errors_.reportError(message);
    window_.hide();
    actions_.openHelp();
    actions_.openBuildWindow();
}

} // namespace kavrel::ui
