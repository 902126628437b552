#pragma once
// The BASS 2.2 call surface (with its CD and WMA add-ons) that the BASS engine uses, over our audio core.
// Only the calls the engine makes exist, under the names it calls them by. One BassLibrary is one
// initialised library: the program makes one at start-up and passes it to whoever plays through it.
//
// Threads: every call may come from any thread (the library serialises them). A sync callback runs on the
// audio core's thread and must not call back into the library.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace kavrel::audio {
class AudioEngine;
}

namespace kavrel::bass {

// 0 is never a valid handle, so a call that creates one returns 0 on failure.
using BassChannel = std::uint32_t;
using BassFx = std::uint32_t;
using BassSync = std::uint32_t;
using BassWindow = std::uintptr_t;

// Returned by the counting calls (track count, track length, data) when they fail.
inline constexpr std::uint32_t kBassError = 0xFFFFFFFFu;
// Returned by the position calls when they fail.
inline constexpr std::uint64_t kBassPositionError = ~std::uint64_t{0};

inline constexpr std::uint32_t kBassVersion = 0x00020002; // 2.2: high word 2, low word 2

inline constexpr int kBassDefaultDevice = 1;

// BASS_SetConfig options.
inline constexpr std::uint32_t kBassConfigBufferMs = 0;
inline constexpr std::uint32_t kBassConfigMaxVolume = 3;

// Channel creation flags.
inline constexpr std::uint32_t kBassAllowEffects = 0x80;
inline constexpr std::uint32_t kBassMusicRamp = 0x200;
inline constexpr std::uint32_t kBassAutoFree = 0x40000;

// Channel info flags.
inline constexpr std::uint32_t kBassSample8Bit = 0x1;

inline constexpr std::uint32_t kBassSyncEnd = 2;
inline constexpr std::uint32_t kBassFxParamEq = 7;

// BASS_ChannelGetData request: 1024-sample FFT, 512 float magnitudes (2048 bytes).
inline constexpr std::uint32_t kBassDataFft1024 = 0x80000001u;
inline constexpr std::uint32_t kBassFftBytes = 2048;

// BASS_CD_GetID request: the CDDB disc id, eight lower-case hex digits.
inline constexpr std::uint32_t kBassCdIdCddb = 2;

struct BassChannelInfo {
    std::uint32_t freq = 0;     // Hz
    std::uint32_t channels = 0; // 1 mono, 2 stereo
    std::uint32_t flags = 0;    // kBassSample8Bit when the source has 8-bit samples
};

// Parameters of a parametric-equalizer effect.
struct BassParamEq {
    float centre = 0.0f;    // Hz
    float bandwidth = 0.0f; // semitones
    float gain = 0.0f;      // dB
};

using BassSyncProc =
    std::function<void(BassSync sync, BassChannel channel, std::uint32_t data, std::uintptr_t user)>;

class BassLibrary {
public:
    // `audio` plays the channels; `cdDevice` is drive 0 (a CD device or a .cue/.toc image; empty: none).
    BassLibrary(audio::AudioEngine& audio, std::string cdDevice);
    ~BassLibrary();
    BassLibrary(const BassLibrary&) = delete;
    BassLibrary& operator=(const BassLibrary&) = delete;

    std::uint32_t BASS_GetVersion() const;
    // Only kBassDefaultDevice: the audio core's output, whose sink was chosen when the core was made.
    // The rate is the core's business; `classId` is unused. Channels can be made only after it.
    bool BASS_Init(int device, std::uint32_t freq, std::uint32_t flags, BassWindow window,
                   const void* classId);
    bool BASS_SetConfig(std::uint32_t option, std::uint32_t value);

    // Files are UTF-8 paths of whole files: `mem` (reading from memory) and a non-zero offset or length are
    // not offered and fail. Effects are allowed on every channel, whatever the flags.
    BassChannel BASS_StreamCreateFile(bool mem, const char* file, std::uint64_t offset, std::uint64_t length,
                                      std::uint32_t flags);
    BassChannel BASS_MusicLoad(bool mem, const char* file, std::uint64_t offset, std::uint32_t length,
                               std::uint32_t flags, std::uint32_t freq);
    BassChannel BASS_WMA_StreamCreateFile(bool mem, const char* file, std::uint64_t offset,
                                          std::uint64_t length, std::uint32_t flags);
    // `track` is 0-based; kBassAutoFree frees the channel when it is stopped or plays to its end.
    BassChannel BASS_CD_StreamCreate(std::uint32_t drive, std::uint32_t track, std::uint32_t flags);

    // Only kBassSyncEnd: `proc` runs on the audio core's thread each time the channel plays to its end.
    // A channel has one sync; setting another replaces it.
    BassSync BASS_ChannelSetSync(BassChannel channel, std::uint32_t type, std::uint64_t param,
                                 BassSyncProc proc, std::uintptr_t user);
    bool BASS_ChannelGetInfo(BassChannel channel, BassChannelInfo* info);

    // Only kBassFxParamEq. Priority is accepted and ignored: the filters run in the order they were added.
    BassFx BASS_ChannelSetFX(BassChannel channel, std::uint32_t type, int priority);
    bool BASS_FXSetParameters(BassFx fx, const BassParamEq* params);
    bool BASS_FXGetParameters(BassFx fx, BassParamEq* params);

    bool BASS_ChannelPlay(BassChannel channel, bool restart);
    bool BASS_ChannelPause(BassChannel channel);
    bool BASS_ChannelStop(BassChannel channel);

    // Positions count bytes of the source as 16-bit PCM (8-bit for 8-bit sources).
    std::uint64_t BASS_ChannelGetPosition(BassChannel channel);
    double BASS_ChannelBytes2Seconds(BassChannel channel, std::uint64_t bytes);
    std::uint64_t BASS_ChannelSeconds2Bytes(BassChannel channel, double seconds);
    bool BASS_ChannelSetPosition(BassChannel channel, std::uint64_t bytes);

    // Only kBassDataFft1024: writes 512 floats to `buffer` (at least 2048 bytes) and returns the bytes
    // written, or kBassError.
    std::uint32_t BASS_ChannelGetData(BassChannel channel, void* buffer, std::uint32_t length);

    // 0 .. the configured maximum volume (1000 until kBassConfigMaxVolume sets another).
    bool BASS_SetVolume(std::uint32_t volume);

    bool BASS_MusicFree(BassChannel channel);
    bool BASS_StreamFree(BassChannel channel);

    // The disc queries answer from the table of contents read once per disc change.
    // Null when the drive holds no readable audio disc. The text stays valid for the library's life.
    const char* BASS_CD_GetID(std::uint32_t drive, std::uint32_t id);
    std::uint32_t BASS_CD_GetTracks(std::uint32_t drive);
    // `track` is 0-based; the length counts 16-bit stereo bytes at 44100 Hz.
    std::uint32_t BASS_CD_GetTrackLength(std::uint32_t drive, std::uint32_t track);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace kavrel::bass
