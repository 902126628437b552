#include "library/song_line.h"

namespace kavrel::library {

std::string joinSongLine(const SongColumns& columns) {
    std::size_t length = 0;
    for (std::size_t i = 0; i < kSongColumnCount; ++i)
        length += columns[i].size() + kSongColumnTags[i].size();
    std::string line;
    line.reserve(length);
    for (std::size_t i = 0; i < kSongColumnCount; ++i) {
        line += columns[i];
        line += kSongColumnTags[i];
    }
    return line;
}

void splitTaggedLine(std::string_view line, std::span<const std::string_view> tags,
                     std::span<std::string> columns) {
    for (std::size_t i = 0; i < tags.size() && i < columns.size(); ++i) {
        const auto at = line.find(tags[i]);
        if (at == std::string_view::npos) {
            columns[i].clear();
            continue;
        }
        columns[i] = line.substr(0, at);
        line.remove_prefix(at + tags[i].size());
    }
}

SongColumns splitSongLine(std::string_view line) {
    SongColumns columns;
    splitTaggedLine(line, kSongColumnTags, columns);
    return columns;
}

} // namespace kavrel::library
