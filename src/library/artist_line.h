#pragma once
// The artist line of "ArtName.pan": the artist name and the name of its artist file, each followed by
// its column tag.
#include <array>
#include <string>
#include <string_view>

namespace kavrel::library {

inline constexpr std::array<std::string_view, 2> kArtistLineTags = {" endart ", " endafn "};

struct ArtistLine {
    std::string artist;
    std::string artistFile;
};

// The artist of a song line: the text before its first " endart " (empty when there is none).
std::string_view songLineArtist(std::string_view songLine);

// "Artist" + number + ".pft", numbered from 1.
std::string artistFileName(int number);
std::string joinArtistLine(std::string_view artist, std::string_view artistFile);
ArtistLine splitArtistLine(std::string_view line);

} // namespace kavrel::library
