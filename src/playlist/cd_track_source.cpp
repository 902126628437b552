#include "playlist/cd_track_source.h"

namespace kavrel::playlist {

bool EngineCdTrackSource::RefreshTracks(TPlist& list) {
    engine::PlaylistRecord record;
    record.CurrentIndex = list.CurrentIndex;
    record.Position = list.Position;
    record.PlayState = list.PlayState;
    record.Count = list.Count();
    record.Rows = list.Rows;
    const std::string discBefore = filler_.LastDiscId();
    filler_.ReadCdTracks(record);
    if (filler_.LastDiscId() == discBefore && record.Count == list.Count())
        return false;
    record.Rows.resize(static_cast<std::size_t>(record.Count) + 1);
    list.Rows = std::move(record.Rows);
    list.CurrentIndex = record.CurrentIndex;
    list.Position = record.Position;
    list.PlayState = record.PlayState;
    return true;
}

} // namespace kavrel::playlist
