#include "ui/windows/main/playlist_menus.h"

#include "ui/windows/main/t_form1.h"

#include <QActionGroup>

namespace kavrel::ui {

namespace {

QMenu* menu(QWidget& window, const char* name) {
    auto* created = new QMenu(&window);
    created->setObjectName(QLatin1String(name));
    return created;
}

QMenu* subMenu(QMenu* parent, const char* name, const char* caption) {
    QMenu* created = parent->addMenu(QString::fromUtf8(caption));
    created->setObjectName(QLatin1String(name));
    return created;
}

QAction* item(QMenu* parent, const char* name, const char* caption) {
    QAction* created = parent->addAction(QString::fromUtf8(caption));
    created->setObjectName(QLatin1String(name));
    return created;
}

struct NamedItem {
    const char* name;
    const char* caption;
};

// In the order of playlist::ShuffleSource.
constexpr std::array<NamedItem, 9> kShuffleSources{{{"mShuffLib", "From librury"},
                                                    {"mShuffRus", "From Rus Artist"},
                                                    {"mShuffEng", "From Engl Artist"},
                                                    {"mShuffActArt", "Form active artist"},
                                                    {"mShuffActAlb", "Form active Album"},
                                                    {"mShuffLib100", "100% librury"},
                                                    {"mShuffRus100", "100% Rus Artist"},
                                                    {"mShuffEng100", "100% Engl Artist"},
                                                    {"mShuffPlist", "PlayList"}}};

std::array<QAction*, 9> shuffleItems(QMenu* parent) {
    std::array<QAction*, 9> items{};
    auto* group = new QActionGroup(parent);
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i] = item(parent, kShuffleSources[i].name, kShuffleSources[i].caption);
        items[i]->setCheckable(true);
        group->addAction(items[i]);
    }
    return items;
}

} // namespace

PlaylistMenus::PlaylistMenus(TForm1& window)
    : PlaylistMenu(menu(window, "PlaylistMenu")),
      ClearPlayList1(item(PlaylistMenu, "ClearPlayList1", "Clear PlayList Ctrl+Delete")),
      SavePlaylist1(item(PlaylistMenu, "SavePlaylist1", "Save Playlist Ctrl+S")),
      LoadPlaylist1(item(PlaylistMenu, "LoadPlaylist1", "Load Playlist Ctrl+L")),
      UndoCtrlZ1(item(PlaylistMenu, "UndoCtrlZ1", "Undo  Ctrl+Z")),
      Queic1(subMenu(PlaylistMenu, "Queic1", "Quick play")),
      QuickPlayOptions1(item(Queic1, "QuickPlayOptions1", "Options")),
      PlayListFileCoper2(item(PlaylistMenu, "PlayListFileCoper2", "PlayList File Coper")),
      PopupMenu2(menu(window, "PopupMenu2")), MenuItem1(item(PopupMenu2, "MenuItem1", "Show File Location")),
      PlayListFileCoper1(item(PopupMenu2, "PlayListFileCoper1", "PlayList File Coper")),
      SortByPList(menu(window, "SortByPList")), ByTitle1(item(SortByPList, "ByTitle1", "By Title")),
      ByArtist1(item(SortByPList, "ByArtist1", "By Artist")),
      ByAlbom1(item(SortByPList, "ByAlbom1", "By Albom")),
      ByFileName1(item(SortByPList, "ByFileName1", "By FileName")), ShufflMenu(menu(window, "ShufflMenu")),
      shuffleSources(shuffleItems(ShufflMenu)), Options2(item(ShufflMenu, "Options2", "Options")),
      REpeatMenu(menu(window, "REpeatMenu")), LibraryMenu(menu(window, "LibraryMenu")),
      ClearLibraryandAdddir1(item(LibraryMenu, "ClearLibraryandAdddir1", "Clear Library and Add Files")),
      Adddirectory1(item(LibraryMenu, "Adddirectory1", "Add Files")),
      RefreshLibrary1(item(LibraryMenu, "RefreshLibrary1", "Refresh Library")) {
    // The quick play options live in the preferences.
    QuickPlayOptions1->setEnabled(false);
    Queic1->addAction(window.Enabled1);
    window.Enabled1->setText(QStringLiteral("Enabled"));
    ShufflMenu->insertSeparator(Options2);
    window.mRepeatOneSong->setText(QStringLiteral("One song"));
    window.mRepeatAllPlayList->setText(QStringLiteral("All PlayList"));
    REpeatMenu->addActions({window.mRepeatOneSong, window.mRepeatAllPlayList});
}

} // namespace kavrel::ui
