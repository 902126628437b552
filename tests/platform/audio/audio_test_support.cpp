#include "audio_test_support.h"

#include "support/temp_dir.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace kavrel::audio::test {
namespace {

void putLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::string wavHeader(int rate, int channels, int bits, std::uint32_t dataBytes) {
    std::string out = "RIFF";
    putLe(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    putLe(out, 16, 4);
    putLe(out, 1, 2);
    putLe(out, static_cast<std::uint32_t>(channels), 2);
    putLe(out, static_cast<std::uint32_t>(rate), 4);
    putLe(out, static_cast<std::uint32_t>(rate * channels * bits / 8), 4);
    putLe(out, static_cast<std::uint32_t>(channels * bits / 8), 2);
    putLe(out, static_cast<std::uint32_t>(bits), 2);
    out += "data";
    putLe(out, dataBytes, 4);
    return out;
}

} // namespace

void writeWav(const std::filesystem::path& file, int rate, int channels, std::int64_t frames,
              const std::function<double(double, int)>& signal) {
    std::string out = wavHeader(rate, channels, 16, static_cast<std::uint32_t>(frames * channels * 2));
    for (std::int64_t frame = 0; frame < frames; ++frame)
        for (int channel = 0; channel < channels; ++channel) {
            const double value = std::clamp(signal(static_cast<double>(frame) / rate, channel), -1.0, 1.0);
            putLe(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lrint(value * 32767))), 2);
        }
    kavrel::test::writeFile(file, out);
}

void writeWav8(const std::filesystem::path& file, int rate, std::int64_t frames) {
    std::string out = wavHeader(rate, 1, 8, static_cast<std::uint32_t>(frames));
    for (std::int64_t frame = 0; frame < frames; ++frame)
        out.push_back(
            static_cast<char>(128 + std::lrint(60 * std::sin(2 * std::numbers::pi * 500 * frame / rate))));
    kavrel::test::writeFile(file, out);
}

std::unique_ptr<AudioEngine> captureEngine(int rate) {
    EngineOptions options;
    options.sink = SinkKind::Capture;
    options.capture.sampleRate = rate;
    return std::make_unique<AudioEngine>(options);
}

std::vector<float> playToEnd(AudioEngine& engine, ChannelHandle channel, double limitSeconds) {
    for (double done = 0; done < limitSeconds && engine.state(channel) == ChannelState::Playing; done += 0.01)
        engine.capture()->advance(std::chrono::milliseconds(10));
    return channelOf(engine.capture()->samples(), 0);
}

std::vector<float> channelOf(const std::vector<float>& stereo, int channel) {
    std::vector<float> mono(stereo.size() / 2);
    for (std::size_t i = 0; i < mono.size(); ++i)
        mono[i] = stereo[2 * i + static_cast<std::size_t>(channel)];
    return mono;
}

double rms(const std::vector<float>& mono, std::size_t from, std::size_t to) {
    double sum = 0;
    for (std::size_t i = from; i < to; ++i)
        sum += double{mono[i]} * mono[i];
    return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0.0;
}

double frequency(const std::vector<float>& mono, int rate, std::size_t from, std::size_t to) {
    double first = -1, last = -1;
    int crossings = 0;
    for (std::size_t i = from + 1; i < to; ++i) {
        if ((mono[i - 1] < 0) != (mono[i] < 0)) {
            const double at = static_cast<double>(i - 1) + mono[i - 1] / (mono[i - 1] - mono[i]);
            if (first < 0)
                first = at;
            last = at;
            ++crossings;
        }
    }
    return crossings > 1 ? (crossings - 1) / 2.0 / ((last - first) / rate) : 0.0;
}

double levelDb(const std::vector<float>& mono, int rate, double hz, std::size_t from, std::size_t to) {
    const double omega = 2 * std::numbers::pi * hz / rate;
    double re = 0, im = 0;
    for (std::size_t i = from; i < to; ++i) {
        const double t = static_cast<double>(i - from);
        // A Hann window keeps the other tones from leaking into this one.
        const double w = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * t / static_cast<double>(to - from));
        re += w * mono[i] * std::cos(omega * t);
        im -= w * mono[i] * std::sin(omega * t);
    }
    const double amplitude = 2 * std::hypot(re, im) / (0.5 * static_cast<double>(to - from));
    return 20 * std::log10(std::max(amplitude, 1e-12));
}

std::size_t soundEnd(const std::vector<float>& mono, float threshold) {
    for (std::size_t i = mono.size(); i > 0; --i)
        if (std::fabs(mono[i - 1]) > threshold)
            return i;
    return 0;
}

std::size_t soundStart(const std::vector<float>& mono, float threshold) {
    for (std::size_t i = 0; i < mono.size(); ++i)
        if (std::fabs(mono[i]) > threshold)
            return i;
    return mono.size();
}

} // namespace kavrel::audio::test
