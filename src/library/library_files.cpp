#include "library/library_files.h"

#include <fstream>
#include <iterator>

#include "library/artist_line.h"
#include "library/song_line.h"
#include "platform/fs/program_folder.h"
#include "platform/text/lines.h"
#include "platform/text/utf8.h"

namespace kavrel::library {

namespace {

bool readRaw(const std::filesystem::path& file, std::string& bytes) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

} // namespace

std::filesystem::path libraryFile(const std::filesystem::path& libraryFolder, std::string_view name) {
    return fs::resolveIgnoringCase(libraryFolder, name);
}

std::vector<std::string> splitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    for (const std::string_view line : text::splitLines(text))
        lines.push_back(text::decodeLegacyText(line));
    return lines;
}

std::vector<std::string> readTextLines(const std::filesystem::path& file) {
    std::string bytes;
    if (!readRaw(file, bytes))
        return {};
    return splitTextLines(bytes);
}

int countTextLines(const std::filesystem::path& file) {
    std::string bytes;
    if (!readRaw(file, bytes))
        return 0;
    return static_cast<int>(text::splitLines(bytes).size());
}

void parseArtistList(std::string_view bytes, TrackTable& artists) {
    for (const std::string_view line : text::splitLines(bytes)) {
        auto [artist, artistFile] = splitArtistLine(text::decodeLegacyText(line));
        TrackRow& row = artists.append();
        row[kArtistNameColumn] = std::move(artist);
        row[kArtistFileColumn] = std::move(artistFile);
    }
}

void parseSongLines(std::string_view bytes, TrackTable& songs) {
    const std::vector<std::string_view> lines = text::splitLines(bytes);
    songs.reserve(songs.Count() + static_cast<int>(lines.size()));
    for (const std::string_view line : lines) {
        SongColumns columns = splitSongLine(text::decodeLegacyText(line));
        TrackRow& row = songs.append();
        std::move(columns.begin(), columns.end(), row.begin());
    }
}

bool readArtistList(const std::filesystem::path& libraryFolder, TrackTable& artists) {
    const auto file = libraryFile(libraryFolder, kArtistListFile);
    std::string bytes;
    if (!std::filesystem::is_regular_file(file) || !readRaw(file, bytes))
        return false;
    artists.clear();
    parseArtistList(bytes, artists);
    return true;
}

int readSongFile(const std::filesystem::path& file, TrackTable& songs) {
    songs.clear();
    std::string bytes;
    if (readRaw(file, bytes))
        parseSongLines(bytes, songs);
    return songs.Count();
}

} // namespace kavrel::library
