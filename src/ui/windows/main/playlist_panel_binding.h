#pragma once
// The playlist column bound to the logic: the playlist menus and what their items do, the playlist's
// mouse (the header's menu press, double-click, the row hint, the context menu, the wheel) and keys
// (Delete, Enter, Ctrl or Alt; Ctrl+Delete, Ctrl+S, Ctrl+L and Ctrl+Z anywhere in the window), dragging
// into and within the playlist, "Save Playlist"/"Load Playlist", the copier, the shuffle and repeat
// menus and the library button's menu. It routes; the logic decides. Main thread only.
#include "core/application.h"
#include "tools/copy_plan.h"
#include "ui/layout/layout_table.h"
#include "ui/windows/main/list_drag.h"
#include "ui/windows/main/playlist_file_dialogs.h"
#include "ui/windows/main/playlist_menus.h"

#include <QObject>
#include <functional>
#include <vector>

namespace kavrel::ui {

class TForm1;

// How the library build window opens from the library button's menu.
enum class LibraryBuildMode { ClearAndAdd, Add, Refresh };

class PlaylistPanelBinding final : public QObject {
public:
    // The window and the application outlive the binding.
    PlaylistPanelBinding(TForm1& window, core::Application& application);

    PlaylistMenus& menus() { return menus_; }
    ListDrag& drag() { return *drag_; }
    // Tests choose the files; the dialogs outlive the binding.
    void setFileDialogs(PlaylistFileDialogs& dialogs) { files_.setDialogs(dialogs); }

    // The library build window in a mode; the library menu's items do nothing until it is set.
    void setBuildWindowOpener(std::function<void(LibraryBuildMode)> open) {
        openBuildWindow_ = std::move(open);
    }
    // The preferences window on its shuffle page; "Options" of the shuffle menu stays disabled until it
    // is set.
    void setPreferencesOpener(std::function<void()> open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    playlist::PlaylistCommands& commands() { return application_.playlistCommands(); }
    void connectMenus();
    void clicked(layout::Control control, QPoint globalPosition);
    bool headerPressed(QEvent* event);
    bool playlistMouseEvent(QEvent* event);
    bool playlistKey(QKeyEvent& key);
    bool windowKey(QKeyEvent& key);
    void showShuffleMenu(QPoint globalPosition);
    void showRepeatMenu(QPoint globalPosition);
    void openCopier();

    TForm1& window_;
    core::Application& application_;
    PlaylistMenus menus_;
    ListDrag* const drag_;
    QtPlaylistFileDialogs qtDialogs_;
    PlaylistFileActions files_;
    std::function<void(LibraryBuildMode)> openBuildWindow_;
    std::function<void()> openPreferences_;
};

// What the copier copies of a playlist: every row, in playlist order.
std::vector<tools::CopyEntry> copierEntriesOf(const playlist::TPlist& list);

} // namespace kavrel::ui
