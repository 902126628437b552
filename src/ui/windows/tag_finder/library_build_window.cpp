#include "ui/windows/tag_finder/library_build_window.h"

#include "library/build_folders.h"

namespace kavrel::ui::tag_finder {

LibraryBuildWindow::LibraryBuildWindow(QWidget& mainWindow, core::Application& application)
    : application_(application),
      window_(std::make_unique<TKavrelTagFinder>(
          application.libraryBuilds(), application.settings(), dialogs_,
          [&application] { application.browser().readArtistList(); }, &mainWindow)),
      drop_(mainWindow, [this](std::vector<std::string> paths) { dropped(std::move(paths)); }) {}

LibraryBuildWindow::~LibraryBuildWindow() = default;

void LibraryBuildWindow::dropped(std::vector<std::string> paths) {
    auto items = library::sortDroppedPaths(paths);
    window_->buildFromDroppedItems(std::move(items.files), std::move(items.folders));
    // At once, and again when the build has saved the library.
    application_.browser().readArtistList();
}

} // namespace kavrel::ui::tag_finder
