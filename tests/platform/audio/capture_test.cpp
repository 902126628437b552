// The capture sink's WAV file and its clocked pacings.
#include "audio_test_support.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <thread>

namespace kavrel::audio::test {
namespace {

std::uint32_t le32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

std::unique_ptr<AudioEngine> engineWith(CaptureOptions capture) {
    EngineOptions options;
    options.sink = SinkKind::Capture;
    options.capture = std::move(capture);
    return std::make_unique<AudioEngine>(options);
}

TEST(AudioCapture, WritesWhatWasHeardIntoAWavFileOnlyWhenFinished) {
    kavrel::test::TempDir dir;
    writeWav(dir / "tone.wav", 22050, 1, 2205,
             [](double t, int) { return 0.5 * std::sin(2 * std::numbers::pi * 220.5 * t); });
    auto engine = engineWith({.pacing = CapturePacing::Manual,
                              .sampleRate = 22050,
                              .keepInMemory = false,
                              .wavFile = dir / "out.wav"});
    const ChannelHandle channel = engine->openFile(dir / "tone.wav");
    engine->setVolume(500);
    engine->play(channel, true);
    engine->capture()->advance(std::chrono::milliseconds(200));
    EXPECT_TRUE(engine->capture()->samples().empty());
    EXPECT_EQ(engine->capture()->framesConsumed(), 4410);
    EXPECT_FALSE(std::filesystem::exists(dir / "out.wav"));

    std::string error;
    ASSERT_TRUE(engine->finishCapture(&error)) << error;
    const std::string wav = kavrel::test::readFile(dir / "out.wav");
    ASSERT_EQ(wav.size(), 44u + 4410 * 4);
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(le32(wav, 24), 22050u);
    EXPECT_EQ(le32(wav, 40), 4410u * 4);
    // Frame 525 is five and a quarter cycles in: a peak, at half volume (the first block glides to it).
    const auto peak = static_cast<std::int16_t>(static_cast<unsigned char>(wav[44 + 525 * 4]) |
                                                (static_cast<unsigned char>(wav[45 + 525 * 4]) << 8));
    EXPECT_NEAR(peak / 32767.0, 0.25, 0.001);
    EXPECT_FALSE(std::filesystem::exists(dir / "out.wav.part"));
}

TEST(AudioCapture, AnUnwritableWavFileIsReportedAndNothingElseBreaks) {
    kavrel::test::TempDir dir;
    auto engine = engineWith({.pacing = CapturePacing::Manual,
                              .sampleRate = 44100,
                              .keepInMemory = true,
                              .wavFile = dir / "no" / "such" / "folder" / "out.wav"});
    engine->capture()->advance(std::chrono::milliseconds(10));
    std::string error;
    EXPECT_FALSE(engine->finishCapture(&error));
    EXPECT_NE(error.find("out.wav"), std::string::npos);
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
}

TEST(AudioCapture, RunsAheadOfTheClockWhenAskedAndWaitsWhileNothingPlays) {
    kavrel::test::TempDir dir;
    writeWav(dir / "long.wav", 44100, 2, 44100 * 20, [](double, int) { return 0.1; });
    auto engine = engineWith({.pacing = CapturePacing::AsFastAsPossible,
                              .sampleRate = 44100,
                              .keepInMemory = false,
                              .wavFile = std::nullopt});
    EXPECT_FALSE(engine->capture()->advance(std::chrono::milliseconds(10))); // only by hand in Manual
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(engine->capture()->framesConsumed(), 0);

    const ChannelHandle channel = engine->openFile(dir / "long.wav");
    std::atomic<bool> ended = false;
    engine->setEndCallback(channel, [&](ChannelHandle) { ended = true; });
    const auto start = std::chrono::steady_clock::now();
    engine->play(channel, true);
    while (!ended && std::chrono::steady_clock::now() - start < std::chrono::seconds(15))
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_TRUE(ended);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15)); // 20 s of audio
    EXPECT_GE(engine->capture()->framesConsumed(), 44100 * 20);
}

TEST(AudioCapture, NullSinkKeepsTimeWithoutADevice) {
    kavrel::test::TempDir dir;
    writeWav(dir / "short.wav", 44100, 2, 4410, [](double, int) { return 0.1; });
    EngineOptions options;
    options.sink = SinkKind::Null;
    AudioEngine engine(options);
    EXPECT_EQ(engine.activeSink(), SinkKind::Null);
    EXPECT_EQ(engine.capture(), nullptr);
    const ChannelHandle channel = engine.openFile(dir / "short.wav");
    std::atomic<bool> ended = false;
    engine.setEndCallback(channel, [&](ChannelHandle) { ended = true; });
    const auto start = std::chrono::steady_clock::now();
    engine.play(channel, true);
    while (!ended && std::chrono::steady_clock::now() - start < std::chrono::seconds(5))
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_TRUE(ended);
    EXPECT_GE(took, std::chrono::milliseconds(90)); // 100 ms of audio, on the real-time clock
}

TEST(AudioCapture, WithoutADeviceTheEngineFallsBackToTheNullSink) {
    // A driver name SDL does not know: no device can open, and no real one is touched.
    ::setenv("SDL_AUDIODRIVER", "kavrel-no-such-driver", 1);
    AudioEngine engine; // asks for the device
    EXPECT_EQ(engine.activeSink(), SinkKind::Null);
    EXPECT_EQ(engine.outputRate(), 44100);
}

} // namespace
} // namespace kavrel::audio::test
