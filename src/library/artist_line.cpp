#include "library/artist_line.h"

#include "library/song_line.h"

namespace kavrel::library {

std::string_view songLineArtist(std::string_view songLine) {
    const std::size_t end = songLine.find(kSongColumnTags[kArtistColumn]);
    return end == std::string_view::npos ? std::string_view() : songLine.substr(0, end);
}

std::string artistFileName(int number) {
    return "Artist" + std::to_string(number) + ".pft";
}

std::string joinArtistLine(std::string_view artist, std::string_view artistFile) {
    std::string line;
    line.reserve(artist.size() + artistFile.size() + 16);
    line.append(artist).append(kArtistLineTags[0]).append(artistFile).append(kArtistLineTags[1]);
    return line;
}

ArtistLine splitArtistLine(std::string_view line) {
    std::array<std::string, 2> columns;
    splitTaggedLine(line, kArtistLineTags, columns);
    return {std::move(columns[0]), std::move(columns[1])};
}

} // namespace kavrel::library
