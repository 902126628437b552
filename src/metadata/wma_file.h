#pragma once
// WMA: the header objects of an ASF file (stream parameters, the content description and the
// extended content description). Text comes out as UTF-8.
#include <cstdint>
#include <filesystem>
#include <string>

#include "metadata/byte_source.h"

namespace kavrel::metadata {

// One thread at a time per instance; a load blocks on its file reads.
class TWMAfile {
public:
    TWMAfile() { Reset(); }

    // False when the file cannot be opened or a read inside its header fails; true otherwise, whether
    // or not its values were plausible (Valid).
    bool LoadFromFile(const std::filesystem::path& fileName);
    bool Load(ByteSource& source);

    bool Valid() const { return valid_; }
    std::int32_t FileSize() const { return fileSize_; }
    std::uint8_t Channels() const { return channels_; }
    std::int32_t SampleRate() const { return sampleRate_; }
    double Duration() const { return duration_; }
    std::int32_t BitRate() const { return bitRate_; }
    const std::string& Title() const { return title_; }
    const std::string& Artist() const { return artist_; }
    const std::string& Album() const { return album_; }
    std::int32_t Track() const { return track_; }
    const std::string& Year() const { return year_; }
    const std::string& Genre() const { return genre_; }
    const std::string& Comment() const { return comment_; }

    std::string ChannelMode() const;

private:
    void Reset();

    bool valid_;
    std::int32_t fileSize_;
    std::uint8_t channels_;
    std::int32_t sampleRate_;
    double duration_;
    std::int32_t bitRate_;
    std::string title_;
    std::string artist_;
    std::string album_;
    std::int32_t track_;
    std::string year_;
    std::string genre_;
    std::string comment_;
};

} // namespace kavrel::metadata
