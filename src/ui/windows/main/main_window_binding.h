#pragma once
// Binds TForm1 to the application object: what the settings say about the window, the logic's views,
// the window's actions routed to the logic, and the layout written back into the settings, so that
// save-state finds it there. It routes; the logic decides. Main thread only.
#include "core/application.h"
#include "platform/shell/desktop_shell.h"
#include "ui/windows/main/library_panels_binding.h"
#include "ui/windows/main/main_window_playlist_view.h"
#include "ui/windows/main/master_engine_analyser.h"
#include "ui/windows/main/playlist_panel_binding.h"
#include "ui/windows/main/t_form1.h"
#include "ui/windows/tag_finder/library_build_window.h"

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
    // the artist columns, the saved layout and place and the analyser.
    void applySettings();
    // The main window's side of the playlist view, for the one view over every window that shows the list.
    playlist::PlaylistView& playlistView() { return playlistView_; }
    // A second after start: the first-run check; with no library built yet the first-run action runs (the
    // welcome window).
    void startFirstRunCheck();
    void setFirstRunAction(std::function<void()> action) { firstRunAction_ = std::move(action); }
    // The library build window: the library menu and the welcome window open it here.
    tag_finder::LibraryBuildWindow& libraryBuildWindow() { return buildWindow_; }

    PlaylistPanelBinding& playlistPanel() { return playlistPanel_; }

    LibraryPanelsBinding& libraryPanels() { return libraryPanels_; }

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
    LibraryPanelsBinding libraryPanels_;
    MasterEngineAnalyser analyser_;
    PlaylistPanelBinding playlistPanel_;
    tag_finder::LibraryBuildWindow buildWindow_;
    QTimer Timer4;
    std::function<void()> firstRunAction_;
};

// The window's look from the settings: the five list fonts and colours and the playing row's colour.
MainWindowLook mainWindowLookOf(const core::TConfRecord& settings);

} // namespace kavrel::ui
