#pragma once
// Binds TForm1 to the application object: what the settings say about the window, the logic's views,
// the window's actions routed to the logic, and the layout written back into the settings, so that
// save-state finds it there. It routes; the logic decides. Main thread only.
#include "core/application.h"
#include "platform/shell/desktop_shell.h"
#include "ui/lang/language_loader.h"
#include "ui/windows/main/main_window_playlist_view.h"
#include "ui/windows/main/master_engine_analyser.h"
#include "ui/windows/main/t_form1.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace kavrel::ui {

class MainWindowBinding final : public QObject, private playlist::TabView {
public:
    // Binds the views at once; the window and the application outlive the binding.
    MainWindowBinding(TForm1& window, core::Application& application, shell::DesktopShell& desktop);
    ~MainWindowBinding() override;

    // Start-up, once the configuration is read and before the playlists are restored: the lists' look,
    // the artist columns, the saved layout and place, the analyser and the language.
    void applySettings(lang::LanguageErrorReporter& languageErrors);
    // A second after start: the first-run check; with no library built yet the first-run action runs (the
    // welcome window).
    void startFirstRunCheck();
    void setFirstRunAction(std::function<void()> action) { firstRunAction_ = std::move(action); }
    // Applies a language's files to every window, at start-up as later; without one, the main window's only.
    void setLanguageApplier(std::function<void(int)> applier) { languageApplier_ = std::move(applier); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showTab(playlist::Tab tab) override;
    void clicked(layout::Control control, QPoint globalPosition);
    void storeLayout();
    void firstRunCheck();

    TForm1& window_;
    core::Application& application_;
    shell::DesktopShell& desktop_;
    MainWindowPlaylistView playlistView_;
    MasterEngineAnalyser analyser_;
    QTimer Timer4;
    std::function<void()> firstRunAction_;
    std::function<void(int)> languageApplier_;
};

// The window's look from the settings: the five list fonts and colours and the playing row's colour.
MainWindowLook mainWindowLookOf(const core::TConfRecord& settings);

} // namespace kavrel::ui
