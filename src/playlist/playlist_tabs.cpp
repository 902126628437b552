#include "playlist/playlist_tabs.h"

#include "playlist/ppl_file.h"

namespace kavrel::playlist {

std::string tabFileName(Tab tab) {
    switch (tab) {
    case Tab::PL1:
        return "\\PlayLists\\PlayListMainPL1.ppl";
    case Tab::CD:
        return "\\PlayLists\\PlayListMainCD.ppl";
    case Tab::PL2:
        break;
    }
    return "\\PlayLists\\PlayListMainPL2.ppl";
}

Tab tabAt(int x, int width) {
    if (std::int64_t{x} * 3 <= width)
        return Tab::PL1;
    if (std::int64_t{x} * 3 <= std::int64_t{width} * 2)
        return Tab::CD;
    return Tab::PL2;
}

Tab visibleTabOf(const core::TConfRecord& settings) {
    if (settings.Img2CDVisible)
        return Tab::CD;
    if (settings.Img2PL2Visible)
        return Tab::PL2;
    return Tab::PL1;
}

void storeVisibleTab(core::TConfRecord& settings, Tab tab) {
    settings.Img2Pl1Visible = tab == Tab::PL1;
    settings.Img2CDVisible = tab == Tab::CD;
    settings.Img2PL2Visible = tab == Tab::PL2;
}

PlaylistTabs::PlaylistTabs(PlaybackControl& control, TabView& view, CdTrackSource* cd)
    : control_(control), view_(view), cd_(cd) {}

void PlaylistTabs::setVisible(Tab tab) {
    visible_ = tab;
    storeVisibleTab(control_.state().settings, tab);
    view_.showTab(tab);
}

void PlaylistTabs::refreshCd(bool cdActive) {
    if (!cd_)
        return;
    if (!cdActive) {
        cd_->RefreshTracks(record(Tab::CD).List);
        return;
    }
    TMasPLayList& active = control_.state().list();
    const std::int32_t playing = active.CurrentIndex;
    TPlist refreshed = active;
    if (!cd_->RefreshTracks(refreshed))
        return;
    // The old rows are still shown while the normal stop tidies up after them.
    active.CurrentIndex = playing;
    control_.Stop(true);
    static_cast<TPlist&>(active) = std::move(refreshed);
    active.CurrentIndex = 0;
    control_.display().showAllRows(active);
    refreshTimes(active);
    control_.PublishCurrentRow();
}

void PlaylistTabs::SwitchTab(Tab target) {
    const Tab current = visible_;
    setVisible(target);
    if (target == Tab::CD)
        refreshCd(current == Tab::CD);
    if (current == target)
        return;
    record(current) = control_.state().active;
    control_.state().active = record(target);
    PlaylistView& view = control_.display().view();
    view.clearItems();
    control_.display().showAllRows(control_.state().list());
    refreshTimes(control_.state().list());
    control_.ActOnRestoredPlayState(true);
    control_.PublishCurrentRow();
}

std::vector<std::string> PlaylistTabs::readTabFiles(const fs::ProgramFolder& folder,
                                                    std::optional<Tab> skip) {
    std::vector<std::string> failures;
    for (Tab tab : kAllTabs) {
        record(tab) = TPlayMasiv{};
        if (skip == tab)
            continue;
        try {
            if (auto list = readPlaylistFile(folder.resolve(tabFileName(tab))))
                static_cast<TPlist&>(record(tab).List) = std::move(*list);
        } catch (const std::exception& error) {
            failures.emplace_back(error.what());
        }
    }
    return failures;
}

void PlaylistTabs::writeTabFile(const fs::ProgramFolder& folder, Tab tab) const {
    const auto file = folder.resolve(tabFileName(tab));
    std::filesystem::create_directories(file.parent_path());
    writePlaylistFile(file, record(tab).List);
}

void PlaylistTabs::markAllPlaying() {
    for (auto& tab : records_)
        tab.List.PlayState = kPlaying;
}

} // namespace kavrel::playlist
