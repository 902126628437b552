#include "metadata/mpeg_frame.h"

namespace kavrel::metadata::mpeg {

namespace {

// kbit/s by [MPEG 1 / lower sampling frequencies][layer I, II, III][bit-rate index].
constexpr std::uint16_t kBitRates[2][3][16] = {
    {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},
     {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},
     {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0}},
    {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0}}};

// Hz by version index (2.5, reserved, 2, 1) and sample-rate index.
constexpr std::uint16_t kSampleRates[4][4] = {
    {11025, 12000, 8000, 0}, {0, 0, 0, 0}, {22050, 24000, 16000, 0}, {44100, 48000, 32000, 0}};

constexpr std::string_view kChannelModes[5] = {"Stereo", "Joint Stereo", "Dual Channel", "Mono", "Unknown"};

} // namespace

bool isValidHeader(const std::uint8_t* b) {
    return b[0] == 0xFF && (b[1] & 0xE0) == 0xE0 && ((b[1] >> 3) & 3) != kVersionReserved &&
           ((b[1] >> 1) & 3) != kLayerReserved && (b[2] >> 4) != 0 && (b[2] >> 4) != 15 &&
           ((b[2] >> 2) & 3) != 3 && (b[3] & 3) != 2;
}

void decodeHeader(const std::uint8_t* b, TMPEGFrame& frame) {
    frame.HeaderBytes = {b[0], b[1], b[2], b[3]};
    frame.VersionIndex = (b[1] >> 3) & 3;
    frame.LayerIndex = (b[1] >> 1) & 3;
    frame.Protected = (b[1] & 1) == 0;
    frame.BitRateIndex = b[2] >> 4;
    frame.SampleRateIndex = (b[2] >> 2) & 3;
    frame.Padding = (b[2] >> 1) & 1;
    frame.PrivateBit = b[2] & 1;
    frame.ChannelModeIndex = b[3] >> 6;
    frame.ModeExtension = (b[3] >> 4) & 3;
    frame.Copyright = (b[3] >> 3) & 1;
    frame.Original = (b[3] >> 2) & 1;
    frame.EmphasisIndex = b[3] & 3;
}

std::uint16_t tableBitRate(const TMPEGFrame& frame) {
    if (frame.VersionIndex > 3 || frame.VersionIndex == kVersionReserved ||
        frame.LayerIndex == kLayerReserved || frame.LayerIndex > 3 || frame.BitRateIndex > 15)
        return 0;
    const int family = frame.VersionIndex == kVersion1 ? 0 : 1;
    const int layer = 3 - frame.LayerIndex; // layer index 3 is Layer I
    return kBitRates[family][layer][frame.BitRateIndex];
}

std::uint16_t tableSampleRate(const TMPEGFrame& frame) {
    if (frame.VersionIndex > 3 || frame.SampleRateIndex > 3)
        return 0;
    return kSampleRates[frame.VersionIndex][frame.SampleRateIndex];
}

std::uint32_t coefficient(const TMPEGFrame& frame) {
    if (frame.LayerIndex == kLayer1)
        return 48;
    if (frame.LayerIndex == kLayer2 || frame.VersionIndex == kVersion1)
        return 144;
    return 72;
}

std::uint32_t paddingSize(const TMPEGFrame& frame) {
    if (!frame.Padding)
        return 0;
    return frame.LayerIndex == kLayer1 ? 4 : 1;
}

std::uint16_t frameLength(const TMPEGFrame& frame) {
    const std::uint16_t sampleRate = tableSampleRate(frame);
    if (sampleRate == 0)
        return 0;
    const double bytes = static_cast<double>(coefficient(frame) * tableBitRate(frame) * 1000u) / sampleRate;
    return static_cast<std::uint16_t>(static_cast<std::uint32_t>(bytes) + paddingSize(frame));
}

std::uint32_t sideInfoOffset(const TMPEGFrame& frame) {
    const bool mono = frame.ChannelModeIndex == kChannelModeMono;
    if (frame.VersionIndex == kVersion1)
        return mono ? 21 : 36;
    return mono ? 13 : 21;
}

std::string_view channelModeName(std::uint8_t channelModeIndex) {
    return kChannelModes[channelModeIndex < 5 ? channelModeIndex : kChannelModeUnknown];
}

} // namespace kavrel::metadata::mpeg
