// How long pause, resume and a jump take to reach the sink: the capture sink on the real-time clock
// (10 ms blocks), timed from the call until the recording shows the change. The device sink adds its
// own buffer (512 frames, 11.6 ms at 44100 Hz) to these figures.
#include "bench_sources.h"
#include "platform/audio/audio_core.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <thread>

namespace kavrel::audio::bench {
namespace {

using Clock = std::chrono::steady_clock;

bool lastSampleSilent(Capture& capture) {
    const std::vector<float> samples = capture.samples();
    return !samples.empty() && samples.back() == 0.0f && samples[samples.size() - 2] == 0.0f;
}

// Seconds from `action` until the newest recorded sample is (or is not) silent.
double timeUntil(Capture& capture, const std::function<void()>& action, bool silent) {
    capture.clearSamples();
    const auto start = Clock::now();
    action();
    while (true) {
        const std::vector<float> samples = capture.samples();
        if (!samples.empty() && lastSampleSilent(capture) == silent)
            return std::chrono::duration<double>(Clock::now() - start).count();
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}

void controlToSink(benchmark::State& state, const std::string& what) {
    const auto file = silenceThenTone(0.5, 30);
    if (file.empty()) {
        state.SkipWithError("ffmpeg could not make the source file");
        return;
    }
    EngineOptions options;
    options.sink = SinkKind::Capture;
    options.capture.pacing = CapturePacing::RealTime;
    AudioEngine engine(options);
    Capture& capture = *engine.capture();
    const ChannelHandle channel = engine.openFile(file);
    const std::int64_t toneStart = *engine.secondsToBytes(channel, 1.0);
    for (auto _ : state) {
        double seconds = 0;
        if (what == "pause") {
            engine.setPosition(channel, toneStart);
            engine.play(channel, false);
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            seconds = timeUntil(
                capture, [&] { engine.pause(channel); }, true);
        } else if (what == "resume") {
            engine.setPosition(channel, toneStart);
            engine.pause(channel);
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            seconds = timeUntil(
                capture, [&] { engine.play(channel, false); }, false);
        } else {
            engine.setPosition(channel, 0);
            engine.play(channel, false);
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            seconds = timeUntil(
                capture, [&] { engine.setPosition(channel, toneStart); }, false);
        }
        state.SetIterationTime(seconds);
    }
}

BENCHMARK_CAPTURE(controlToSink, pause, std::string("pause"))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);
BENCHMARK_CAPTURE(controlToSink, resume, std::string("resume"))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);
BENCHMARK_CAPTURE(controlToSink, set_position, std::string("position"))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);

} // namespace
} // namespace kavrel::audio::bench
