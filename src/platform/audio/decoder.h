#pragma once
// A source of audio for one channel: delivers stereo float frames at the source's own rate.
#include "platform/audio/audio_types.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kavrel::audio {

class Decoder {
public:
    virtual ~Decoder() = default;

    // Rate, channel count and sample width of the source as it is stored.
    virtual ChannelInfo info() const = 0;
    // Source frames, when the source tells them.
    virtual std::optional<std::int64_t> lengthFrames() const = 0;
    // Fills up to `frames` interleaved stereo frames (sources with one channel are doubled, with more
    // are mixed down); returns how many were written, 0 only at the end of the source.
    virtual std::int64_t read(float* stereo, std::int64_t frames) = 0;
    // Moves so that the next read starts at source frame `frame`. False when the source cannot seek;
    // the read position is then unspecified but valid.
    virtual bool seek(std::int64_t frame) = 0;

    // Tracker modules only (other sources keep these defaults): the format as its usual file extension
    // in lower case, and how far apart the module's channels are panned (see AudioEngine).
    virtual std::optional<std::string> moduleFormat() const { return std::nullopt; }
    virtual bool setStereoSeparation(double /*separation*/) { return false; }
};

} // namespace kavrel::audio
