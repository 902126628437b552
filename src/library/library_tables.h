#pragma once
// The in-memory tables the library files are read into: 1-based rows of 13 text columns, row 0 never
// used. A table grows whenever a new row would not fit, so no row is ever lost.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kavrel::library {

// The twelve song-line columns and a thirteenth kept only in memory: one row type for the library, the
// playlists and the CD tab.
inline constexpr std::size_t kTrackRowColumns = 13;
using TrackRow = std::array<std::string, kTrackRowColumns>;

class TrackTable {
public:
    TrackTable() : rows_(1) {}

    int Count() const { return static_cast<int>(rows_.size()) - 1; }
    // Rows 1..Count(); row 0 exists and stays empty.
    const TrackRow& operator[](int row) const { return rows_.at(static_cast<std::size_t>(row)); }
    TrackRow& operator[](int row) { return rows_.at(static_cast<std::size_t>(row)); }

    TrackRow& append() { return rows_.emplace_back(); }
    // Room for `rows` rows in all, so that reading a large file grows the table once.
    void reserve(int rows) { rows_.reserve(static_cast<std::size_t>(rows) + 1); }
    void clear() { rows_.resize(1); }

private:
    std::vector<TrackRow> rows_;
};

// Artist table: column 0 the artist name, column 1 the artist file name.
inline constexpr std::size_t kArtistNameColumn = 0;
inline constexpr std::size_t kArtistFileColumn = 1;

// The artist file of the row whose name equals `artist` byte for byte; the last such row wins, and no
// match gives an empty name.
std::string findArtistFile(const TrackTable& artists, std::string_view artist);

} // namespace kavrel::library
