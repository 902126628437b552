#include "engine/cd_playlist.h"

#include "engine/apollo_cd_plugin.h"
#include "platform/text/numbers.h"

#include <algorithm>

namespace kavrel::engine {

namespace {

constexpr double kCdBytesPerSecond = 176400.0; // 16-bit stereo at 44100 Hz

} // namespace

TCdPlaylist::TCdPlaylist(TMasterEngine& engine, std::string cdDrivePath)
    : engine_(engine), drivePath_(std::move(cdDrivePath)) {}

library::TrackRow TCdPlaylist::cdTrackRow(const std::string& drivePath, std::int32_t track,
                                          std::int32_t lengthMs) {
    const std::string number = std::to_string(track);
    library::TrackRow row;
    row[0] = "CD";
    row[2] = "Track " + number + " - " + text::formatDuration(lengthMs);
    row[3] = "0";
    row[4] = "CD";
    row[5] = number;
    row[6] = "0";
    row[7] = std::to_string(lengthMs);
    row[8] = "0";
    row[10] = drivePath + (track < 10 ? "Track0" : "Track") + number + ".cda";
    row[11] = std::to_string(text::roundHalfEven(lengthMs / 1000.0 * kCdBytesPerSecond));
    return row;
}

bool TCdPlaylist::ReadCdTracks(std::vector<library::TrackRow>& rows) {
    const std::string id = engine_.CdDiscId();
    if (id.empty() || (id == lastDiscId_ && rows.size() > 1))
        return false;
    engine_.Stop();
    const std::int32_t count = std::max<std::int32_t>(engine_.CdTrackCount(), 0);
    rows.assign(static_cast<std::size_t>(count) + 1, library::TrackRow{});
    for (std::int32_t track = 1; track <= count; ++track) {
        // A length the disc cannot tell reads as 0 rather than a negative time.
        const std::int32_t length = std::max<std::int32_t>(engine_.CdTrackLength(track), 0);
        rows[static_cast<std::size_t>(track)] = cdTrackRow(drivePath_, track, length);
    }
    lastDiscId_ = id;
    return true;
}

} // namespace kavrel::engine
