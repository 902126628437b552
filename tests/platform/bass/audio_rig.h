#pragma once
// A BASS library over an audio core whose output is a hand-stepped capture, and the signal measurements
// the engine tests compare against.
#include "platform/audio/audio_core.h"
#include "platform/bass/bass.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kavrel::test {

class AudioRig {
public:
    static constexpr int kRate = 44100;

    explicit AudioRig(std::string cdSource = {});

    audio::AudioEngine audio;
    bass::BassLibrary library;

    // Steps the capture by `duration` and returns what it recorded then (interleaved stereo).
    std::vector<float> run(std::chrono::milliseconds duration);
    std::int64_t framesConsumed();
};

// The left channel of interleaved stereo samples.
std::vector<float> leftChannel(const std::vector<float>& stereo);
// Amplitude of the `hz` component (single-bin DFT; exact when the block holds whole cycles).
double amplitudeAt(const std::vector<float>& mono, double hz, int rate = AudioRig::kRate);
double rms(const std::vector<float>& mono);
// Frequency estimated from the rising zero crossings.
double zeroCrossingFrequency(const std::vector<float>& mono, int rate = AudioRig::kRate);
double decibels(double ratio);

struct CdImageTrack {
    int seconds;
    double hz;
};

// Writes a BIN/CUE audio-CD image of tone tracks (16-bit stereo, little-endian, amplitude 0.5) and
// returns the .cue path.
std::filesystem::path writeCdImage(const std::filesystem::path& folder,
                                   const std::vector<CdImageTrack>& tracks,
                                   const std::string& baseName = "disc");

// The CDDB disc id of tracks starting at the given sectors (the first at 0), computed from its definition.
std::string expectedCddbId(const std::vector<int>& trackSeconds);

// A PCM WAV file of 8-bit unsigned samples (the engine refuses such material).
void writeEightBitWav(const std::filesystem::path& file, int seconds);

std::filesystem::path engineFixture(const std::string& name);

// The left channel of a 16-bit stereo PCM WAV file; empty when it cannot be read.
std::vector<float> wavLeftChannel(const std::filesystem::path& file);

} // namespace kavrel::test
