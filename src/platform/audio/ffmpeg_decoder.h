#pragma once
// Streams decoded by FFmpeg: MP3, Ogg Vorbis, WMA and whatever else it reads.
#include "platform/audio/decoder.h"

#include <filesystem>
#include <memory>
#include <string>

namespace kavrel::audio {

// The file's first audio stream, or nullptr with the reason in *error.
std::unique_ptr<Decoder> openFfmpegDecoder(const std::filesystem::path& file, std::string* error);

} // namespace kavrel::audio
