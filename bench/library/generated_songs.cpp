#include "generated_songs.h"

#include <random>

#include "library/song_line.h"

namespace kavrel::bench {

namespace {

const std::vector<std::string> kLatin = {"ka", "vel", "mor", "tan", "ri",  "so", "len", "dor",
                                         "ax", "qui", "bel", "nor", "ste", "fa", "gu"};
const std::vector<std::string> kCyrillic = {"ки", "но", "ра", "де", "мо",  "лю", "ска", "вер",
                                            "та", "жи", "пе", "су", "гро", "ба", "ля"};

std::string baseName(std::mt19937& random, std::size_t index) {
    const auto& syllables = index % 3 == 0 ? kCyrillic : kLatin;
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    std::string name;
    for (int word = pick(1, 3); word > 0; --word) {
        if (!name.empty())
            name += ' ';
        for (int part = pick(1, 3); part > 0; --part)
            name += syllables[static_cast<std::size_t>(pick(0, static_cast<int>(syllables.size()) - 1))];
    }
    if (name[0] >= 'a' && name[0] <= 'z')
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
    return name;
}

std::string variant(std::mt19937& random, std::string name) {
    const int roll = std::uniform_int_distribution<int>(0, 99)(random);
    if (roll < 70)
        return name;
    if (roll < 80) {
        for (char& c : name)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        return name;
    }
    if (roll < 88) {
        for (char& c : name)
            if (c == ' ')
                c = '-';
        return name;
    }
    if (roll < 94)
        return name + "  ";
    return " " + name + " ";
}

} // namespace

std::vector<std::string> generatedArtists(std::size_t songs) {
    std::mt19937 random(static_cast<unsigned>(songs));
    std::vector<std::string> bases;
    for (std::size_t i = 0; i < std::max<std::size_t>(10, songs / 30); ++i)
        bases.push_back(baseName(random, i));
    std::vector<std::string> artists;
    artists.reserve(songs);
    for (std::size_t i = 0; i < songs; ++i)
        artists.push_back(
            variant(random, bases[std::uniform_int_distribution<std::size_t>(0, bases.size() - 1)(random)]));
    return artists;
}

std::vector<std::string> generatedSongLines(std::size_t songs, std::vector<std::string>& paths) {
    const auto artists = generatedArtists(songs);
    std::vector<std::string> lines;
    lines.reserve(songs);
    paths.clear();
    for (std::size_t i = 0; i < songs; ++i) {
        library::SongColumns columns;
        columns[library::kArtistColumn] = artists[i];
        columns[library::kAlbumColumn] = "Album " + std::to_string(i % 4 + 1);
        columns[library::kTitleColumn] = "Song " + std::to_string(i);
        columns[library::kYearColumn] = std::to_string(1970 + i % 50);
        columns[library::kTrackColumn] = std::to_string(i % 20 + 1);
        columns[library::kBitRateColumn] = "128";
        columns[library::kDurationColumn] = "215000";
        columns[library::kSampleRateColumn] = "44100";
        columns[library::kChannelModeColumn] = "Joint Stereo";
        columns[library::kPathColumn] = "/music/" + artists[i] + "/Album/" + std::to_string(i) + " song.mp3";
        columns[library::kFileSizeColumn] = "3440000";
        paths.push_back(columns[library::kPathColumn]);
        lines.push_back(library::joinSongLine(columns));
    }
    return lines;
}

} // namespace kavrel::bench
