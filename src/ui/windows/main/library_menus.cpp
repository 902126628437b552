#include "ui/windows/main/library_menus.h"

namespace kavrel::ui {

namespace {

QMenu* menuNamed(QWidget* parent, const char* name, const char* title = "") {
    auto* menu = new QMenu(QString::fromUtf8(title), parent);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* itemNamed(QMenu* menu, const char* name, const char* text, QActionGroup* group = nullptr) {
    QAction* item = menu->addAction(QString::fromUtf8(text));
    item->setObjectName(QString::fromLatin1(name));
    if (group) {
        item->setCheckable(true);
        item->setActionGroup(group);
    }
    return item;
}

QActionGroup* exclusiveGroup(QObject* parent) {
    auto* group = new QActionGroup(parent);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    return group;
}

// The scope items in SearchScope order, and where each sits in the menu.
struct ScopeItem {
    const char* name;
    const char* text;
    int subMenu; // -1 the menu itself, 0 "Album", 1 "Song"
    bool core::TConfRecord::*check;
};
constexpr std::array<ScopeItem, 6> ScopeItems{{
    {"mArtist", "Artist", -1, &core::TConfRecord::mArtist},
    {"mAlbomInAllLibrary", "In All Library", 0, &core::TConfRecord::mAlbomInAllLibrary},
    {"mAlbomInActivArtist", "In Active Artist", 0, &core::TConfRecord::mAlbomInActivArtist},
    {"mSongInAllLibrary", "In All Library", 1, &core::TConfRecord::mSongInAllLibrary},
    {"mSongInActivArtist", "In Active Artist", 1, &core::TConfRecord::mSongInActivArtist},
    {"mSongInActiveAlbum", "In Active Album", 1, &core::TConfRecord::mSongInActiveAlbum},
}};

} // namespace

LibraryMenus::LibraryMenus(QWidget& window, const core::TConfRecord& settings) : settings_(settings) {
    SearchOpt = menuNamed(&window, "SearchOpt");
    QActionGroup* scopeGroup = exclusiveGroup(SearchOpt);
    std::array<QMenu*, 2> subMenus{menuNamed(SearchOpt, "mAlbum", "Album"),
                                   menuNamed(SearchOpt, "mSong", "Song")};
    for (std::size_t i = 0; i < ScopeItems.size(); ++i) {
        const ScopeItem& item = ScopeItems[i];
        QMenu* in = item.subMenu < 0 ? SearchOpt : subMenus[static_cast<std::size_t>(item.subMenu)];
        if (in != SearchOpt && in->isEmpty())
            SearchOpt->addMenu(in);
        scopes[i] = itemNamed(in, item.name, item.text, scopeGroup);
    }
    SearchOpt->addSeparator();
    QMenu* options = menuNamed(SearchOpt, "Options3", "Options");
    SearchOpt->addMenu(options);
    QActionGroup* matchGroup = exclusiveGroup(options);
    mStartAt = itemNamed(options, "mStartAt", "Start At", matchGroup);
    mConsistof = itemNamed(options, "mConsistof", "Consist of", matchGroup);

    AlbSort = menuNamed(&window, "AlbSort");
    QActionGroup* albumOrder = exclusiveGroup(AlbSort);
    mByyear = itemNamed(AlbSort, "mByyear", "Year", albumOrder);
    mByAz = itemNamed(AlbSort, "mByAz", "A-z", albumOrder);

    SortSong = menuNamed(&window, "SortSong");
    QActionGroup* songOrder = exclusiveGroup(SortSong);
    mByNomSong = itemNamed(SortSong, "mByNomSong", "№", songOrder);
    mByAZsong = itemNamed(SortSong, "mByAZsong", "A-z", songOrder);

    PopupMenu1 = menuNamed(&window, "PopupMenu1");
    SHowfilelocation1 = itemNamed(PopupMenu1, "SHowfilelocation1", "Show File Location");

    owned_ = {SearchOpt, AlbSort, SortSong, PopupMenu1};
    for (QMenu* menu : {SearchOpt, AlbSort, SortSong})
        QObject::connect(menu, &QMenu::aboutToShow, menu, [this] { showChecks(); });
    showChecks();
}

LibraryMenus::~LibraryMenus() {
    for (QPointer<QMenu>& menu : owned_)
        delete menu;
}

void LibraryMenus::showChecks() {
    for (std::size_t i = 0; i < ScopeItems.size(); ++i)
        scopes[i]->setChecked(settings_.*ScopeItems[i].check);
    mStartAt->setChecked(settings_.mStartAt);
    mConsistof->setChecked(settings_.mConsistof);
    mByyear->setChecked(settings_.mByyear);
    mByAz->setChecked(settings_.mByAz);
    mByNomSong->setChecked(settings_.mByNomSong);
    mByAZsong->setChecked(settings_.mByAZsong);
}

} // namespace kavrel::ui
