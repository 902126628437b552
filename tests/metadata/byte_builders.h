#pragma once
// Hand-built bytes for the readers' edge cases: tags, frames, pages and objects laid out by their
// formats, so each test shows exactly the bytes its case is about.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kavrel::test {

std::string bigEndian32(std::uint32_t value);
std::string littleEndian16(std::uint16_t value);
std::string littleEndian32(std::uint32_t value);
std::string syncsafe32(std::uint32_t value);
std::string utf16le(std::u16string_view text);

// The 128-byte ID3v1 tag; comment is the 30 bytes at offset 97 (bytes 125 and 126 included).
std::string id3v1Tag(std::string_view title, std::string_view artist, std::string_view album,
                     std::string_view year, std::string_view comment, std::uint8_t genre);

// An ID3v2 frame: 4-character ID, big-endian or syncsafe size and two flag bytes (version 3 and 4);
// 3-character ID and 24-bit size (version 2).
std::string id3v2Frame(int version, std::string_view id, std::string_view data, std::uint8_t secondFlags = 0);
// "ID3", version, revision 0, flags and the size of body (the frames and any padding) in size bytes
// of 7 bits each.
std::string id3v2Tag(int version, std::string_view body, std::uint8_t flags = 0);

// A frame of an MPEG header followed by zero bytes, length bytes in all.
std::string mpegFrame(std::uint32_t header, std::size_t length);
// MPEG 1 Layer III headers, no CRC: 128 kbit/s 44100 Hz stereo (417 bytes), and others by index.
constexpr std::uint32_t kMpeg1Layer3Stereo128 = 0xFFFB9000;
std::uint32_t mpeg1Layer3Header(std::uint8_t bitRateIndex, std::uint8_t channelMode = 0,
                                bool padding = false);
std::size_t mpeg1Layer3Length(std::uint8_t bitRateIndex, bool padding = false);

// An Ogg Vorbis stream start: a first page header of 28 bytes, the 30-byte identification header,
// then a comment header packet (vendor and comments), then pad bytes; a last page whose granule
// position is samples is appended unless samples is negative.
struct VorbisStream {
    std::uint8_t channels = 2;
    std::uint32_t sampleRate = 44100;
    std::int32_t nominalBitRate = 128000;
    std::string vendor = "test vendor";
    std::vector<std::string> comments;
    std::size_t padding = 4000;
    std::int64_t samples = 44100;
};
std::string vorbisStream(const VorbisStream& stream);
// A raw comment header packet after its "\x03vorbis" marker: vendor, count and comments as given.
std::string vorbisCommentBody(std::string_view vendor, std::uint32_t count,
                              const std::vector<std::string>& comments);

// ASF: an object (GUID as stored, 64-bit size, payload), the header object around sub-objects, and the
// payloads of the objects the reader knows.
std::string asfObject(std::string_view guid, std::string_view payload);
std::string asfHeader(const std::vector<std::string>& objects);
std::string asfFileProperties(std::uint32_t maxBitRate);
std::string asfStreamProperties(std::uint16_t channels, std::uint32_t sampleRate,
                                std::uint32_t bytesPerSecond);
std::string asfContentDescription(std::u16string_view title, std::u16string_view author,
                                  std::u16string_view description);
struct AsfDescriptor {
    std::u16string name;
    std::uint16_t type = 0;
    std::string value; // raw value bytes
};
std::string asfExtendedContentDescription(const std::vector<AsfDescriptor>& descriptors);
// A text descriptor value: UTF-16LE with its terminating zero unit.
std::string asfText(std::u16string_view text);

} // namespace kavrel::test
