#pragma once
// Every song of the active library ("allsong.pft"), read on first use and kept until the artist panels
// are refilled. The lower-cased columns and album keys the search needs are computed once per read.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "library/browser/row_filter.h"
#include "library/library_tables.h"
#include "platform/text/collation.h"

namespace kavrel::library::browser {

class AllSongsCache {
public:
    void invalidate();
    // Reads the file when the cache is stale; a missing file gives no rows.
    std::shared_ptr<const TrackTable> songs(const std::filesystem::path& libraryFolder);
    // Rows whose album (or title) column matches; reads the file when stale.
    std::vector<int> filter(const std::filesystem::path& libraryFolder, std::size_t column,
                            std::string_view text, MatchMode mode);
    // The collation key of a row's album.
    const std::string& albumKey(int row, const text::LocaleCollator& collator);

private:
    std::shared_ptr<TrackTable> songs_;
    std::optional<LoweredColumn> albums_;
    std::optional<LoweredColumn> titles_;
    // Keys by album spelling: far fewer albums than songs.
    std::unordered_map<std::string, std::string> albumKeys_;
};

} // namespace kavrel::library::browser
