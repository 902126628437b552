#pragma once
// The ".ppl" playlist file: a magic line, "EmptyPlayList" or "NoEmptyPlayList", three header lines
// (current index, play state, position in seconds) and one song line per row.
#include "playlist/playlist_record.h"

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kavrel::playlist {

inline constexpr std::string_view kPlaylistMagic = "KavrelPlayListFile&$$$!@@#!(&*&#^@%%@";
inline constexpr std::string_view kEmptyPlaylistLine = "EmptyPlayList";
inline constexpr std::string_view kFilledPlaylistLine = "NoEmptyPlayList";
inline constexpr std::string_view kPlaylistExtension = ".ppl";

// A header line that is not a number; the message names the file when one was read.
class PlaylistFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The rows, current index, play state and position of a playlist text. nullopt when the text is not a
// playlist (wrong magic) or says "EmptyPlayList": the caller then leaves its list as it was. A current
// index outside 0..count and a play state outside 0..2 read as 0. Throws PlaylistFileError when a header
// line is not a number. Lines may end in CR LF, LF or CR; text that is not UTF-8 is read as legacy text.
std::optional<TPlist> parsePlaylist(std::string_view bytes);
// The same for a file; a missing file gives nullopt. Throws PlaylistFileError naming the file.
std::optional<TPlist> readPlaylistFile(const std::filesystem::path& file);

// The file text of rows 1..count; the position in whole seconds, halves to even.
std::string formatPlaylist(const TPlist& list);
// Written atomically; throws std::system_error naming the file.
void writePlaylistFile(const std::filesystem::path& file, const TPlist& list);

// The name "Save Playlist" writes to: ".ppl" appended unless the name already ends in it.
std::string playlistFileName(std::string chosen);

} // namespace kavrel::playlist
