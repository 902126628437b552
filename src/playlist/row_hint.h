#pragma once
// The hint over the row under the mouse, and "Show File Location" for that row. Main thread.
#include "platform/shell/desktop_shell.h"
#include "playlist/playlist_record.h"
#include "playlist/playlist_view.h"

#include <string>

namespace kavrel::playlist {

// "Artist - Album - Title - m:ss - 192 kbps", or "CD - Title" for a CD track.
std::string rowHintText(const TrackRow& row);

class PlaylistRowHint {
public:
    PlaylistRowHint(const TPlist& list, PlaylistView& view, shell::DesktopShell& shell)
        : list_(list), view_(view), shell_(shell) {}

    // The mouse is over 1-based `row` (-1 beyond the last row). The hint changes only with the row.
    void MouseOver(std::int32_t row);
    // Shows the file of the row under the mouse; nothing beyond the rows or for a CD track.
    void ShowFileLocation();

private:
    const TPlist& list_;
    PlaylistView& view_;
    shell::DesktopShell& shell_;
    std::int32_t rowUnderMouse_ = -1;
    std::int32_t lastHinted_ = -1;
};

} // namespace kavrel::playlist
