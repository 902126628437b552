#pragma once
// The 128-byte ID3v1 / ID3v1.1 tag at the end of an audio file. Text comes out as UTF-8.
#include <cstdint>
#include <filesystem>
#include <string>

#include "metadata/byte_source.h"

namespace kavrel::metadata {

// One thread at a time per instance; a load blocks on its file reads.
class TID3v1 {
public:
    static constexpr std::uint8_t kNoGenre = 255;

    TID3v1() { Reset(); }

    // False when the last 128 bytes cannot be read (missing file, file shorter than 128 bytes); true
    // otherwise, whether or not a tag is there.
    bool LoadFromFile(const std::filesystem::path& fileName);
    bool Load(ByteSource& source);

    bool Exists() const { return exists_; }
    std::uint8_t VersionId() const { return versionId_; }
    const std::string& Title() const { return title_; }
    const std::string& Artist() const { return artist_; }
    const std::string& Album() const { return album_; }
    const std::string& Year() const { return year_; }
    const std::string& Comment() const { return comment_; }
    std::uint8_t Track() const { return track_; }
    std::uint8_t GenreId() const { return genreId_; }

private:
    void Reset();

    bool exists_;
    std::uint8_t versionId_;
    std::string title_;
    std::string artist_;
    std::string album_;
    std::string year_;
    std::string comment_;
    std::uint8_t track_;
    std::uint8_t genreId_;
};

} // namespace kavrel::metadata
