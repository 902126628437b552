#pragma once
// How the engines tell file kinds apart by name.
#include <optional>
#include <string_view>

namespace kavrel::engine {

// The name (path or bare name) ends in `extension` (such as ".mp3"), ignoring letter case: the "*.mp3" mask.
bool matchesExtension(std::string_view fileName, std::string_view extension);

// The 1-based CD track a name "Track<digits>.cda" (after its last folder separator) stands for;
// nullopt for every other name, so a stray ".cda" file never reaches the CD reader.
std::optional<int> cdTrackNumber(std::string_view fileName);

} // namespace kavrel::engine
