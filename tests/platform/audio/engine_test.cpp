// Playback control through the capture sink: positions, seeking, pause, volume, rate conversion,
// end notices and the spectrum.
#include "audio_test_support.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cmath>
#include <numbers>

namespace kavrel::audio::test {
namespace {

constexpr double kPi = std::numbers::pi;

double sine(double hz, double seconds, double amplitude = 0.5) {
    return amplitude * std::sin(2 * kPi * hz * seconds);
}

// Correlation of each 10 ms block with the ideal tone; the smallest one. A gap, a repeated block or a
// jump in phase anywhere drops it well below 1.
double worstBlockCorrelation(const std::vector<float>& mono, std::size_t from, std::size_t to, int rate,
                             const std::function<double(std::size_t)>& ideal) {
    const auto block = static_cast<std::size_t>(rate / 100);
    double worst = 1.0;
    for (std::size_t start = from; start + block <= to; start += block) {
        double xy = 0, xx = 0, yy = 0;
        for (std::size_t i = start; i < start + block; ++i) {
            const double y = ideal(i);
            xy += mono[i] * y;
            xx += double{mono[i]} * mono[i];
            yy += y * y;
        }
        worst = std::min(worst, xy / std::sqrt(xx * yy + 1e-30));
    }
    return worst;
}

class AudioEngineTest : public ::testing::Test {
protected:
    // Ten 100 ms steps of 300, 400, ... 1200 Hz: where the sound comes from can be heard.
    std::filesystem::path writeSteps() {
        const auto file = dir_ / "steps.wav";
        writeWav(file, 44100, 2, 44100,
                 [](double t, int) { return sine(300 + 100 * std::floor(t * 10), t); });
        return file;
    }
    std::filesystem::path writeTone(double hz, int rate, double seconds) {
        const auto file = dir_ / ("tone" + std::to_string(rate) + ".wav");
        writeWav(file, rate, 2, static_cast<std::int64_t>(seconds * rate),
                 [hz](double t, int) { return sine(hz, t); });
        return file;
    }
    std::vector<float> left() const { return channelOf(engine_->capture()->samples(), 0); }
    void advance(int ms) { engine_->capture()->advance(std::chrono::milliseconds(ms)); }

    kavrel::test::TempDir dir_;
    std::unique_ptr<AudioEngine> engine_ = captureEngine(44100);
};

TEST_F(AudioEngineTest, PositionsCountBytesOfTheDecodedFormat) {
    const ChannelHandle channel = engine_->openFile(writeSteps());
    ASSERT_NE(channel, 0u);
    EXPECT_EQ(engine_->length(channel), 176400);
    EXPECT_EQ(engine_->secondsToBytes(channel, 1.0), 176400);
    EXPECT_EQ(engine_->secondsToBytes(channel, 1.999), 352620); // whole frames, rounded down
    EXPECT_EQ(engine_->bytesToSeconds(channel, 88200), 0.5);
    EXPECT_EQ(engine_->secondsToBytes(channel, -1.0), std::nullopt);
    EXPECT_EQ(engine_->position(channel), 0);

    engine_->play(channel, true);
    advance(250);
    EXPECT_EQ(engine_->position(channel), 250 * 176400 / 1000);
    EXPECT_EQ(engine_->position(0), std::nullopt);
}

TEST_F(AudioEngineTest, SeeksToTheRequestedSound) {
    const ChannelHandle channel = engine_->openFile(writeSteps());
    engine_->play(channel, true);
    advance(20);
    ASSERT_TRUE(engine_->setPosition(channel, *engine_->secondsToBytes(channel, 0.5)));
    EXPECT_EQ(engine_->position(channel), 88200);
    engine_->capture()->clearSamples();
    advance(90);
    EXPECT_NEAR(frequency(left(), 44100, 0, left().size()), 800, 2);
    EXPECT_EQ(engine_->position(channel), 88200 + 90 * 176.4);
    // Seeking keeps the state, and past the end it stops at the end.
    engine_->pause(channel);
    engine_->setPosition(channel, 10'000'000);
    EXPECT_EQ(engine_->state(channel), ChannelState::Paused);
    EXPECT_EQ(engine_->position(channel), 176400);
}

TEST_F(AudioEngineTest, PlaysAnMp3AsOneUnbrokenToneFromAnyStart) {
    // The fixture is a 1 kHz sine from phase 0; whole and half seconds are whole numbers of cycles, so
    // from each start the output must be that sine from phase 0, with no gap or jump anywhere.
    for (const double startSeconds : {0.0, 0.5}) {
        engine_ = captureEngine(44100);
        const ChannelHandle channel =
            engine_->openFile(kavrel::test::fixture("audio/tone_1000hz_44100_stereo.mp3"));
        engine_->setPosition(channel, *engine_->secondsToBytes(channel, startSeconds));
        engine_->play(channel, false);
        advance(400);
        const auto mono = left();
        // The encoder's own fade-in takes the first few milliseconds.
        const std::size_t from = startSeconds == 0 ? 441 : 0;
        EXPECT_GT(worstBlockCorrelation(mono, from, mono.size(), 44100,
                                        [](std::size_t i) { return std::sin(2 * kPi * 1000 * i / 44100.0); }),
                  0.99)
            << "from " << startSeconds << " s";
    }
}

TEST_F(AudioEngineTest, PauseIsSilentAndResumeGoesOnWithoutAGap) {
    const ChannelHandle channel = engine_->openFile(writeTone(1000, 44100, 1));
    engine_->play(channel, true);
    advance(100);
    EXPECT_TRUE(engine_->pause(channel));
    EXPECT_EQ(engine_->state(channel), ChannelState::Paused);
    const auto pausedAt = engine_->position(channel);
    advance(100);
    EXPECT_EQ(engine_->position(channel), pausedAt);
    engine_->play(channel, false);
    advance(100);

    const auto mono = left();
    ASSERT_EQ(mono.size(), 13230u);
    EXPECT_LT(rms(mono, 4410, 8820), 1e-6);
    // Both played parts together are one unbroken sine.
    std::vector<float> joined(mono.begin(), mono.begin() + 4410);
    joined.insert(joined.end(), mono.begin() + 8820, mono.end());
    EXPECT_GT(worstBlockCorrelation(joined, 0, joined.size(), 44100,
                                    [](std::size_t i) { return std::sin(2 * kPi * 1000 * i / 44100.0); }),
              0.9999);
}

TEST_F(AudioEngineTest, ConvertsToTheSinkRateWithoutGaps) {
    engine_ = captureEngine(48000);
    const ChannelHandle channel = engine_->openFile(writeTone(1000, 44100, 1));
    engine_->play(channel, true);
    const auto mono = playToEnd(*engine_, channel);
    EXPECT_NEAR(static_cast<double>(soundEnd(mono)) / 48000, 1.0, 0.001);
    EXPECT_NEAR(frequency(mono, 48000, 4800, 43200), 1000, 0.05);
    EXPECT_NEAR(rms(mono, 4800, 43200) * std::sqrt(2.0), 0.5, 0.005);
    EXPECT_GT(worstBlockCorrelation(mono, 480, 47520, 48000,
                                    [](std::size_t i) { return std::sin(2 * kPi * 1000 * i / 48000.0); }),
              0.999);
    // Positions stay in the channel's own format.
    EXPECT_EQ(engine_->position(channel), 176400);
}

TEST_F(AudioEngineTest, VolumeScalesTheOutput) {
    const ChannelHandle channel = engine_->openFile(writeTone(1000, 44100, 1));
    engine_->play(channel, true);
    struct Step {
        int volume;
        double amplitude;
    };
    for (const Step step :
         {Step{1000, 0.5}, Step{500, 0.25}, Step{100, 0.05}, Step{0, 0.0}, Step{5000, 0.5}}) {
        engine_->setVolume(step.volume);
        advance(20); // the first block glides to the new volume
        engine_->capture()->clearSamples();
        advance(50);
        EXPECT_NEAR(rms(left(), 0, left().size()) * std::sqrt(2.0), step.amplitude, 0.002) << step.volume;
    }
    EXPECT_EQ(engine_->volume(), kMaxVolume);
}

TEST_F(AudioEngineTest, EndNoticeComesOnceOnTheEventThreadAndStopsTheChannel) {
    const ChannelHandle channel = engine_->openFile(writeTone(1000, 44100, 0.3));
    std::atomic<int> ends = 0;
    std::atomic<bool> onCallerThread = false;
    const auto caller = std::this_thread::get_id();
    engine_->setEndCallback(channel, [&](ChannelHandle ended) {
        EXPECT_EQ(ended, channel);
        onCallerThread = std::this_thread::get_id() == caller;
        // Calling back into the engine from the notice must not deadlock.
        EXPECT_EQ(engine_->state(ended), ChannelState::Stopped);
        ++ends;
    });
    engine_->play(channel, true);
    advance(290);
    EXPECT_EQ(ends, 0);
    advance(20);
    EXPECT_EQ(ends, 1);
    EXPECT_FALSE(onCallerThread);
    advance(500);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(engine_->position(channel), *engine_->length(channel));
    // Playing an ended channel starts it again, and it ends again.
    engine_->play(channel, false);
    advance(400);
    EXPECT_EQ(ends, 2);
}

TEST_F(AudioEngineTest, FreedChannelsAreGoneAndAutoFreeChannelsGoByThemselves) {
    const ChannelHandle kept = engine_->openFile(writeTone(1000, 44100, 0.1));
    const ChannelHandle automatic = engine_->openFile(writeTone(1000, 44100, 0.1), {.autoFree = true});
    std::atomic<int> ends = 0;
    engine_->setEndCallback(automatic, [&](ChannelHandle) { ++ends; });
    EXPECT_EQ(engine_->openChannels(), 2u);
    engine_->play(kept, true);
    engine_->play(automatic, true);
    advance(200);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(engine_->openChannels(), 1u);
    EXPECT_FALSE(engine_->info(automatic).has_value());
    EXPECT_TRUE(engine_->info(kept).has_value());
    EXPECT_TRUE(engine_->free(kept));
    EXPECT_FALSE(engine_->free(kept));
    EXPECT_FALSE(engine_->play(kept, true));
    EXPECT_EQ(engine_->state(kept), ChannelState::Stopped);

    const ChannelHandle stopped = engine_->openFile(writeTone(1000, 44100, 0.1), {.autoFree = true});
    engine_->play(stopped, true);
    EXPECT_TRUE(engine_->stop(stopped));
    EXPECT_FALSE(engine_->info(stopped).has_value());
    EXPECT_NE(stopped, kept); // handles are never reused
}

TEST_F(AudioEngineTest, TwoChannelsMix) {
    const ChannelHandle low = engine_->openFile(writeTone(500, 44100, 1));
    const ChannelHandle high = engine_->openFile(writeTone(3000, 22050, 1));
    engine_->play(low, true);
    engine_->play(high, true);
    advance(200);
    const auto mono = left();
    EXPECT_NEAR(levelDb(mono, 44100, 500, 0, mono.size()), 20 * std::log10(0.5), 0.2);
    EXPECT_NEAR(levelDb(mono, 44100, 3000, 0, mono.size()), 20 * std::log10(0.5), 0.2);
}

TEST_F(AudioEngineTest, ChannelVolumeScalesThatChannelOnlyUnderTheMasterVolume) {
    const ChannelHandle low = engine_->openFile(writeTone(500, 44100, 1));
    const ChannelHandle high = engine_->openFile(writeTone(3000, 22050, 1));
    EXPECT_EQ(engine_->channelVolume(low), 1.0f);
    engine_->play(low, true);
    engine_->play(high, true);
    struct Step {
        float volume;
        double lowDb; // relative to a full-scale sine; the tone itself is at -6 dB
    };
    for (const Step step : {Step{0.5f, -12.04}, Step{0.25f, -18.06}, Step{7.0f, -6.02}}) {
        ASSERT_TRUE(engine_->setChannelVolume(low, step.volume));
        advance(20); // the first block glides
        engine_->capture()->clearSamples();
        advance(100);
        const auto mono = left();
        EXPECT_NEAR(levelDb(mono, 44100, 500, 0, mono.size()), step.lowDb, 0.1) << step.volume;
        EXPECT_NEAR(levelDb(mono, 44100, 3000, 0, mono.size()), -6.02, 0.2) << "the other channel";
    }
    EXPECT_EQ(engine_->channelVolume(low), 1.0f) << "clamped";
    engine_->setChannelVolume(low, 0.5f);
    engine_->setVolume(500);
    advance(20);
    engine_->capture()->clearSamples();
    advance(100);
    EXPECT_NEAR(levelDb(left(), 44100, 500, 0, left().size()), -18.06, 0.1) << "the master volume on top";
    engine_->setChannelVolume(low, 0.0f);
    engine_->setChannelVolume(high, 0.0f);
    advance(20);
    engine_->capture()->clearSamples();
    advance(50);
    EXPECT_LT(rms(left(), 0, left().size()), 1e-6);
    EXPECT_FALSE(engine_->setChannelVolume(0, 1.0f));
    EXPECT_FALSE(engine_->setChannelVolume(low, std::nanf("")));
}

TEST_F(AudioEngineTest, ModulesTellTheirFormatAndNarrowTheirStereo) {
    const ChannelHandle module = engine_->openModule(kavrel::test::fixture("audio/tone_module_left.mod"));
    ASSERT_NE(module, 0u);
    EXPECT_EQ(engine_->moduleFormat(module), "mod");
    EXPECT_EQ(engine_->moduleFormat(engine_->openFile(writeTone(500, 44100, 1))), std::nullopt);

    // The tone plays on the first channel only, which the module pans to the left (the renderer puts
    // such channels at a quarter from the left edge): less separation moves it to the middle.
    const auto sides = [&](double separation) {
        EXPECT_TRUE(engine_->setStereoSeparation(module, separation));
        engine_->setPosition(module, 0);
        engine_->play(module, true);
        engine_->capture()->clearSamples();
        advance(500);
        const auto& stereo = engine_->capture()->samples();
        return std::pair{rms(channelOf(stereo, 0), 0, stereo.size() / 2),
                         rms(channelOf(stereo, 1), 0, stereo.size() / 2)};
    };
    const auto [wideLeft, wideRight] = sides(1.0);
    EXPECT_GT(wideLeft, 0.05);
    EXPECT_NEAR(wideRight / wideLeft, 1.0 / 3, 0.05);
    const auto [monoLeft, monoRight] = sides(0.0);
    EXPECT_NEAR(monoRight / monoLeft, 1.0, 0.01);
    const auto [narrowLeft, narrowRight] = sides(0.15);
    EXPECT_NEAR(narrowRight / narrowLeft, 0.4625 / 0.5375, 0.05);
    const auto [hardLeft, hardRight] = sides(2.0);
    EXPECT_LT(hardRight, hardLeft * 0.01);

    EXPECT_FALSE(engine_->setStereoSeparation(module, -0.1));
    EXPECT_FALSE(engine_->setStereoSeparation(module, 2.5));
    EXPECT_FALSE(engine_->setStereoSeparation(engine_->openFile(writeTone(500, 44100, 1)), 1.0));
}

TEST_F(AudioEngineTest, SpectrumShowsThePlayingTone) {
    const ChannelHandle channel = engine_->openFile(writeTone(1000, 44100, 1));
    std::array<float, kFftBins> bins{};
    ASSERT_TRUE(engine_->fft(channel, bins));
    EXPECT_EQ(*std::max_element(bins.begin(), bins.end()), 0.0f);
    engine_->play(channel, true);
    advance(100);
    ASSERT_TRUE(engine_->fft(channel, bins));
    const auto peak = std::max_element(bins.begin(), bins.end());
    EXPECT_EQ(peak - bins.begin(), 23); // 1000 Hz / (44100 Hz / 1024)
    EXPECT_NEAR(*peak, 0.25, 0.03);     // amplitude 0.5 times the window's coherent gain
    EXPECT_LT(bins[100], 0.001f);
    EXPECT_FALSE(engine_->fft(0, bins));
}

} // namespace
} // namespace kavrel::audio::test
