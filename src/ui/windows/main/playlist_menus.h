#pragma once
// The popup menus of the playlist column and the buttons under it: the playlist menu, the playlist's
// context menu, the sort, shuffle and repeat menus, and the library button's menu. Each item carries its
// name as objectName, so the language file finds it, and starts with its built-in caption. The menus are
// children of the main window; they only hold items, the panel binding gives them their actions.
// Main thread only.
#include "playlist/shuffle.h"

#include <QAction>
#include <QMenu>

#include <array>

namespace kavrel::ui {

class TForm1;

class PlaylistMenus {
public:
    // Takes in the window's check items (Enabled1, mRepeatOneSong, mRepeatAllPlayList).
    explicit PlaylistMenus(TForm1& window);

    // From a press on the playlist header.
    QMenu* const PlaylistMenu;
    QAction* const ClearPlayList1;
    QAction* const SavePlaylist1;
    QAction* const LoadPlaylist1;
    QAction* const UndoCtrlZ1;
    QMenu* const Queic1;
    QAction* const QuickPlayOptions1;
    QAction* const PlayListFileCoper2;

    // The playlist's right-click menu.
    QMenu* const PopupMenu2;
    QAction* const MenuItem1;
    QAction* const PlayListFileCoper1;

    QMenu* const SortByPList;
    QAction* const ByTitle1;
    QAction* const ByArtist1;
    QAction* const ByAlbom1;
    QAction* const ByFileName1;

    QMenu* const ShufflMenu;
    // mShuffLib .. mShuffPlist, in the order of playlist::ShuffleSource; one is checked.
    const std::array<QAction*, 9> shuffleSources;
    QAction* const Options2;

    QMenu* const REpeatMenu;

    // The library button's right-click menu.
    QMenu* const LibraryMenu;
    QAction* const ClearLibraryandAdddir1;
    QAction* const Adddirectory1;
    QAction* const RefreshLibrary1;

    QAction* shuffleSource(playlist::ShuffleSource source) const {
        return shuffleSources[static_cast<std::size_t>(source)];
    }
};

} // namespace kavrel::ui
