#pragma once
// The FMOD 3 call surface that the FMOD engine uses, over our audio core. Only the calls the engine makes
// exist, under the names it calls them by, plus the module state, time and release calls it needs to
// follow and free a module or a stream. One FmodLibrary is one library: the program makes one at start-up
// and passes it to whoever plays through it.
//
// Model: streams and modules are opened into handles (0 on failure). A stream is heard once it is played
// on one of the channels 0 .. (maximum channels - 1) given to FSOUND_Init; a module plays by itself, with
// no channel number of its own. "All channels" (kFsoundAll) reaches every playing or paused stream and
// module of this library. Drive 0 is the one CD source, one track at a time. Volumes run 0..255.
//
// Threads: every call may come from any thread; the library keeps its own tables under a lock and never
// holds it while the audio core decodes or seeks. Opening, playing a CD track and setting a time block on
// file or drive I/O; the state and time queries never do. FSOUND_DSP_GetSpectrum fills one buffer owned by
// the library: call it from one thread only (the main thread).
#include <cstdint>
#include <memory>
#include <string>

namespace kavrel::audio {
class AudioEngine;
}

namespace kavrel::fmod {

// 0 is never a valid handle, so a call that opens one returns 0 on failure.
using FmodStream = std::uint32_t;
using FmodModule = std::uint32_t;
using FmodDspUnit = std::uint32_t;
using FmodWindow = std::uintptr_t;

inline constexpr float kFsoundVersion = 3.75f;

inline constexpr int kFsoundOutputSystem = 1; // the system's sound output (the audio core's sink)
inline constexpr int kFsoundDefaultDriver = 0;
inline constexpr int kFsoundMixerAuto = 7; // the mixer the library picks; ours mixes in float
inline constexpr int kFsoundMaxChannels = 1024;

// Channel numbers with a meaning of their own.
inline constexpr int kFsoundFree = -1; // FSOUND_Stream_Play: the lowest channel not in use
inline constexpr int kFsoundAll = -3;  // FSOUND_SetVolume, FSOUND_SetPaused: every channel and module

inline constexpr int kFsoundStereoPan = -1; // FSOUND_SetPan: the source's own stereo, unpanned
inline constexpr int kFsoundMaxVolume = 255;

// FSOUND_Stream_Open mode: 16-bit stereo (or mono) as the file holds it.
inline constexpr unsigned kFsoundNormal = 0x130;

// FMUSIC_GetType. MOD and S3M pan their channels hard left and right, so the engine narrows them.
inline constexpr int kFmusicTypeNone = 0;
inline constexpr int kFmusicTypeMod = 1;
inline constexpr int kFmusicTypeS3m = 2;
inline constexpr int kFmusicTypeXm = 3;
inline constexpr int kFmusicTypeIt = 4;
inline constexpr int kFmusicTypeOther = 5; // every other format the core plays

// FSOUND_CD_SetPlayMode: the track plays to its end and the drive stops.
inline constexpr int kFsoundCdPlayOnce = 1;

inline constexpr int kFsoundSpectrumValues = 512;

class FmodLibrary {
public:
    // `audio` plays the channels; `cdDevice` is drive 0 (a CD device or a .cue/.toc image; empty: none).
    FmodLibrary(audio::AudioEngine& audio, std::string cdDevice);
    // Frees every stream, module and CD track it opened.
    ~FmodLibrary();
    FmodLibrary(const FmodLibrary&) = delete;
    FmodLibrary& operator=(const FmodLibrary&) = delete;

    float FSOUND_GetVersion() const;
    // Set-up before FSOUND_Init; each takes only the value named above and is refused once initialised.
    bool FSOUND_SetOutput(int output);
    bool FSOUND_SetDriver(int driver);
    bool FSOUND_SetMixer(int mixer);
    // Any window: the core's output belongs to no window.
    bool FSOUND_SetHWND(FmodWindow window);
    // The rate is the core's business (it converts); `maxChannels` 1..kFsoundMaxChannels; flags 0.
    // Nothing opens before it.
    bool FSOUND_Init(int mixRate, int maxChannels, unsigned flags);

    // `channel` a channel in use or kFsoundAll; `volume` 0..255.
    bool FSOUND_SetVolume(int channel, int volume);

    // Files are UTF-8 paths of whole files.
    FmodModule FMUSIC_LoadSong(const char* name);
    bool FMUSIC_FreeSong(FmodModule module);
    // 0..255, under the channel volume.
    bool FMUSIC_SetMasterVolume(FmodModule module, int volume);
    int FMUSIC_GetType(FmodModule module);
    // 0 mono .. 1 as the module pans its channels.
    bool FMUSIC_SetPanSeperation(FmodModule module, float separation);
    // From the start.
    bool FMUSIC_PlaySong(FmodModule module);
    bool FMUSIC_StopSong(FmodModule module);
    // Playing or paused, until the module has played to its end or was stopped.
    bool FMUSIC_IsPlaying(FmodModule module);
    bool FMUSIC_GetPaused(FmodModule module);
    // Milliseconds from the start; 0 for an unknown module.
    int FMUSIC_GetTime(FmodModule module);
    bool FMUSIC_SetTime(FmodModule module, int ms);

    // Only kFsoundNormal, offset 0 and length 0 (the whole file).
    FmodStream FSOUND_Stream_Open(const char* name, unsigned mode, int offset, int length);
    // Stops it and frees it; its channel becomes free.
    bool FSOUND_Stream_Close(FmodStream stream);
    // On `channel` (or the lowest free one with kFsoundFree), from where the stream stands (the start when
    // new or ended), at full channel volume; the channel number, or -1 when none is free or the stream is
    // unknown. A channel is free when nothing plays or is paused on it.
    int FSOUND_Stream_Play(int channel, FmodStream stream);
    bool FSOUND_Stream_Stop(FmodStream stream);
    // Only kFsoundStereoPan.
    bool FSOUND_SetPan(int channel, int pan);
    bool FSOUND_Stream_SetTime(FmodStream stream, int ms);
    // Milliseconds from the start; 0 for an unknown stream.
    int FSOUND_Stream_GetTime(FmodStream stream);

    // True while the channel's stream plays or is paused; false for a channel out of range or free.
    bool FSOUND_IsPlaying(int channel);
    bool FSOUND_GetPaused(int channel);
    // `channel` one in use or kFsoundAll. Unpausing never starts what is stopped.
    bool FSOUND_SetPaused(int channel, bool paused);

    // Drive 0 only. Only kFsoundCdPlayOnce.
    bool FSOUND_CD_SetPlayMode(int drive, int mode);
    // Track 1.. of the disc, from its start, at the drive's volume; replaces the track playing.
    bool FSOUND_CD_Play(int drive, int track);
    bool FSOUND_CD_SetTrackTime(int drive, unsigned ms);
    // Milliseconds into the current track; 0 without one.
    unsigned FSOUND_CD_GetTrackTime(int drive);
    // The track playing or paused; 0 when none is (stopped, or played to its end).
    int FSOUND_CD_GetTrack(int drive);
    bool FSOUND_CD_GetPaused(int drive);
    bool FSOUND_CD_SetPaused(int drive, bool paused);
    // 0..255; kept by the drive for the tracks it plays later.
    bool FSOUND_CD_SetVolume(int drive, int volume);
    bool FSOUND_CD_Stop(int drive);

    // The one FFT unit, inactive at the start.
    FmodDspUnit FSOUND_DSP_GetFFTUnit();
    bool FSOUND_DSP_SetActive(FmodDspUnit unit, bool active);
    // kFsoundSpectrumValues magnitudes (0 .. about 0.5 for a full-scale sine) of what this library plays:
    // the sum over its playing streams, modules and CD track; all zero while the FFT unit is inactive.
    // The buffer lives as long as the library and is rewritten by each call.
    const float* FSOUND_DSP_GetSpectrum();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace kavrel::fmod
