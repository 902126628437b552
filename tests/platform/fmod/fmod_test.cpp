#include "platform/fmod/fmod_rig.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace kavrel::test {
namespace {

using namespace fmod;
using namespace std::chrono_literals;

class FmodLibraryTest : public ::testing::Test {
protected:
    FmodLibraryTest() { initialise(library); }

    // Left channel of the next `duration`, after `settle` (volume glides, decoder start).
    std::vector<float> listen(std::chrono::milliseconds duration, std::chrono::milliseconds settle = 50ms) {
        rig.run(settle);
        return leftChannel(rig.run(duration));
    }
    FmodStream open(const std::string& fixture) {
        return library.FSOUND_Stream_Open(engineFixture(fixture).string().c_str(), kFsoundNormal, 0, 0);
    }

    FmodRig rig;
    FmodLibrary& library = rig.fmod;
};

TEST(FmodLibrarySetUp, TakesOnlyTheNamedValuesAndOnlyBeforeInit) {
    FmodRig rig;
    FmodLibrary& library = rig.fmod;
    EXPECT_GE(library.FSOUND_GetVersion(), 3.71f);
    EXPECT_FALSE(library.FSOUND_SetOutput(2));
    EXPECT_FALSE(library.FSOUND_SetDriver(1));
    EXPECT_FALSE(library.FSOUND_SetMixer(0));
    EXPECT_EQ(library.FSOUND_Stream_Open(engineFixture("tone_1k.ogg").string().c_str(), kFsoundNormal, 0, 0),
              0u)
        << "nothing opens before FSOUND_Init";
    EXPECT_FALSE(library.FSOUND_Init(44100, 0, 0));
    EXPECT_FALSE(library.FSOUND_Init(44100, 128, 1));

    EXPECT_TRUE(library.FSOUND_SetOutput(kFsoundOutputSystem));
    EXPECT_TRUE(library.FSOUND_SetDriver(kFsoundDefaultDriver));
    EXPECT_TRUE(library.FSOUND_SetMixer(kFsoundMixerAuto));
    EXPECT_TRUE(library.FSOUND_SetHWND(0));
    EXPECT_TRUE(library.FSOUND_Init(44100, 2, 0));
    EXPECT_FALSE(library.FSOUND_SetOutput(kFsoundOutputSystem)) << "too late once initialised";
    EXPECT_FALSE(library.FSOUND_Init(44100, 2, 0));

    const auto path = engineFixture("long_tone.ogg").string();
    EXPECT_EQ(library.FSOUND_Stream_Open(path.c_str(), 0x1, 0, 0), 0u);
    EXPECT_EQ(library.FSOUND_Stream_Open(path.c_str(), kFsoundNormal, 10, 0), 0u);
    std::vector<FmodStream> streams;
    for (int i = 0; i < 3; ++i)
        streams.push_back(library.FSOUND_Stream_Open(path.c_str(), kFsoundNormal, 0, 0));
    EXPECT_EQ(library.FSOUND_Stream_Play(kFsoundFree, streams[0]), 0);
    EXPECT_EQ(library.FSOUND_Stream_Play(kFsoundFree, streams[1]), 1);
    EXPECT_EQ(library.FSOUND_Stream_Play(kFsoundFree, streams[2]), -1) << "two channels were asked for";
}

TEST_F(FmodLibraryTest, StreamsPlayOnFreeChannelsPauseTogetherAndKeepTime) {
    const FmodStream first = open("long_tone.ogg");
    const FmodStream second = open("tone_1k.ogg");
    ASSERT_NE(first, 0u);
    ASSERT_NE(second, 0u);
    EXPECT_FALSE(library.FSOUND_IsPlaying(0));
    EXPECT_EQ(library.FSOUND_Stream_Play(kFsoundFree, first), 0);
    EXPECT_EQ(library.FSOUND_Stream_Play(kFsoundFree, second), 1);
    EXPECT_TRUE(library.FSOUND_SetPan(0, kFsoundStereoPan));
    EXPECT_FALSE(library.FSOUND_SetPan(0, 128));
    rig.run(500ms);
    EXPECT_TRUE(library.FSOUND_IsPlaying(0));
    EXPECT_FALSE(library.FSOUND_GetPaused(0));
    EXPECT_EQ(library.FSOUND_Stream_GetTime(first), 500);

    EXPECT_TRUE(library.FSOUND_SetPaused(kFsoundAll, true));
    EXPECT_TRUE(library.FSOUND_IsPlaying(1)) << "a paused channel still counts as playing";
    EXPECT_TRUE(library.FSOUND_GetPaused(0));
    EXPECT_TRUE(library.FSOUND_GetPaused(1));
    EXPECT_EQ(rms(listen(200ms)), 0.0);
    EXPECT_EQ(library.FSOUND_Stream_GetTime(first), 500);

    EXPECT_TRUE(library.FSOUND_Stream_SetTime(first, 30250));
    EXPECT_EQ(library.FSOUND_Stream_GetTime(first), 30250);
    EXPECT_TRUE(library.FSOUND_SetPaused(kFsoundAll, false));
    rig.run(100ms);
    EXPECT_EQ(library.FSOUND_Stream_GetTime(first), 30350);

    EXPECT_TRUE(library.FSOUND_Stream_Stop(second));
    EXPECT_FALSE(library.FSOUND_IsPlaying(1));
    EXPECT_TRUE(library.FSOUND_SetPaused(kFsoundAll, false));
    EXPECT_FALSE(library.FSOUND_IsPlaying(1)) << "unpausing never starts a stopped stream";
    EXPECT_NEAR(zeroCrossingFrequency(listen(300ms)), 440.0, 2.0) << "only the first stream is heard";

    const FmodStream third = open("tone_1k.mp3");
    EXPECT_EQ(library.FSOUND_Stream_Play(kFsoundFree, third), 1) << "the stopped stream's channel is free";
    EXPECT_TRUE(library.FSOUND_Stream_Close(first));
    EXPECT_FALSE(library.FSOUND_IsPlaying(0));
    EXPECT_FALSE(library.FSOUND_Stream_Close(first));
    EXPECT_EQ(library.FSOUND_Stream_GetTime(first), 0);
    EXPECT_EQ(library.FSOUND_Stream_Play(kFsoundFree, first), -1);
}

TEST_F(FmodLibraryTest, AStreamThatEndsFreesItsChannel) {
    const FmodStream stream = open("tone_1k.wma");
    ASSERT_EQ(library.FSOUND_Stream_Play(kFsoundFree, stream), 0);
    rig.run(1900ms);
    EXPECT_TRUE(library.FSOUND_IsPlaying(0));
    rig.run(200ms);
    EXPECT_FALSE(library.FSOUND_IsPlaying(0));
    EXPECT_EQ(library.FSOUND_Stream_Play(kFsoundFree, open("tone_1k.ogg")), 0);
}

TEST_F(FmodLibraryTest, ChannelVolumesRunUpTo255) {
    const FmodStream stream = open("long_tone.ogg");
    const int channel = library.FSOUND_Stream_Play(kFsoundFree, stream);
    const double full = rms(listen(300ms));
    ASSERT_GT(full, 0.3);
    struct Step {
        int channel;
        int volume;
        double ratio;
    };
    for (const Step step : {Step{channel, 128, 128.0 / 255}, Step{kFsoundAll, 51, 0.2},
                            Step{channel, kFsoundMaxVolume, 1.0}, Step{kFsoundAll, 0, 0.0}}) {
        EXPECT_TRUE(library.FSOUND_SetVolume(step.channel, step.volume));
        EXPECT_NEAR(rms(listen(300ms)) / full, step.ratio, 0.002) << step.volume;
    }
    EXPECT_FALSE(library.FSOUND_SetVolume(channel, 256));
    EXPECT_FALSE(library.FSOUND_SetVolume(channel + 1, 255)) << "a channel not in use";
}

TEST_F(FmodLibraryTest, ModulesPlayToTheirEndAndFollowThePauseOfAllChannels) {
    EXPECT_EQ(library.FMUSIC_LoadSong(engineFixture("tone_1k.mp3").string().c_str()), 0u);
    const FmodModule module = library.FMUSIC_LoadSong(fixture("audio/tone_module.mod").string().c_str());
    ASSERT_NE(module, 0u);
    EXPECT_EQ(library.FMUSIC_GetType(module), kFmusicTypeMod);
    EXPECT_TRUE(library.FMUSIC_SetMasterVolume(module, kFsoundMaxVolume));
    EXPECT_FALSE(library.FMUSIC_IsPlaying(module));
    EXPECT_TRUE(library.FMUSIC_PlaySong(module));
    EXPECT_NEAR(zeroCrossingFrequency(listen(500ms)), 259.0, 3.0);
    EXPECT_TRUE(library.FMUSIC_IsPlaying(module));
    EXPECT_EQ(library.FMUSIC_GetTime(module), 550);
    EXPECT_FALSE(library.FSOUND_IsPlaying(0)) << "a module has no channel number";

    library.FSOUND_SetPaused(kFsoundAll, true);
    EXPECT_TRUE(library.FMUSIC_GetPaused(module));
    EXPECT_TRUE(library.FMUSIC_IsPlaying(module));
    EXPECT_EQ(rms(listen(100ms)), 0.0);
    library.FSOUND_SetPaused(kFsoundAll, false);
    EXPECT_TRUE(library.FMUSIC_SetTime(module, 1500));
    EXPECT_EQ(library.FMUSIC_GetTime(module), 1500);
    rig.run(380ms);
    EXPECT_TRUE(library.FMUSIC_IsPlaying(module));
    rig.run(100ms);
    EXPECT_FALSE(library.FMUSIC_IsPlaying(module)) << "1.92 s long";

    EXPECT_TRUE(library.FMUSIC_FreeSong(module));
    EXPECT_FALSE(library.FMUSIC_PlaySong(module));
    EXPECT_EQ(library.FMUSIC_GetType(module), kFmusicTypeNone);
}

TEST_F(FmodLibraryTest, ModuleVolumesAndPanSeparation) {
    const FmodModule module = library.FMUSIC_LoadSong(fixture("audio/tone_module_left.mod").string().c_str());
    ASSERT_NE(module, 0u);
    const auto sides = [&] {
        library.FMUSIC_PlaySong(module);
        rig.run(50ms);
        const auto stereo = rig.run(400ms);
        std::vector<float> right;
        for (std::size_t i = 1; i < stereo.size(); i += 2)
            right.push_back(stereo[i]);
        return std::pair{rms(leftChannel(stereo)), rms(right)};
    };
    const auto [left, right] = sides();
    EXPECT_LT(right, left * 0.4) << "the tone sits on the left channel";
    EXPECT_TRUE(library.FMUSIC_SetPanSeperation(module, 0.15f));
    const auto [narrowLeft, narrowRight] = sides();
    EXPECT_GT(narrowRight / narrowLeft, 0.8) << "narrowed towards the middle";
    EXPECT_FALSE(library.FMUSIC_SetPanSeperation(module, 1.5f));

    EXPECT_TRUE(library.FMUSIC_SetMasterVolume(module, 128));
    EXPECT_TRUE(library.FSOUND_SetVolume(kFsoundAll, 128));
    const auto [quietLeft, quietRight] = sides();
    EXPECT_NEAR(quietLeft / narrowLeft, (128.0 / 255) * (128.0 / 255), 0.005) << "both volumes apply";
}

TEST_F(FmodLibraryTest, TheSpectrumShowsWhatPlaysWhileTheFftUnitIsActive) {
    const auto peak = [&] {
        const float* levels = library.FSOUND_DSP_GetSpectrum();
        const float* top = std::max_element(levels, levels + kFsoundSpectrumValues);
        return std::pair{top - levels, *top};
    };
    library.FSOUND_Stream_Play(kFsoundFree, open("tone_1k.mp3"));
    rig.run(300ms);
    EXPECT_EQ(peak().second, 0.0f) << "inactive at the start";

    const FmodDspUnit unit = library.FSOUND_DSP_GetFFTUnit();
    EXPECT_TRUE(library.FSOUND_DSP_SetActive(unit, true));
    EXPECT_FALSE(library.FSOUND_DSP_SetActive(unit + 1, true));
    const auto [bin, level] = peak();
    EXPECT_EQ(bin, 23) << "1000 Hz / (44100 Hz / 1024)";
    EXPECT_NEAR(level, 0.25, 0.03);

    library.FSOUND_SetPaused(kFsoundAll, true);
    EXPECT_EQ(peak().second, 0.0f) << "nothing plays";
    library.FSOUND_SetPaused(kFsoundAll, false);
    library.FSOUND_DSP_SetActive(unit, false);
    EXPECT_EQ(peak().second, 0.0f);
}

class FmodCdTest : public ::testing::Test {
protected:
    FmodCdTest() { initialise(library); }

    TempDir dir;
    FmodRig rig{writeCdImage(dir.path(), {{2, 440}, {3, 880}}).string()};
    FmodLibrary& library = rig.fmod;
};

TEST_F(FmodCdTest, PlaysOneTrackOnceWithItsTimePauseAndVolume) {
    EXPECT_TRUE(library.FSOUND_CD_SetPlayMode(0, kFsoundCdPlayOnce));
    EXPECT_FALSE(library.FSOUND_CD_SetPlayMode(0, 0));
    EXPECT_FALSE(library.FSOUND_CD_Play(1, 2)) << "drive 0 only";
    EXPECT_FALSE(library.FSOUND_CD_Play(0, 3)) << "past the last track";
    EXPECT_EQ(library.FSOUND_CD_GetTrack(0), 0);

    EXPECT_TRUE(library.FSOUND_CD_SetVolume(0, 0));
    ASSERT_TRUE(library.FSOUND_CD_Play(0, 2));
    EXPECT_EQ(library.FSOUND_CD_GetTrack(0), 2);
    EXPECT_EQ(rms(leftChannel(rig.run(100ms))), 0.0) << "the drive keeps its volume for the next track";
    EXPECT_TRUE(library.FSOUND_CD_SetVolume(0, kFsoundMaxVolume));
    rig.run(50ms);
    const auto tone = leftChannel(rig.run(500ms));
    EXPECT_NEAR(zeroCrossingFrequency(tone), 880.0, 2.0);
    const double full = rms(tone);
    EXPECT_TRUE(library.FSOUND_CD_SetVolume(0, 128));
    rig.run(50ms);
    EXPECT_NEAR(rms(leftChannel(rig.run(500ms))) / full, 128.0 / 255, 0.002);

    EXPECT_TRUE(library.FSOUND_CD_SetTrackTime(0, 2500));
    EXPECT_EQ(library.FSOUND_CD_GetTrackTime(0), 2500u);
    EXPECT_TRUE(library.FSOUND_CD_SetPaused(0, true));
    EXPECT_TRUE(library.FSOUND_CD_GetPaused(0));
    EXPECT_EQ(library.FSOUND_CD_GetTrack(0), 2) << "a paused track is still the current one";
    rig.run(200ms);
    EXPECT_EQ(library.FSOUND_CD_GetTrackTime(0), 2500u);
    EXPECT_TRUE(library.FSOUND_CD_SetPaused(0, false));
    rig.run(400ms);
    EXPECT_EQ(library.FSOUND_CD_GetTrack(0), 2);
    rig.run(200ms);
    EXPECT_EQ(library.FSOUND_CD_GetTrack(0), 0) << "played once to its end";

    ASSERT_TRUE(library.FSOUND_CD_Play(0, 1));
    EXPECT_TRUE(library.FSOUND_CD_Stop(0));
    EXPECT_EQ(library.FSOUND_CD_GetTrack(0), 0);
    EXPECT_EQ(library.FSOUND_CD_GetTrackTime(0), 0u);
    EXPECT_FALSE(library.FSOUND_CD_SetPaused(0, true));
}

TEST(FmodCdWithoutDisc, NoSourceMeansNoTrack) {
    FmodRig rig;
    initialise(rig.fmod);
    EXPECT_FALSE(rig.fmod.FSOUND_CD_Play(0, 1));
    EXPECT_EQ(rig.fmod.FSOUND_CD_GetTrack(0), 0);
}

} // namespace
} // namespace kavrel::test
