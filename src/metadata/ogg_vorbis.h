#pragma once
// Ogg Vorbis: the identification header's stream parameters, the Vorbis comments and the sample count
// of the last page. Text comes out as UTF-8.
#include <cstdint>
#include <filesystem>
#include <string>

#include "metadata/byte_source.h"
#include "metadata/id3v2.h"

namespace kavrel::metadata {

// One thread at a time per instance; a load blocks on its file reads.
class TOggVorbis {
public:
    TOggVorbis() { Reset(); }

    // False when the identification header's 30 bytes cannot be read; true otherwise.
    bool LoadFromFile(const std::filesystem::path& fileName);
    bool Load(ByteSource& source);

    bool Valid() const { return valid_; }
    std::int32_t FileSize() const { return fileSize_; }
    std::uint8_t Channels() const { return channels_; }
    std::uint16_t SampleRate() const { return sampleRate_; }
    std::uint16_t NominalBitRate() const { return nominalBitRate_; }
    std::int32_t Samples() const { return samples_; }
    const std::string& Title() const { return title_; }
    const std::string& Artist() const { return artist_; }
    const std::string& Album() const { return album_; }
    std::int32_t Track() const { return track_; }
    const std::string& Date() const { return date_; }
    const std::string& Genre() const { return genre_; }
    const std::string& Comment() const { return comment_; }
    const std::string& Vendor() const { return vendor_; }
    const TID3v2& ID3v2() const { return id3v2_; }

    std::string ChannelMode() const;
    double Duration() const;
    std::uint16_t BitRate() const;

private:
    void Reset();
    void ReadComments(ByteSource& source, std::uint64_t streamStart);
    void ReadSamples(ByteSource& source);

    bool valid_;
    std::int32_t fileSize_;
    std::uint8_t channels_;
    std::uint16_t sampleRate_;
    std::uint16_t nominalBitRate_;
    std::int32_t samples_;
    std::string title_;
    std::string artist_;
    std::string album_;
    std::int32_t track_;
    std::string date_;
    std::string genre_;
    std::string comment_;
    std::string vendor_;
    TID3v2 id3v2_;
};

} // namespace kavrel::metadata
