#pragma once
// The playlists at start-up: the three tab files read, the visible tab copied into the active list, and in
// mode 0 the saved track resumed. Main thread, before the poller's first poll.
#include "platform/fs/program_folder.h"
#include "playlist/playlist_tabs.h"

#include <string>
#include <vector>

namespace kavrel::playlist {

// "Load Current PlayList and Play Song", "Load Current PlayList", "Load empty PlayList".
enum StartupMode : std::int32_t { kStartResume = 0, kStartLoad = 1, kStartEmpty = 2 };

// Mode 2 starts the visible tab empty but still reads the other two, so quitting does not wipe them.
// Mode 0 plays the saved current row (row 1 when none) from its saved position, never paused, when the
// saved state was not stopped. Returns the messages of tab files that could not be read (those tabs
// start empty).
std::vector<std::string> restorePlaylists(PlaylistTabs& tabs, PlaybackControl& control,
                                          const fs::ProgramFolder& folder, std::int32_t mode);

} // namespace kavrel::playlist
