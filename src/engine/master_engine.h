#pragma once
// TMasterEngine: the one object through which the program plays audio. It owns the engines, forwards each
// operation to the engine selected by its exact name, and keeps what an engine switch carries over (the
// file, its kind and the volume). With no engine selected every playing operation does nothing.
//
// Threads: GetState and GetPosition run on the poller's thread; everything else on the main thread.
#include "engine/apollo_engine.h"
#include "engine/bass_engine.h"
#include "engine/engine.h"
#include "engine/fmod_engine.h"
#include "engine/mini_spectrum.h"
#include "engine/pixel_buffer.h"
#include "platform/bass/bass.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

namespace kavrel::engine {

inline constexpr const char* kEngineBass = "BASS";
inline constexpr const char* kEngineFmod = "FMOD";
inline constexpr const char* kEngineApollo = "APOLLO";

class TMasterEngine {
public:
    // Creates TBass on `library` (throws BassStartError). `fmod` and `apollo` answer to "FMOD" and "APOLLO";
    // while one is absent, selecting its name leaves nothing to forward to.
    TMasterEngine(bass::BassLibrary& library, bass::BassWindow window, std::unique_ptr<TFmod> fmod = nullptr,
                  std::unique_ptr<TApollo> apollo = nullptr);

    // Does nothing when `name` is already selected; otherwise stops the old engine and, when it was playing
    // or paused, goes on with the same file at the same place in the new one. Selecting "APOLLO" starts
    // the outside player hidden at ApolloPath (without waiting here) and gives it the volume.
    void SelectEngine(const std::string& name);
    const std::string& EngineName() const { return EngineName_; }

    void Play(const std::string& fileName, std::int32_t startMs, bool paused);
    void Pause();
    void Resume();
    void Stop();
    // The selected engine's state, also kept in State; the kept State without an engine.
    std::uint8_t GetState();
    // 0 without an engine.
    std::int32_t GetPosition();
    void SetPosition(std::int32_t ms);
    // With "APOLLO" the volume also goes to the outside player, whose sound does not pass through ours.
    void SetVolume(std::int32_t volume);
    void SetApolloPath(const std::string& path) { ApolloPath = path; }

    // The selected engine has an analyser to draw (the outside player has none).
    bool HasSpectrum() const { return EngineName_ == kEngineBass || EngineName_ == kEngineFmod; }
    // BASS draws its analyser into the paint box's picture; FMOD shows its control on the spectrum panel
    // (placed there by AttachSpectrum) and repaints it itself.
    void ShowSpectrum(int width, int height);
    void AttachSpectrum(SpectrumPanel& panel);
    void HideSpectrum();
    void DrawSpectrum(PixelBuffer& target);

    // The equalizer always acts on TBass, whatever engine is selected, so its state survives a switch.
    void EqualizerOn() { Bass->EqualizerOn(); }
    void EqualizerOff() { Bass->EqualizerOff(); }
    bool EqualizerEnabled() const { return Bass->EqualizerEnabled(); }
    void SetBandGain(int band, std::int32_t gainDb) { Bass->SetBandGain(band, gainDb); }
    void SetBandGainAlways(int band, std::int32_t gainDb) { Bass->SetBandGain(band, gainDb); }

    // Always answered by TBass. Blocking (the drive may spin up).
    std::string CdDiscId() { return Bass->CdDiscId(); }
    std::int32_t CdTrackCount() { return Bass->CdTrackCount(); }
    std::int32_t CdTrackLength(std::int32_t track) { return Bass->CdTrackLength(track); }

    std::atomic<std::uint8_t> State{kStopped};
    std::unique_ptr<TBass> Bass;
    std::unique_ptr<TFmod> Fmod;
    std::unique_ptr<TApollo> Apollo;
    std::string ApolloPath;
    std::string FileName;
    std::int32_t Volume = 0;
    std::string FileKind; // "CD" for a "*.cda" file, else empty

private:
    TEngine* engineNamed(const std::string& name) const;
    bool isKnownEngine() const;

    std::string EngineName_;
    // The engine EngineName_ names, read by the poller without touching the string.
    std::atomic<TEngine*> selected_{nullptr};
};

} // namespace kavrel::engine
