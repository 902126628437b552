#pragma once
// Fills the CD tab from the disc through the facade's CD queries, and refills it only when the disc
// changed. Main thread; blocking while the drive answers.
#include "engine/master_engine.h"
#include "engine/track_row.h"

#include <string>

namespace kavrel::engine {

class TCdPlaylist {
public:
    TCdPlaylist(TMasterEngine& engine, std::string cdDrivePath);

    // The disc id last read into the CD tab; kept in the configuration.
    const std::string& LastDiscId() const { return lastDiscId_; }
    void SetLastDiscId(std::string id) { lastDiscId_ = std::move(id); }
    const std::string& DrivePath() const { return drivePath_; }

    // Keeps `tab` when it already holds this disc's tracks, leaves it alone without a disc, and otherwise
    // stops playback and replaces it with one row per track, resetting its current index and position.
    void ReadCdTracks(PlaylistRecord& tab);
    // On selecting the CD tab: reads the disc when `read` and the CD tab is the one shown.
    void RefreshCdTab(bool read, bool cdTabShown, PlaylistRecord& cdTab);

    // The row of track `track` (1-based) of length `lengthMs` on the drive at `drivePath`.
    static TrackRow cdTrackRow(const std::string& drivePath, std::int32_t track, std::int32_t lengthMs);

private:
    TMasterEngine& engine_;
    std::string drivePath_;
    std::string lastDiscId_;
};

} // namespace kavrel::engine
