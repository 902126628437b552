#pragma once
// Plain values shared by the audio core's interfaces.
#include <cstdint>

namespace kavrel::audio {

// Identifies a channel of one AudioEngine. 0 is never a channel, so it can stand for "failed".
// Handles are not reused while the engine lives; a freed or unknown handle makes every call fail
// harmlessly.
using ChannelHandle = std::uint32_t;
// Identifies one equalizer filter on one channel; 0 is never a filter. Same rules as channels.
using FilterHandle = std::uint32_t;

enum class ChannelKind { Stream, Module, CdTrack };

// What the decoder delivers, at the source's own rate. Positions and lengths in bytes count this
// format as 16-bit (or, when eightBit, 8-bit) interleaved PCM: bytes = frames * channels * bytesPerSample.
// A 44100 Hz stereo source therefore advances 176400 bytes a second, whatever its codec or the sink.
struct ChannelInfo {
    int frequency = 0;     // Hz
    int channels = 0;      // as the source has them (1 mono, 2 stereo, ...)
    bool eightBit = false; // the source's samples are 8 bits wide
    ChannelKind kind = ChannelKind::Stream;

    int bytesPerSample() const { return eightBit ? 1 : 2; }
    int bytesPerFrame() const { return channels * bytesPerSample(); }
};

enum class ChannelState {
    Stopped, // never played, stopped, or played to its end
    Playing,
    Paused,
};

// A peaking (bell) equalizer filter. Gain is clamped to -15..+15 dB, the bandwidth to 1..36 semitones
// (the width between the points at half the peak gain in dB); a centre at or above 0.48 x the channel's
// rate leaves the filter transparent, since it could only boost a band the source cannot hold.
struct PeakingEqParams {
    float centerHz = 1000.0f;
    float bandwidthSemitones = 12.0f;
    float gainDb = 0.0f;
};

// Master output volume runs 0 (silence) .. kMaxVolume (unity gain), linear in amplitude.
inline constexpr int kMaxVolume = 1000;

// FFT of the latest kFftWindow mono samples of a channel (after its equalizer, before master volume),
// Hann-windowed; kFftBins magnitudes for bins 0..511. Scale: |X[k]| * 2 / kFftWindow, so a full-scale
// sine centred on a bin reads about 0.5 there (the Hann window's coherent gain).
inline constexpr int kFftWindow = 1024;
inline constexpr int kFftBins = kFftWindow / 2;

} // namespace kavrel::audio
