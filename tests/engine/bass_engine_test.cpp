#include "engine/bass_engine.h"
#include "platform/bass/audio_rig.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace kavrel::test {
namespace {

using engine::TBass;
using namespace std::chrono_literals;

class TBassTest : public ::testing::Test {
protected:
    AudioRig rig;
    TBass bass{rig.library, 0};

    // Left channel of the next `duration`, skipping `settle` first (filter glides, decoder start).
    std::vector<float> listen(std::chrono::milliseconds duration, std::chrono::milliseconds settle = 100ms) {
        rig.run(settle);
        return leftChannel(rig.run(duration));
    }
};

class TBassFormatTest : public TBassTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(TBassFormatTest, DecodesTheFixtureToneAndEndsOnTime) {
    bass.Play(engineFixture(GetParam()).string(), 0, false);
    ASSERT_EQ(bass.GetState(), 1);
    const auto tone = listen(1000ms, 200ms);
    EXPECT_NEAR(zeroCrossingFrequency(tone), 1000.0, 2.0);
    EXPECT_NEAR(decibels(rms(tone) / (0.5 / std::sqrt(2.0))), 0.0, 0.5) << "level within 0.5 dB of -6 dBFS";

    // The fixture lasts 2 s: the end callback clears the state within a few tens of ms of that.
    rig.run(740ms);
    EXPECT_EQ(bass.GetState(), 1);
    rig.run(120ms);
    EXPECT_EQ(bass.GetState(), 0);
}

INSTANTIATE_TEST_SUITE_P(Formats, TBassFormatTest,
                         ::testing::Values("tone_1k.mp3", "tone_1k.ogg", "tone_1k.wma"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

TEST_F(TBassTest, PositionsReadInWholeSeconds) {
    bass.Play(engineFixture("long_tone.ogg").string(), 1999, false);
    EXPECT_EQ(bass.GetPosition(), 1000);
    rig.run(1000ms);
    EXPECT_EQ(bass.GetPosition(), 2000);
    bass.SetPosition(30500);
    EXPECT_EQ(bass.GetPosition(), 30000);
}

TEST_F(TBassTest, PausedStartStaysSilentAndPositionedUntilResumed) {
    bass.Play(engineFixture("long_tone.ogg").string(), 30000, true);
    EXPECT_EQ(bass.GetState(), 2) << "paused, never stopped, so the poller does not see a track end";
    const auto silence = listen(500ms);
    EXPECT_EQ(rms(silence), 0.0);
    EXPECT_EQ(bass.GetPosition(), 30000);

    bass.Resume();
    EXPECT_EQ(bass.GetState(), 1);
    EXPECT_NEAR(zeroCrossingFrequency(listen(500ms, 500ms)), 440.0, 2.0);
    EXPECT_EQ(bass.GetPosition(), 31000);
}

TEST_F(TBassTest, PauseResumeAndStopMoveTheStateByte) {
    bass.Pause();
    EXPECT_EQ(bass.GetState(), 0) << "nothing playing stays stopped";
    bass.Play(engineFixture("long_tone.ogg").string(), 0, false);
    bass.Pause();
    EXPECT_EQ(bass.GetState(), 2);
    EXPECT_EQ(rms(listen(200ms)), 0.0);
    bass.Resume();
    EXPECT_EQ(bass.GetState(), 1);
    bass.Stop();
    EXPECT_EQ(bass.GetState(), 0);
    bass.Resume();
    EXPECT_EQ(bass.GetState(), 0);
}

TEST_F(TBassTest, VolumeScalesTheOutput) {
    bass.Play(engineFixture("long_tone.ogg").string(), 0, false);
    const double full = rms(listen(500ms));
    bass.SetVolume(500);
    EXPECT_NEAR(decibels(rms(listen(500ms)) / full), decibels(0.5), 0.1);
    bass.SetVolume(0);
    EXPECT_EQ(rms(listen(200ms)), 0.0);
}

// Amplitudes of the two fixture tones: 230 Hz lies in band 3, 6000 Hz in band 11.
struct Tones {
    double low;
    double high;
};

class TBassEqualizerTest : public TBassTest {
protected:
    // A boosted tone must not reach the output's clipping level.
    TBassEqualizerTest() { bass.SetVolume(250); }

    // From the start of the 2-second fixture.
    Tones tonesOf() {
        bass.SetPosition(0);
        const auto block = listen(1000ms);
        return {amplitudeAt(block, 230) * 4, amplitudeAt(block, 6000) * 4};
    }
    void playTwoTones() { bass.Play(engineFixture("two_tones.mp3").string(), 0, false); }
};

TEST_F(TBassEqualizerTest, BoostedBandRisesByItsGainAndLeavesDistantBandsAlone) {
    playTwoTones();
    const Tones flat = tonesOf();
    EXPECT_NEAR(flat.low, 0.25, 0.01);

    bass.Play(engineFixture("two_tones.mp3").string(), 0, false);
    bass.EqualizerOn();
    bass.SetBandGain(3, 12);
    const Tones boosted = tonesOf();
    EXPECT_NEAR(decibels(boosted.low / flat.low), 12.0, 1.0);
    EXPECT_NEAR(decibels(boosted.high / flat.high), 0.0, 0.5);

    bass.EqualizerOff();
    EXPECT_EQ(bass.StoredBandGain(3), 12) << "off keeps the gains";
    const Tones off = tonesOf();
    EXPECT_NEAR(decibels(off.low / flat.low), 0.0, 0.5);
}

TEST_F(TBassEqualizerTest, GainsSetWhileOffAreHeardWhenTurnedOnAndCarryToTheNextTrack) {
    bass.EqualizerOff();
    bass.SetBandGain(11, -12);
    bass.SetBandGain(17, 15); // no such band
    playTwoTones();
    const Tones off = tonesOf();
    EXPECT_NEAR(off.high, 0.25, 0.01);

    bass.EqualizerOn();
    const Tones on = tonesOf();
    EXPECT_NEAR(decibels(on.high / off.high), -12.0, 1.0);

    playTwoTones();
    const Tones next = tonesOf();
    EXPECT_NEAR(decibels(next.high / off.high), -12.0, 1.0) << "a new track keeps the gains";
    EXPECT_NEAR(decibels(next.low / off.low), 0.0, 0.5);
}

TEST_F(TBassTest, NamesThatCannotPlayLeaveNothingPlaying) {
    TempDir dir;
    const auto eightBit = dir / "eight_bit.mp3";
    writeEightBitWav(eightBit, 1);
    const auto notAudio = dir / "text.mp3";
    writeFile(notAudio, "not audio at all");
    for (const std::string& name :
         {eightBit.string(), notAudio.string(), (dir / "missing.ogg").string(),
          engineFixture("tone_1k.mp3").string() + ".flac", std::string("/cd/Track.cda"),
          std::string("/cd/Intro.cda"), std::string("/cd/Track03.cda")}) {
        bass.Play(engineFixture("long_tone.ogg").string(), 0, false);
        ASSERT_EQ(bass.GetState(), 1);
        bass.Play(name, 0, false);
        EXPECT_EQ(bass.GetState(), 0) << name;
        EXPECT_EQ(bass.GetPosition(), 0) << name;
        EXPECT_EQ(rms(listen(100ms)), 0.0) << name;
    }
}

TEST_F(TBassTest, SpectrumDrawsOnlyWhilePlaying) {
    engine::PixelBuffer box(288, 17, 0x123456);
    bass.ShowSpectrum(288, 17);
    ASSERT_NE(bass.ShownSpectrum(), nullptr);
    EXPECT_EQ(bass.ShownSpectrum()->MaxHeight, 15);
    bass.DrawSpectrum(box);
    EXPECT_EQ(box.pixel(0, 0), 0x123456u) << "stopped: the last frame stays";

    bass.Play(engineFixture("tone_1k.mp3").string(), 0, false);
    rig.run(300ms);
    bass.DrawSpectrum(box);
    EXPECT_EQ(box.pixel(0, 0), 0u) << "a frame was drawn";
    // The 1000 Hz tone lies in bin 23, column 18, whose bar starts at x = 1 + 18 * 4.
    EXPECT_EQ(box.pixel(1 + 18 * 4, 15), 0xFFFFFFu);
    bass.HideSpectrum();
    EXPECT_EQ(bass.ShownSpectrum(), nullptr);
}

class TBassCdTest : public ::testing::Test {
protected:
    TempDir dir;
    AudioRig rig{writeCdImage(dir.path(), {{2, 440}, {3, 880}, {1, 1760}}).string()};
    TBass bass{rig.library, 0};
};

TEST_F(TBassCdTest, AnswersTheDiscQueries) {
    EXPECT_EQ(bass.CdDiscId(), expectedCddbId({2, 3, 1}));
    EXPECT_EQ(bass.CdTrackLength(1), -1) << "no count read yet";
    EXPECT_EQ(bass.CdTrackCount(), 3);
    EXPECT_EQ(bass.CdTrackLength(1), 2000);
    EXPECT_EQ(bass.CdTrackLength(2), 3000);
    EXPECT_EQ(bass.CdTrackLength(3), 1000);
    EXPECT_EQ(bass.CdTrackLength(0), -1);
    EXPECT_EQ(bass.CdTrackLength(4), -1);
}

TEST_F(TBassCdTest, TrackNamePlaysThatTrackOfTheDisc) {
    bass.Play("/any/drive/Track03.cda", 0, false);
    ASSERT_EQ(bass.GetState(), 1);
    EXPECT_NEAR(zeroCrossingFrequency(leftChannel(rig.run(500ms))), 1760.0, 4.0);
    bass.Play("/any/drive/track2.CDA", 0, false);
    EXPECT_NEAR(zeroCrossingFrequency(leftChannel(rig.run(500ms))), 880.0, 2.0);
    bass.Play("/any/drive/Track04.cda", 0, false);
    EXPECT_EQ(bass.GetState(), 0) << "past the last track";
}

TEST(TBassStart, NoCdSourceMeansNoDisc) {
    AudioRig rig;
    TBass bass(rig.library, 0);
    EXPECT_EQ(bass.CdDiscId(), "");
    EXPECT_EQ(bass.CdTrackCount(), 0);
}

} // namespace
} // namespace kavrel::test
