#include "engine/fmod_engine.h"
#include "platform/fmod/fmod_rig.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace kavrel::test {
namespace {

using engine::TFmod;
using namespace std::chrono_literals;

// Left channel of the next `duration`, skipping `settle` first (volume glides, decoder start).
std::vector<float> listen(AudioRig& rig, std::chrono::milliseconds duration,
                          std::chrono::milliseconds settle = 100ms) {
    rig.run(settle);
    return leftChannel(rig.run(duration));
}

const double kToneRms = 0.5 / std::sqrt(2.0); // the fixtures' -6 dBFS sine

class TFmodTest : public ::testing::Test {
protected:
    FmodRig rig;
    TFmod fmod{rig.fmod, 0};
    const std::string longTone = engineFixture("long_tone.ogg").string();
};

class TFmodFormatTest : public TFmodTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(TFmodFormatTest, PlaysTheFixtureToneAndEndsOnTime) {
    fmod.Play(engineFixture(GetParam()).string(), 0, false);
    ASSERT_EQ(fmod.GetState(), 1);
    const auto tone = listen(rig, 1000ms, 200ms);
    EXPECT_NEAR(zeroCrossingFrequency(tone), 1000.0, 2.0);
    EXPECT_NEAR(decibels(rms(tone) / kToneRms), 0.0, 0.5) << "level within 0.5 dB of -6 dBFS";

    rig.run(740ms);
    EXPECT_EQ(fmod.GetState(), 1);
    rig.run(120ms);
    EXPECT_EQ(fmod.GetState(), 0) << "the 2 s fixture has ended";
}

INSTANTIATE_TEST_SUITE_P(Formats, TFmodFormatTest,
                         ::testing::Values("tone_1k.mp3", "tone_1k.ogg", "tone_1k.wma"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

TEST_F(TFmodTest, AStartAt30SecondsLandsThereAndPositionsCountMilliseconds) {
    fmod.Play(longTone, 30000, false);
    EXPECT_EQ(fmod.GetPosition(), 30000);
    EXPECT_NEAR(zeroCrossingFrequency(listen(rig, 400ms)), 440.0, 2.0);
    EXPECT_EQ(fmod.GetPosition(), 30500);
    fmod.SetPosition(1234);
    EXPECT_EQ(fmod.GetPosition(), 1234);
}

TEST_F(TFmodTest, PauseWaitsForAPollThenPausesAndResumes) {
    fmod.Play(longTone, 0, false);
    fmod.Pause();
    EXPECT_GT(rms(listen(rig, 200ms)), 0.3) << "no poll has seen it playing yet: Pause does nothing";

    ASSERT_EQ(fmod.GetState(), 1);
    fmod.Pause();
    EXPECT_EQ(fmod.GetState(), 2);
    const std::int32_t pausedAt = fmod.GetPosition();
    EXPECT_EQ(rms(listen(rig, 200ms)), 0.0);
    EXPECT_EQ(fmod.GetPosition(), pausedAt);
    fmod.Resume();
    EXPECT_EQ(fmod.GetState(), 1);
    EXPECT_NEAR(zeroCrossingFrequency(listen(rig, 300ms)), 440.0, 2.0);
}

TEST_F(TFmodTest, APausedStartStaysSilentAndPositionedWhateverWasPolledBefore) {
    fmod.Play(longTone, 30000, true);
    EXPECT_EQ(fmod.GetState(), 2) << "paused, never playing aloud";
    EXPECT_EQ(rms(listen(rig, 300ms)), 0.0);
    EXPECT_EQ(fmod.GetPosition(), 30000);
    fmod.Resume();
    EXPECT_GT(rms(listen(rig, 200ms)), 0.3);
}

TEST_F(TFmodTest, AModuleReportsItsOwnStateAndTimeUntilItsEnd) {
    fmod.Play(fixture("audio/tone_module.mod").string(), 0, false);
    EXPECT_EQ(fmod.GetState(), 1) << "a module is not taken for a stopped stream";
    EXPECT_NEAR(zeroCrossingFrequency(listen(rig, 400ms)), 259.0, 3.0);
    EXPECT_EQ(fmod.GetPosition(), 500);
    fmod.Pause();
    EXPECT_EQ(fmod.GetState(), 2);
    EXPECT_EQ(rms(listen(rig, 100ms)), 0.0);
    fmod.Resume();
    fmod.SetPosition(1500);
    EXPECT_EQ(fmod.GetPosition(), 1500);
    rig.run(380ms);
    EXPECT_EQ(fmod.GetState(), 1);
    rig.run(100ms);
    EXPECT_EQ(fmod.GetState(), 0) << "played to its end (1.92 s)";
}

TEST_F(TFmodTest, StopReleasesWhatItStops) {
    const std::size_t before = rig.audio.openChannels();
    for (const std::string& file : {longTone, fixture("audio/tone_module.mod").string(), longTone}) {
        fmod.Play(file, 0, false);
        EXPECT_EQ(rig.audio.openChannels(), before + 1) << file;
    }
    fmod.Stop();
    EXPECT_EQ(fmod.GetState(), 0);
    EXPECT_EQ(rig.audio.openChannels(), before);
    EXPECT_EQ(fmod.GetPosition(), 0);
}

TEST_F(TFmodTest, NamesThatOpenAsNothingPlayNothing) {
    TempDir dir;
    writeFile(dir / "text.mp3", "not audio at all");
    for (const std::string& name : {(dir / "text.mp3").string(), (dir / "missing.ogg").string(),
                                    std::string("/cd/Intro.cda"), std::string("/cd/Track03.cda")}) {
        fmod.Play(longTone, 0, false);
        ASSERT_EQ(fmod.GetState(), 1);
        fmod.Play(name, 0, false);
        EXPECT_EQ(fmod.GetState(), 0) << name;
        EXPECT_EQ(rms(listen(rig, 100ms)), 0.0) << name;
    }
}

TEST_F(TFmodTest, ChannelVolumeForFilesFollowsTheProgramScale) {
    fmod.Play(longTone, 0, false);
    const double full = rms(listen(rig, 300ms));
    fmod.SetCdVolume(500);
    EXPECT_NEAR(rms(listen(rig, 300ms)) / full, 128.0 / 255, 0.002);
    fmod.Play(longTone, 0, false);
    EXPECT_NEAR(rms(listen(rig, 300ms)) / full, 1.0, 0.002) << "every track starts at full volume";
}

// The FMOD library's own spectrum controls only what it plays.
class RecordingPanel final : public engine::SpectrumPanel {
public:
    void Place(engine::TMiniSpectrum& control) override { placed = &control; }
    engine::TMiniSpectrum* placed = nullptr;
};

TEST_F(TFmodTest, TheMiniSpectrumIsPlacedShownHiddenAndRepainted) {
    int repaints = 0;
    fmod.MiniSpectrum().SetInvalidateHandler([&] { ++repaints; });
    EXPECT_FALSE(fmod.MiniSpectrum().Enabled());
    fmod.DrawSpectrum();
    EXPECT_EQ(repaints, 0) << "disabled: nothing to repaint";

    RecordingPanel panel;
    fmod.AttachSpectrum(panel);
    EXPECT_EQ(panel.placed, &fmod.MiniSpectrum());
    EXPECT_TRUE(fmod.MiniSpectrum().Enabled());
    EXPECT_EQ(fmod.MiniSpectrum().Style(), 1);
    repaints = 0;
    fmod.DrawSpectrum();
    EXPECT_EQ(repaints, 1);

    fmod.Play(engineFixture("tone_1k.mp3").string(), 0, false);
    rig.run(300ms);
    const float* levels = rig.fmod.FSOUND_DSP_GetSpectrum();
    EXPECT_GT(levels[23], 0.1f) << "the FFT unit runs while shown";
    fmod.HideSpectrum();
    EXPECT_FALSE(fmod.MiniSpectrum().Enabled());
    EXPECT_EQ(rig.fmod.FSOUND_DSP_GetSpectrum()[23], 0.0f);
    fmod.ShowSpectrum();
    EXPECT_TRUE(fmod.MiniSpectrum().Enabled());
}

class TFmodCdTest : public ::testing::Test {
protected:
    TempDir dir;
    FmodRig rig{writeCdImage(dir.path(), {{2, 440}, {3, 880}, {4, 1760}}).string()};
    TFmod fmod{rig.fmod, 0};
};

class TFmodLongCdTest : public ::testing::Test {
protected:
    TempDir dir;
    FmodRig rig{writeCdImage(dir.path(), {{1, 440}, {91, 1760}}).string()};
    TFmod fmod{rig.fmod, 0};
};

TEST_F(TFmodCdTest, PlaysTheNamedTrackWithItsStateAndTime) {
    fmod.Play("/any/drive/Track02.cda", 0, false);
    EXPECT_EQ(fmod.FileKind(), "CD");
    ASSERT_EQ(fmod.GetState(), 1);
    EXPECT_NEAR(zeroCrossingFrequency(listen(rig, 400ms)), 880.0, 2.0);
    EXPECT_EQ(fmod.GetPosition(), 500);
    fmod.Pause();
    EXPECT_EQ(fmod.GetState(), 2);
    EXPECT_EQ(rms(listen(rig, 100ms)), 0.0);
    fmod.Resume();
    EXPECT_EQ(fmod.GetState(), 1);
    fmod.SetPosition(2800);
    rig.run(250ms);
    EXPECT_EQ(fmod.GetState(), 0) << "played once to its end";

    fmod.Play("/any/drive/Track04.cda", 0, false);
    EXPECT_EQ(fmod.GetState(), 0) << "past the last track";
}

TEST_F(TFmodLongCdTest, AStartAt90SecondsEndsWithTheCdVolumeAtFull) {
    fmod.Play("/any/drive/Track01.cda", 0, false);
    fmod.SetCdVolume(200);
    EXPECT_NEAR(rms(listen(rig, 200ms)) / kToneRms, 51.0 / 255, 0.003);

    fmod.Play("/any/drive/Track02.cda", 90000, false);
    EXPECT_EQ(fmod.GetPosition(), 90000);
    const auto tone = listen(rig, 500ms);
    EXPECT_NEAR(zeroCrossingFrequency(tone), 1760.0, 4.0);
    EXPECT_NEAR(rms(tone) / kToneRms, 1.0, 0.003) << "full volume, whatever it was before";
}

TEST_F(TFmodCdTest, PauseBeforeAPollSawPlayingDoesNothing) {
    fmod.Play("/any/drive/Track03.cda", 0, false);
    fmod.Pause();
    EXPECT_GT(rms(listen(rig, 200ms)), 0.3);
    EXPECT_EQ(fmod.GetState(), 1);
}

TEST_F(TFmodCdTest, APausedCdStartIsSilentAtItsPlace) {
    fmod.Play("/any/drive/Track03.cda", 3000, true);
    EXPECT_EQ(fmod.GetState(), 2);
    EXPECT_EQ(rms(listen(rig, 200ms)), 0.0);
    EXPECT_EQ(fmod.GetPosition(), 3000);
    fmod.Resume();
    EXPECT_NEAR(rms(listen(rig, 200ms)) / kToneRms, 1.0, 0.003);
}

TEST_F(TFmodCdTest, SetCdVolume500GivesTheCd128Of255) {
    fmod.Play("/any/drive/Track03.cda", 0, false);
    const double full = rms(listen(rig, 300ms));
    ASSERT_NEAR(full / kToneRms, 1.0, 0.003);
    fmod.SetCdVolume(500);
    EXPECT_NEAR(rms(listen(rig, 300ms)) / full, 128.0 / 255, 0.001);
    fmod.SetCdVolume(49); // 12.5 rounds to even
    EXPECT_NEAR(rms(listen(rig, 300ms)) / full, 12.0 / 255, 0.001);
    fmod.SetCdVolume(1000);
    EXPECT_NEAR(rms(listen(rig, 300ms)) / full, 1.0, 0.001);
}

} // namespace
} // namespace kavrel::test
