#pragma once
// Fills the CD tab from the disc through the facade's CD queries, and refills it only when the disc
// changed. Main thread; blocking while the drive answers.
#include "engine/master_engine.h"
#include "library/library_tables.h"

#include <string>
#include <vector>

namespace kavrel::engine {

class TCdPlaylist {
public:
    TCdPlaylist(TMasterEngine& engine, std::string cdDrivePath);

    // The disc id last read into the CD tab; kept in the configuration.
    const std::string& LastDiscId() const { return lastDiscId_; }
    void SetLastDiscId(std::string id) { lastDiscId_ = std::move(id); }
    const std::string& DrivePath() const { return drivePath_; }
    TMasterEngine& Engine() const { return engine_; }

    // The CD tab's rows (row 0 unused): kept when they already hold this disc's tracks, left alone
    // without a disc, and otherwise replaced by one row per track after playback was stopped. True when
    // they were replaced; the tab then has no current row.
    bool ReadCdTracks(std::vector<library::TrackRow>& rows);

    // The row of track `track` (1-based) of length `lengthMs` on the drive at `drivePath`.
    static library::TrackRow cdTrackRow(const std::string& drivePath, std::int32_t track,
                                        std::int32_t lengthMs);

private:
    TMasterEngine& engine_;
    std::string drivePath_;
    std::string lastDiscId_;
};

} // namespace kavrel::engine
