#pragma once
// Song lines of a made-up library: thousands of Latin and Cyrillic artists, each spelled several ways.
#include <string>
#include <vector>

namespace kavrel::bench {

std::vector<std::string> generatedArtists(std::size_t songs);
// One song line per song, in the order a folder search would find them; the paths go to `paths`.
std::vector<std::string> generatedSongLines(std::size_t songs, std::vector<std::string>& paths);

} // namespace kavrel::bench
