#pragma once
// The files of a library folder and their readers. Readers are forgiving: a missing file reads as no
// lines, every line end (CR LF, LF, CR) is accepted, and legacy 8-bit lines are decoded to UTF-8.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "library/library_tables.h"

namespace kavrel::library {

inline constexpr std::string_view kArtistListFile = "ArtName.pan";
inline constexpr std::string_view kAllSongsFile = "allsong.pft";
inline constexpr std::string_view kPathListFile = "path.pan";

// The file `name` inside `libraryFolder`, taking the spelling on disk when it differs only in case.
std::filesystem::path libraryFile(const std::filesystem::path& libraryFolder, std::string_view name);

// The lines of a text file, decoded; an empty list when the file cannot be read.
std::vector<std::string> readTextLines(const std::filesystem::path& file);
// Splits text into lines at CR LF, LF or CR; a final line end does not start another line.
std::vector<std::string> splitTextLines(std::string_view text);
// The number of lines, without decoding them; 0 when the file cannot be read.
int countTextLines(const std::filesystem::path& file);

// The rows of an artist list or a song file from its bytes (appended to the table).
void parseArtistList(std::string_view bytes, TrackTable& artists);
void parseSongLines(std::string_view bytes, TrackTable& songs);

// Reads "ArtName.pan" of a library folder into `artists` (row n = line n). Returns false and leaves
// the table as it was when the file does not exist.
bool readArtistList(const std::filesystem::path& libraryFolder, TrackTable& artists);

// Replaces the rows of `songs` with the song lines of `file` split into columns 0..11; returns the
// number of lines read (0 for a missing file).
int readSongFile(const std::filesystem::path& file, TrackTable& songs);

} // namespace kavrel::library
