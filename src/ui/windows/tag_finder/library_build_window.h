#pragma once
// The library build window as the player has it: made once beside the main window, opened by the
// library button, the library menu and the welcome window, and fed by files dropped on the main window.
// Main thread.
#include "core/application.h"
#include "ui/windows/tag_finder/desktop_drop.h"
#include "ui/windows/tag_finder/t_kavrel_tag_finder.h"
#include "ui/windows/tag_finder/tag_finder_dialogs.h"

#include <memory>

namespace kavrel::ui::tag_finder {

class LibraryBuildWindow {
public:
    // The main window and the application outlive this object.
    LibraryBuildWindow(QWidget& mainWindow, core::Application& application);
    ~LibraryBuildWindow();

    // Shows the window: as the user left it, or set for a rebuild, an addition, or a refresh of the
    // active library from the folders of its files (which starts at once).
    void open() { window_->openIn(OpenMode::AsLeft); }
    void open(OpenMode mode) { window_->openIn(mode); }

    // For the language files.
    TKavrelTagFinder& window() { return *window_; }

private:
    void dropped(std::vector<std::string> paths);

    core::Application& application_;
    QtTagFinderDialogs dialogs_;
    std::unique_ptr<TKavrelTagFinder> window_;
    DesktopDrop drop_;
};

} // namespace kavrel::ui::tag_finder
