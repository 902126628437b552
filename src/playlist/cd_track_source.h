#pragma once
// The CD tab's tracks from the drive, through the engine's CD tab filler.
#include "engine/cd_playlist.h"
#include "playlist/playlist_tabs.h"

namespace kavrel::playlist {

class EngineCdTrackSource final : public CdTrackSource {
public:
    explicit EngineCdTrackSource(engine::TCdPlaylist& filler) : filler_(filler) {}
    bool RefreshTracks(TPlist& list) override;

private:
    engine::TCdPlaylist& filler_;
};

} // namespace kavrel::playlist
