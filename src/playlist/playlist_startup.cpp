#include "playlist/playlist_startup.h"

namespace kavrel::playlist {

std::vector<std::string> restorePlaylists(PlaylistTabs& tabs, PlaybackControl& control,
                                          const fs::ProgramFolder& folder, std::int32_t mode) {
    const Tab visible = tabs.visible();
    const bool startEmpty = mode == kStartEmpty;
    std::vector<std::string> failures =
        tabs.readTabFiles(folder, startEmpty ? std::optional(visible) : std::nullopt);
    if (!(startEmpty && visible == Tab::CD))
        tabs.RefreshCdRecord();
    tabs.copyVisibleIntoActive();
    TMasPLayList& list = control.state().list();
    control.display().showAllRows(list);
    refreshTimes(list);

    if (mode == kStartResume) {
        if (list.PlayState != kStopped && !list.Empty()) {
            if (list.CurrentIndex == 0)
                list.CurrentIndex = 1;
            list.PreviousIndex = list.CurrentIndex;
            control.PlayCurrent(false);
        }
    } else {
        list.CurrentIndex = 0;
        control.ResetPosition();
        tabs.record(visible).List.CurrentIndex = 0;
    }
    for (Tab tab : kAllTabs) {
        if (tabs.record(tab).List.CurrentIndex != 0)
            tabs.record(tab).List.PlayState = kPlaying;
    }
    control.PublishCurrentRow();
    return failures;
}

} // namespace kavrel::playlist
