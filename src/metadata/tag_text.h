#pragma once
// Small text and byte rules the readers share: the blank trimming of tag fields, track numbers and
// big- and little-endian numbers read from a block.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kavrel::metadata {

// Removes every character up to and including the blank (controls, zero bytes, blanks) at both ends.
std::string_view trimBlanks(std::string_view text);
std::string_view trimBlanksRight(std::string_view text);
std::u16string_view trimBlanks(std::u16string_view units);

// Format keys (Vorbis comment names, ASF descriptor names) are ASCII by their formats.
std::string asciiUpper(std::string_view text);

// The number before the first "/" ("7/12" gives 7); 0 unless that is a clean integer that fits the
// field it goes into (minValue..maxValue).
std::int32_t parseTrackNumber(std::string_view text, std::int32_t minValue, std::int32_t maxValue);

// "Unknown", "Mono" or "Stereo" by channel count (any other count is unknown).
std::string_view channelCountName(std::uint8_t channels);

// The bytes of a block as text, kept byte for byte.
inline std::string_view asText(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

inline std::uint32_t readBigEndian32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}
inline std::uint32_t readLittleEndian32(const std::uint8_t* p) {
    return std::uint32_t{p[3]} << 24 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 | p[0];
}
inline std::uint16_t readLittleEndian16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[1] << 8 | p[0]);
}

} // namespace kavrel::metadata
