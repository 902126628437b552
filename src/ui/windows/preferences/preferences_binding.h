#pragma once
// The preferences window in the player: made once, opened by the main window's ImgPref on its first
// page, and by other menus on the page they name (the shuffle menu's "Options" calls
// open(PreferencesPage::Shuffle)). Its actions go to the main window and the application object.
// Main thread.
#include "core/application.h"
#include "ui/lang/language_loader.h"
#include "ui/windows/main/t_form1.h"
#include "ui/windows/preferences/main_window_preferences_actions.h"
#include "ui/windows/preferences/t_kavrel_preferences.h"

#include <QObject>

#include <functional>
#include <memory>

namespace kavrel::ui::preferences {

class PreferencesBinding final : public QObject {
public:
    // Everything outlives the binding. A language file that cannot be read goes to `languageErrors`, a
    // skin picture to `skinErrors`.
    PreferencesBinding(TForm1& mainWindow, core::Application& application, PreferencesDialogs& dialogs,
                       lang::LanguageErrorReporter& languageErrors, skin::SkinErrorReporter& skinErrors);

    void open(PreferencesPage page = PreferencesPage::General) { window_->open(page); }
    TKavrelPreferences& window() { return *window_; }

    // The windows this binding knows to take language files: the main window and the preferences.
    lang::LanguageWindows languageWindows() const;
    // Applies a language to every window: by default to languageWindows(); a caller that has more windows
    // replaces it.
    void setLanguageApplier(std::function<void(int)> applier) { applier_ = std::move(applier); }
    void applyLanguage(int languageIndex) { applier_(languageIndex); }

private:
    TForm1& mainWindow_;
    std::function<void(int)> applier_;
    MainWindowPreferencesActions actions_;
    std::unique_ptr<TKavrelPreferences> window_;
};

} // namespace kavrel::ui::preferences
