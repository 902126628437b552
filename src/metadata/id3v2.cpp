#include "metadata/id3v2.h"

#include <algorithm>
#include <string_view>

#include "metadata/id3v2_text.h"
#include "metadata/tag_text.h"
#include "platform/text/utf8.h"

namespace kavrel::metadata {

namespace {

constexpr std::size_t kHeaderBytes = 10;
constexpr std::size_t kFrameDataLimit = 500;
constexpr std::uint8_t kFooterFlag = 0x10;

struct SlotIds {
    std::string_view modern; // versions 3 and 4
    std::string_view v2;
};

enum Slot : std::size_t {
    kTitle,
    kArtist,
    kAlbum,
    kTrack,
    kYear,
    kGenre,
    kComment,
    kComposer,
    kEncoder,
    kCopyright,
    kLanguage,
    kLink,
    kRecordingTime,
    kOriginalArtist,
    kContentGroup,
    kOriginalAlbum
};

constexpr std::array<SlotIds, TID3v2::kSlotCount> kSlotIds = {{
    {"TIT2", "TT2"},
    {"TPE1", "TP1"},
    {"TALB", "TAL"},
    {"TRCK", "TRK"},
    {"TYER", "TYE"},
    {"TCON", "TCO"},
    {"COMM", "COM"},
    {"TCOM", "TCM"},
    {"TENC", "TEN"},
    {"TCOP", "TCR"},
    {"TLAN", "TLA"},
    {"WXXX", "WXX"},
    {"TDRC", "TOR"},
    {"TOPE", "TOA"},
    {"TIT1", "TT1"},
    {"TOAL", "TOT"},
}};

bool isFrameIdStart(std::uint8_t c) {
    return c >= 'A' && c <= 'Z';
}
bool isFrameIdChar(std::uint8_t c) {
    return isFrameIdStart(c) || (c >= '0' && c <= '9');
}

// Version 4 frame sizes are syncsafe, but a well-known writer bug stores them plain. The syncsafe
// reading is kept when it lands on a frame header, padding or the end of the frames.
std::uint64_t version4FrameSize(ByteSource& source, std::uint32_t plain, std::uint64_t dataStart,
                                std::uint64_t framesEnd) {
    if (plain & 0x80808080u)
        return plain;
    const std::uint32_t syncsafe =
        (plain >> 24 & 0x7F) << 21 | (plain >> 16 & 0x7F) << 14 | (plain >> 8 & 0x7F) << 7 | (plain & 0x7F);
    if (syncsafe == plain)
        return plain;
    const std::uint64_t next = dataStart + syncsafe;
    if (next == framesEnd)
        return syncsafe;
    std::array<std::uint8_t, 4> id{};
    if (next > framesEnd || !source.readExactly(next, id))
        return plain;
    const bool padding = id[0] == 0;
    const bool header = isFrameIdStart(id[0]) && std::all_of(id.begin(), id.end(), isFrameIdChar);
    return padding || header ? syncsafe : plain;
}

// The first count characters of UTF-8 text.
std::string firstCharacters(std::string_view text, int count) {
    std::size_t end = 0;
    for (int i = 0; i < count && end < text.size(); ++i)
        text::nextCodePoint(text, end);
    return std::string(text.substr(0, end));
}

} // namespace

void TID3v2::Reset() {
    exists_ = false;
    versionId_ = 0;
    size_ = 0;
    for (std::string* field : {&title_, &artist_, &album_, &trackText_, &year_, &genre_, &comment_,
                               &composer_, &encoder_, &copyright_, &language_, &link_})
        field->clear();
    track_ = 0;
}

bool TID3v2::LoadFromFile(const std::filesystem::path& fileName) {
    Reset();
    auto source = FileSource::open(fileName);
    return source && Load(*source);
}

bool TID3v2::Load(ByteSource& source) {
    Reset();
    std::array<std::uint8_t, kHeaderBytes> header{};
    if (!source.readExactly(0, header))
        return false;
    if (asText({header.data(), 3}) != "ID3")
        return true;
    exists_ = true;
    versionId_ = header[3];
    // The size bytes are taken whole, top bits included; at most 255 * 0x200000 + ... fits 32 bits.
    std::uint64_t size = std::uint64_t{header[6]} * 0x200000 + std::uint64_t{header[7]} * 0x4000 +
                         std::uint64_t{header[8]} * 0x80 + header[9] + kHeaderBytes;
    const bool footer = header[5] & kFooterFlag;
    if (footer)
        size += kHeaderBytes;
    size_ = size > source.size() ? 0 : static_cast<std::int32_t>(size);
    if (versionId_ < 2 || versionId_ > 4 || size_ <= 0)
        return true;
    RawSlots slots;
    ReadFrames(source, slots, footer ? size - kHeaderBytes : size);
    FillFields(slots);
    return true;
}

void TID3v2::ReadFrames(ByteSource& source, RawSlots& slots, std::uint64_t framesEnd) const {
    const bool v2 = versionId_ == 2;
    const std::size_t frameHeaderBytes = v2 ? 6 : 10;
    const std::size_t idLength = v2 ? 3 : 4;
    const std::uint64_t tagEnd = static_cast<std::uint64_t>(size_);
    std::uint64_t position = kHeaderBytes;
    while (position < tagEnd && position < source.size()) {
        std::array<std::uint8_t, 10> frameHeader{};
        if (!source.readExactly(position, {frameHeader.data(), frameHeaderBytes}))
            return;
        if (!isFrameIdStart(frameHeader[0]))
            return; // padding or garbage
        const std::uint64_t dataStart = position + frameHeaderBytes;
        std::uint64_t frameSize =
            v2 ? std::uint64_t{frameHeader[3]} << 16 | frameHeader[4] << 8 | frameHeader[5]
               : readBigEndian32(&frameHeader[4]);
        if (versionId_ == 4)
            frameSize =
                version4FrameSize(source, static_cast<std::uint32_t>(frameSize), dataStart, framesEnd);

        std::string data(kFrameDataLimit, '\0');
        const std::size_t wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(frameSize, kFrameDataLimit));
        if (!source.readExactly(dataStart, {reinterpret_cast<std::uint8_t*>(data.data()), wanted}))
            return;
        const bool ignored = !v2 && (frameHeader[9] & 0x80);
        const auto encoding = static_cast<std::uint8_t>(data[0]);
        if (!ignored && encoding <= 3) {
            const std::string_view id = asText({frameHeader.data(), idLength});
            for (std::size_t slot = 0; slot < kSlotCount; ++slot)
                if (id == (v2 ? kSlotIds[slot].v2 : kSlotIds[slot].modern))
                    slots[slot] = data;
        }
        // The frame size is unsigned and the header is never empty, so the walk always moves forward.
        position = dataStart + frameSize;
    }
}

void TID3v2::FillFields(const RawSlots& slots) {
    std::array<std::string, kSlotCount> text;
    for (std::size_t slot = 0; slot < kSlotCount; ++slot)
        if (slot != kComment && slot != kLink)
            text[slot] = decodeId3v2Text(slots[slot]);

    auto firstNonEmpty = [](std::string& preferred, std::string& fallback) {
        return std::move(preferred.empty() ? fallback : preferred);
    };
    title_ = firstNonEmpty(text[kTitle], text[kContentGroup]);
    artist_ = firstNonEmpty(text[kArtist], text[kOriginalArtist]);
    album_ = firstNonEmpty(text[kAlbum], text[kOriginalAlbum]);
    trackText_ = text[kTrack];
    track_ = static_cast<std::uint16_t>(parseTrackNumber(trackText_, 0, 0xFFFF));
    year_ = text[kYear].empty() ? firstCharacters(text[kRecordingTime], 4) : text[kYear];
    genre_ = text[kGenre];
    if (const auto close = genre_.rfind(')'); close != std::string::npos)
        genre_.erase(0, close + 1);
    comment_ = decodeId3v2DescribedText(slots[kComment], true);
    link_ = decodeId3v2DescribedText(slots[kLink], false);
    composer_ = text[kComposer];
    encoder_ = text[kEncoder];
    copyright_ = text[kCopyright];
    language_ = text[kLanguage];
}

} // namespace kavrel::metadata
