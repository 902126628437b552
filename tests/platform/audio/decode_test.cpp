// Each format decodes to the known tone of its fixture: frequency, level and length.
#include "audio_test_support.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>

namespace kavrel::audio::test {
namespace {

struct FormatCase {
    const char* name;
    const char* fixture;
    bool module;
    int rate;
    int channels;
    double hz;
    double hzTolerance;
    double amplitude; // < 0: not checked
    double amplitudeTolerance;
    double seconds;
    double secondsTolerance;
    double lengthTolerance; // of length(), which some containers only estimate
};

void PrintTo(const FormatCase& c, std::ostream* out) {
    *out << c.name;
}

class AudioDecodeTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(AudioDecodeTest, DecodesTheKnownTone) {
    const FormatCase& c = GetParam();
    auto engine = captureEngine(c.rate); // the sink rate of the source: no conversion in the way
    std::string error;
    const auto path = kavrel::test::fixture(std::string("audio/") + c.fixture);
    const ChannelHandle channel =
        c.module ? engine->openModule(path, {}, &error) : engine->openFile(path, {}, &error);
    ASSERT_NE(channel, 0u) << error;

    const ChannelInfo info = *engine->info(channel);
    EXPECT_EQ(info.frequency, c.rate);
    EXPECT_EQ(info.channels, c.channels);
    EXPECT_FALSE(info.eightBit);
    ASSERT_TRUE(engine->length(channel).has_value());
    const double lengthSeconds = *engine->bytesToSeconds(channel, *engine->length(channel));
    EXPECT_NEAR(lengthSeconds, c.seconds, c.lengthTolerance);

    std::atomic<int> ends = 0;
    engine->setEndCallback(channel, [&](ChannelHandle) { ++ends; });
    ASSERT_TRUE(engine->play(channel, true));
    const std::vector<float> left = playToEnd(*engine, channel);
    const std::vector<float> right = channelOf(engine->capture()->samples(), 1);

    EXPECT_EQ(engine->state(channel), ChannelState::Stopped);
    EXPECT_EQ(ends, 1);
    const std::size_t end = soundEnd(left);
    EXPECT_NEAR(static_cast<double>(end) / c.rate, c.seconds, c.secondsTolerance);
    const std::size_t from = end / 4, to = end * 3 / 4;
    EXPECT_NEAR(frequency(left, c.rate, from, to), c.hz, c.hzTolerance);
    EXPECT_NEAR(frequency(right, c.rate, from, to), c.hz, c.hzTolerance);
    if (c.amplitude > 0) {
        EXPECT_NEAR(rms(left, from, to) * std::sqrt(2.0), c.amplitude, c.amplitudeTolerance);
        EXPECT_NEAR(rms(right, from, to) * std::sqrt(2.0), c.amplitude, c.amplitudeTolerance);
    }
    // The end leaves the position at the end of the source.
    EXPECT_NEAR(*engine->bytesToSeconds(channel, *engine->position(channel)), c.seconds, c.secondsTolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, AudioDecodeTest,
    ::testing::Values(
        // The MP3's LAME header lets the decoder drop the encoder delay and padding: exactly one second.
        // Its length() comes from the frame count, so it still holds the padding (about 20 ms).
        FormatCase{"Mp3", "tone_1000hz_44100_stereo.mp3", false, 44100, 2, 1000, 0.5, 0.5, 0.03, 1.0, 0.001,
                   0.025},
        // The Vorbis decoder drops the first 128 samples (the first half-block).
        FormatCase{"OggVorbis", "tone_440hz_48000_mono.ogg", false, 48000, 1, 440, 0.5, 0.5, 0.01, 1.0, 0.003,
                   0.001},
        // WMA carries no delay information: about 25 ms of the tone are lost to the codec's overlap.
        FormatCase{"Wma", "tone_2000hz_22050_stereo.wma", false, 22050, 2, 2000, 1.0, 0.5, 0.03, 1.0, 0.03,
                   0.03},
        // 16 rows at speed 6 and tempo 125 (1.92 s), the Amiga clock over 2 x period 428 per 32 samples.
        FormatCase{"Module", "tone_module.mod", true, 44100, 2, 259.0, 3.0, -1, 0, 1.92, 0.11, 0.11}),
    [](const ::testing::TestParamInfo<FormatCase>& info) { return info.param.name; });

TEST(AudioDecode, RefusesWhatItCannotRead) {
    kavrel::test::TempDir dir;
    kavrel::test::writeFile(dir / "text.mp3", "not audio at all, just some words in a file\n");
    auto engine = captureEngine(44100);
    std::string error;
    EXPECT_EQ(engine->openFile(dir / "missing.mp3", {}, &error), 0u);
    EXPECT_NE(error.find("missing.mp3"), std::string::npos);
    EXPECT_EQ(engine->openFile(dir / "text.mp3"), 0u);
    EXPECT_EQ(engine->openModule(dir / "text.mp3"), 0u);
    EXPECT_EQ(engine->openModule(kavrel::test::fixture("audio/tone_1000hz_44100_stereo.mp3")), 0u);
    // A header claiming 10 frames a second would need thousands of output frames per input frame.
    writeWav(dir / "slow.wav", 10, 1, 100, [](double, int) { return 0.5; });
    EXPECT_EQ(engine->openFile(dir / "slow.wav", {}, &error), 0u);
    EXPECT_NE(error.find("sample rate"), std::string::npos) << error;
}

TEST(AudioDecode, ReportsEightBitSources) {
    kavrel::test::TempDir dir;
    writeWav8(dir / "eight.wav", 11025, 11025);
    auto engine = captureEngine(44100);
    const ChannelHandle channel = engine->openFile(dir / "eight.wav");
    ASSERT_NE(channel, 0u);
    const ChannelInfo info = *engine->info(channel);
    EXPECT_TRUE(info.eightBit);
    EXPECT_EQ(info.channels, 1);
    EXPECT_EQ(info.bytesPerFrame(), 1);
    EXPECT_EQ(engine->length(channel), 11025);
}

} // namespace
} // namespace kavrel::audio::test
