#pragma once
// What the copier does with the tracks of a playlist, decided before a byte is copied: which artist and
// album folder each track goes into and what its copy is called. Pure logic, no file system.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kavrel::tools {

// One playlist track, as the playlist record holds it.
struct CopyEntry {
    std::string artist;
    std::string album;
    std::string title;
    std::string year;
    std::string trackNumber;
    std::string sourcePath;
    // Decimal byte count; anything else counts as unknown.
    std::string sizeText;
};

enum class ArtistFolders : std::int32_t { PerArtist = 0, None = 1 };
enum class AlbumFolders : std::int32_t { Album = 0, YearAndAlbum = 1, None = 2 };
enum class FileNames : std::int32_t {
    Title = 0,
    NumberTitle = 1,
    ArtistTitle = 2,
    ArtistNumberTitle = 3,
    KeepSourceName = 4,
};

struct CopyChoices {
    ArtistFolders artist = ArtistFolders::PerArtist;
    AlbumFolders album = AlbumFolders::YearAndAlbum;
    FileNames fileName = FileNames::ArtistTitle;
};

// The stored choice indexes; one out of range falls back to the window's default choice.
CopyChoices copyChoicesFromIndexes(std::int32_t artist, std::int32_t album, std::int32_t fileName);

struct PlannedCopy {
    std::string sourcePath;
    // Folder under the destination, "" or "Artist", "Album" or "Artist/Album" (already cleaned).
    std::string folder;
    // The copy's file name with its extension.
    std::string fileName;
    std::int64_t bytes = 0;
};

struct CopyPlan {
    // Grouped by artist, then album, each in order of first appearance; tracks without a source path
    // are left out.
    std::vector<PlannedCopy> copies;
    // Every entry, with or without a source path.
    int totalFiles = 0;
    double totalMb = 0;
};

CopyPlan planCopies(const std::vector<CopyEntry>& entries, const CopyChoices& choices);

// A tag text made fit for a folder or file name: every character that is special to some file system or
// shell becomes ",", and the blanks at both ends go.
std::string cleanName(std::string_view name);

// The byte count of a size text; 0 for an empty or non-numeric one.
std::int64_t sizeBytes(std::string_view sizeText);

} // namespace kavrel::tools
