#include "byte_builders.h"

namespace kavrel::test {

namespace {

const std::string kAsfHeaderGuid("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C", 16);
const std::string kAsfFilePropertiesGuid("\xA1\xDC\xAB\x8C\x47\xA9\xCF\x11\x8E\xE4\x00\xC0\x0C\x20\x53\x65",
                                         16);
const std::string kAsfStreamPropertiesGuid("\x91\x07\xDC\xB7\xB7\xA9\xCF\x11\x8E\xE6\x00\xC0\x0C\x20\x53\x65",
                                           16);
const std::string
    kAsfContentDescriptionGuid("\x33\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C", 16);
const std::string kAsfExtendedContentGuid("\x40\xA4\xD0\xD2\x07\xE3\xD2\x11\x97\xF0\x00\xA0\xC9\x5E\xA8\x50",
                                          16);

std::string littleEndian64(std::uint64_t value) {
    return littleEndian32(static_cast<std::uint32_t>(value)) +
           littleEndian32(static_cast<std::uint32_t>(value >> 32));
}

std::string fixedField(std::string_view text, std::size_t length) {
    std::string field(text.substr(0, length));
    field.resize(length, '\0');
    return field;
}

std::string oggPageHeader(std::uint8_t flags, std::int64_t granule) {
    std::string page = "OggS";
    page += '\0';
    page += static_cast<char>(flags);
    page += littleEndian64(static_cast<std::uint64_t>(granule));
    page += littleEndian32(1) + littleEndian32(0) + littleEndian32(0); // serial, sequence, checksum
    page += '\x01';                                                    // one segment
    page += '\x1E';                                                    // of 30 bytes
    return page;
}

} // namespace

std::string bigEndian32(std::uint32_t v) {
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
            static_cast<char>(v)};
}
std::string littleEndian16(std::uint16_t v) {
    return {static_cast<char>(v), static_cast<char>(v >> 8)};
}
std::string littleEndian32(std::uint32_t v) {
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
            static_cast<char>(v >> 24)};
}
std::string syncsafe32(std::uint32_t v) {
    return {static_cast<char>((v >> 21) & 0x7F), static_cast<char>((v >> 14) & 0x7F),
            static_cast<char>((v >> 7) & 0x7F), static_cast<char>(v & 0x7F)};
}
std::string utf16le(std::u16string_view text) {
    std::string out;
    for (char16_t unit : text)
        out += littleEndian16(unit);
    return out;
}

std::string id3v1Tag(std::string_view title, std::string_view artist, std::string_view album,
                     std::string_view year, std::string_view comment, std::uint8_t genre) {
    return "TAG" + fixedField(title, 30) + fixedField(artist, 30) + fixedField(album, 30) +
           fixedField(year, 4) + fixedField(comment, 30) + static_cast<char>(genre);
}

std::string id3v2Frame(int version, std::string_view id, std::string_view data, std::uint8_t secondFlags) {
    if (version == 2) {
        const auto size = static_cast<std::uint32_t>(data.size());
        return std::string(id) + bigEndian32(size).substr(1) + std::string(data);
    }
    const auto size = static_cast<std::uint32_t>(data.size());
    const std::string sizeBytes = version == 4 ? syncsafe32(size) : bigEndian32(size);
    return std::string(id) + sizeBytes + '\0' + static_cast<char>(secondFlags) + std::string(data);
}

std::string id3v2Tag(int version, std::string_view body, std::uint8_t flags) {
    std::string tag = "ID3";
    tag += static_cast<char>(version);
    tag += '\0';
    tag += static_cast<char>(flags);
    tag += syncsafe32(static_cast<std::uint32_t>(body.size()));
    return tag + std::string(body);
}

std::uint32_t mpeg1Layer3Header(std::uint8_t bitRateIndex, std::uint8_t channelMode, bool padding) {
    return 0xFFFB0000u | std::uint32_t{bitRateIndex} << 12 | std::uint32_t{padding} << 9 |
           std::uint32_t{channelMode} << 6;
}

std::size_t mpeg1Layer3Length(std::uint8_t bitRateIndex, bool padding) {
    static constexpr int kRates[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
    return static_cast<std::size_t>(144.0 * kRates[bitRateIndex] * 1000 / 44100) + (padding ? 1 : 0);
}

std::string mpegFrame(std::uint32_t header, std::size_t length) {
    std::string frame = bigEndian32(header);
    frame.resize(length, '\0');
    return frame;
}

std::string vorbisCommentBody(std::string_view vendor, std::uint32_t count,
                              const std::vector<std::string>& comments) {
    std::string body = littleEndian32(static_cast<std::uint32_t>(vendor.size())) + std::string(vendor);
    body += littleEndian32(count);
    for (const auto& comment : comments)
        body += littleEndian32(static_cast<std::uint32_t>(comment.size())) + comment;
    return body;
}

std::string vorbisStream(const VorbisStream& s) {
    std::string out = oggPageHeader(2, 0);
    out += "\x01vorbis";
    out += littleEndian32(0);
    out += static_cast<char>(s.channels);
    out += littleEndian32(s.sampleRate);
    out +=
        littleEndian32(0) + littleEndian32(static_cast<std::uint32_t>(s.nominalBitRate)) + littleEndian32(0);
    out += "\xB8\x01";
    out += oggPageHeader(0, 0);
    out += "\x03vorbis";
    out += vorbisCommentBody(s.vendor, static_cast<std::uint32_t>(s.comments.size()), s.comments);
    out += '\x01';
    out += std::string(s.padding, '\x55');
    if (s.samples >= 0)
        out += oggPageHeader(4, s.samples) + std::string(30, '\x55');
    return out;
}

std::string asfObject(std::string_view guid, std::string_view payload) {
    return std::string(guid) + littleEndian64(24 + payload.size()) + std::string(payload);
}

std::string asfHeader(const std::vector<std::string>& objects) {
    std::string body;
    for (const auto& object : objects)
        body += object;
    return kAsfHeaderGuid + littleEndian64(30 + body.size()) +
           littleEndian32(static_cast<std::uint32_t>(objects.size())) + "\x01\x02" + body;
}

std::string asfFileProperties(std::uint32_t maxBitRate) {
    return asfObject(kAsfFilePropertiesGuid, std::string(76, '\0') + littleEndian32(maxBitRate));
}

std::string asfStreamProperties(std::uint16_t channels, std::uint32_t sampleRate,
                                std::uint32_t bytesPerSecond) {
    std::string payload(54, '\0');
    payload += littleEndian16(0x161); // format tag, just before the channel count
    payload += littleEndian16(channels) + littleEndian32(sampleRate) + littleEndian32(bytesPerSecond);
    payload += std::string(8, '\0');
    return asfObject(kAsfStreamPropertiesGuid, payload);
}

std::string asfText(std::u16string_view text) {
    return utf16le(text) + std::string(2, '\0');
}

std::string asfContentDescription(std::u16string_view title, std::u16string_view author,
                                  std::u16string_view description) {
    const std::string texts[5] = {title.empty() ? "" : asfText(title), author.empty() ? "" : asfText(author),
                                  "", description.empty() ? "" : asfText(description), ""};
    std::string payload;
    for (const auto& text : texts)
        payload += littleEndian16(static_cast<std::uint16_t>(text.size()));
    for (const auto& text : texts)
        payload += text;
    return asfObject(kAsfContentDescriptionGuid, payload);
}

std::string asfExtendedContentDescription(const std::vector<AsfDescriptor>& descriptors) {
    std::string payload = littleEndian16(static_cast<std::uint16_t>(descriptors.size()));
    for (const auto& d : descriptors) {
        const std::string name = asfText(d.name);
        payload += littleEndian16(static_cast<std::uint16_t>(name.size())) + name;
        payload +=
            littleEndian16(d.type) + littleEndian16(static_cast<std::uint16_t>(d.value.size())) + d.value;
    }
    return asfObject(kAsfExtendedContentGuid, payload);
}

} // namespace kavrel::test
