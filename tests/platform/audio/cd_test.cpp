// Audio-CD tracks from a disc image the test writes: a cue sheet over raw 16-bit stereo audio.
#include "audio_test_support.h"

#include "platform/audio/cd_disc.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace kavrel::audio::test {
namespace {

struct ImageTrack {
    int sectors;
    double hz;
};
const std::vector<ImageTrack> kTracks = {{150, 441}, {226, 882}, {113, 1323}};

std::string msf(int sector) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", sector / 75 / 60, sector / 75 % 60, sector % 75);
    return text;
}

// The freedb disc id, written out from its definition.
std::string expectedDiscId(const std::vector<int>& startSectors, int leadOutSector) {
    auto seconds = [](int sector) { return (sector + 150) / 75; };
    int checksum = 0;
    for (const int start : startSectors)
        for (int n = seconds(start); n > 0; n /= 10)
            checksum += n % 10;
    const unsigned id = ((checksum % 255u) << 24) |
                        (static_cast<unsigned>(seconds(leadOutSector) - seconds(startSectors.front())) << 8) |
                        static_cast<unsigned>(startSectors.size());
    char text[9];
    std::snprintf(text, sizeof text, "%08x", id);
    return text;
}

class AudioCdTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string audio;
        std::string cue = "FILE \"disc.bin\" BINARY\n";
        int sector = 0;
        for (std::size_t i = 0; i < kTracks.size(); ++i) {
            starts_.push_back(sector);
            char header[64];
            std::snprintf(header, sizeof header, "  TRACK %02zu AUDIO\n    INDEX 01 ", i + 1);
            cue += header + msf(sector) + "\n";
            const int frames = kTracks[i].sectors * 588;
            for (int frame = 0; frame < frames; ++frame) {
                const auto value = static_cast<std::int16_t>(
                    std::lrint(16383 * std::sin(2 * std::numbers::pi * kTracks[i].hz * frame / 44100.0)));
                for (int channel = 0; channel < 2; ++channel) {
                    audio.push_back(static_cast<char>(value & 0xFF));
                    audio.push_back(static_cast<char>((value >> 8) & 0xFF));
                }
            }
            sector += kTracks[i].sectors;
        }
        leadOut_ = sector;
        kavrel::test::writeFile(dir_ / "disc.bin", audio);
        kavrel::test::writeFile(dir_ / "disc.cue", cue);
        source_ = (dir_ / "disc.cue").string();
    }

    kavrel::test::TempDir dir_;
    std::string source_;
    std::vector<int> starts_;
    int leadOut_ = 0;
};

TEST_F(AudioCdTest, ReadsTheTableOfContentsAndTheDiscId) {
    const std::optional<CdToc> toc = readCdToc(source_);
    ASSERT_TRUE(toc.has_value());
    ASSERT_EQ(toc->tracks.size(), kTracks.size());
    for (std::size_t i = 0; i < kTracks.size(); ++i) {
        EXPECT_EQ(toc->tracks[i].number, static_cast<int>(i) + 1);
        EXPECT_EQ(toc->tracks[i].startSector, starts_[i]);
        EXPECT_EQ(toc->tracks[i].lengthBytes(), std::int64_t{kTracks[i].sectors} * 2352);
        EXPECT_TRUE(toc->tracks[i].audio);
    }
    EXPECT_EQ(toc->leadOutSector, leadOut_);
    EXPECT_EQ(cddbDiscId(*toc), expectedDiscId(starts_, leadOut_));
    EXPECT_EQ(cddbDiscId(*toc), "0d000603"); // digit sums 2 + 4 + 7, six seconds, three tracks
}

TEST_F(AudioCdTest, NoDiscGivesNothing) {
    EXPECT_FALSE(readCdToc((dir_ / "missing.cue").string()).has_value());
    kavrel::test::writeFile(dir_ / "broken.cue", "TRACK what\nINDEX nonsense\n");
    EXPECT_FALSE(readCdToc((dir_ / "broken.cue").string()).has_value());
    EXPECT_FALSE(readCdToc("").has_value());
    EXPECT_TRUE(cddbDiscId(CdToc{}).empty());
}

TEST_F(AudioCdTest, PlaysATrack) {
    auto engine = captureEngine(44100);
    std::string error;
    const ChannelHandle channel = engine->openCdTrack(source_, 1, {}, &error);
    ASSERT_NE(channel, 0u) << error;
    const ChannelInfo info = *engine->info(channel);
    EXPECT_EQ(info.frequency, 44100);
    EXPECT_EQ(info.channels, 2);
    EXPECT_EQ(info.kind, ChannelKind::CdTrack);
    EXPECT_EQ(engine->length(channel), 226 * 2352);

    engine->play(channel, true);
    const auto mono = playToEnd(*engine, channel);
    EXPECT_EQ(engine->state(channel), ChannelState::Stopped);
    EXPECT_NEAR(static_cast<double>(soundEnd(mono)), 226 * 588, 3);
    EXPECT_NEAR(frequency(mono, 44100, 1000, 120000), 882, 0.05);
    EXPECT_NEAR(rms(mono, 1000, 120000) * std::sqrt(2.0), 0.5, 0.001);
}

TEST_F(AudioCdTest, SeeksWithinATrack) {
    auto engine = captureEngine(44100);
    const ChannelHandle channel = engine->openCdTrack(source_, 2);
    ASSERT_NE(channel, 0u);
    // One second and a bit: inside a sector, so the sector read must be cut.
    engine->setPosition(channel, 44100 * 4 + 1000 * 4);
    engine->play(channel, false);
    engine->capture()->advance(std::chrono::milliseconds(100));
    const auto mono = channelOf(engine->capture()->samples(), 0);
    for (std::size_t i = 0; i < 100; ++i)
        ASSERT_NEAR(mono[i], 0.5 * std::sin(2 * std::numbers::pi * 1323 * (45100.0 + i) / 44100.0), 1e-3)
            << i;
}

TEST_F(AudioCdTest, RefusesTracksTheDiscDoesNotHave) {
    auto engine = captureEngine(44100);
    std::string error;
    EXPECT_EQ(engine->openCdTrack(source_, 3, {}, &error), 0u);
    EXPECT_NE(error.find("track 4"), std::string::npos) << error;
    EXPECT_EQ(engine->openCdTrack(source_, -1), 0u);
    EXPECT_EQ(engine->openCdTrack((dir_ / "missing.cue").string(), 0), 0u);
}

} // namespace
} // namespace kavrel::audio::test
