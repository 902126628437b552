#pragma once
// One MPEG audio frame header: the validity test, its decoding and the values derived from its indexes.
#include <array>
#include <cstdint>
#include <string_view>

namespace kavrel::metadata {

struct TMPEGFrame {
    bool Found = false;
    std::int32_t Position = 0;
    std::uint16_t Size = 0;
    bool ZeroAfterHeader = false;
    std::array<std::uint8_t, 4> HeaderBytes{};
    std::uint8_t VersionIndex = 0;
    std::uint8_t LayerIndex = 0;
    bool Protected = false;
    std::uint16_t BitRateIndex = 0;
    std::uint16_t SampleRateIndex = 0;
    bool Padding = false;
    bool PrivateBit = false;
    std::uint8_t ChannelModeIndex = 0;
    std::uint8_t ModeExtension = 0;
    bool Copyright = false;
    bool Original = false;
    std::uint8_t EmphasisIndex = 0;
};

namespace mpeg {

constexpr std::uint8_t kVersion25 = 0;
constexpr std::uint8_t kVersionReserved = 1;
constexpr std::uint8_t kVersion2 = 2;
constexpr std::uint8_t kVersion1 = 3;
constexpr std::uint8_t kLayerReserved = 0;
constexpr std::uint8_t kLayer3 = 1;
constexpr std::uint8_t kLayer2 = 2;
constexpr std::uint8_t kLayer1 = 3;
constexpr std::uint8_t kChannelModeMono = 3;
constexpr std::uint8_t kChannelModeUnknown = 4;

bool isValidHeader(const std::uint8_t* b);
// Fills the header fields of the record from 4 header bytes; Found, Position, Size and
// ZeroAfterHeader are left as they are.
void decodeHeader(const std::uint8_t* b, TMPEGFrame& frame);

// Table values in kbit/s and Hz; 0 for free format, index 15 and every reserved index.
std::uint16_t tableBitRate(const TMPEGFrame& frame);
std::uint16_t tableSampleRate(const TMPEGFrame& frame);
// Bytes per frame per (kbit/s / Hz): 48 for Layer I, 144 for Layer II and MPEG 1 Layer III, else 72.
std::uint32_t coefficient(const TMPEGFrame& frame);
std::uint32_t paddingSize(const TMPEGFrame& frame);
std::uint16_t frameLength(const TMPEGFrame& frame);
// Where a VBR header stands after the frame start: past the side information.
std::uint32_t sideInfoOffset(const TMPEGFrame& frame);
std::string_view channelModeName(std::uint8_t channelModeIndex);

} // namespace mpeg
} // namespace kavrel::metadata
