#pragma once
// The song line: twelve text columns, each followed by its eight-character column tag. The library
// files and the playlist files store one song per line this way.
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace kavrel::library {

enum SongColumn : std::size_t {
    kArtistColumn,
    kAlbumColumn,
    kTitleColumn,
    kYearColumn,
    kGenreColumn,
    kTrackColumn,
    kBitRateColumn,
    kDurationColumn,
    kSampleRateColumn,
    kChannelModeColumn,
    kPathColumn,
    kFileSizeColumn,
    kSongColumnCount
};

using SongColumns = std::array<std::string, kSongColumnCount>;

inline constexpr std::array<std::string_view, kSongColumnCount> kSongColumnTags = {
    " endart ", " endalb ", " endtit ", " endyer ", " endgen ", " endtrk ",
    " endbit ", " enddur ", " endsmr ", " endchm ", " endPth ", " endfln "};

// Each column followed by its tag; columns are written as they are, with no quoting.
std::string joinSongLine(const SongColumns& columns);

// Walks the tags in order: a column is the text before the first occurrence of its tag in what is left
// of the line, and it is removed together with the tag. A missing tag gives an empty column and leaves
// the rest of the line for the columns after it; text after the last tag is ignored.
void splitTaggedLine(std::string_view line, std::span<const std::string_view> tags,
                     std::span<std::string> columns);
SongColumns splitSongLine(std::string_view line);

} // namespace kavrel::library
