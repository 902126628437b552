#pragma once
// TBass: plays MP3, Ogg Vorbis, WMA and audio-CD tracks through the BASS call surface, with sixteen
// parametric-equalizer bands on the playing channel, the spectrum analyser and the CD queries.
// It exists whichever engine is selected: the facade uses its output volume, equalizer and CD queries always.
#include "engine/engine.h"
#include "engine/pixel_buffer.h"
#include "engine/spectrum.h"
#include "platform/bass/bass.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>

namespace kavrel::engine {

// The library is not version 2.2 or cannot be initialised. The player ends silently on it.
class BassStartError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Threads: as TEngine; the equalizer, spectrum, volume and CD calls run on the main thread. Play and
// SetPosition block on file or drive I/O, the CD queries on the drive.
class TBass final : public TEngine {
public:
    static constexpr int kBands = 16;
    static constexpr std::array<float, kBands> kBandCentres = {
        80, 140, 230, 390, 560, 720, 880, 1200, 2000, 4000, 6000, 8000, 10000, 12000, 14000, 16000};
    static constexpr float kBandwidthSemitones = 10.0f;

    // Checks the version, initialises the default device at 44100 Hz and sets the buffer and the 0..1000
    // volume scale. Throws BassStartError.
    TBass(bass::BassLibrary& library, bass::BassWindow window);
    ~TBass() override;

    // Any name other than "*.mp3", "*.ogg", "*.wma" or "Track<digits>.cda", or a file that cannot be
    // opened or holds 8-bit samples, leaves nothing playing and the state stopped.
    void Play(const std::string& fileName, std::int32_t startMs, bool paused) override;
    void Pause() override;
    void Resume() override;
    void Stop() override;
    std::uint8_t GetState() override { return state_.load(); }
    // Whole seconds in milliseconds; 0 without a channel.
    std::int32_t GetPosition() override;
    void SetPosition(std::int32_t ms) override;
    void SetVolume(std::int32_t volume);

    // Main thread.
    void ShowSpectrum(int width, int height);
    void HideSpectrum();
    // Draws one frame, only while playing; otherwise the target keeps its last frame.
    void DrawSpectrum(PixelBuffer& target);
    const TSpectrum* ShownSpectrum() const { return Spectrum.get(); }

    void EqualizerOn();
    void EqualizerOff();
    bool EqualizerEnabled() const { return EqEnabled; }
    // Band 1..16, gain in dB; other bands are ignored.
    void SetBandGain(int band, std::int32_t gainDb);
    std::int32_t StoredBandGain(int band) const;

    // The CDDB disc id, empty without a disc.
    std::string CdDiscId();
    std::int32_t CdTrackCount();
    // Whole seconds in milliseconds; -1 for a track outside 1..the last track count, or when the disc
    // cannot tell the length.
    std::int32_t CdTrackLength(std::int32_t track);

private:
    bass::BassChannel openChannel(const std::string& fileName);
    void freeChannel();
    void addEqualizer(bass::BassChannel channel);
    void startChannel(bass::BassChannel channel, std::int32_t startMs, bool paused);
    void setState(std::uint8_t state);
    // The state byte moves from playing or paused to `state`; a stopped engine stays stopped.
    void changeStateUnlessStopped(std::uint8_t state);
    void onStreamEnd(bass::BassChannel channel);

    bass::BassLibrary& library_;
    std::unique_ptr<TSpectrum> Spectrum;
    std::array<bass::BassFx, kBands> BandFx{};
    std::array<std::int32_t, kBands> BandGain{};
    bool EqEnabled = false;
    bass::BassParamEq FxParams;
    std::atomic<bass::BassChannel> Channel{0};
    bass::BassWindow WindowHandle;
    std::int32_t CdTracks = 0;
    // 0 stopped, 1 playing, 2 paused; the end-of-stream callback clears it from the library's thread.
    // The mutex only pairs a channel change with its state, so a late end of the previous channel cannot
    // stop the next one; no library call is made while it is held.
    std::mutex stateMutex_;
    std::atomic<std::uint8_t> state_{kStopped};
};

} // namespace kavrel::engine
