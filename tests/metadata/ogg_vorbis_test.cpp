#include "metadata/ogg_vorbis.h"

#include <gtest/gtest.h>

#include <cmath>

#include "byte_builders.h"
#include "support/temp_dir.h"

namespace kavrel::metadata {
namespace {

using namespace kavrel::test;

TOggVorbis readBytes(const std::string& bytes, bool expected = true) {
    MemorySource source(bytes);
    TOggVorbis ogg;
    EXPECT_EQ(ogg.Load(source), expected);
    return ogg;
}

TOggVorbis readStream(const VorbisStream& stream) {
    return readBytes(vorbisStream(stream));
}

TEST(MetadataOggVorbis, StreamParametersAndComments) {
    VorbisStream s;
    s.comments = {"TITLE=Song", "artist=Band", "Album=Record", "TRACKNUMBER=7/12",
                  "DATE=2001",  "GENRE=Jazz",  "COMMENT=a=b",  "TITLE=Later Song"};
    const TOggVorbis ogg = readStream(s);
    EXPECT_TRUE(ogg.Valid());
    EXPECT_EQ(ogg.Channels(), 2);
    EXPECT_EQ(ogg.SampleRate(), 44100);
    EXPECT_EQ(ogg.ChannelMode(), "Stereo");
    EXPECT_EQ(ogg.NominalBitRate(), 128);
    EXPECT_EQ(ogg.Samples(), 44100);
    EXPECT_DOUBLE_EQ(ogg.Duration(), 1.0);
    EXPECT_EQ(ogg.BitRate(), static_cast<std::uint16_t>(std::lround(ogg.FileSize() / 125.0)));
    EXPECT_EQ(ogg.Vendor(), "test vendor");
    EXPECT_EQ(ogg.Title(), "Later Song");
    EXPECT_EQ(ogg.Artist(), "Band");
    EXPECT_EQ(ogg.Album(), "Record");
    EXPECT_EQ(ogg.Track(), 7);
    EXPECT_EQ(ogg.Date(), "2001");
    EXPECT_EQ(ogg.Genre(), "Jazz");
    EXPECT_EQ(ogg.Comment(), "a=b");
}

struct RangeCase {
    const char* name;
    std::uint8_t channels;
    std::uint32_t sampleRate;
    std::int32_t nominalBitRate;
    std::uint8_t expectedChannels;
    std::uint16_t expectedSampleRate;
    std::uint16_t expectedNominal;
    friend void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.name; }
};

class MetadataOggVorbisRanges : public testing::TestWithParam<RangeCase> {};

TEST_P(MetadataOggVorbisRanges, OutOfRangeValuesReadAsZero) {
    const auto& c = GetParam();
    VorbisStream s;
    s.channels = c.channels;
    s.sampleRate = c.sampleRate;
    s.nominalBitRate = c.nominalBitRate;
    const TOggVorbis ogg = readStream(s);
    EXPECT_EQ(ogg.Channels(), c.expectedChannels);
    EXPECT_EQ(ogg.SampleRate(), c.expectedSampleRate);
    EXPECT_EQ(ogg.NominalBitRate(), c.expectedNominal);
}

INSTANTIATE_TEST_SUITE_P(Cases, MetadataOggVorbisRanges,
                         testing::Values(RangeCase{"Mono", 1, 8000, 16000, 1, 8000, 16},
                                         RangeCase{"SixChannels", 6, 48000, 350999, 0, 48000, 350},
                                         RangeCase{"TooFast", 2, 96000, 500000, 2, 0, 0},
                                         RangeCase{"TooSlow", 2, 7999, 15999, 2, 0, 0},
                                         RangeCase{"NegativeRate", 2, 44100, -128000, 2, 44100, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MetadataOggVorbis, CommentWithoutEqualsAfterTheVendorLeavesTheVendor) {
    VorbisStream s;
    s.comments = {"no equals sign", "TITLE=t"};
    EXPECT_EQ(readStream(s).Vendor(), "test vendor");
    s.vendor = "";
    EXPECT_EQ(readStream(s).Vendor(), "no equals sign");
}

TEST(MetadataOggVorbis, LastPageTooFarBackFallsBackToTheNominalRate) {
    VorbisStream s;
    s.samples = 44100;
    std::string bytes = vorbisStream(s) + std::string(50 * 240 + 100, '\x55');
    const TOggVorbis ogg = readBytes(bytes);
    EXPECT_EQ(ogg.Samples(), 0);
    EXPECT_DOUBLE_EQ(ogg.Duration(), static_cast<double>(bytes.size()) / 128 / 2 / 125 * 2);
}

TEST(MetadataOggVorbis, LongAndDamagedCommentsAreReadSafely) {
    VorbisStream s;
    s.comments = {"TITLE=" + std::string(1000, 'x'), "ARTIST=After the long one"};
    const TOggVorbis longOne = readStream(s);
    EXPECT_EQ(longOne.Title(), std::string(250 - 6, 'x'));
    EXPECT_EQ(longOne.Artist(), "After the long one");

    // A count and a length far beyond the bytes the file has: the read stops, nothing runs away.
    const std::string header = vorbisStream(VorbisStream{}).substr(0, 58);
    const TOggVorbis hugeCount = readBytes(header + "OggS" + std::string(24, '\0') + "\x03vorbis" +
                                           vorbisCommentBody("v", 0xFFFFFFF0u, {"TITLE=only"}));
    EXPECT_EQ(hugeCount.Title(), "only");
    const TOggVorbis hugeLength =
        readBytes(header + "OggS" + std::string(24, '\0') + "\x03vorbis" + littleEndian32(0xFFFFFFFFu) + "v");
    EXPECT_EQ(hugeLength.Vendor(), "");
}

TEST(MetadataOggVorbis, CommentTextIsKeptUpToTheFirstBadUtf8Sequence) {
    VorbisStream s;
    s.comments = {"TITLE=Моно", "ARTIST=ok\xC3",
                  "ALBUM=a\xFF"
                  "b"};
    const TOggVorbis ogg = readStream(s);
    EXPECT_EQ(ogg.Title(), "Моно");
    EXPECT_EQ(ogg.Artist(), "ok");
    EXPECT_EQ(ogg.Album(), "a");
}

TEST(MetadataOggVorbis, Id3v2TagInFrontIsSkipped) {
    VorbisStream s;
    s.comments = {"TITLE=Behind a tag"};
    const std::string tag = id3v2Tag(3, id3v2Frame(3, "TIT2", std::string("\0x", 2)));
    const TOggVorbis ogg = readBytes(tag + vorbisStream(s));
    EXPECT_EQ(ogg.ID3v2().Size(), static_cast<std::int32_t>(tag.size()));
    EXPECT_TRUE(ogg.Valid());
    EXPECT_EQ(ogg.Title(), "Behind a tag");
}

TEST(MetadataOggVorbis, NotVorbisOrTooShort) {
    const TOggVorbis other = readBytes(std::string(100, 'x'));
    EXPECT_FALSE(other.Valid());
    EXPECT_EQ(other.Duration(), 0.0);
    readBytes(std::string(57, 'x'), false);
    TOggVorbis ogg;
    EXPECT_FALSE(ogg.LoadFromFile("/nonexistent/file.ogg"));
}

TEST(MetadataOggVorbis, RealEncoderOutput) {
    TOggVorbis ogg;
    ASSERT_TRUE(ogg.LoadFromFile(fixture("metadata/vorbis_stereo.ogg")));
    EXPECT_TRUE(ogg.Valid());
    EXPECT_EQ(ogg.Channels(), 2);
    EXPECT_EQ(ogg.SampleRate(), 44100);
    EXPECT_EQ(ogg.Samples(), 44100);
    EXPECT_DOUBLE_EQ(ogg.Duration(), 1.0);
    EXPECT_EQ(ogg.Title(), "Ogg Title");
    EXPECT_EQ(ogg.Track(), 7);
    EXPECT_EQ(ogg.Date(), "2001");
    EXPECT_EQ(ogg.Genre(), "Jazz");
    ASSERT_TRUE(ogg.LoadFromFile(fixture("metadata/vorbis_mono.ogg")));
    EXPECT_EQ(ogg.ChannelMode(), "Mono");
    EXPECT_EQ(ogg.Title(), "Моно");
    EXPECT_EQ(ogg.Artist(), "Артист");
}

} // namespace
} // namespace kavrel::metadata
