#include "platform/bass/bass.h"

#include "platform/audio/audio_core.h"
#include "platform/audio/cd_disc.h"
#include "platform/bass/cd_toc_cache.h"

#include <array>
#include <atomic>
#include <cstring>
#include <limits>
#include <optional>

namespace kavrel::bass {

namespace {

constexpr std::uint32_t kCdDrive = 0;

audio::PeakingEqParams toCore(const BassParamEq& params) {
    return {params.centre, params.bandwidth, params.gain};
}

} // namespace

struct BassLibrary::Impl {
    Impl(audio::AudioEngine& core, std::string device)
        : audio(core), cdDevice(std::move(device)), cdToc(cdDevice, audio::readCdToc) {}

    audio::AudioEngine& audio;
    std::string cdDevice;
    std::atomic<bool> initialised{false};
    std::atomic<std::uint32_t> maxVolume{1000};
    std::atomic<BassSync> lastSync{0};
    CdTocCache cdToc;

    bool wholeFile(bool mem, const char* file, std::uint64_t offset, std::uint64_t length) const {
        return initialised && !mem && file != nullptr && offset == 0 && length == 0;
    }
    bool isKind(BassChannel channel, audio::ChannelKind kind) const {
        const auto info = audio.info(channel);
        return info && info->kind == kind;
    }
    std::optional<CdTocCache::Disc> disc(std::uint32_t drive) {
        if (drive != kCdDrive || cdDevice.empty())
            return std::nullopt;
        return cdToc.disc();
    }
};

BassLibrary::BassLibrary(audio::AudioEngine& audio, std::string cdDevice)
    : impl_(std::make_unique<Impl>(audio, std::move(cdDevice))) {}

BassLibrary::~BassLibrary() = default;

std::uint32_t BassLibrary::BASS_GetVersion() const {
    return kBassVersion;
}

bool BassLibrary::BASS_Init(int device, std::uint32_t freq, std::uint32_t, BassWindow, const void*) {
    if (device != kBassDefaultDevice || freq == 0)
        return false;
    impl_->initialised = true;
    return true;
}

bool BassLibrary::BASS_SetConfig(std::uint32_t option, std::uint32_t value) {
    switch (option) {
    case kBassConfigBufferMs:
        // The core keeps its own short buffers; a longer one would only delay pause and seek.
        return true;
    case kBassConfigMaxVolume:
        if (value == 0)
            return false;
        impl_->maxVolume = value;
        return true;
    default:
        return false;
    }
}

BassChannel BassLibrary::BASS_StreamCreateFile(bool mem, const char* file, std::uint64_t offset,
                                               std::uint64_t length, std::uint32_t) {
    if (!impl_->wholeFile(mem, file, offset, length))
        return 0;
    return impl_->audio.openFile(std::filesystem::path(file));
}

BassChannel BassLibrary::BASS_MusicLoad(bool mem, const char* file, std::uint64_t offset,
                                        std::uint32_t length, std::uint32_t, std::uint32_t) {
    if (!impl_->wholeFile(mem, file, offset, length))
        return 0;
    return impl_->audio.openModule(std::filesystem::path(file));
}

BassChannel BassLibrary::BASS_WMA_StreamCreateFile(bool mem, const char* file, std::uint64_t offset,
                                                   std::uint64_t length, std::uint32_t flags) {
    return BASS_StreamCreateFile(mem, file, offset, length, flags);
}

BassChannel BassLibrary::BASS_CD_StreamCreate(std::uint32_t drive, std::uint32_t track, std::uint32_t flags) {
    if (!impl_->initialised || drive != kCdDrive || impl_->cdDevice.empty() ||
        track > static_cast<std::uint32_t>(std::numeric_limits<int>::max()))
        return 0;
    audio::ChannelOptions options;
    options.autoFree = (flags & kBassAutoFree) != 0;
    return impl_->audio.openCdTrack(impl_->cdDevice, static_cast<int>(track), options);
}

BassSync BassLibrary::BASS_ChannelSetSync(BassChannel channel, std::uint32_t type, std::uint64_t,
                                          BassSyncProc proc, std::uintptr_t user) {
    if (type != kBassSyncEnd || !proc)
        return 0;
    const BassSync sync = ++impl_->lastSync;
    const bool set = impl_->audio.setEndCallback(
        channel,
        [sync, proc = std::move(proc), user](audio::ChannelHandle ended) { proc(sync, ended, 0, user); });
    return set ? sync : 0;
}

bool BassLibrary::BASS_ChannelGetInfo(BassChannel channel, BassChannelInfo* info) {
    const auto core = impl_->audio.info(channel);
    if (!core || info == nullptr)
        return false;
    info->freq = static_cast<std::uint32_t>(core->frequency);
    info->channels = static_cast<std::uint32_t>(core->channels);
    info->flags = core->eightBit ? kBassSample8Bit : 0;
    return true;
}

BassFx BassLibrary::BASS_ChannelSetFX(BassChannel channel, std::uint32_t type, int) {
    if (type != kBassFxParamEq)
        return 0;
    return impl_->audio.addEqualizer(channel, audio::PeakingEqParams{});
}

bool BassLibrary::BASS_FXSetParameters(BassFx fx, const BassParamEq* params) {
    return params != nullptr && impl_->audio.setEqualizer(fx, toCore(*params));
}

bool BassLibrary::BASS_FXGetParameters(BassFx fx, BassParamEq* params) {
    const auto core = impl_->audio.equalizer(fx);
    if (!core || params == nullptr)
        return false;
    *params = {core->centerHz, core->bandwidthSemitones, core->gainDb};
    return true;
}

bool BassLibrary::BASS_ChannelPlay(BassChannel channel, bool restart) {
    return impl_->audio.play(channel, restart);
}
bool BassLibrary::BASS_ChannelPause(BassChannel channel) {
    return impl_->audio.pause(channel);
}
bool BassLibrary::BASS_ChannelStop(BassChannel channel) {
    return impl_->audio.stop(channel);
}

std::uint64_t BassLibrary::BASS_ChannelGetPosition(BassChannel channel) {
    const auto bytes = impl_->audio.position(channel);
    return bytes ? static_cast<std::uint64_t>(*bytes) : kBassPositionError;
}

double BassLibrary::BASS_ChannelBytes2Seconds(BassChannel channel, std::uint64_t bytes) {
    if (bytes > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        return -1.0;
    return impl_->audio.bytesToSeconds(channel, static_cast<std::int64_t>(bytes)).value_or(-1.0);
}

std::uint64_t BassLibrary::BASS_ChannelSeconds2Bytes(BassChannel channel, double seconds) {
    const auto bytes = impl_->audio.secondsToBytes(channel, seconds);
    return bytes ? static_cast<std::uint64_t>(*bytes) : kBassPositionError;
}

bool BassLibrary::BASS_ChannelSetPosition(BassChannel channel, std::uint64_t bytes) {
    if (bytes > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        return false;
    return impl_->audio.setPosition(channel, static_cast<std::int64_t>(bytes));
}

std::uint32_t BassLibrary::BASS_ChannelGetData(BassChannel channel, void* buffer, std::uint32_t length) {
    if (length != kBassDataFft1024 || buffer == nullptr)
        return kBassError;
    std::array<float, audio::kFftBins> magnitudes{};
    if (!impl_->audio.fft(channel, magnitudes))
        return kBassError;
    std::memcpy(buffer, magnitudes.data(), sizeof magnitudes);
    return kBassFftBytes;
}

bool BassLibrary::BASS_SetVolume(std::uint32_t volume) {
    const std::uint32_t maximum = impl_->maxVolume;
    if (volume > maximum)
        return false;
    impl_->audio.setVolume(static_cast<int>(std::uint64_t{volume} * audio::kMaxVolume / maximum));
    return true;
}

bool BassLibrary::BASS_MusicFree(BassChannel channel) {
    return impl_->isKind(channel, audio::ChannelKind::Module) && impl_->audio.free(channel);
}

bool BassLibrary::BASS_StreamFree(BassChannel channel) {
    const auto info = impl_->audio.info(channel);
    return info && info->kind != audio::ChannelKind::Module && impl_->audio.free(channel);
}

const char* BassLibrary::BASS_CD_GetID(std::uint32_t drive, std::uint32_t id) {
    if (id != kBassCdIdCddb)
        return nullptr;
    const auto disc = impl_->disc(drive);
    return disc ? disc->cddbId : nullptr;
}

std::uint32_t BassLibrary::BASS_CD_GetTracks(std::uint32_t drive) {
    const auto disc = impl_->disc(drive);
    return disc ? static_cast<std::uint32_t>(disc->toc.tracks.size()) : kBassError;
}

std::uint32_t BassLibrary::BASS_CD_GetTrackLength(std::uint32_t drive, std::uint32_t track) {
    const auto disc = impl_->disc(drive);
    if (!disc || track >= disc->toc.tracks.size())
        return kBassError;
    const std::int64_t bytes = disc->toc.tracks[track].lengthBytes();
    return bytes < 0 || bytes >= kBassError ? kBassError : static_cast<std::uint32_t>(bytes);
}

} // namespace kavrel::bass
