#pragma once
// The ID3v2 tag (major versions 2, 3 and 4) at the start of an audio file: its size and the text of
// sixteen kinds of frame. Text comes out as UTF-8.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "metadata/byte_source.h"

namespace kavrel::metadata {

// One thread at a time per instance; a load blocks on its file reads.
class TID3v2 {
public:
    TID3v2() { Reset(); }

    // False when the 10 header bytes cannot be read; true otherwise, whether or not a tag is there.
    bool LoadFromFile(const std::filesystem::path& fileName);
    bool Load(ByteSource& source);

    bool Exists() const { return exists_; }
    std::uint8_t VersionId() const { return versionId_; }
    // The whole tag with its header (and footer); 0 without a tag or when it would not fit the file.
    std::int32_t Size() const { return size_; }
    const std::string& Title() const { return title_; }
    const std::string& Artist() const { return artist_; }
    const std::string& Album() const { return album_; }
    std::uint16_t Track() const { return track_; }
    const std::string& TrackText() const { return trackText_; }
    const std::string& Year() const { return year_; }
    const std::string& Genre() const { return genre_; }
    const std::string& Comment() const { return comment_; }
    const std::string& Composer() const { return composer_; }
    const std::string& Encoder() const { return encoder_; }
    const std::string& Copyright() const { return copyright_; }
    const std::string& Language() const { return language_; }
    const std::string& Link() const { return link_; }

    static constexpr std::size_t kSlotCount = 16;
    // Raw frame data as read: the first 500 bytes of the last frame of each slot's kind.
    using RawSlots = std::array<std::string, kSlotCount>;

private:
    void Reset();
    void ReadFrames(ByteSource& source, RawSlots& slots, std::uint64_t framesEnd) const;
    void FillFields(const RawSlots& slots);

    bool exists_;
    std::uint8_t versionId_;
    std::int32_t size_;
    std::string title_;
    std::string artist_;
    std::string album_;
    std::uint16_t track_;
    std::string trackText_;
    std::string year_;
    std::string genre_;
    std::string comment_;
    std::string composer_;
    std::string encoder_;
    std::string copyright_;
    std::string language_;
    std::string link_;
};

} // namespace kavrel::metadata
