#include "metadata/ogg_vorbis.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>

#include "metadata/tag_text.h"
#include "platform/text/numbers.h"
#include "platform/text/utf8.h"

namespace kavrel::metadata {

namespace {

constexpr std::uint64_t kIdentificationAt = 28; // after a first page header with one segment
constexpr std::size_t kIdentificationBytes = 30;
constexpr std::size_t kCommentBytes = 250;
constexpr std::size_t kCommentHeaderSearch = 244;
constexpr int kLastPageBlocks = 50;
constexpr std::uint64_t kLastPageStep = 240;
constexpr std::size_t kLastPageSearch = 241;

enum CommentSlot { kTitle, kArtist, kAlbum, kTrackNumber, kDate, kGenre, kComment, kSlotCount };
constexpr std::array<std::string_view, kSlotCount> kCommentNames = {
    "TITLE", "ARTIST", "ALBUM", "TRACKNUMBER", "DATE", "GENRE", "COMMENT"};

std::string decodeUtf8(std::string_view raw) {
    return std::string(text::validUtf8Prefix(raw));
}

// Reads the length-prefixed strings of the comment header from position on: the vendor string, the
// comment count and the comments. Each string keeps its first 250 bytes, trimmed. A count or length
// beyond the bytes the file has left ends the walk, so damaged headers cannot make it run away.
class CommentWalk {
public:
    CommentWalk(ByteSource& source, std::uint64_t position) : source_(source), position_(position) {}

    std::optional<std::uint32_t> number() {
        std::array<std::uint8_t, 4> bytes{};
        if (!source_.readExactly(position_, bytes))
            return std::nullopt;
        position_ += 4;
        return readLittleEndian32(bytes.data());
    }

    std::optional<std::string> string() {
        const auto length = number();
        if (!length || *length > bytesLeft())
            return std::nullopt;
        std::array<std::uint8_t, kCommentBytes> kept{};
        const std::size_t keep = std::min<std::size_t>(*length, kCommentBytes);
        if (!source_.readExactly(position_, {kept.data(), keep}))
            return std::nullopt;
        position_ += *length; // the rest of an over-long string is skipped
        return std::string(trimBlanks(asText(kept)));
    }

    std::uint64_t bytesLeft() const { return source_.size() > position_ ? source_.size() - position_ : 0; }

private:
    ByteSource& source_;
    std::uint64_t position_;
};

} // namespace

void TOggVorbis::Reset() {
    valid_ = false;
    fileSize_ = 0;
    channels_ = 0;
    sampleRate_ = 0;
    nominalBitRate_ = 0;
    samples_ = 0;
    for (std::string* field : {&title_, &artist_, &album_, &date_, &genre_, &comment_, &vendor_})
        field->clear();
    track_ = 0;
    id3v2_ = TID3v2{};
}

bool TOggVorbis::LoadFromFile(const std::filesystem::path& fileName) {
    Reset();
    auto source = FileSource::open(fileName);
    return source && Load(*source);
}

bool TOggVorbis::Load(ByteSource& source) {
    Reset();
    id3v2_.Load(source);
    const std::uint64_t streamStart = static_cast<std::uint64_t>(id3v2_.Size());
    std::array<std::uint8_t, kIdentificationBytes> id{};
    const bool read = source.readExactly(streamStart + kIdentificationAt, id);
    if (read && asText({id.data(), 7}) == "\x01vorbis") {
        valid_ = true;
        fileSize_ = static_cast<std::int32_t>(
            std::min<std::uint64_t>(source.size(), std::numeric_limits<std::int32_t>::max()));
        const std::uint8_t channels = id[11];
        channels_ = channels == 1 || channels == 2 ? channels : 0;
        const std::uint32_t sampleRate = readLittleEndian32(&id[12]);
        sampleRate_ = sampleRate >= 8000 && sampleRate <= 48000 ? static_cast<std::uint16_t>(sampleRate) : 0;
        const std::int32_t nominalKbits = static_cast<std::int32_t>(readLittleEndian32(&id[20])) / 1000;
        nominalBitRate_ =
            nominalKbits >= 16 && nominalKbits <= 350 ? static_cast<std::uint16_t>(nominalKbits) : 0;
    }
    ReadComments(source, streamStart);
    ReadSamples(source);
    return read;
}

void TOggVorbis::ReadComments(ByteSource& source, std::uint64_t streamStart) {
    std::array<std::uint8_t, kCommentBytes> head{};
    const auto got = source.readAt(streamStart, head);
    if (!got)
        return;
    std::uint64_t position = streamStart;
    const std::string_view headText = asText(head);
    for (std::size_t i = 0; i < kCommentHeaderSearch; ++i) {
        if (headText.substr(i, 7) == "\x03vorbis") {
            position = streamStart + i + 7;
            break;
        }
    }

    std::array<std::string, kSlotCount> slots;
    std::string vendor;
    auto take = [&](const std::string& entry) {
        const auto equals = entry.find('=');
        if (equals == std::string::npos) {
            if (vendor.empty())
                vendor = entry;
            return;
        }
        const std::string name = asciiUpper(std::string_view(entry).substr(0, equals));
        for (std::size_t slot = 0; slot < kSlotCount; ++slot)
            if (name == kCommentNames[slot])
                slots[slot] = entry.substr(equals + 1);
    };

    CommentWalk walk(source, position);
    if (const auto vendorString = walk.string()) {
        take(*vendorString);
        const auto count = walk.number();
        // Every comment takes at least its 4-byte length, so a larger count cannot be genuine.
        const std::uint64_t plausible = count ? std::min<std::uint64_t>(*count, walk.bytesLeft() / 4) : 0;
        for (std::uint64_t i = 0; i < plausible; ++i) {
            const auto entry = walk.string();
            if (!entry)
                break;
            take(*entry);
        }
    }
    title_ = decodeUtf8(slots[kTitle]);
    artist_ = decodeUtf8(slots[kArtist]);
    album_ = decodeUtf8(slots[kAlbum]);
    date_ = decodeUtf8(slots[kDate]);
    genre_ = decodeUtf8(slots[kGenre]);
    comment_ = decodeUtf8(slots[kComment]);
    vendor_ = decodeUtf8(vendor);
    track_ = parseTrackNumber(trimBlanks(slots[kTrackNumber]), std::numeric_limits<std::int32_t>::min(),
                              std::numeric_limits<std::int32_t>::max());
}

void TOggVorbis::ReadSamples(ByteSource& source) {
    const std::uint64_t size = source.size();
    std::array<std::uint8_t, kCommentBytes> block{};
    for (int k = 1; k <= kLastPageBlocks; ++k) {
        const std::uint64_t back = kLastPageStep * k + 10;
        if (back > size || !source.readExactly(size - back, block))
            return;
        const std::string_view blockText = asText(block);
        for (std::size_t i = 0; i < kLastPageSearch; ++i) {
            if (blockText.substr(i, 4) == "OggS") {
                samples_ = static_cast<std::int32_t>(readLittleEndian32(&block[i + 6]));
                return;
            }
        }
    }
}

std::string TOggVorbis::ChannelMode() const {
    return std::string(channelCountName(channels_));
}

double TOggVorbis::Duration() const {
    if (samples_ > 0)
        return sampleRate_ == 0 ? 0.0 : static_cast<double>(samples_) / sampleRate_;
    if (nominalBitRate_ != 0 && channels_ > 0) {
        const double streamBytes = static_cast<double>(fileSize_) - id3v2_.Size();
        return streamBytes / nominalBitRate_ / channels_ / 125.0 * 2.0;
    }
    return 0.0;
}

std::uint16_t TOggVorbis::BitRate() const {
    const double duration = Duration();
    if (duration <= 0.0)
        return 0;
    const double kbits = (static_cast<double>(fileSize_) - id3v2_.Size()) / duration / 125.0;
    // A tiny duration from a damaged last page can give any rate; beyond the field's range it is unknown.
    if (!(kbits >= 0.0 && kbits <= 65535.0))
        return 0;
    return static_cast<std::uint16_t>(text::roundHalfEven(kbits));
}

} // namespace kavrel::metadata
