#pragma once
// Tracker modules rendered by libopenmpt.
#include "platform/audio/decoder.h"

#include <filesystem>
#include <memory>
#include <string>

namespace kavrel::audio {

inline constexpr int kModuleRate = 44100;

// The module, rendered once through as 44100 Hz stereo; nullptr with the reason in *error.
std::unique_ptr<Decoder> openModuleDecoder(const std::filesystem::path& file, std::string* error);

} // namespace kavrel::audio
