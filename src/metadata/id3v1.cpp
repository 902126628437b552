#include "metadata/id3v1.h"

#include <array>

#include "metadata/tag_text.h"
#include "platform/text/utf8.h"

namespace kavrel::metadata {

namespace {

constexpr std::size_t kTagBytes = 128;

// A fixed field, right-trimmed as bytes (zero bytes inside stay), then read by the legacy text rule.
std::string field(const std::array<std::uint8_t, kTagBytes>& tag, std::size_t offset, std::size_t length) {
    return text::decodeFieldText(trimBlanksRight(asText({tag.data() + offset, length})));
}

} // namespace

void TID3v1::Reset() {
    exists_ = false;
    versionId_ = 1;
    title_.clear();
    artist_.clear();
    album_.clear();
    year_.clear();
    comment_.clear();
    track_ = 0;
    genreId_ = kNoGenre;
}

bool TID3v1::LoadFromFile(const std::filesystem::path& fileName) {
    Reset();
    auto source = FileSource::open(fileName);
    return source && Load(*source);
}

bool TID3v1::Load(ByteSource& source) {
    Reset();
    std::array<std::uint8_t, kTagBytes> tag{};
    if (source.size() < kTagBytes || !source.readExactly(source.size() - kTagBytes, tag))
        return false;
    if (asText({tag.data(), 3}) != "TAG")
        return true;
    exists_ = true;
    const bool v11 = (tag[125] == 0 && tag[126] != 0) || (tag[125] == 0x20 && tag[126] != 0x20);
    versionId_ = v11 ? 2 : 1;
    title_ = field(tag, 3, 30);
    artist_ = field(tag, 33, 30);
    album_ = field(tag, 63, 30);
    year_ = field(tag, 93, 4);
    comment_ = field(tag, 97, v11 ? 28 : 30);
    if (v11)
        track_ = tag[126];
    genreId_ = tag[127];
    return true;
}

} // namespace kavrel::metadata
