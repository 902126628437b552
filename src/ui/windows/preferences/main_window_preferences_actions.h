#pragma once
// The preferences' immediate actions on the real player: the main window and the application object.
#include "core/application.h"
#include "ui/windows/main/t_form1.h"
#include "ui/windows/preferences/preferences_ports.h"

#include <functional>
#include <optional>

namespace kavrel::ui::preferences {

class MainWindowPreferencesActions final : public PreferencesActions {
public:
    // `applyLanguage` applies a language's files to every window. Everything outlives the actions.
    MainWindowPreferencesActions(TForm1& window, core::Application& application,
                                 std::function<void(int)> applyLanguage)
        : window_(window), application_(application), applyLanguage_(std::move(applyLanguage)) {}

    void switchEngine(const std::string& name, const engine::AskForProgram& ask) override;
    void applyLanguage(int languageIndex) override;
    void artistColumnsChanged() override;
    void artistNumberingChanged() override;
    void listLookChanged() override;
    void playlistDisplayChanged() override;

private:
    TForm1& window_;
    core::Application& application_;
    std::function<void(int)> applyLanguage_;
    // Whether the user has the analyser on, kept while an engine without a spectrum plays; unknown until
    // the first switch, when the stored state stands for it.
    std::optional<bool> analyserWanted_;
};

} // namespace kavrel::ui::preferences
