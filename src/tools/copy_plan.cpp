#include "tools/copy_plan.h"

#include "platform/text/collation.h"
#include "platform/text/numbers.h"

#include <charconv>
#include <filesystem>
#include <string_view>

namespace kavrel::tools {
namespace {

struct Song {
    std::string number;
    std::string title;
    std::string newName;
    std::string sourcePath;
    std::int64_t bytes = 0;
};

struct Album {
    std::string matchName;
    std::string folderName;
    std::vector<Song> songs;
};

struct Artist {
    std::string name;
    std::vector<Album> albums;
};

bool isSpecial(unsigned char c) {
    return (c >= 34 && c <= 38) || c == 42 || c == 46 || c == 47 || (c >= 58 && c <= 60) ||
           (c >= 62 && c <= 64) || (c >= 91 && c <= 94) || c == 96 || (c >= 123 && c <= 126);
}

std::string twoDigitNumber(std::string_view text) {
    const auto number = text::parseStrictInt(text);
    if (!number)
        return "0";
    return (*number < 10 ? "0" : "") + std::to_string(*number);
}

std::string joined(std::initializer_list<std::string_view> parts) {
    std::string name;
    for (const auto part : parts) {
        if (!name.empty())
            name += " - ";
        name += part;
    }
    return name;
}

std::string newFileName(FileNames choice, const std::string& artist, const Song& song) {
    switch (choice) {
    case FileNames::Title:
        return song.title;
    case FileNames::NumberTitle:
        return joined({song.number, song.title});
    case FileNames::ArtistTitle:
        return joined({artist, song.title});
    case FileNames::ArtistNumberTitle:
        return joined({artist, song.number, song.title});
    case FileNames::KeepSourceName:
        break;
    }
    return {};
}

Artist& artistNamed(std::vector<Artist>& artists, const std::string& name) {
    for (auto& artist : artists)
        if (text::equalsIgnoreCase(artist.name, name))
            return artist;
    return artists.emplace_back(Artist{name, {}});
}

Album& albumNamed(Artist& artist, const CopyEntry& entry, AlbumFolders choice) {
    for (auto& album : artist.albums)
        if (text::equalsIgnoreCase(album.matchName, entry.album))
            return album;
    const bool noYear = entry.year.empty() || entry.year.find('\0') != std::string::npos;
    const std::string year = noYear ? "0000" : entry.year;
    const std::string folder = choice == AlbumFolders::Album ? entry.album : year + " - " + entry.album;
    return artist.albums.emplace_back(Album{entry.album, folder, {}});
}

std::string copyFileName(FileNames choice, const Song& song) {
    const std::filesystem::path source(song.sourcePath);
    if (choice == FileNames::KeepSourceName)
        return source.filename().string();
    // A track without the tags its name is made of keeps its own name rather than becoming a hidden
    // ".mp3" that every other such track would collide with.
    const std::string stem = song.newName.empty() ? source.stem().string() : song.newName;
    return stem + source.extension().string();
}

std::string folderOf(const CopyChoices& choices, const Artist& artist, const Album& album) {
    std::string folder;
    if (choices.artist != ArtistFolders::None)
        folder = artist.name;
    if (choices.album != AlbumFolders::None && !album.folderName.empty())
        folder += (folder.empty() ? "" : "/") + album.folderName;
    return folder;
}

} // namespace

CopyChoices copyChoicesFromIndexes(std::int32_t artist, std::int32_t album, std::int32_t fileName) {
    CopyChoices choices;
    if (artist >= 0 && artist <= 1)
        choices.artist = static_cast<ArtistFolders>(artist);
    if (album >= 0 && album <= 2)
        choices.album = static_cast<AlbumFolders>(album);
    if (fileName >= 0 && fileName <= 4)
        choices.fileName = static_cast<FileNames>(fileName);
    return choices;
}

std::string cleanName(std::string_view name) {
    std::string cleaned(name);
    for (auto& c : cleaned)
        if (isSpecial(static_cast<unsigned char>(c)))
            c = ',';
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::size_t begin = 0;
    std::size_t end = cleaned.size();
    while (begin < end && blank(cleaned[begin]))
        ++begin;
    while (end > begin && blank(cleaned[end - 1]))
        --end;
    return cleaned.substr(begin, end - begin);
}

std::int64_t sizeBytes(std::string_view sizeText) {
    std::int64_t bytes = 0;
    const auto* end = sizeText.data() + sizeText.size();
    const auto [stop, error] = std::from_chars(sizeText.data(), end, bytes);
    if (error != std::errc() || stop != end || bytes < 0)
        return 0;
    return bytes;
}

CopyPlan planCopies(const std::vector<CopyEntry>& entries, const CopyChoices& choices) {
    CopyPlan plan;
    plan.totalFiles = static_cast<int>(entries.size());
    std::vector<Artist> artists;
    for (const auto& entry : entries) {
        if (entry.sourcePath.empty())
            continue;
        const std::int64_t bytes = sizeBytes(entry.sizeText);
        plan.totalMb += static_cast<double>(bytes) / 1048576.0;
        Artist& artist = artistNamed(artists, entry.artist);
        Album& album = albumNamed(artist, entry, choices.album);
        // The library gives a track without a title its file's path as title: as a name, that is the
        // file's own name.
        const std::string title = entry.title == entry.sourcePath
                                      ? std::filesystem::path(entry.sourcePath).stem().string()
                                      : entry.title;
        Song song{twoDigitNumber(entry.trackNumber), title, {}, entry.sourcePath, bytes};
        song.newName = newFileName(choices.fileName, artist.name, song);
        album.songs.push_back(std::move(song));
    }
    for (auto& artist : artists) {
        artist.name = cleanName(artist.name);
        for (auto& album : artist.albums) {
            album.folderName = cleanName(album.folderName);
            for (auto& song : album.songs) {
                song.newName = cleanName(song.newName);
                plan.copies.push_back({song.sourcePath, folderOf(choices, artist, album),
                                       copyFileName(choices.fileName, song), song.bytes});
            }
        }
    }
    return plan;
}

} // namespace kavrel::tools
