#pragma once
// Loads fuzz input with a reader and touches every derived value, so arithmetic on damaged values runs.
#include <cstddef>
#include <cstdint>
#include <span>

#include "metadata/byte_source.h"
#include "metadata/id3v1.h"
#include "metadata/id3v2.h"
#include "metadata/mpeg_audio.h"
#include "metadata/ogg_vorbis.h"
#include "metadata/wma_file.h"

namespace kavrel::fuzz {

inline std::size_t touch(const metadata::TID3v1& r) {
    return r.Title().size() + r.Comment().size();
}
inline std::size_t touch(const metadata::TID3v2& r) {
    return r.Title().size() + r.Comment().size() + r.Track();
}
inline std::size_t touch(const metadata::TMPEGaudio& r) {
    return r.BitRate() + r.SampleRate() + r.ChannelMode().size() + static_cast<std::size_t>(r.Valid()) +
           static_cast<std::size_t>(r.Duration() > 0) + r.EncoderTag().size();
}
inline std::size_t touch(const metadata::TOggVorbis& r) {
    return r.BitRate() + r.ChannelMode().size() + static_cast<std::size_t>(r.Duration() > 0) +
           r.Title().size();
}
inline std::size_t touch(const metadata::TWMAfile& r) {
    return r.ChannelMode().size() + r.Title().size();
}

template <class Reader> int readAll(const std::uint8_t* data, std::size_t size) {
    metadata::MemorySource source(std::span<const std::uint8_t>(data, size));
    Reader reader;
    reader.Load(source);
    volatile std::size_t sink = touch(reader);
    (void)sink;
    return 0;
}

} // namespace kavrel::fuzz
