#include "platform/fmod/fmod.h"

#include "platform/audio/audio_core.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <limits>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace kavrel::fmod {

namespace {

using audio::ChannelHandle;
using audio::ChannelState;

constexpr int kCdDrive = 0;
constexpr FmodDspUnit kFftUnit = 1;
static_assert(kFsoundSpectrumValues == audio::kFftBins);

bool validVolume(int volume) {
    return volume >= 0 && volume <= kFsoundMaxVolume;
}

float share(int volume) {
    return static_cast<float>(volume) / kFsoundMaxVolume;
}

// Playing or paused: what the library calls "playing" and what keeps a channel in use.
bool sounding(ChannelState state) {
    return state != ChannelState::Stopped;
}

int typeOf(const std::string& format) {
    static const std::map<std::string, int, std::less<>> kTypes = {
        {"mod", kFmusicTypeMod}, {"s3m", kFmusicTypeS3m}, {"xm", kFmusicTypeXm}, {"it", kFmusicTypeIt}};
    const auto found = kTypes.find(format);
    return found == kTypes.end() ? kFmusicTypeOther : found->second;
}

} // namespace

struct FmodLibrary::Impl {
    struct Module {
        int masterVolume = kFsoundMaxVolume;
        int channelVolume = kFsoundMaxVolume;
    };

    Impl(audio::AudioEngine& core, std::string device) : audio(core), cdDevice(std::move(device)) {}

    audio::AudioEngine& audio;
    const std::string cdDevice;

    mutable std::mutex mutex;
    bool initialised = false;
    std::vector<FmodStream> channels; // channel number -> the stream last played there (0: none)
    std::set<FmodStream> streams;
    std::map<FmodModule, Module> modules;
    ChannelHandle cdChannel = 0;
    int cdTrack = 0;
    int cdVolume = kFsoundMaxVolume;
    bool fftActive = false;
    std::array<float, kFsoundSpectrumValues> spectrum{};

    bool isStream(FmodStream stream) const {
        std::lock_guard lock(mutex);
        return streams.contains(stream);
    }
    bool isModule(FmodModule module) const {
        std::lock_guard lock(mutex);
        return modules.contains(module);
    }
    // The stream playing or paused on `channel`, else 0. Caller holds the lock.
    FmodStream streamOnLocked(int channel) const {
        if (channel < 0 || channel >= static_cast<int>(channels.size()))
            return 0;
        const FmodStream stream = channels[static_cast<std::size_t>(channel)];
        return stream != 0 && sounding(audio.state(stream)) ? stream : 0;
    }
    FmodStream streamOn(int channel) const {
        std::lock_guard lock(mutex);
        return streamOnLocked(channel);
    }
    // The streams and modules `channel` (or kFsoundAll) reaches.
    std::vector<ChannelHandle> reached(int channel, bool withModules) const {
        std::lock_guard lock(mutex);
        std::vector<ChannelHandle> result;
        if (channel != kFsoundAll) {
            if (const FmodStream stream = streamOnLocked(channel))
                result.push_back(stream);
            return result;
        }
        for (int number = 0; number < static_cast<int>(channels.size()); ++number)
            if (const FmodStream stream = streamOnLocked(number))
                result.push_back(stream);
        if (withModules)
            for (const auto& [module, settings] : modules)
                result.push_back(module);
        return result;
    }
    void applyModuleVolume(FmodModule module, const Module& settings) const {
        audio.setChannelVolume(module, share(settings.masterVolume) * share(settings.channelVolume));
    }
    ChannelHandle cd(int drive) const {
        std::lock_guard lock(mutex);
        return drive == kCdDrive ? cdChannel : 0;
    }

    // Milliseconds from the start of the channel's own format.
    int timeOf(ChannelHandle channel) const {
        const auto info = audio.info(channel);
        const auto bytes = audio.position(channel);
        if (!info || !bytes || info->frequency <= 0)
            return 0;
        const std::int64_t ms = *bytes / info->bytesPerFrame() * 1000 / info->frequency;
        return static_cast<int>(std::min<std::int64_t>(ms, std::numeric_limits<int>::max()));
    }
    bool setTime(ChannelHandle channel, std::int64_t ms) {
        const auto info = audio.info(channel);
        if (!info || ms < 0)
            return false;
        // Rounded up, so the time read back is the time set.
        const std::int64_t frames = (ms * info->frequency + 999) / 1000;
        return audio.setPosition(channel, frames * info->bytesPerFrame());
    }
    void pauseOrResume(ChannelHandle channel, bool paused) {
        const ChannelState state = audio.state(channel);
        if (paused && state == ChannelState::Playing)
            audio.pause(channel);
        else if (!paused && state == ChannelState::Paused)
            audio.play(channel, false);
    }
};

FmodLibrary::FmodLibrary(audio::AudioEngine& audio, std::string cdDevice)
    : impl_(std::make_unique<Impl>(audio, std::move(cdDevice))) {}

FmodLibrary::~FmodLibrary() {
    std::vector<ChannelHandle> opened(impl_->streams.begin(), impl_->streams.end());
    for (const auto& [module, settings] : impl_->modules)
        opened.push_back(module);
    opened.push_back(impl_->cdChannel);
    for (const ChannelHandle channel : opened)
        impl_->audio.free(channel);
}

float FmodLibrary::FSOUND_GetVersion() const {
    return kFsoundVersion;
}

bool FmodLibrary::FSOUND_SetOutput(int output) {
    std::lock_guard lock(impl_->mutex);
    return !impl_->initialised && output == kFsoundOutputSystem;
}

bool FmodLibrary::FSOUND_SetDriver(int driver) {
    std::lock_guard lock(impl_->mutex);
    return !impl_->initialised && driver == kFsoundDefaultDriver;
}

bool FmodLibrary::FSOUND_SetMixer(int mixer) {
    std::lock_guard lock(impl_->mutex);
    return !impl_->initialised && mixer == kFsoundMixerAuto;
}

bool FmodLibrary::FSOUND_SetHWND(FmodWindow) {
    std::lock_guard lock(impl_->mutex);
    return !impl_->initialised;
}

bool FmodLibrary::FSOUND_Init(int mixRate, int maxChannels, unsigned flags) {
    std::lock_guard lock(impl_->mutex);
    if (impl_->initialised || mixRate <= 0 || maxChannels < 1 || maxChannels > kFsoundMaxChannels ||
        flags != 0)
        return false;
    impl_->channels.assign(static_cast<std::size_t>(maxChannels), 0);
    impl_->initialised = true;
    return true;
}

bool FmodLibrary::FSOUND_SetVolume(int channel, int volume) {
    if (!validVolume(volume))
        return false;
    const std::vector<ChannelHandle> streams = impl_->reached(channel, false);
    for (const ChannelHandle stream : streams)
        impl_->audio.setChannelVolume(stream, share(volume));
    if (channel != kFsoundAll)
        return !streams.empty();
    std::lock_guard lock(impl_->mutex);
    for (auto& [module, settings] : impl_->modules) {
        settings.channelVolume = volume;
        impl_->applyModuleVolume(module, settings);
    }
    return true;
}

FmodModule FmodLibrary::FMUSIC_LoadSong(const char* name) {
    {
        std::lock_guard lock(impl_->mutex);
        if (!impl_->initialised || name == nullptr)
            return 0;
    }
    const FmodModule module = impl_->audio.openModule(std::filesystem::path(name));
    if (module != 0) {
        std::lock_guard lock(impl_->mutex);
        impl_->modules.emplace(module, Impl::Module{});
    }
    return module;
}

bool FmodLibrary::FMUSIC_FreeSong(FmodModule module) {
    {
        std::lock_guard lock(impl_->mutex);
        if (impl_->modules.erase(module) == 0)
            return false;
    }
    return impl_->audio.free(module);
}

bool FmodLibrary::FMUSIC_SetMasterVolume(FmodModule module, int volume) {
    std::lock_guard lock(impl_->mutex);
    const auto found = impl_->modules.find(module);
    if (found == impl_->modules.end() || !validVolume(volume))
        return false;
    found->second.masterVolume = volume;
    impl_->applyModuleVolume(module, found->second);
    return true;
}

int FmodLibrary::FMUSIC_GetType(FmodModule module) {
    if (!impl_->isModule(module))
        return kFmusicTypeNone;
    const auto format = impl_->audio.moduleFormat(module);
    return format ? typeOf(*format) : kFmusicTypeNone;
}

bool FmodLibrary::FMUSIC_SetPanSeperation(FmodModule module, float separation) {
    return separation >= 0.0f && separation <= 1.0f && impl_->isModule(module) &&
           impl_->audio.setStereoSeparation(module, separation);
}

bool FmodLibrary::FMUSIC_PlaySong(FmodModule module) {
    return impl_->isModule(module) && impl_->audio.play(module, true);
}

bool FmodLibrary::FMUSIC_StopSong(FmodModule module) {
    return impl_->isModule(module) && impl_->audio.stop(module);
}

bool FmodLibrary::FMUSIC_IsPlaying(FmodModule module) {
    return impl_->isModule(module) && sounding(impl_->audio.state(module));
}

bool FmodLibrary::FMUSIC_GetPaused(FmodModule module) {
    return impl_->isModule(module) && impl_->audio.state(module) == ChannelState::Paused;
}

int FmodLibrary::FMUSIC_GetTime(FmodModule module) {
    return impl_->isModule(module) ? impl_->timeOf(module) : 0;
}

bool FmodLibrary::FMUSIC_SetTime(FmodModule module, int ms) {
    return impl_->isModule(module) && impl_->setTime(module, ms);
}

FmodStream FmodLibrary::FSOUND_Stream_Open(const char* name, unsigned mode, int offset, int length) {
    {
        std::lock_guard lock(impl_->mutex);
        if (!impl_->initialised || name == nullptr || mode != kFsoundNormal || offset != 0 || length != 0)
            return 0;
    }
    const FmodStream stream = impl_->audio.openFile(std::filesystem::path(name));
    if (stream != 0) {
        std::lock_guard lock(impl_->mutex);
        impl_->streams.insert(stream);
    }
    return stream;
}

bool FmodLibrary::FSOUND_Stream_Close(FmodStream stream) {
    {
        std::lock_guard lock(impl_->mutex);
        if (impl_->streams.erase(stream) == 0)
            return false;
        std::replace(impl_->channels.begin(), impl_->channels.end(), stream, FmodStream{0});
    }
    return impl_->audio.free(stream);
}

int FmodLibrary::FSOUND_Stream_Play(int channel, FmodStream stream) {
    int number = -1;
    {
        std::lock_guard lock(impl_->mutex);
        auto& channels = impl_->channels;
        if (!impl_->streams.contains(stream))
            return -1;
        // A stream plays on one channel at a time.
        std::replace(channels.begin(), channels.end(), stream, FmodStream{0});
        if (channel == kFsoundFree) {
            for (int candidate = 0; candidate < static_cast<int>(channels.size()) && number < 0; ++candidate)
                if (impl_->streamOnLocked(candidate) == 0)
                    number = candidate;
        } else if (channel >= 0 && channel < static_cast<int>(channels.size())) {
            number = channel;
        }
        if (number < 0)
            return -1;
        const FmodStream previous = channels[static_cast<std::size_t>(number)];
        if (previous != 0)
            impl_->audio.stop(previous);
        channels[static_cast<std::size_t>(number)] = stream;
    }
    impl_->audio.setChannelVolume(stream, 1.0f);
    impl_->audio.play(stream, false);
    return number;
}

bool FmodLibrary::FSOUND_Stream_Stop(FmodStream stream) {
    return impl_->isStream(stream) && impl_->audio.stop(stream);
}

bool FmodLibrary::FSOUND_SetPan(int channel, int pan) {
    return pan == kFsoundStereoPan && impl_->streamOn(channel) != 0;
}

bool FmodLibrary::FSOUND_Stream_SetTime(FmodStream stream, int ms) {
    return impl_->isStream(stream) && impl_->setTime(stream, ms);
}

int FmodLibrary::FSOUND_Stream_GetTime(FmodStream stream) {
    return impl_->isStream(stream) ? impl_->timeOf(stream) : 0;
}

bool FmodLibrary::FSOUND_IsPlaying(int channel) {
    return impl_->streamOn(channel) != 0;
}

bool FmodLibrary::FSOUND_GetPaused(int channel) {
    const FmodStream stream = impl_->streamOn(channel);
    return stream != 0 && impl_->audio.state(stream) == ChannelState::Paused;
}

bool FmodLibrary::FSOUND_SetPaused(int channel, bool paused) {
    const std::vector<ChannelHandle> reached = impl_->reached(channel, true);
    for (const ChannelHandle handle : reached)
        impl_->pauseOrResume(handle, paused);
    return channel == kFsoundAll || !reached.empty();
}

bool FmodLibrary::FSOUND_CD_SetPlayMode(int drive, int mode) {
    return drive == kCdDrive && mode == kFsoundCdPlayOnce;
}

bool FmodLibrary::FSOUND_CD_Play(int drive, int track) {
    {
        std::lock_guard lock(impl_->mutex);
        if (!impl_->initialised || drive != kCdDrive || impl_->cdDevice.empty() || track < 1)
            return false;
    }
    const ChannelHandle opened = impl_->audio.openCdTrack(impl_->cdDevice, track - 1);
    if (opened == 0)
        return false;
    ChannelHandle previous;
    int volume;
    {
        std::lock_guard lock(impl_->mutex);
        previous = std::exchange(impl_->cdChannel, opened);
        impl_->cdTrack = track;
        volume = impl_->cdVolume;
    }
    impl_->audio.free(previous);
    impl_->audio.setChannelVolume(opened, share(volume));
    return impl_->audio.play(opened, true);
}

bool FmodLibrary::FSOUND_CD_SetTrackTime(int drive, unsigned ms) {
    const ChannelHandle track = impl_->cd(drive);
    return track != 0 && impl_->setTime(track, ms);
}

unsigned FmodLibrary::FSOUND_CD_GetTrackTime(int drive) {
    const ChannelHandle track = impl_->cd(drive);
    return track != 0 ? static_cast<unsigned>(impl_->timeOf(track)) : 0;
}

int FmodLibrary::FSOUND_CD_GetTrack(int drive) {
    std::lock_guard lock(impl_->mutex);
    if (drive != kCdDrive || impl_->cdChannel == 0 || !sounding(impl_->audio.state(impl_->cdChannel)))
        return 0;
    return impl_->cdTrack;
}

bool FmodLibrary::FSOUND_CD_GetPaused(int drive) {
    const ChannelHandle track = impl_->cd(drive);
    return track != 0 && impl_->audio.state(track) == ChannelState::Paused;
}

bool FmodLibrary::FSOUND_CD_SetPaused(int drive, bool paused) {
    const ChannelHandle track = impl_->cd(drive);
    if (track == 0)
        return false;
    impl_->pauseOrResume(track, paused);
    return true;
}

bool FmodLibrary::FSOUND_CD_SetVolume(int drive, int volume) {
    ChannelHandle track;
    {
        std::lock_guard lock(impl_->mutex);
        if (drive != kCdDrive || !validVolume(volume))
            return false;
        impl_->cdVolume = volume;
        track = impl_->cdChannel;
    }
    impl_->audio.setChannelVolume(track, share(volume));
    return true;
}

bool FmodLibrary::FSOUND_CD_Stop(int drive) {
    ChannelHandle track;
    {
        std::lock_guard lock(impl_->mutex);
        if (drive != kCdDrive)
            return false;
        track = std::exchange(impl_->cdChannel, 0);
        impl_->cdTrack = 0;
    }
    impl_->audio.free(track);
    return true;
}

FmodDspUnit FmodLibrary::FSOUND_DSP_GetFFTUnit() {
    return kFftUnit;
}

bool FmodLibrary::FSOUND_DSP_SetActive(FmodDspUnit unit, bool active) {
    if (unit != kFftUnit)
        return false;
    std::lock_guard lock(impl_->mutex);
    impl_->fftActive = active;
    return true;
}

const float* FmodLibrary::FSOUND_DSP_GetSpectrum() {
    std::vector<ChannelHandle> sources = impl_->reached(kFsoundAll, true);
    bool active;
    {
        std::lock_guard lock(impl_->mutex);
        active = impl_->fftActive;
        sources.push_back(impl_->cdChannel);
    }
    auto& sum = impl_->spectrum;
    sum.fill(0.0f);
    if (!active)
        return sum.data();
    std::array<float, audio::kFftBins> bins{};
    for (const ChannelHandle source : sources) {
        if (impl_->audio.state(source) != ChannelState::Playing || !impl_->audio.fft(source, bins))
            continue;
        for (std::size_t i = 0; i < sum.size(); ++i)
            sum[i] += bins[i];
    }
    return sum.data();
}

} // namespace kavrel::fmod
