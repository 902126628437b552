#include "engine/master_engine.h"
#include "platform/bass/audio_rig.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kavrel::test {
namespace {

using engine::TMasterEngine;
using namespace std::chrono_literals;

// Stands for an engine still to come: remembers what it was asked.
class RecordingEngine final : public engine::TEngine {
public:
    void Play(const std::string& file, std::int32_t startMs, bool paused) override {
        calls.push_back("Play " + file + " " + std::to_string(startMs) + (paused ? " paused" : ""));
        state = paused ? 2 : 1;
        position = startMs;
    }
    void Pause() override { calls.push_back("Pause"); }
    void Resume() override { calls.push_back("Resume"); }
    void Stop() override {
        calls.push_back("Stop");
        state = 0;
    }
    std::uint8_t GetState() override { return state; }
    std::int32_t GetPosition() override { return position; }
    void SetPosition(std::int32_t ms) override { position = ms; }

    std::vector<std::string> calls;
    std::uint8_t state = 0;
    std::int32_t position = 0;
};

class TMasterEngineTest : public ::testing::Test {
protected:
    TMasterEngineTest() {
        auto fmod = std::make_unique<RecordingEngine>();
        other = fmod.get();
        facade = std::make_unique<TMasterEngine>(rig.library, 0, std::move(fmod));
    }

    AudioRig rig;
    RecordingEngine* other;
    std::unique_ptr<TMasterEngine> facade;
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
    facade->SelectEngine("BASS");
    EXPECT_EQ(other->calls.back(), "Stop");
    EXPECT_EQ(facade->EngineName(), "BASS");
    EXPECT_EQ(facade->GetState(), 1);
    EXPECT_EQ(facade->GetPosition(), 30000);
    EXPECT_GT(rms(rig.run(200ms)), 0.1);

    facade->Pause();
    facade->SelectEngine("FMOD");
    EXPECT_EQ(other->calls.back(), "Play " + longTone + " 30000 paused") << "a paused track stays paused";
    EXPECT_EQ(facade->Bass->GetState(), 0);
}

TEST_F(TMasterEngineTest, SwitchingWhileStoppedOnlyChangesTheName) {
    facade->SelectEngine("FMOD");
    facade->SelectEngine("BASS");
    EXPECT_EQ(other->calls, std::vector<std::string>{"Stop"});
    EXPECT_EQ(facade->EngineName(), "BASS");
    EXPECT_EQ(facade->GetState(), 0);
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

TEST_F(TMasterEngineTest, SpectrumBelongsToBassOnly) {
    facade->SelectEngine("FMOD");
    facade->ShowSpectrum(288, 17);
    EXPECT_EQ(facade->Bass->ShownSpectrum(), nullptr);
    facade->SelectEngine("BASS");
    facade->ShowSpectrum(288, 17);
    EXPECT_NE(facade->Bass->ShownSpectrum(), nullptr);
    facade->HideSpectrum();
    EXPECT_EQ(facade->Bass->ShownSpectrum(), nullptr);
}

} // namespace
} // namespace kavrel::test
