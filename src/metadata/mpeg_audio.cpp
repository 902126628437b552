#include "metadata/mpeg_audio.h"

#include <algorithm>
#include <array>
#include <limits>

#include "metadata/tag_text.h"
#include "platform/text/numbers.h"
#include "platform/text/utf8.h"

namespace kavrel::metadata {

namespace {

using Block = std::array<std::uint8_t, TMPEGaudio::kBlockBytes>;

constexpr std::int64_t kId3v1Bytes = 128;
constexpr std::size_t kXingFrameCountAt = 8, kXingByteCountAt = 12, kXingQualityAt = 119,
                      kXingVersionAt = 120;
constexpr std::size_t kVbriQualityAt = 9, kVbriByteCountAt = 10, kVbriFrameCountAt = 14;

// Up to one block from offset; what the file does not fill stays zero. nullopt on a read error.
std::optional<std::size_t> readBlock(ByteSource& source, std::uint64_t offset, Block& block) {
    block.fill(0);
    return source.readAt(offset, block);
}

// True when the count bytes at offset lie inside the block: bytes past its end count as absent.
bool inBlock(std::size_t offset, std::size_t count) {
    return offset + count <= TMPEGaudio::kBlockBytes;
}

TVBRData parseVbrHeader(const Block& block, std::size_t p) {
    TVBRData vbr;
    if (!inBlock(p, 4))
        return vbr;
    const std::string_view id = asText({block.data() + p, 4});
    if (id == "Xing" && inBlock(p, kXingVersionAt + 8)) {
        vbr.Found = true;
        vbr.Id = "Xing";
        vbr.FrameCount = static_cast<std::int32_t>(readBigEndian32(&block[p + kXingFrameCountAt]));
        vbr.ByteCount = static_cast<std::int32_t>(readBigEndian32(&block[p + kXingByteCountAt]));
        vbr.Quality = block[p + kXingQualityAt];
        vbr.EncoderVersion = text::decodeLegacyText(asText({block.data() + p + kXingVersionAt, 8}));
    }
    if (id == "VBRI" && inBlock(p, kVbriFrameCountAt + 4)) {
        vbr.Found = true;
        vbr.Id = "VBRI";
        vbr.Quality = block[p + kVbriQualityAt];
        vbr.ByteCount = static_cast<std::int32_t>(readBigEndian32(&block[p + kVbriByteCountAt]));
        vbr.FrameCount = static_cast<std::int32_t>(readBigEndian32(&block[p + kVbriFrameCountAt]));
    }
    return vbr;
}

// The first position whose header is followed by a second valid header exactly one frame later.
void searchFrame(const Block& block, TMPEGFrame& frame, TVBRData& vbr) {
    frame = TMPEGFrame{};
    for (std::size_t i = 0; i < TMPEGaudio::kSearchPositions; ++i) {
        if (!mpeg::isValidHeader(&block[i]))
            continue;
        mpeg::decodeHeader(&block[i], frame);
        const std::uint16_t length = mpeg::frameLength(frame);
        const std::size_t next = static_cast<std::uint16_t>(i + length);
        if (!inBlock(next, 4) || !mpeg::isValidHeader(&block[next]))
            continue;
        frame.Found = true;
        frame.Position = static_cast<std::int32_t>(i);
        frame.Size = length;
        frame.ZeroAfterHeader = true;
        for (std::size_t k = i + 4; k < i + 10; ++k)
            frame.ZeroAfterHeader = frame.ZeroAfterHeader && block[k] == 0;
        vbr = parseVbrHeader(block, i + mpeg::sideInfoOffset(frame));
        return;
    }
}

// Searches backwards from the end of the block for "LAME" and 4 more characters, or "GOGO".
std::string searchEncoderTag(const Block& block, std::uint16_t frameSize) {
    constexpr std::int32_t kBlock = TMPEGaudio::kBlockBytes;
    std::int32_t limit = static_cast<std::uint16_t>(frameSize * 5);
    if (kBlock - limit - 8 < 0)
        limit = kBlock - 8;
    for (std::int32_t k = 0; k <= limit; ++k) {
        const std::string_view candidate = asText({block.data() + kBlock - k - 8, 4});
        if (candidate == "LAME")
            return text::decodeLegacyText(asText({block.data() + kBlock - k - 8, 8}));
        if (candidate == "GOGO")
            return "GOGO";
    }
    return {};
}

} // namespace

void TMPEGaudio::Reset() {
    fileSize_ = 0;
    encoderTag_.clear();
    vbrInfo_ = TVBRData{};
    firstFrame_ = TMPEGFrame{};
    firstFrame_.VersionIndex = mpeg::kVersionReserved;
    firstFrame_.SampleRateIndex = 3;
    firstFrame_.ChannelModeIndex = mpeg::kChannelModeUnknown;
    firstFrame_.ModeExtension = 4;
    firstFrame_.EmphasisIndex = 2;
    id3v1_ = TID3v1{};
    id3v2_ = TID3v2{};
}

bool TMPEGaudio::LoadFromFile(const std::filesystem::path& fileName) {
    Reset();
    auto source = FileSource::open(fileName);
    return source && Load(*source);
}

bool TMPEGaudio::Load(ByteSource& source) {
    Reset();
    const bool read = id3v2_.Load(source) && id3v1_.Load(source) && ReadStream(source);
    if (!firstFrame_.Found)
        Reset();
    return read;
}

bool TMPEGaudio::ReadStream(ByteSource& source) {
    const std::uint64_t size = source.size();
    fileSize_ =
        static_cast<std::int32_t>(std::min<std::uint64_t>(size, std::numeric_limits<std::int32_t>::max()));
    const std::uint64_t audioStart = static_cast<std::uint64_t>(id3v2_.Size());
    Block block;
    TVBRData vbr;
    const auto got = readBlock(source, audioStart, block);
    if (!got)
        return false;
    searchFrame(block, firstFrame_, vbr);
    if (!firstFrame_.Found && *got == kBlockBytes) {
        // The middle of the file, counted from its start.
        if (!readBlock(source, (size - audioStart) / 2, block))
            return false;
        searchFrame(block, firstFrame_, vbr);
    }
    if (!firstFrame_.Found)
        return true;
    vbrInfo_ = vbr;
    if (vbrInfo_.Found)
        return true;
    // The block ends where the audio ends. A file shorter than the block fills only its end, so a short
    // but sound file still reads (and is searched from its end) instead of failing.
    const std::uint64_t blockEnd = size - (id3v1_.Exists() ? kId3v1Bytes : 0);
    const std::uint64_t filled = std::min<std::uint64_t>(blockEnd, kBlockBytes);
    block.fill(0);
    if (!source.readExactly(blockEnd - filled, std::span(block).last(filled)))
        return false;
    encoderTag_ = searchEncoderTag(block, firstFrame_.Size);
    return true;
}

std::uint16_t TMPEGaudio::BitRate() const {
    if (!vbrInfo_.Found || vbrInfo_.FrameCount <= 0)
        return mpeg::tableBitRate(firstFrame_);
    const double frameBytes = static_cast<double>(vbrInfo_.ByteCount) / vbrInfo_.FrameCount;
    const double kbits = (frameBytes - mpeg::paddingSize(firstFrame_)) * mpeg::tableSampleRate(firstFrame_) /
                         mpeg::coefficient(firstFrame_) / 1000.0;
    // Counts from the file can say anything; a rate beyond the field's range reads as unknown.
    if (!(kbits >= 0.0 && kbits <= 65535.0))
        return 0;
    return static_cast<std::uint16_t>(text::roundHalfEven(kbits));
}

std::uint16_t TMPEGaudio::SampleRate() const {
    return mpeg::tableSampleRate(firstFrame_);
}

std::string TMPEGaudio::ChannelMode() const {
    return std::string(mpeg::channelModeName(firstFrame_.ChannelModeIndex));
}

double TMPEGaudio::Duration() const {
    if (!firstFrame_.Found)
        return 0.0;
    const std::uint16_t sampleRate = mpeg::tableSampleRate(firstFrame_);
    if (vbrInfo_.Found && vbrInfo_.FrameCount >= 1) {
        if (sampleRate == 0)
            return 0.0;
        // Formed wide: a long file's frame count overflows the 32-bit product.
        const std::int64_t samples = std::int64_t{mpeg::coefficient(firstFrame_)} * vbrInfo_.FrameCount * 8;
        return static_cast<double>(samples) / sampleRate;
    }
    const std::uint16_t bitRate = mpeg::tableBitRate(firstFrame_);
    if (bitRate == 0)
        return 0.0;
    const std::int64_t audioBytes =
        std::int64_t{fileSize_} - id3v2_.Size() - (id3v1_.Exists() ? kId3v1Bytes : 0) - firstFrame_.Position;
    return static_cast<double>(audioBytes) / bitRate / 1000.0 * 8.0;
}

bool TMPEGaudio::Valid() const {
    const std::uint16_t bitRate = BitRate();
    return firstFrame_.Found && bitRate >= 8 && bitRate <= 448 && Duration() >= 0.1;
}

} // namespace kavrel::metadata
