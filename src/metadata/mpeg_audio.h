#pragma once
// MPEG audio (MPEG 1, 2 and 2.5, Layers I to III): the first frame, a Xing or VBRI header, the encoder
// tag near the end, and bit rate, sample rate, channel mode, duration and a validity verdict.
#include <cstdint>
#include <filesystem>
#include <string>

#include "metadata/byte_source.h"
#include "metadata/id3v1.h"
#include "metadata/id3v2.h"
#include "metadata/mpeg_frame.h"

namespace kavrel::metadata {

struct TVBRData {
    bool Found = false;
    std::string Id; // "Xing", "VBRI" or empty
    std::int32_t FrameCount = 0;
    std::int32_t ByteCount = 0;
    std::uint8_t Quality = 0;
    std::string EncoderVersion;
};

// One thread at a time per instance (its two tags included); a load blocks on its file reads.
class TMPEGaudio {
public:
    // The frame search block: twice the largest frame length the search allows for.
    static constexpr std::size_t kBlockBytes = 3458;
    static constexpr std::size_t kSearchPositions = 1730;

    TMPEGaudio() { Reset(); }

    // False when the file or its ID3 tags cannot be read, or when the encoder-tag block would start
    // before the file. A readable file without an accepted frame gives true with everything reset.
    bool LoadFromFile(const std::filesystem::path& fileName);
    bool Load(ByteSource& source);

    std::int32_t FileSize() const { return fileSize_; }
    const std::string& EncoderTag() const { return encoderTag_; }
    const TVBRData& VbrInfo() const { return vbrInfo_; }
    const TMPEGFrame& FirstFrame() const { return firstFrame_; }
    const TID3v1& ID3v1() const { return id3v1_; }
    const TID3v2& ID3v2() const { return id3v2_; }

    std::uint16_t BitRate() const;
    std::uint16_t SampleRate() const;
    std::string ChannelMode() const;
    double Duration() const;
    bool Valid() const;

private:
    void Reset();
    bool ReadStream(ByteSource& source);

    std::int32_t fileSize_;
    std::string encoderTag_;
    TVBRData vbrInfo_;
    TMPEGFrame firstFrame_;
    TID3v1 id3v1_;
    TID3v2 id3v2_;
};

} // namespace kavrel::metadata
