#include "library/browser/album_builder.h"

#include <unordered_map>

#include "library/song_line.h"

namespace kavrel::library::browser {

bool isUnknownYear(std::string_view year) {
    return year.empty() || year == "0000";
}

TrackTable buildAlbums(int songCount, const SongRowAt& songAt, const AlbumKey& albumKey) {
    TrackTable albums;
    std::unordered_map<std::string_view, int> rowOfKey;
    for (int song = 1; song <= songCount; ++song) {
        const TrackRow& row = songAt(song);
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
    // An album's songs usually spell it alike: one collation key per spelling.
    std::unordered_map<std::string, std::string> keyOfName;
    return buildAlbums(
        songs.Count(), [&](int song) -> const TrackRow& { return songs[song]; },
        [&](int song) -> std::string_view {
            const std::string& name = songs[song][kAlbumColumn];
            auto [found, added] = keyOfName.try_emplace(name);
            if (added)
                found->second = collator.sortKey(name);
            return found->second;
        });
}

} // namespace kavrel::library::browser
