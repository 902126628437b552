#pragma once
// Every file the program writes goes through here: the bytes go to a temporary file in the same folder,
// are flushed to disk, and the temporary file is renamed over the target, so a crash or a full disk
// never leaves a half-written file where a good one was.
#include <filesystem>
#include <string>
#include <string_view>

namespace kavrel::fs {

// Throws std::system_error naming the file and the reason on any failure; the old file is then intact.
void writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// The whole file; throws std::system_error naming the file on failure.
std::string readWholeFile(const std::filesystem::path& file);

} // namespace kavrel::fs
