#include "engine/bass_engine.h"

#include "engine/file_kind.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kavrel::engine {

namespace {

using namespace kavrel::bass;

constexpr std::uint32_t kMixRate = 44100;
constexpr std::uint32_t kBufferMs = 50000;
constexpr std::uint32_t kMaxVolume = 1000;
constexpr std::uint32_t kCdBytesPerSecond = 176400; // 44100 Hz x 16-bit stereo
constexpr std::uint32_t kCdDrive = 0;

bool validBand(int band) {
    return band >= 1 && band <= TBass::kBands;
}

} // namespace

TBass::TBass(BassLibrary& library, BassWindow window) : library_(library), WindowHandle(window) {
    if (library_.BASS_GetVersion() != kBassVersion)
        throw BassStartError("the audio library is not version 2.2");
    if (!library_.BASS_Init(kBassDefaultDevice, kMixRate, 0, WindowHandle, nullptr))
        throw BassStartError("the audio output cannot be initialised");
    library_.BASS_SetConfig(kBassConfigBufferMs, kBufferMs);
    library_.BASS_SetConfig(kBassConfigMaxVolume, kMaxVolume);
}

TBass::~TBass() {
    freeChannel();
}

void TBass::Play(const std::string& fileName, std::int32_t startMs, bool paused) {
    freeChannel();
    const BassChannel channel = openChannel(fileName);
    if (channel == 0) {
        // The previous channel is gone, so nothing plays: stopped lets the poller move on.
        setState(kStopped);
        return;
    }
    {
        std::lock_guard lock(stateMutex_);
        Channel = channel;
    }
    library_.BASS_ChannelSetSync(
        channel, kBassSyncEnd, 0,
        [this](BassSync, BassChannel ended, std::uint32_t, std::uintptr_t) { onStreamEnd(ended); }, 0);

    BassChannelInfo info;
    if (!library_.BASS_ChannelGetInfo(channel, &info) || (info.flags & kBassSample8Bit) != 0) {
        freeChannel();
        setState(kStopped);
        return;
    }
    addEqualizer(channel);
    // Set before the channel starts, so the end of a very short track cannot be overwritten. A paused
    // start reports paused, never stopped, so the poller does not take it for a track end.
    setState(paused ? kPaused : kPlaying);
    startChannel(channel, startMs, paused);
}

BassChannel TBass::openChannel(const std::string& fileName) {
    const char* file = fileName.c_str();
    if (matchesExtension(fileName, ".mp3") || matchesExtension(fileName, ".ogg")) {
        if (const BassChannel stream = library_.BASS_StreamCreateFile(false, file, 0, 0, kBassAllowEffects))
            return stream;
        return library_.BASS_MusicLoad(false, file, 0, 0, kBassAllowEffects | kBassMusicRamp, 0);
    }
    if (matchesExtension(fileName, ".wma"))
        return library_.BASS_WMA_StreamCreateFile(false, file, 0, 0, kBassAllowEffects);
    if (const auto track = cdTrackNumber(fileName))
        return library_.BASS_CD_StreamCreate(kCdDrive, static_cast<std::uint32_t>(*track - 1),
                                             kBassAutoFree | kBassAllowEffects);
    return 0;
}

void TBass::freeChannel() {
    BassChannel channel;
    {
        std::lock_guard lock(stateMutex_);
        channel = Channel.exchange(0);
    }
    if (channel == 0)
        return;
    library_.BASS_MusicFree(channel);
    library_.BASS_StreamFree(channel);
    BandFx.fill(0);
}

void TBass::addEqualizer(BassChannel channel) {
    for (auto& fx : BandFx)
        fx = library_.BASS_ChannelSetFX(channel, kBassFxParamEq, 0);
    FxParams.gain = 0;
    FxParams.bandwidth = kBandwidthSemitones;
    for (int i = 0; i < kBands; ++i) {
        FxParams.centre = kBandCentres[i];
        library_.BASS_FXSetParameters(BandFx[i], &FxParams);
    }
    for (int band = 1; band <= kBands; ++band)
        SetBandGain(band, BandGain[band - 1]);
}

void TBass::startChannel(BassChannel channel, std::int32_t startMs, bool paused) {
    if (startMs != 0) {
        SetPosition(startMs);
        if (!paused)
            library_.BASS_ChannelPlay(channel, false);
    } else if (!paused) {
        library_.BASS_ChannelPlay(channel, true);
    }
}

void TBass::Pause() {
    library_.BASS_ChannelPause(Channel);
    changeStateUnlessStopped(kPaused);
}

void TBass::Resume() {
    library_.BASS_ChannelPlay(Channel, false);
    changeStateUnlessStopped(kPlaying);
}

void TBass::Stop() {
    library_.BASS_ChannelStop(Channel);
    setState(kStopped);
}

void TBass::setState(std::uint8_t state) {
    std::lock_guard lock(stateMutex_);
    state_ = state;
}

void TBass::changeStateUnlessStopped(std::uint8_t state) {
    std::lock_guard lock(stateMutex_);
    if (state_ != kStopped)
        state_ = state;
}

void TBass::onStreamEnd(BassChannel channel) {
    std::lock_guard lock(stateMutex_);
    if (channel == Channel)
        state_ = kStopped;
}

std::int32_t TBass::GetPosition() {
    const BassChannel channel = Channel;
    const std::uint64_t bytes = library_.BASS_ChannelGetPosition(channel);
    if (bytes == kBassPositionError)
        return 0;
    const double seconds = std::trunc(library_.BASS_ChannelBytes2Seconds(channel, bytes));
    constexpr double kLongest = std::numeric_limits<std::int32_t>::max() / 1000;
    if (!(seconds > 0))
        return 0;
    return static_cast<std::int32_t>(std::min(seconds, kLongest)) * 1000;
}

void TBass::SetPosition(std::int32_t ms) {
    const BassChannel channel = Channel;
    const std::uint64_t bytes = library_.BASS_ChannelSeconds2Bytes(channel, static_cast<double>(ms) / 1000.0);
    if (bytes != kBassPositionError)
        library_.BASS_ChannelSetPosition(channel, bytes);
}

void TBass::SetVolume(std::int32_t volume) {
    library_.BASS_SetVolume(static_cast<std::uint32_t>(std::clamp<std::int32_t>(volume, 0, kMaxVolume)));
}

void TBass::ShowSpectrum(int width, int height) {
    Spectrum = std::make_unique<TSpectrum>(width, height);
    Spectrum->DrawMode = 1;
    Spectrum->BarWidth = 3;
    Spectrum->MaxHeight = height - 2;
    Spectrum->BarFall = 2;
    Spectrum->PeakFall = 1;
}

void TBass::HideSpectrum() {
    Spectrum.reset();
}

void TBass::DrawSpectrum(PixelBuffer& target) {
    if (state_ != kPlaying || !Spectrum)
        return;
    std::array<float, TSpectrum::kFftValues> fft{};
    if (library_.BASS_ChannelGetData(Channel, fft.data(), kBassDataFft1024) == kBassError)
        return;
    Spectrum->Draw(target, fft, 1, 1);
}

void TBass::EqualizerOn() {
    EqEnabled = true;
    for (int band = 1; band <= kBands; ++band)
        SetBandGain(band, BandGain[band - 1]);
}

void TBass::EqualizerOff() {
    for (const BassFx fx : BandFx) {
        library_.BASS_FXGetParameters(fx, &FxParams);
        FxParams.gain = 0;
        library_.BASS_FXSetParameters(fx, &FxParams);
    }
    EqEnabled = false;
}

void TBass::SetBandGain(int band, std::int32_t gainDb) {
    if (!validBand(band))
        return;
    BandGain[band - 1] = gainDb;
    if (!EqEnabled)
        return;
    const BassFx fx = BandFx[band - 1];
    library_.BASS_FXGetParameters(fx, &FxParams);
    FxParams.gain = static_cast<float>(gainDb);
    library_.BASS_FXSetParameters(fx, &FxParams);
}

std::int32_t TBass::StoredBandGain(int band) const {
    return validBand(band) ? BandGain[band - 1] : 0;
}

std::string TBass::CdDiscId() {
    const char* id = library_.BASS_CD_GetID(kCdDrive, kBassCdIdCddb);
    return id ? std::string(id) : std::string();
}

std::int32_t TBass::CdTrackCount() {
    const std::uint32_t tracks = library_.BASS_CD_GetTracks(kCdDrive);
    CdTracks = tracks == kBassError ? 0 : static_cast<std::int32_t>(tracks);
    return CdTracks;
}

std::int32_t TBass::CdTrackLength(std::int32_t track) {
    if (track < 1 || track > CdTracks)
        return -1;
    const std::uint32_t bytes =
        library_.BASS_CD_GetTrackLength(kCdDrive, static_cast<std::uint32_t>(track - 1));
    if (bytes == kBassError)
        return -1;
    return static_cast<std::int32_t>(bytes / kCdBytesPerSecond) * 1000;
}

} // namespace kavrel::engine
