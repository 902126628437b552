#pragma once
// The decoders read files, so the fuzz input goes into a file of this process's own temporary folder.
#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace kavrel::audio::fuzz {

// A folder under the system temporary folder, removed when the process ends.
const std::filesystem::path& scratchFolder();
// Writes the bytes to `name` in the scratch folder and returns its path.
std::filesystem::path writeScratch(const char* name, const std::uint8_t* data, std::size_t size);

} // namespace kavrel::audio::fuzz
