#pragma once
// What the library browser offers the playlist: the songs of the selected artist and album, the song
// list's rows, and every song of the active library. The browser implements it; tests use a fake.
// Main thread.
#include "playlist/playlist_record.h"

#include <span>
#include <vector>

namespace kavrel::playlist {

class LibrarySource {
public:
    virtual ~LibrarySource() = default;
    // Whether an artist row is selected in either artist list.
    virtual bool artistSelected() const = 0;
    // The selected artist's songs in their shown order; empty when none is selected.
    virtual std::span<const TrackRow> artistSongs() const = 0;
    // The selected album's songs in their shown order; empty when none is selected.
    virtual std::span<const TrackRow> albumSongs() const = 0;
    // Every song of the active library ("allsong.pft"); empty when it has none. Blocking (reads the file).
    virtual std::vector<TrackRow> allSongs() const = 0;

    // The song list's 1-based row as the list shows it, null past its rows. By default the album's songs
    // when an album is active, else the artist's; a browser showing search matches there overrides it.
    virtual const TrackRow* songListRow(std::int32_t row) const {
        const auto album = albumSongs();
        const auto rows = album.empty() ? artistSongs() : album;
        return row >= 1 && row <= static_cast<std::int32_t>(rows.size())
                   ? &rows[static_cast<std::size_t>(row - 1)]
                   : nullptr;
    }
};

} // namespace kavrel::playlist
