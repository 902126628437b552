#pragma once
// The library panels' popup menus, children of the main window so that the language files find their
// items by name: the search options (SearchOpt), the album and song orders (AlbSort, SortSong) and the
// song list's menu (PopupMenu1). Their check marks are the settings', shown afresh each time a menu opens.
#include "core/conf_record.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QPointer>
#include <array>

namespace kavrel::ui {

struct LibraryMenus {
    // The check marks are read from `settings` (which outlives the menus) when a menu opens.
    LibraryMenus(QWidget& window, const core::TConfRecord& settings);
    ~LibraryMenus();
    LibraryMenus(const LibraryMenus&) = delete;
    LibraryMenus& operator=(const LibraryMenus&) = delete;

    QMenu* SearchOpt;
    // In the order of library::browser::SearchScope.
    std::array<QAction*, 6> scopes;
    QAction* mStartAt;
    QAction* mConsistof;

    QMenu* AlbSort;
    QAction* mByyear;
    QAction* mByAz;

    QMenu* SortSong;
    QAction* mByNomSong;
    QAction* mByAZsong;

    QMenu* PopupMenu1;
    QAction* SHowfilelocation1;

private:
    void showChecks();

    const core::TConfRecord& settings_;
    // Gone with the window, should it go first.
    std::array<QPointer<QMenu>, 4> owned_;
};

} // namespace kavrel::ui
