#pragma once
#include "playlist/library_source.h"
#include "playlist/playlist_fakes.h"

namespace kavrel::test {

class FakeLibrary : public playlist::LibrarySource {
public:
    bool artistSelected() const override { return selected; }
    std::span<const playlist::TrackRow> artistSongs() const override { return artist; }
    std::span<const playlist::TrackRow> albumSongs() const override { return album; }
    std::vector<playlist::TrackRow> allSongs() const override { return all; }

    bool selected = false;
    std::vector<playlist::TrackRow> artist, album, all;
};

} // namespace kavrel::test
