#include "metadata/wma_file.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>

#include "metadata/tag_text.h"
#include "platform/text/numbers.h"
#include "platform/text/utf8.h"

namespace kavrel::metadata {

namespace {

using Guid = std::array<std::uint8_t, 16>;

// GUIDs as stored: the first three groups little-endian.
constexpr Guid kHeaderObject = {0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
                                0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};
constexpr Guid kFilePropertiesObject = {0xA1, 0xDC, 0xAB, 0x8C, 0x47, 0xA9, 0xCF, 0x11,
                                        0x8E, 0xE4, 0x00, 0xC0, 0x0C, 0x20, 0x53, 0x65};
constexpr Guid kStreamPropertiesObject = {0x91, 0x07, 0xDC, 0xB7, 0xB7, 0xA9, 0xCF, 0x11,
                                          0x8E, 0xE6, 0x00, 0xC0, 0x0C, 0x20, 0x53, 0x65};
constexpr Guid kContentDescriptionObject = {0x33, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
                                            0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};
constexpr Guid kExtendedContentDescriptionObject = {0x40, 0xA4, 0xD0, 0xD2, 0x07, 0xE3, 0xD2, 0x11,
                                                    0x97, 0xF0, 0x00, 0xA0, 0xC9, 0x5E, 0xA8, 0x50};

constexpr std::uint64_t kObjectHeaderBytes = 24; // GUID and 64-bit size
constexpr std::size_t kStringUnitLimit = 250;
constexpr std::uint16_t kTextValue = 0;

enum Slot { kTitle, kArtist, kAlbum, kTrack, kYear, kGenre, kDescription, kTrackNumber, kSlotCount };
// The last name is not one of the classic seven: it fills the track only when "WM/TRACK" is absent.
constexpr std::array<std::string_view, kSlotCount> kDescriptorNames = {
    "WM/TITLE", "WM/AUTHOR", "WM/ALBUMTITLE",  "WM/TRACK",
    "WM/YEAR",  "WM/GENRE",  "WM/DESCRIPTION", "WM/TRACKNUMBER"};

struct ReadError {};

// Sequential reads from a position; a read the file cannot satisfy throws ReadError.
class Cursor {
public:
    explicit Cursor(ByteSource& source) : source_(source) {}

    std::uint64_t position() const { return position_; }
    void seek(std::uint64_t position) { position_ = position; }
    void skip(std::uint64_t count) { position_ += count; }

    template <std::size_t N> std::array<std::uint8_t, N> bytes() {
        std::array<std::uint8_t, N> out{};
        if (!source_.readExactly(position_, out))
            throw ReadError{};
        position_ += N;
        return out;
    }
    std::uint16_t u16() { return readLittleEndian16(bytes<2>().data()); }
    std::uint32_t u32() { return readLittleEndian32(bytes<4>().data()); }

    // UTF-16LE text of byteCount bytes: at most 250 units are kept, the rest is skipped.
    std::u16string string(std::uint16_t byteCount) {
        const std::size_t units = std::min<std::size_t>(byteCount / 2, kStringUnitLimit);
        std::u16string out;
        out.reserve(units);
        for (std::size_t i = 0; i < units; ++i)
            out += static_cast<char16_t>(u16());
        skip(byteCount - units * 2);
        return out;
    }

private:
    ByteSource& source_;
    std::uint64_t position_ = 0;
};

struct HeaderValues {
    std::uint32_t maxBitRate = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t bytesPerSecond = 0;
    std::array<std::u16string, kSlotCount> slots;
};

void readFileProperties(Cursor& in, HeaderValues& values) {
    in.skip(80);
    values.maxBitRate = in.u32();
}

void readStreamProperties(Cursor& in, HeaderValues& values) {
    in.skip(60);
    values.channels = in.u16();
    values.sampleRate = in.u32();
    values.bytesPerSecond = in.u32();
}

void readContentDescription(Cursor& in, HeaderValues& values) {
    in.skip(4);
    std::array<std::uint16_t, 5> lengths{};
    for (auto& length : lengths)
        length = in.u16();
    constexpr std::array<int, 5> kTargets = {kTitle, kArtist, -1, kDescription,
                                             -1}; // copyright, rating unused
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        if (lengths[i] == 0)
            continue;
        auto text = in.string(lengths[i]);
        if (kTargets[i] >= 0)
            values.slots[kTargets[i]] = std::move(text);
    }
}

void readExtendedContentDescription(Cursor& in, HeaderValues& values) {
    in.skip(4);
    const std::uint16_t count = in.u16();
    for (std::uint16_t i = 0; i < count; ++i) {
        const std::u16string name = in.string(in.u16());
        const std::uint16_t type = in.u16();
        const std::uint16_t valueLength = in.u16();
        if (type != kTextValue) {
            in.skip(valueLength);
            continue;
        }
        std::u16string value = in.string(valueLength);
        const std::string key = asciiUpper(text::fromUtf16(trimBlanks(std::u16string_view(name))));
        for (std::size_t slot = 0; slot < kSlotCount; ++slot)
            if (key == kDescriptorNames[slot])
                values.slots[slot] = value;
    }
}

// Walks the header's objects. An object smaller than its own header or reaching past the end of the
// file ends the walk, so a damaged size can neither loop nor run away.
void readHeaderObjects(Cursor& in, std::uint64_t fileSize, HeaderValues& values) {
    in.skip(8); // header size
    const std::uint32_t objectCount = in.u32();
    in.skip(2);
    for (std::uint32_t i = 0; i < objectCount; ++i) {
        const std::uint64_t start = in.position();
        const Guid guid = in.bytes<16>();
        const std::uint32_t size = in.u32();
        if (size < kObjectHeaderBytes || start + size > fileSize)
            return;
        if (guid == kFilePropertiesObject)
            readFileProperties(in, values);
        else if (guid == kStreamPropertiesObject)
            readStreamProperties(in, values);
        else if (guid == kContentDescriptionObject)
            readContentDescription(in, values);
        else if (guid == kExtendedContentDescriptionObject)
            readExtendedContentDescription(in, values);
        in.seek(start + size);
    }
}

bool isPlausible(const HeaderValues& v) {
    return v.maxBitRate >= 1 && v.maxBitRate <= 319999 && (v.channels == 1 || v.channels == 2) &&
           v.sampleRate >= 8000 && v.sampleRate <= 96000 && v.bytesPerSecond >= 1 &&
           v.bytesPerSecond <= 39999;
}

std::string slotText(const std::u16string& units) {
    return text::fromUtf16(trimBlanks(std::u16string_view(units)));
}

} // namespace

void TWMAfile::Reset() {
    valid_ = false;
    fileSize_ = 0;
    channels_ = 0;
    sampleRate_ = 0;
    duration_ = 0.0;
    bitRate_ = 0;
    for (std::string* field : {&title_, &artist_, &album_, &year_, &genre_, &comment_})
        field->clear();
    track_ = 0;
}

bool TWMAfile::LoadFromFile(const std::filesystem::path& fileName) {
    Reset();
    auto source = FileSource::open(fileName);
    return source && Load(*source);
}

bool TWMAfile::Load(ByteSource& source) {
    Reset();
    HeaderValues values;
    try {
        Cursor in(source);
        if (in.bytes<16>() != kHeaderObject)
            return true;
        readHeaderObjects(in, source.size(), values);
    } catch (const ReadError&) {
        return false;
    }
    if (!isPlausible(values))
        return true;
    valid_ = true;
    fileSize_ = static_cast<std::int32_t>(
        std::min<std::uint64_t>(source.size(), std::numeric_limits<std::int32_t>::max()));
    channels_ = static_cast<std::uint8_t>(values.channels);
    sampleRate_ = static_cast<std::int32_t>(values.sampleRate);
    duration_ = static_cast<double>(fileSize_) * 8.0 / values.maxBitRate;
    bitRate_ = static_cast<std::int32_t>(values.bytesPerSecond * 8 / 1000);
    title_ = slotText(values.slots[kTitle]);
    artist_ = slotText(values.slots[kArtist]);
    album_ = slotText(values.slots[kAlbum]);
    year_ = slotText(values.slots[kYear]);
    genre_ = slotText(values.slots[kGenre]);
    comment_ = slotText(values.slots[kDescription]);
    const std::string track = slotText(values.slots[kTrack]);
    const std::string trackText = track.empty() ? slotText(values.slots[kTrackNumber]) : track;
    track_ = text::parseStrictInt(trackText).value_or(0);
    return true;
}

std::string TWMAfile::ChannelMode() const {
    return std::string(channelCountName(channels_));
}

} // namespace kavrel::metadata
