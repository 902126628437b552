#include "platform/bass/audio_rig.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>

namespace kavrel::test {
namespace {

using namespace bass;
using namespace std::chrono_literals;

class BassLibraryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(lib.BASS_Init(kBassDefaultDevice, 44100, 0, 0, nullptr)); }

    AudioRig rig;
    BassLibrary& lib = rig.library;
};

TEST(BassLibraryStart, ReportsVersionTwoPointTwoAndAcceptsOnlyTheDefaultDevice) {
    AudioRig rig;
    EXPECT_EQ(rig.library.BASS_GetVersion(), 0x00020002u);
    const std::string file = engineFixture("tone_1k.mp3").string();
    EXPECT_EQ(rig.library.BASS_StreamCreateFile(false, file.c_str(), 0, 0, kBassAllowEffects), 0u)
        << "no channel before the library is initialised";
    EXPECT_FALSE(rig.library.BASS_Init(7, 44100, 0, 0, nullptr));
    EXPECT_TRUE(rig.library.BASS_Init(kBassDefaultDevice, 44100, 0, 0, nullptr));
    EXPECT_TRUE(rig.library.BASS_SetConfig(kBassConfigBufferMs, 50000));
    EXPECT_TRUE(rig.library.BASS_SetConfig(kBassConfigMaxVolume, 1000));
    EXPECT_FALSE(rig.library.BASS_SetConfig(99, 1));
}

TEST_F(BassLibraryTest, StreamPositionsConvertBetweenBytesAndSeconds) {
    const std::string file = engineFixture("long_tone.ogg").string();
    const BassChannel channel = lib.BASS_StreamCreateFile(false, file.c_str(), 0, 0, kBassAllowEffects);
    ASSERT_NE(channel, 0u);
    BassChannelInfo info;
    ASSERT_TRUE(lib.BASS_ChannelGetInfo(channel, &info));
    EXPECT_EQ(info.freq, 44100u);
    EXPECT_EQ(info.channels, 1u);
    EXPECT_EQ(info.flags & kBassSample8Bit, 0u);

    // Mono 16-bit: 88200 bytes a second.
    EXPECT_EQ(lib.BASS_ChannelSeconds2Bytes(channel, 1.5), 132300u);
    EXPECT_DOUBLE_EQ(lib.BASS_ChannelBytes2Seconds(channel, 88200), 1.0);
    EXPECT_TRUE(lib.BASS_ChannelSetPosition(channel, 88200 * 3));
    EXPECT_EQ(lib.BASS_ChannelGetPosition(channel), 88200u * 3);

    EXPECT_TRUE(lib.BASS_ChannelPlay(channel, false));
    rig.run(1000ms);
    EXPECT_EQ(lib.BASS_ChannelGetPosition(channel), 88200u * 4);
    EXPECT_TRUE(lib.BASS_ChannelPlay(channel, true));
    rig.run(500ms);
    EXPECT_EQ(lib.BASS_ChannelGetPosition(channel), 44100u);
    EXPECT_TRUE(lib.BASS_StreamFree(channel));
    EXPECT_EQ(lib.BASS_ChannelGetPosition(channel), kBassPositionError);
}

TEST_F(BassLibraryTest, RefusesWhatItDoesNotOffer) {
    const std::string file = engineFixture("tone_1k.mp3").string();
    EXPECT_EQ(lib.BASS_StreamCreateFile(true, file.c_str(), 0, 0, 0), 0u);
    EXPECT_EQ(lib.BASS_StreamCreateFile(false, file.c_str(), 100, 0, 0), 0u);
    EXPECT_EQ(lib.BASS_StreamCreateFile(false, "/no/such/file.mp3", 0, 0, 0), 0u);
    EXPECT_EQ(lib.BASS_CD_StreamCreate(0, 0, 0), 0u) << "no CD source";
    EXPECT_EQ(lib.BASS_CD_GetID(0, kBassCdIdCddb), nullptr);
    EXPECT_EQ(lib.BASS_CD_GetTracks(0), kBassError);

    const BassChannel channel = lib.BASS_StreamCreateFile(false, file.c_str(), 0, 0, kBassAllowEffects);
    ASSERT_NE(channel, 0u);
    EXPECT_EQ(lib.BASS_ChannelSetFX(channel, 3, 0), 0u);
    std::array<float, 512> fft{};
    EXPECT_EQ(lib.BASS_ChannelGetData(channel, fft.data(), 1024), kBassError);
    EXPECT_FALSE(lib.BASS_MusicFree(channel)) << "a stream is not a module";
    EXPECT_TRUE(lib.BASS_StreamFree(channel));
    EXPECT_FALSE(lib.BASS_StreamFree(channel));
}

TEST_F(BassLibraryTest, EndSyncRunsOnceWhenTheStreamEnds) {
    const std::string file = engineFixture("tone_1k.ogg").string();
    const BassChannel channel = lib.BASS_StreamCreateFile(false, file.c_str(), 0, 0, kBassAllowEffects);
    std::atomic<int> ends{0};
    std::atomic<BassChannel> endedChannel{0};
    const BassSync sync = lib.BASS_ChannelSetSync(
        channel, kBassSyncEnd, 0,
        [&](BassSync, BassChannel ended, std::uint32_t, std::uintptr_t) {
            endedChannel = ended;
            ++ends;
        },
        0);
    ASSERT_NE(sync, 0u);
    lib.BASS_ChannelPlay(channel, true);
    rig.run(1500ms);
    EXPECT_EQ(ends, 0);
    rig.run(1000ms);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(endedChannel, channel);
}

TEST_F(BassLibraryTest, EqualizerParametersRoundTripAndFftReportsTheTone) {
    const std::string file = engineFixture("tone_1k.mp3").string();
    const BassChannel channel = lib.BASS_StreamCreateFile(false, file.c_str(), 0, 0, kBassAllowEffects);
    const BassFx fx = lib.BASS_ChannelSetFX(channel, kBassFxParamEq, 0);
    ASSERT_NE(fx, 0u);
    const BassParamEq set{1200.0f, 10.0f, -7.0f};
    ASSERT_TRUE(lib.BASS_FXSetParameters(fx, &set));
    BassParamEq got;
    ASSERT_TRUE(lib.BASS_FXGetParameters(fx, &got));
    EXPECT_FLOAT_EQ(got.centre, 1200.0f);
    EXPECT_FLOAT_EQ(got.bandwidth, 10.0f);
    EXPECT_FLOAT_EQ(got.gain, -7.0f);

    lib.BASS_ChannelPlay(channel, true);
    rig.run(300ms);
    std::array<float, 512> fft{};
    ASSERT_EQ(lib.BASS_ChannelGetData(channel, fft.data(), kBassDataFft1024), kBassFftBytes);
    // 1000 Hz lies in bin 1000 / (44100 / 1024) = 23.2.
    const auto peak = std::max_element(fft.begin(), fft.end()) - fft.begin();
    EXPECT_EQ(peak, 23);
}

TEST_F(BassLibraryTest, VolumeRunsOnTheConfiguredScale) {
    ASSERT_TRUE(lib.BASS_SetConfig(kBassConfigMaxVolume, 1000));
    EXPECT_TRUE(lib.BASS_SetVolume(250));
    EXPECT_EQ(rig.audio.volume(), 250);
    EXPECT_FALSE(lib.BASS_SetVolume(1001));
    ASSERT_TRUE(lib.BASS_SetConfig(kBassConfigMaxVolume, 100));
    EXPECT_TRUE(lib.BASS_SetVolume(50));
    EXPECT_EQ(rig.audio.volume(), 500);
}

TEST(BassLibraryCd, AnswersDiscQueriesFromAnImage) {
    TempDir dir;
    const auto cue = writeCdImage(dir.path(), {{2, 440}, {3, 880}, {1, 1760}});
    AudioRig rig(cue.string());
    BassLibrary& lib = rig.library;
    ASSERT_TRUE(lib.BASS_Init(kBassDefaultDevice, 44100, 0, 0, nullptr));

    const char* id = lib.BASS_CD_GetID(0, kBassCdIdCddb);
    ASSERT_NE(id, nullptr);
    EXPECT_EQ(std::string(id), expectedCddbId({2, 3, 1}));
    EXPECT_EQ(lib.BASS_CD_GetID(1, kBassCdIdCddb), nullptr) << "only drive 0 exists";
    EXPECT_EQ(lib.BASS_CD_GetTracks(0), 3u);
    EXPECT_EQ(lib.BASS_CD_GetTrackLength(0, 0), 2u * 176400);
    EXPECT_EQ(lib.BASS_CD_GetTrackLength(0, 1), 3u * 176400);
    EXPECT_EQ(lib.BASS_CD_GetTrackLength(0, 3), kBassError);

    const BassChannel channel = lib.BASS_CD_StreamCreate(0, 1, kBassAutoFree | kBassAllowEffects);
    ASSERT_NE(channel, 0u);
    lib.BASS_ChannelPlay(channel, true);
    const auto left = leftChannel(rig.run(1000ms));
    EXPECT_NEAR(zeroCrossingFrequency(left), 880.0, 2.0);
    lib.BASS_ChannelStop(channel);
    BassChannelInfo info;
    EXPECT_FALSE(lib.BASS_ChannelGetInfo(channel, &info)) << "an auto-free channel is gone once stopped";
}

TEST(BassLibraryCd, AnswersForTheNewDiscOnceTheImageChanges) {
    TempDir dir;
    const auto cue = writeCdImage(dir.path(), {{2, 440}, {3, 880}, {1, 1760}});
    AudioRig rig(cue.string());
    BassLibrary& lib = rig.library;
    const char* oldId = lib.BASS_CD_GetID(0, kBassCdIdCddb);
    ASSERT_NE(oldId, nullptr);
    EXPECT_EQ(lib.BASS_CD_GetTracks(0), 3u);

    writeCdImage(dir.path(), {{4, 440}});
    EXPECT_EQ(lib.BASS_CD_GetTracks(0), 1u);
    EXPECT_EQ(lib.BASS_CD_GetTrackLength(0, 0), 4u * 176400);
    const char* newId = lib.BASS_CD_GetID(0, kBassCdIdCddb);
    ASSERT_NE(newId, nullptr);
    EXPECT_EQ(std::string(newId), expectedCddbId({4}));
    EXPECT_EQ(std::string(oldId), expectedCddbId({2, 3, 1})) << "an id handed out earlier still reads";

    std::filesystem::remove(cue);
    EXPECT_EQ(lib.BASS_CD_GetTracks(0), kBassError);
    EXPECT_EQ(lib.BASS_CD_GetID(0, kBassCdIdCddb), nullptr);
}

} // namespace
} // namespace kavrel::test
