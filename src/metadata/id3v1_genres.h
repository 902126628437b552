#pragma once
// The ID3v1 genre list with its later extensions: 148 names, "Blues" (0) to "Synthpop" (147).
#include <cstdint>
#include <optional>
#include <string_view>

namespace kavrel::metadata {

constexpr int kId3v1GenreCount = 148;

// The name of a genre byte; nullopt for 148 and above (255 means "no genre").
std::optional<std::string_view> id3v1GenreName(std::uint8_t genreId);

} // namespace kavrel::metadata
