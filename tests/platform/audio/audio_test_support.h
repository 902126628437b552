#pragma once
// Helpers of the audio core tests: WAV sources written on the fly, a hand-stepped capture engine and
// measurements of what it recorded.
#include "platform/audio/audio_core.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace kavrel::audio::test {

// Writes a 16-bit PCM WAV whose sample (frame, channel) is signal(frame / rate, channel).
void writeWav(const std::filesystem::path& file, int rate, int channels, std::int64_t frames,
              const std::function<double(double seconds, int channel)>& signal);
// The same, 8-bit unsigned.
void writeWav8(const std::filesystem::path& file, int rate, std::int64_t frames);

// An engine on a hand-stepped capture sink at `rate`, recording to memory.
std::unique_ptr<AudioEngine> captureEngine(int rate);

// Steps the capture in 10 ms blocks until the channel stops (at most `limitSeconds`); returns the
// recording's left channel (or right when asked).
std::vector<float> playToEnd(AudioEngine& engine, ChannelHandle channel, double limitSeconds = 30);
std::vector<float> channelOf(const std::vector<float>& stereo, int channel);

// Measurements over samples [from, to) of a mono signal.
double rms(const std::vector<float>& mono, std::size_t from, std::size_t to);
// Frequency from the zero crossings, interpolated between samples.
double frequency(const std::vector<float>& mono, int rate, std::size_t from, std::size_t to);
// Level in dB (relative to a full-scale sine) of one frequency, by the Goertzel algorithm.
double levelDb(const std::vector<float>& mono, int rate, double hz, std::size_t from, std::size_t to);
// Index one past the last sample above `threshold` in magnitude; 0 when none is.
std::size_t soundEnd(const std::vector<float>& mono, float threshold = 0.01f);
std::size_t soundStart(const std::vector<float>& mono, float threshold = 0.01f);

} // namespace kavrel::audio::test
