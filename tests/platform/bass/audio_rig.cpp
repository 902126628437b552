#include "platform/bass/audio_rig.h"

#include "platform/audio/capture.h"
#include "support/temp_dir.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <stdexcept>

namespace kavrel::test {

namespace {

audio::EngineOptions captureOptions() {
    audio::EngineOptions options;
    options.sink = audio::SinkKind::Capture;
    options.capture.pacing = audio::CapturePacing::Manual;
    options.capture.sampleRate = AudioRig::kRate;
    options.capture.keepInMemory = true;
    return options;
}

void appendLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::string msf(int sector) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", sector / 75 / 60, sector / 75 % 60, sector % 75);
    return text;
}

} // namespace

AudioRig::AudioRig(std::string cdSource) : audio(captureOptions()), library(audio, std::move(cdSource)) {}

std::vector<float> AudioRig::run(std::chrono::milliseconds duration) {
    audio::Capture* capture = audio.capture();
    if (capture == nullptr)
        throw std::logic_error("no capture sink");
    capture->clearSamples();
    capture->advance(duration);
    return capture->samples();
}

std::int64_t AudioRig::framesConsumed() {
    return audio.capture()->framesConsumed();
}

std::vector<float> leftChannel(const std::vector<float>& stereo) {
    std::vector<float> mono;
    mono.reserve(stereo.size() / 2);
    for (std::size_t i = 0; i + 1 < stereo.size(); i += 2)
        mono.push_back(stereo[i]);
    return mono;
}

double amplitudeAt(const std::vector<float>& mono, double hz, int rate) {
    double re = 0;
    double im = 0;
    const double step = 2 * std::numbers::pi * hz / rate;
    for (std::size_t n = 0; n < mono.size(); ++n) {
        re += mono[n] * std::cos(step * static_cast<double>(n));
        im -= mono[n] * std::sin(step * static_cast<double>(n));
    }
    return mono.empty() ? 0.0 : 2.0 * std::hypot(re, im) / static_cast<double>(mono.size());
}

double rms(const std::vector<float>& mono) {
    double sum = 0;
    for (float sample : mono)
        sum += static_cast<double>(sample) * sample;
    return mono.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(mono.size()));
}

double zeroCrossingFrequency(const std::vector<float>& mono, int rate) {
    int first = -1;
    int last = -1;
    int crossings = 0;
    for (std::size_t n = 1; n < mono.size(); ++n) {
        if (mono[n - 1] < 0 && mono[n] >= 0) {
            if (first < 0)
                first = static_cast<int>(n);
            else
                ++crossings;
            last = static_cast<int>(n);
        }
    }
    return crossings == 0 ? 0.0 : static_cast<double>(crossings) * rate / (last - first);
}

double decibels(double ratio) {
    return 20.0 * std::log10(ratio);
}

std::filesystem::path writeCdImage(const std::filesystem::path& folder,
                                   const std::vector<CdImageTrack>& tracks, const std::string& baseName) {
    std::string bin;
    std::string cue = "FILE \"" + baseName + ".bin\" BINARY\r\n";
    int sector = 0;
    int number = 1;
    for (const CdImageTrack& track : tracks) {
        char header[64];
        std::snprintf(header, sizeof header, "  TRACK %02d AUDIO\r\n    INDEX 01 ", number++);
        cue += header + msf(sector) + "\r\n";
        const int frames = track.seconds * AudioRig::kRate;
        for (int n = 0; n < frames; ++n) {
            const double value = 0.5 * std::sin(2 * std::numbers::pi * track.hz * n / AudioRig::kRate);
            const auto sample =
                static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(value * 32767)));
            appendLittleEndian(bin, sample, 2);
            appendLittleEndian(bin, sample, 2);
        }
        sector += track.seconds * 75;
    }
    writeFile(folder / (baseName + ".bin"), bin);
    const auto cuePath = folder / (baseName + ".cue");
    writeFile(cuePath, cue);
    return cuePath;
}

std::string expectedCddbId(const std::vector<int>& trackSeconds) {
    // Track offsets count the 2-second lead-in (150 sectors); the digit sums of their start seconds, the
    // playing time in seconds and the track count make the id.
    auto digitSum = [](int n) {
        int sum = 0;
        for (; n > 0; n /= 10)
            sum += n % 10;
        return sum;
    };
    int sumOfDigits = 0;
    int startSeconds = 2;
    for (int seconds : trackSeconds) {
        sumOfDigits += digitSum(startSeconds);
        startSeconds += seconds;
    }
    const int totalSeconds = startSeconds - 2;
    const unsigned id = (static_cast<unsigned>(sumOfDigits % 255) << 24) |
                        (static_cast<unsigned>(totalSeconds) << 8) |
                        static_cast<unsigned>(trackSeconds.size());
    char text[16];
    std::snprintf(text, sizeof text, "%08x", id);
    return text;
}

void writeEightBitWav(const std::filesystem::path& file, int seconds) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(seconds) * 8000;
    std::string wav = "RIFF";
    appendLittleEndian(wav, 36 + dataBytes, 4);
    wav += "WAVEfmt ";
    appendLittleEndian(wav, 16, 4);
    appendLittleEndian(wav, 1, 2);    // PCM
    appendLittleEndian(wav, 1, 2);    // mono
    appendLittleEndian(wav, 8000, 4); // rate
    appendLittleEndian(wav, 8000, 4); // bytes a second
    appendLittleEndian(wav, 1, 2);    // block align
    appendLittleEndian(wav, 8, 2);    // bits
    wav += "data";
    appendLittleEndian(wav, dataBytes, 4);
    for (std::uint32_t n = 0; n < dataBytes; ++n)
        wav.push_back(
            static_cast<char>(128 + std::lround(100 * std::sin(2 * std::numbers::pi * 500 * n / 8000))));
    writeFile(file, wav);
}

std::filesystem::path engineFixture(const std::string& name) {
    return fixture("engine/" + name);
}

std::vector<float> wavLeftChannel(const std::filesystem::path& file) {
    const std::string bytes = readFile(file);
    const auto data = bytes.find("data");
    std::vector<float> left;
    if (data == std::string::npos)
        return left;
    for (std::size_t frame = data + 8; frame + 4 <= bytes.size(); frame += 4) {
        const auto low = static_cast<unsigned char>(bytes[frame]);
        const auto high = static_cast<unsigned char>(bytes[frame + 1]);
        left.push_back(static_cast<float>(static_cast<std::int16_t>(low | (high << 8))) / 32768.0f);
    }
    return left;
}

} // namespace kavrel::test
