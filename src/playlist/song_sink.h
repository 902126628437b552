#pragma once
// Where the library panels send songs: the active playlist, by an add mode. The playlist editor
// implements it; the library browser holds it, so neither needs the other to be built first.
#include "playlist/playlist_record.h"

#include <span>

namespace kavrel::playlist {

enum class AddMode { EndAndPlay, End, AfterPlayingAndPlay, AfterPlaying };

class SongSink {
public:
    virtual ~SongSink() = default;
    // Main thread.
    virtual void AddRows(std::span<const TrackRow> rows, AddMode mode) = 0;
};

} // namespace kavrel::playlist
