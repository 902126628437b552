#include "library/browser/all_songs_cache.h"

#include "library/library_files.h"
#include "library/song_line.h"

namespace kavrel::library::browser {

void AllSongsCache::invalidate() {
    songs_.reset();
    albums_.reset();
    titles_.reset();
    albumKeys_.clear();
}

std::shared_ptr<const TrackTable> AllSongsCache::songs(const std::filesystem::path& libraryFolder) {
    if (!songs_) {
        songs_ = std::make_shared<TrackTable>();
        readSongFile(libraryFile(libraryFolder, kAllSongsFile), *songs_);
    }
    return songs_;
}

std::vector<int> AllSongsCache::filter(const std::filesystem::path& libraryFolder, std::size_t column,
                                       std::string_view text, MatchMode mode) {
    const TrackTable& table = *songs(libraryFolder);
    auto& lowered = column == kAlbumColumn ? albums_ : titles_;
    if (!lowered)
        lowered.emplace(table, column);
    return lowered->filter(text, mode);
}

const std::string& AllSongsCache::albumKey(int row, const text::LocaleCollator& collator) {
    const std::string& album = (*songs_)[row][kAlbumColumn];
    auto [found, added] = albumKeys_.try_emplace(album);
    if (added)
        found->second = collator.sortKey(album);
    return found->second;
}

} // namespace kavrel::library::browser
