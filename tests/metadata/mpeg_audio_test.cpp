#include "metadata/mpeg_audio.h"

#include <gtest/gtest.h>

#include "byte_builders.h"
#include "support/temp_dir.h"

namespace kavrel::metadata {
namespace {

using namespace kavrel::test;

constexpr std::size_t kFrame128 = 417;

std::string frames(std::size_t count, std::uint8_t bitRateIndex = 9, std::uint8_t channelMode = 0) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i)
        out += mpegFrame(mpeg1Layer3Header(bitRateIndex, channelMode), mpeg1Layer3Length(bitRateIndex));
    return out;
}

// A first frame carrying a VBR header at offset, then plain frames.
std::string vbrStream(std::string_view id, std::size_t offset, std::uint32_t frameCount,
                      std::uint32_t byteCount) {
    std::string first = frames(1);
    std::string header(id);
    if (id == "Xing")
        header += bigEndian32(0x0F) + bigEndian32(frameCount) + bigEndian32(byteCount);
    else
        header += std::string(6, '\0') + bigEndian32(byteCount) + bigEndian32(frameCount);
    first.replace(offset, header.size(), header);
    if (id == "Xing") {
        first[offset + 119] = 57;
        first.replace(offset + 120, 8, "LAME3.99");
    } else {
        first[offset + 9] = 75;
    }
    return first + frames(20);
}

struct Loaded {
    TMPEGaudio mpeg;
    bool ok = false;
};

std::unique_ptr<Loaded> load(const std::string& bytes) {
    auto loaded = std::make_unique<Loaded>();
    MemorySource source(bytes);
    loaded->ok = loaded->mpeg.Load(source);
    return loaded;
}

TEST(MetadataMpegAudio, FrameRightAfterTheId3v2TagIsAtPositionZero) {
    const std::string tag = id3v2Tag(3, id3v2Frame(3, "TIT2", std::string("\0Title", 6)));
    const auto r = load(tag + frames(20));
    ASSERT_TRUE(r->ok);
    const auto& f = r->mpeg.FirstFrame();
    EXPECT_TRUE(f.Found);
    EXPECT_EQ(f.Position, 0);
    EXPECT_EQ(f.Size, kFrame128);
    EXPECT_EQ(f.VersionIndex, 3);
    EXPECT_EQ(f.LayerIndex, 1);
    EXPECT_FALSE(f.Protected);
    EXPECT_EQ(f.BitRateIndex, 9);
    EXPECT_EQ(f.SampleRateIndex, 0);
    EXPECT_TRUE(f.ZeroAfterHeader);
    EXPECT_EQ(r->mpeg.BitRate(), 128);
    EXPECT_EQ(r->mpeg.SampleRate(), 44100);
    EXPECT_EQ(r->mpeg.ChannelMode(), "Stereo");
    EXPECT_EQ(r->mpeg.ID3v2().Title(), "Title");
    EXPECT_TRUE(r->mpeg.Valid());
}

TEST(MetadataMpegAudio, LoneHeaderWithoutASecondOneIsSkipped) {
    const auto r = load(std::string("\xFF\xFB\x90\x00", 4) + std::string(20, '\0') + frames(20));
    EXPECT_EQ(r->mpeg.FirstFrame().Position, 24);
}

TEST(MetadataMpegAudio, FrameInTheMiddleWhenTheStartHasNone) {
    const auto r = load(std::string(4000, '\0') + frames(20));
    ASSERT_TRUE(r->mpeg.FirstFrame().Found);
    // The middle block starts at 6170, 85 bytes into a frame.
    EXPECT_EQ(r->mpeg.FirstFrame().Position, static_cast<std::int32_t>(kFrame128 - 85));
}

TEST(MetadataMpegAudio, XingHeaderGivesBitRateAndDurationFromItsCounts) {
    const auto r = load(vbrStream("Xing", 36, 1000, 1000 * 300) + std::string(3000, '\0') + "LAMEtail");
    const auto& vbr = r->mpeg.VbrInfo();
    ASSERT_TRUE(vbr.Found);
    EXPECT_EQ(vbr.Id, "Xing");
    EXPECT_EQ(vbr.FrameCount, 1000);
    EXPECT_EQ(vbr.ByteCount, 300000);
    EXPECT_EQ(vbr.Quality, 57);
    EXPECT_EQ(vbr.EncoderVersion, "LAME3.99");
    EXPECT_EQ(r->mpeg.BitRate(), 92); // 300 bytes a frame * 44100 / 144 / 1000 = 91.875
    EXPECT_DOUBLE_EQ(r->mpeg.Duration(), 1152.0 * 1000 / 44100);
    EXPECT_EQ(r->mpeg.EncoderTag(), ""); // no encoder-tag search with a VBR header
}

TEST(MetadataMpegAudio, VbrHeaderOnlyAtTheSideInformationOffset) {
    const auto vbri = load(vbrStream("VBRI", 36, 500, 500 * 400));
    EXPECT_EQ(vbri->mpeg.VbrInfo().Id, "VBRI");
    EXPECT_EQ(vbri->mpeg.VbrInfo().Quality, 75);
    EXPECT_EQ(vbri->mpeg.VbrInfo().FrameCount, 500);
    EXPECT_EQ(vbri->mpeg.VbrInfo().ByteCount, 200000);
    EXPECT_FALSE(load(vbrStream("VBRI", 32, 500, 500 * 400))->mpeg.VbrInfo().Found);
    EXPECT_FALSE(load(vbrStream("Xing", 21, 500, 500 * 400))->mpeg.VbrInfo().Found);
    // Mono MPEG 1 puts it at 21.
    std::string mono = frames(21, 9, 3);
    mono.replace(21, 4, "Xing");
    EXPECT_TRUE(load(mono)->mpeg.VbrInfo().Found);
}

TEST(MetadataMpegAudio, ConstantBitRateDurationExcludesTheId3v1Tag) {
    const std::string audio = frames(40);
    const auto r = load(audio + id3v1Tag("t", "a", "b", "", "", 0));
    EXPECT_TRUE(r->mpeg.ID3v1().Exists());
    EXPECT_DOUBLE_EQ(r->mpeg.Duration(), static_cast<double>(audio.size()) / 128 / 1000 * 8);
}

TEST(MetadataMpegAudio, EncoderTagSearchedBackwardsFromTheEnd) {
    EXPECT_EQ(load(frames(20) + "LAME3.97" + std::string(100, '\0'))->mpeg.EncoderTag(), "LAME3.97");
    EXPECT_EQ(load(frames(20) + "GOGO" + std::string(100, '\0'))->mpeg.EncoderTag(), "GOGO");
    // The last one wins, and with an ID3v1 tag the block ends before it.
    EXPECT_EQ(load(frames(20) + "LAME1111LAME2222")->mpeg.EncoderTag(), "LAME2222");
    EXPECT_EQ(load(frames(20) + "LAME3.98" + id3v1Tag("LAME9999", "", "", "", "", 0))->mpeg.EncoderTag(),
              "LAME3.98");
    // Beyond five frame lengths from the end it is not looked for.
    EXPECT_EQ(load(frames(20) + "LAME3.97" + std::string(5 * kFrame128 + 1, '\0'))->mpeg.EncoderTag(), "");
}

struct ValidCase {
    const char* name;
    std::string bytes;
    bool valid;
    friend void PrintTo(const ValidCase& c, std::ostream* os) { *os << c.name; }
};

class MetadataMpegAudioValid : public testing::TestWithParam<ValidCase> {};

TEST_P(MetadataMpegAudioValid, NeedsAPlausibleBitRateAndATenthOfASecond) {
    const auto r = load(GetParam().bytes);
    EXPECT_TRUE(r->ok);
    EXPECT_EQ(r->mpeg.Valid(), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Cases, MetadataMpegAudioValid,
                         testing::Values(ValidCase{"Rate320", frames(10, 14), true},
                                         ValidCase{"VbrRate448", vbrStream("Xing", 36, 100, 146286), true},
                                         ValidCase{"VbrRate450", vbrStream("Xing", 36, 100, 146939), false},
                                         ValidCase{"TwentiethOfASecond", frames(2), false},
                                         ValidCase{"ShortButLongEnough", frames(4), true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MetadataMpegAudio, NoFrameResetsEverythingTagsIncluded) {
    const auto r = load(std::string(5000, '\x01') + id3v1Tag("t", "a", "b", "", "", 0));
    EXPECT_TRUE(r->ok);
    const auto& f = r->mpeg.FirstFrame();
    EXPECT_FALSE(f.Found);
    EXPECT_EQ(f.VersionIndex, 1);
    EXPECT_EQ(f.SampleRateIndex, 3);
    EXPECT_EQ(f.ChannelModeIndex, 4);
    EXPECT_EQ(f.ModeExtension, 4);
    EXPECT_EQ(f.EmphasisIndex, 2);
    EXPECT_EQ(r->mpeg.FileSize(), 0);
    EXPECT_FALSE(r->mpeg.ID3v1().Exists());
    EXPECT_EQ(r->mpeg.ChannelMode(), "Unknown");
    EXPECT_EQ(r->mpeg.Duration(), 0.0);
    EXPECT_FALSE(r->mpeg.Valid());
}

TEST(MetadataMpegAudio, HugeCountsNeitherOverflowNorPassAsValid) {
    const auto many = load(vbrStream("Xing", 36, 0x7FFFFFFF, 0x7FFFFFFF));
    EXPECT_DOUBLE_EQ(many->mpeg.Duration(), 1152.0 * 0x7FFFFFFF / 44100);
    const auto negative = load(vbrStream("Xing", 36, 10, 0xFFFFFFFF));
    EXPECT_EQ(negative->mpeg.BitRate(), 0);
    EXPECT_FALSE(negative->mpeg.Valid());
}

TEST(MetadataMpegAudio, UnreadableFilesFail) {
    test::TempDir dir;
    TMPEGaudio mpeg;
    EXPECT_FALSE(mpeg.LoadFromFile(dir / "missing.mp3"));
    test::writeFile(dir / "tiny.mp3", "\xFF\xFB\x90");
    EXPECT_FALSE(mpeg.LoadFromFile(dir / "tiny.mp3"));
    EXPECT_FALSE(mpeg.FirstFrame().Found);
}

TEST(MetadataMpegAudio, RealEncoderOutput) {
    TMPEGaudio mpeg;
    ASSERT_TRUE(mpeg.LoadFromFile(fixture("metadata/cbr128_id3v1.mp3")));
    EXPECT_EQ(mpeg.BitRate(), 128);
    EXPECT_EQ(mpeg.SampleRate(), 44100);
    EXPECT_EQ(mpeg.ChannelMode(), "Joint Stereo");
    EXPECT_EQ(mpeg.EncoderTag().substr(0, 4), "LAME");
    EXPECT_TRUE(mpeg.ID3v1().Exists());
    EXPECT_TRUE(mpeg.Valid());

    ASSERT_TRUE(mpeg.LoadFromFile(fixture("metadata/vbr_xing_id3v2.mp3")));
    EXPECT_EQ(mpeg.VbrInfo().Id, "Xing");
    EXPECT_NEAR(mpeg.Duration(), 1.0, 0.1);
    EXPECT_TRUE(mpeg.Valid());

    ASSERT_TRUE(mpeg.LoadFromFile(fixture("metadata/mpeg2_mono.mp3")));
    EXPECT_EQ(mpeg.FirstFrame().VersionIndex, 2);
    EXPECT_EQ(mpeg.SampleRate(), 22050);
    EXPECT_EQ(mpeg.BitRate(), 32);
    EXPECT_EQ(mpeg.ChannelMode(), "Mono");
    EXPECT_TRUE(mpeg.Valid());
}

} // namespace
} // namespace kavrel::metadata
