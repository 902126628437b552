// The sixteen-band peaking equalizer as the player sets it up: a band's boost is heard in its band only,
// and moving a gain while playing glides instead of jumping.
#include "audio_test_support.h"

#include "platform/audio/equalizer_chain.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace kavrel::audio::test {
namespace {

constexpr std::array<float, 16> kCentres = {80,   140,  230,  390,  560,   720,   880,   1200,
                                            2000, 4000, 6000, 8000, 10000, 12000, 14000, 16000};
constexpr std::array<double, 3> kTones = {140, 2000, 12000};

class AudioEqualizerTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto file = dir_ / "tones.wav";
        writeWav(file, 44100, 2, 88200, [](double t, int) {
            double sum = 0;
            for (const double hz : kTones)
                sum += 0.1 * std::sin(2 * std::numbers::pi * hz * t);
            return sum;
        });
        channel_ = engine_->openFile(file);
        ASSERT_NE(channel_, 0u);
        for (std::size_t band = 0; band < kCentres.size(); ++band)
            bands_[band] = engine_->addEqualizer(channel_, {kCentres[band], 10.0f, 0.0f});
        engine_->play(channel_, true);
    }

    // Levels of the three tones over the next `ms` milliseconds.
    std::array<double, 3> levels(int ms) {
        engine_->capture()->clearSamples();
        engine_->capture()->advance(std::chrono::milliseconds(ms));
        const auto mono = channelOf(engine_->capture()->samples(), 0);
        std::array<double, 3> result{};
        for (std::size_t i = 0; i < kTones.size(); ++i)
            result[i] = levelDb(mono, 44100, kTones[i], 0, mono.size());
        return result;
    }

    kavrel::test::TempDir dir_;
    std::unique_ptr<AudioEngine> engine_ = captureEngine(44100);
    ChannelHandle channel_ = 0;
    std::array<FilterHandle, 16> bands_{};
};

TEST_F(AudioEqualizerTest, FlatBandsLeaveTheSoundAsItIs) {
    for (const double level : levels(200))
        EXPECT_NEAR(level, 20 * std::log10(0.1), 0.05);
}

TEST_F(AudioEqualizerTest, ABoostRaisesItsBandOnly) {
    struct Case {
        std::size_t band; // index into kCentres
        float gain;
        std::size_t tone; // index into kTones: the tone in that band
    };
    for (const Case c : {Case{8, 12.0f, 1}, Case{1, 12.0f, 0}, Case{13, -12.0f, 2}}) {
        const auto before = levels(100);
        ASSERT_TRUE(engine_->setEqualizer(bands_[c.band], {kCentres[c.band], 10.0f, c.gain}));
        levels(50); // the glide
        const auto after = levels(200);
        for (std::size_t tone = 0; tone < kTones.size(); ++tone) {
            const double expected = tone == c.tone ? c.gain : 0.0;
            EXPECT_NEAR(after[tone] - before[tone], expected, tone == c.tone ? 0.5 : 0.3)
                << "band " << kCentres[c.band] << " Hz, tone " << kTones[tone] << " Hz";
        }
        engine_->setEqualizer(bands_[c.band], {kCentres[c.band], 10.0f, 0.0f});
        levels(50);
    }
}

TEST_F(AudioEqualizerTest, ParametersAreClampedAndFiltersCanGo) {
    ASSERT_TRUE(engine_->setEqualizer(bands_[0], {80.0f, 50.0f, 40.0f}));
    const PeakingEqParams stored = *engine_->equalizer(bands_[0]);
    EXPECT_EQ(stored.gainDb, 15.0f);
    EXPECT_EQ(stored.bandwidthSemitones, 36.0f);
    EXPECT_EQ(stored.centerHz, 80.0f);

    EXPECT_TRUE(engine_->removeEqualizer(bands_[0]));
    EXPECT_FALSE(engine_->equalizer(bands_[0]).has_value());
    EXPECT_FALSE(engine_->setEqualizer(bands_[0], {}));
    EXPECT_EQ(engine_->addEqualizer(0, {}), 0u);
    // Freeing the channel takes its filters along.
    engine_->free(channel_);
    EXPECT_FALSE(engine_->equalizer(bands_[1]).has_value());
}

TEST(AudioEqualizerGlide, AGainChangeRisesStepByStepInsteadOfJumping) {
    EqualizerChain chain(44100);
    chain.add(1, {2000.0f, 10.0f, 0.0f});
    const auto tone = [](std::size_t frame) {
        return static_cast<float>(0.1 * std::sin(2 * std::numbers::pi * 2000 * frame / 44100.0));
    };
    std::vector<float> signal(2 * 44100 / 10);
    for (std::size_t i = 0; i < signal.size() / 2; ++i)
        signal[2 * i] = signal[2 * i + 1] = tone(i);
    // Half of it flat, then +15 dB asked for at once.
    const std::size_t half = signal.size() / 4;
    chain.process(signal.data(), half);
    chain.set(1, {2000.0f, 10.0f, 15.0f});
    chain.process(signal.data() + 2 * half, signal.size() / 2 - half);

    // The peak of each millisecond after the change, in dB over the flat tone.
    std::vector<double> steps;
    for (std::size_t start = half; start + 44 <= signal.size() / 2; start += 44) {
        float peak = 0;
        for (std::size_t i = start; i < start + 44; ++i)
            peak = std::max(peak, std::fabs(signal[2 * i]));
        steps.push_back(20 * std::log10(peak / 0.1));
    }
    EXPECT_LT(steps[1], 3.0);             // not there at once
    EXPECT_NEAR(steps.back(), 15.0, 0.3); // but there in the end
    for (std::size_t i = 1; i < steps.size(); ++i)
        EXPECT_LT(steps[i] - steps[i - 1], 1.5) << "at " << i << " ms"; // no jump anywhere
    const auto settled = std::find_if(steps.begin(), steps.end(), [](double db) { return db > 14.5; });
    EXPECT_GE(settled - steps.begin(), 15); // the glide takes about 20 ms
}

} // namespace
} // namespace kavrel::audio::test
