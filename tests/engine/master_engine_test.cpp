#include "engine/master_engine.h"
#include "platform/fmod/fmod_rig.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kavrel::test {
namespace {

using engine::TMasterEngine;
using namespace std::chrono_literals;

// The facade with both engines on one hand-stepped audio core.
struct FacadeRig {
    explicit FacadeRig(const std::string& cdSource = {}) : rig(cdSource) {}

    FmodRig rig;
    TMasterEngine facade{rig.library, 0, std::make_unique<engine::TFmod>(rig.fmod, 0)};
};

class TMasterEngineTest : public ::testing::Test {
protected:
    FacadeRig both;
    FmodRig& rig = both.rig;
    TMasterEngine* facade = &both.facade;
    const std::string longTone = engineFixture("long_tone.ogg").string();
};

TEST_F(TMasterEngineTest, WithNoEngineSelectedNothingPlays) {
    EXPECT_EQ(facade->EngineName(), "");
    facade->Play(longTone, 0, false);
    EXPECT_EQ(facade->GetState(), 0);
    EXPECT_EQ(facade->GetPosition(), 0);
    EXPECT_EQ(rms(rig.run(200ms)), 0.0);
    EXPECT_EQ(facade->FileName, longTone);
}

TEST_F(TMasterEngineTest, SelectingTheSelectedEngineChangesNothing) {
    facade->SelectEngine("BASS");
    facade->Play(longTone, 5000, false);
    rig.run(1000ms);
    facade->SelectEngine("BASS");
    EXPECT_EQ(facade->GetState(), 1);
    EXPECT_EQ(facade->GetPosition(), 6000) << "no stop and no restart";
}

TEST_F(TMasterEngineTest, SwitchingWhilePlayingGoesOnAtTheSamePlace) {
    facade->SelectEngine("FMOD");
    facade->Play(longTone, 30000, false);
    rig.run(500ms);
    facade->SelectEngine("BASS");
    EXPECT_EQ(facade->Fmod->GetState(), 0);
    EXPECT_EQ(facade->EngineName(), "BASS");
    EXPECT_EQ(facade->GetState(), 1);
    EXPECT_EQ(facade->GetPosition(), 30000) << "from 30500 ms, in whole seconds";
    EXPECT_GT(rms(rig.run(200ms)), 0.1);

    facade->Pause();
    facade->SelectEngine("FMOD");
    EXPECT_EQ(facade->Bass->GetState(), 0);
    EXPECT_EQ(facade->GetState(), 2) << "a paused track stays paused";
    EXPECT_EQ(facade->GetPosition(), 30000);
    EXPECT_EQ(rms(rig.run(200ms)), 0.0);
    facade->Resume();
    EXPECT_NEAR(zeroCrossingFrequency(leftChannel(rig.run(300ms))), 440.0, 2.0);
}

TEST_F(TMasterEngineTest, SwitchingWhileStoppedOnlyChangesTheName) {
    facade->SelectEngine("FMOD");
    facade->SelectEngine("BASS");
    EXPECT_EQ(facade->EngineName(), "BASS");
    EXPECT_EQ(facade->GetState(), 0);
    EXPECT_EQ(rig.audio.openChannels(), 0u) << "nothing was opened";
}

TEST_F(TMasterEngineTest, CdFilesAreMarkedByName) {
    facade->SelectEngine("FMOD");
    facade->Play("/dev/sr0/Track03.cda", 0, false);
    EXPECT_EQ(facade->FileKind, "CD");
    facade->Play("/music/song.mp3", 0, false);
    EXPECT_EQ(facade->FileKind, "");
    facade->Play("/dev/sr0/TRACK04.CDA", 0, false);
    EXPECT_EQ(facade->FileKind, "CD");
}

TEST_F(TMasterEngineTest, EqualizerAndVolumeActOnBassWhateverEngineIsSelected) {
    facade->SelectEngine("FMOD");
    facade->EqualizerOn();
    facade->SetBandGain(5, 15);
    facade->SetBandGainAlways(6, -15);
    EXPECT_TRUE(facade->EqualizerEnabled());
    EXPECT_EQ(facade->Bass->StoredBandGain(5), 15);
    EXPECT_EQ(facade->Bass->StoredBandGain(6), -15);
    facade->SetVolume(300);
    EXPECT_EQ(facade->Volume, 300);
    EXPECT_EQ(rig.audio.volume(), 300);
}

class RecordingPanel final : public engine::SpectrumPanel {
public:
    void Place(engine::TMiniSpectrum& control) override { placed = &control; }
    engine::TMiniSpectrum* placed = nullptr;
};

TEST_F(TMasterEngineTest, EachEngineShowsItsOwnSpectrum) {
    RecordingPanel panel;
    engine::TMiniSpectrum& mini = facade->Fmod->MiniSpectrum();
    facade->SelectEngine("FMOD");
    facade->ShowSpectrum(288, 17);
    facade->AttachSpectrum(panel);
    EXPECT_EQ(facade->Bass->ShownSpectrum(), nullptr);
    EXPECT_EQ(panel.placed, &mini);
    EXPECT_TRUE(mini.Enabled());
    int repaints = 0;
    mini.SetInvalidateHandler([&] { ++repaints; });
    engine::PixelBuffer box(288, 17, 0x123456);
    facade->DrawSpectrum(box);
    EXPECT_EQ(repaints, 1) << "FMOD repaints its own control";
    EXPECT_EQ(box.pixel(0, 0), 0x123456u) << "and leaves the paint box alone";
    facade->HideSpectrum();
    EXPECT_FALSE(mini.Enabled());

    facade->SelectEngine("BASS");
    panel.placed = nullptr;
    facade->ShowSpectrum(288, 17);
    facade->AttachSpectrum(panel);
    EXPECT_NE(facade->Bass->ShownSpectrum(), nullptr);
    EXPECT_EQ(panel.placed, nullptr);
    EXPECT_FALSE(mini.Enabled());
    facade->HideSpectrum();
    EXPECT_EQ(facade->Bass->ShownSpectrum(), nullptr);
}

TEST_F(TMasterEngineTest, WithFmodAFileKeepsItsChannelsAtFullUnderTheOutputVolume) {
    facade->SelectEngine("FMOD");
    facade->Play(longTone, 0, false);
    const double full = rms(leftChannel(rig.run(300ms)));
    facade->SetVolume(500);
    rig.run(50ms);
    EXPECT_NEAR(rms(leftChannel(rig.run(300ms))) / full, 0.5, 0.002);
    EXPECT_EQ(rig.audio.volume(), 500);
}

TEST(TMasterEngineCd, WithFmodACdTrackTakesBothTheCdVolumeAndTheOutputVolume) {
    TempDir dir;
    FacadeRig both(writeCdImage(dir.path(), {{3, 880}}).string());
    both.facade.SelectEngine("FMOD");
    both.facade.Play("/any/drive/Track01.cda", 0, false);
    const double full = rms(leftChannel(both.rig.run(300ms)));
    ASSERT_GT(full, 0.3);
    both.facade.SetVolume(500);
    both.rig.run(50ms);
    EXPECT_NEAR(rms(leftChannel(both.rig.run(300ms))) / full, 0.5 * 128 / 255, 0.002);
    EXPECT_EQ(both.rig.audio.volume(), 500);
}

} // namespace
} // namespace kavrel::test
