#pragma once
// Audio-CD tracks read from a drive (through cdio-paranoia) or from a disc image.
#include "platform/audio/decoder.h"

#include <memory>
#include <string>

namespace kavrel::audio {

// Track `trackIndex` (0-based, in disc order) of the source; nullptr with the reason in *error.
std::unique_ptr<Decoder> openCdDecoder(const std::string& source, int trackIndex, std::string* error);

} // namespace kavrel::audio
