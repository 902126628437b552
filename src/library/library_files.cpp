#include "library/library_files.h"

#include <fstream>
#include <iterator>

#include "library/artist_line.h"
#include "library/song_line.h"
#include "platform/fs/program_folder.h"
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

template <class OnLine> void forEachLine(std::string_view text, OnLine onLine) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            onLine(text.substr(start));
            return;
        }
        onLine(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
}

} // namespace

std::filesystem::path libraryFile(const std::filesystem::path& libraryFolder, std::string_view name) {
    return fs::resolveIgnoringCase(libraryFolder, name);
}

std::vector<std::string> splitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    forEachLine(text, [&](std::string_view line) { lines.push_back(text::decodeLegacyText(line)); });
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
    int count = 0;
    forEachLine(bytes, [&](std::string_view) { ++count; });
    return count;
}

void parseArtistList(std::string_view bytes, TrackTable& artists) {
    forEachLine(bytes, [&](std::string_view line) {
        auto [artist, artistFile] = splitArtistLine(text::decodeLegacyText(line));
        TrackRow& row = artists.append();
        row[kArtistNameColumn] = std::move(artist);
        row[kArtistFileColumn] = std::move(artistFile);
    });
}

void parseSongLines(std::string_view bytes, TrackTable& songs) {
    forEachLine(bytes, [&](std::string_view line) {
        SongColumns columns = splitSongLine(text::decodeLegacyText(line));
        TrackRow& row = songs.append();
        std::move(columns.begin(), columns.end(), row.begin());
    });
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
