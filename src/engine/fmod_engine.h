#pragma once
// TFmod: plays files (as a module when they load as one, else as a stream) and audio-CD tracks through the
// FMOD call surface, at full channel volume (the program's volume stays the shared output volume), and owns
// the mini spectrum that shows FMOD's own spectrum.
#include "engine/engine.h"
#include "engine/mini_spectrum.h"
#include "platform/fmod/fmod.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace kavrel::engine {

// The library is older than 3.71. The player ends silently on it.
class FmodVersionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The output, driver, mixer or window set-up failed; the message ("FSOUND_SetOutput failed", ...) is shown.
class FmodStartError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Threads: as TEngine (GetState and GetPosition from the poller, the rest from the main thread); the
// spectrum and volume calls run on the main thread. Play and SetPosition block on file or drive I/O.
class TFmod final : public TEngine {
public:
    static constexpr float kMinVersion = 3.71f;

    // Sets up and initialises the library. Throws FmodVersionError or FmodStartError.
    TFmod(fmod::FmodLibrary& library, fmod::FmodWindow window);
    // Stops and releases what plays.
    ~TFmod() override;

    // "Track<digits>.cda" plays that CD track; any other name a module or a stream. A name that opens as
    // neither plays nothing.
    void Play(const std::string& fileName, std::int32_t startMs, bool paused) override;
    // Only once a poll has seen the track playing or paused (State not 0).
    void Pause() override;
    void Resume() override;
    // Stops and releases the module or stream (a CD track stops with the drive).
    void Stop() override;
    // Polls the library and keeps the answer in State.
    std::uint8_t GetState() override;
    // Milliseconds into the track; 0 when nothing is open.
    std::int32_t GetPosition() override;
    void SetPosition(std::int32_t ms) override;
    // `volume` on the program's 0..1000 scale, as 0..255: the CD's volume for a CD track, else that of
    // every channel.
    void SetCdVolume(std::int32_t volume);

    // Main thread. AttachSpectrum places the control on the panel, enabled, in style 1; Show and Hide
    // enable and disable it (and with it FMOD's FFT unit); DrawSpectrum repaints it while enabled.
    void AttachSpectrum(SpectrumPanel& panel);
    void ShowSpectrum();
    void HideSpectrum();
    void DrawSpectrum();
    TMiniSpectrum& MiniSpectrum() { return *Mini; }

    // "CD" for a "*.cda" file, else empty.
    std::string FileKind() const { return CdFile ? "CD" : ""; }

    std::atomic<std::uint8_t> State{kStopped};

private:
    void playCdTrack(const std::string& fileName, std::int32_t startMs, bool paused);
    void playFile(const std::string& fileName, std::int32_t startMs, bool paused);
    // Pauses or resumes the CD or every channel, whatever State says.
    void setPaused(bool paused);

    fmod::FmodLibrary& library_;
    std::atomic<bool> CdFile{false};
    std::atomic<fmod::FmodModule> Music{0};
    std::atomic<fmod::FmodStream> Stream{0};
    std::atomic<std::int32_t> ChannelNo{-1};
    bool Started = false;
    std::unique_ptr<TMiniSpectrum> Mini;
    fmod::FmodWindow WindowHandle;
};

} // namespace kavrel::engine
