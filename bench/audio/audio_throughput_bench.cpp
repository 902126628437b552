// Decoding, the sixteen equalizer bands and the spectrum's FFT, as the player runs them, in seconds of
// audio per second of CPU on one core (the capture sink is stepped on this thread).
#include "bench_sources.h"
#include "platform/audio/audio_core.h"

#include <benchmark/benchmark.h>

#include <array>

namespace kavrel::audio::bench {
namespace {

constexpr std::array<float, 16> kCentres = {80,   140,  230,  390,  560,   720,   880,   1200,
                                            2000, 4000, 6000, 8000, 10000, 12000, 14000, 16000};

void decodeEqualizeAnalyse(benchmark::State& state, const std::string& extension, bool equalizer) {
    const auto file = musicFile(extension);
    if (file.empty()) {
        state.SkipWithError("ffmpeg could not make the source file");
        return;
    }
    EngineOptions options;
    options.sink = SinkKind::Capture;
    options.capture.keepInMemory = false;
    AudioEngine engine(options);
    std::array<float, kFftBins> bins{};
    double audioSeconds = 0;
    for (auto _ : state) {
        const ChannelHandle channel = engine.openFile(file);
        if (equalizer)
            for (std::size_t band = 0; band < kCentres.size(); ++band)
                engine.addEqualizer(channel, {kCentres[band], 10.0f, band % 2 ? 6.0f : -6.0f});
        engine.play(channel, true);
        // The spectrum is drawn every 25 ms while playing.
        while (engine.state(channel) == ChannelState::Playing) {
            engine.capture()->advance(std::chrono::milliseconds(25));
            engine.fft(channel, bins);
            benchmark::DoNotOptimize(bins);
        }
        audioSeconds += *engine.bytesToSeconds(channel, *engine.position(channel));
        engine.free(channel);
    }
    // Per second of this thread's CPU time: "x real time".
    state.counters["x_realtime"] = benchmark::Counter(audioSeconds, benchmark::Counter::kIsRate);
}

BENCHMARK_CAPTURE(decodeEqualizeAnalyse, mp3_16_bands, std::string("mp3"), true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decodeEqualizeAnalyse, mp3_flat, std::string("mp3"), false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decodeEqualizeAnalyse, ogg_16_bands, std::string("ogg"), true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decodeEqualizeAnalyse, wma_16_bands, std::string("wma"), true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decodeEqualizeAnalyse, wav_16_bands, std::string("wav"), true)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kavrel::audio::bench
