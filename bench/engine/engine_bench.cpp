// The BASS engine as the player drives it: TMasterEngine playing through TBass with all sixteen bands on
// and a spectrum frame drawn every 25 ms, in seconds of audio per second of CPU; and how long the facade's
// Pause, Resume and SetPosition take to reach the sink (the capture on the real-time clock, timed from the
// call until the recording shows the change).
#include "engine/master_engine.h"
#include "platform/audio/audio_core.h"
#include "platform/bass/bass.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <functional>
#include <thread>

namespace kavrel::engine {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

std::string fixture(const std::string& name) {
    return (std::filesystem::path(KAVREL_ENGINE_FIXTURES) / name).string();
}

audio::EngineOptions capture(audio::CapturePacing pacing) {
    audio::EngineOptions options;
    options.sink = audio::SinkKind::Capture;
    options.capture.pacing = pacing;
    options.capture.keepInMemory = pacing != audio::CapturePacing::Manual;
    return options;
}

void playWithEqualizerAndSpectrum(benchmark::State& state, const std::string& file) {
    audio::AudioEngine audio(capture(audio::CapturePacing::Manual));
    bass::BassLibrary library(audio, {});
    TMasterEngine facade(library, 0);
    facade.SelectEngine(kEngineBass);
    facade.EqualizerOn();
    for (int band = 1; band <= TBass::kBands; ++band)
        facade.SetBandGain(band, band % 2 ? 6 : -6);
    facade.ShowSpectrum(288, 17);
    PixelBuffer box(288, 17);

    audio::Capture& sink = *audio.capture();
    const std::int64_t framesAtStart = sink.framesConsumed();
    const std::clock_t cpuStart = std::clock();
    for (auto _ : state) {
        facade.Play(fixture(file), 0, false);
        while (facade.GetState() == kPlaying) {
            sink.advance(25ms);
            facade.DrawSpectrum(box);
        }
    }
    // Process CPU time, so decoding done on any of the core's threads counts too.
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double audioSeconds = static_cast<double>(sink.framesConsumed() - framesAtStart) / 44100.0;
    state.counters["x_realtime"] = audioSeconds / cpuSeconds;
}

BENCHMARK_CAPTURE(playWithEqualizerAndSpectrum, mp3, std::string("tone_1k.mp3"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(playWithEqualizerAndSpectrum, ogg, std::string("tone_1k.ogg"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(playWithEqualizerAndSpectrum, wma, std::string("tone_1k.wma"))
    ->Unit(benchmark::kMillisecond);

bool lastSampleSilent(audio::Capture& capture) {
    const std::vector<float> samples = capture.samples();
    return !samples.empty() && samples.back() == 0.0f && samples[samples.size() - 2] == 0.0f;
}

double secondsUntil(audio::Capture& capture, const std::function<void()>& action, bool silent) {
    capture.clearSamples();
    const auto start = Clock::now();
    action();
    while (capture.samples().empty() || lastSampleSilent(capture) != silent)
        std::this_thread::sleep_for(200us);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

enum class Control { Pause, Resume, SetPosition };

void controlToSink(benchmark::State& state, Control control) {
    audio::AudioEngine audio(capture(audio::CapturePacing::RealTime));
    bass::BassLibrary library(audio, {});
    TMasterEngine facade(library, 0);
    facade.SelectEngine(kEngineBass);
    audio::Capture& sink = *audio.capture();
    // The fixture is silent for its first second, then a tone.
    const std::string file = fixture("silence_then_tone.ogg");
    for (auto _ : state) {
        double seconds = 0;
        switch (control) {
        case Control::Pause:
            facade.Play(file, 2000, false);
            std::this_thread::sleep_for(30ms);
            seconds = secondsUntil(
                sink, [&] { facade.Pause(); }, true);
            break;
        case Control::Resume:
            facade.Play(file, 2000, true);
            std::this_thread::sleep_for(30ms);
            seconds = secondsUntil(
                sink, [&] { facade.Resume(); }, false);
            break;
        case Control::SetPosition:
            facade.Play(file, 0, false);
            std::this_thread::sleep_for(30ms);
            seconds = secondsUntil(
                sink, [&] { facade.SetPosition(2000); }, false);
            break;
        }
        state.SetIterationTime(seconds);
    }
}

BENCHMARK_CAPTURE(controlToSink, pause, Control::Pause)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30);
BENCHMARK_CAPTURE(controlToSink, resume, Control::Resume)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30);
BENCHMARK_CAPTURE(controlToSink, set_position, Control::SetPosition)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30);

} // namespace
} // namespace kavrel::engine
