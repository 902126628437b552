#include "library/browser/album_builder.h"

#include <unordered_map>

#include "library/song_line.h"

namespace kavrel::library::browser {

bool isUnknownYear(std::string_view year) {
    return year.empty() || year == "0000";
}

TrackTable buildAlbums(const TrackTable& songs, const AlbumKey& albumKey) {
    TrackTable albums;
    std::unordered_map<std::string, int> rowOfKey;
    for (int song = 1; song <= songs.Count(); ++song) {
        const TrackRow& row = songs[song];
        const auto [found, added] = rowOfKey.try_emplace(albumKey(song), albums.Count() + 1);
        if (added) {
            TrackRow& album = albums.append();
            album[kAlbumNameColumn] = row[kAlbumColumn];
            album[kAlbumYearColumn] = row[kYearColumn];
        } else if (std::string& year = albums[found->second][kAlbumYearColumn]; isUnknownYear(year)) {
            year = row[kYearColumn];
        }
    }
    return albums;
}

TrackTable buildAlbums(const TrackTable& songs, const text::LocaleCollator& collator) {
    return buildAlbums(songs, [&](int song) { return collator.sortKey(songs[song][kAlbumColumn]); });
}

} // namespace kavrel::library::browser
