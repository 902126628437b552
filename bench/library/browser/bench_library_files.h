#pragma once
// A library folder "Library/LB1" of 100,000 songs by 1,000 artists under a fresh temporary program folder:
// the first artist, "Band 1", has 2,000 songs; titles and albums are made of common words, twelve songs an
// album. Every third artist is Cyrillic.
#include <filesystem>

namespace kavrel::bench {

inline constexpr int kLibrarySongs = 100'000;
inline constexpr int kBigArtistSongs = 2'000;

// Writes the library; the caller removes the folder it returns.
std::filesystem::path writeBenchLibrary();

} // namespace kavrel::bench
