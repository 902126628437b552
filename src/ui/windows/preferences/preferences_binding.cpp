#include "ui/windows/preferences/preferences_binding.h"

namespace kavrel::ui::preferences {

PreferencesBinding::PreferencesBinding(TForm1& mainWindow, core::Application& application,
                                       PreferencesDialogs& dialogs,
                                       lang::LanguageErrorReporter& languageErrors,
                                       skin::SkinErrorReporter& skinErrors)
    : mainWindow_(mainWindow), applier_([this, &application, &languageErrors](int languageIndex) {
          lang::applyLanguage(application.programFolder(), languageIndex, languageWindows(), languageErrors);
      }),
      actions_(mainWindow, application, [this](int languageIndex) { applyLanguage(languageIndex); }),
      window_(std::make_unique<TKavrelPreferences>(application.settings(), actions_, dialogs,
                                                   application.programFolder(), skinErrors)) {
    connect(&mainWindow, &TForm1::clicked, this, [this](layout::Control control, QPoint) {
        if (control == layout::Control::ImgPref)
            open(PreferencesPage::General);
    });
}

lang::LanguageWindows PreferencesBinding::languageWindows() const {
    return {.main = &mainWindow_, .preferences = window_.get()};
}

} // namespace kavrel::ui::preferences
