#pragma once
// The smallest playlist record the CD tab needs until the playlist layer brings its own records: 13 text
// columns per row, rows 1..Count used (row 0 never), and the playback values a new disc resets.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kavrel::engine {

inline constexpr int kTrackColumns = 13;
using TrackRow = std::array<std::string, kTrackColumns>;

struct PlaylistRecord {
    std::int32_t CurrentIndex = 0;
    std::int32_t Position = 0; // ms
    std::int32_t PlayState = 0;
    std::int32_t Count = 0;
    std::vector<TrackRow> Rows; // at least Count + 1 rows; row 0 unused
};

} // namespace kavrel::engine
