#include "playlist/cd_track_source.h"

#include "engine/apollo_cd_plugin.h"

namespace kavrel::playlist {

bool EngineCdTrackSource::RefreshTracks(TPlist& list) {
    engine::RefreshApolloCdPlugin(filler_.Engine());
    if (!filler_.ReadCdTracks(list.Rows))
        return false;
    list.CurrentIndex = 0;
    list.Position = 0;
    list.PlayState = kStopped;
    return true;
}

} // namespace kavrel::playlist
