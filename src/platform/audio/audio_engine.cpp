#include "platform/audio/audio_core.h"

#include "platform/audio/capture_sink.h"
#include "platform/audio/cd_decoder.h"
#include "platform/audio/channel.h"
#include "platform/audio/clocked_sink.h"
#include "platform/audio/end_events.h"
#include "platform/audio/ffmpeg_decoder.h"
#include "platform/audio/gain_glide.h"
#include "platform/audio/module_decoder.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <vector>

namespace kavrel::audio {

struct AudioEngine::Impl {
    struct Entry {
        std::shared_ptr<Channel> channel;
        std::shared_ptr<const EndCallback> callback;
        bool autoFree = false;
    };
    struct Playing {
        ChannelHandle handle;
        std::shared_ptr<Channel> channel;
    };

    explicit Impl(const EngineOptions& options);

    std::shared_ptr<Channel> find(ChannelHandle handle) const;
    std::shared_ptr<Channel> filterChannel(FilterHandle filter) const;
    ChannelHandle add(std::unique_ptr<Decoder> decoder, ChannelOptions options);
    bool free(ChannelHandle handle);
    void deliverEnd(ChannelHandle handle);
    void render(float* stereo, std::size_t frames);
    bool anyPlaying() const;
    void openSink(const EngineOptions& options);

    mutable std::mutex mutex;
    std::map<ChannelHandle, Entry> channels;
    std::map<FilterHandle, ChannelHandle> filters;
    ChannelHandle nextChannel = 1;
    FilterHandle nextFilter = 1;
    std::atomic<int> volume{kMaxVolume};

    // Held by the sink thread through each block; free() waits on it, so a channel is never destroyed
    // on the sink thread (a CD channel's reader thread may take a while to stop).
    std::mutex renderPass;
    // Owned by the sink thread.
    float appliedGain = 1.0f;
    std::vector<Playing> playing;
    std::vector<float> scratch;

    EndEvents events{[this](ChannelHandle handle) { deliverEnd(handle); }};
    SinkKind activeSink = SinkKind::Null;
    CaptureSink* capture = nullptr;
    std::unique_ptr<Sink> sink; // last: stops rendering before anything it uses goes away
};

AudioEngine::Impl::Impl(const EngineOptions& options) {
    openSink(options);
}

void AudioEngine::Impl::openSink(const EngineOptions& options) {
    RenderFunction renderer = [this](float* stereo, std::size_t frames) { render(stereo, frames); };
    if (options.sink == SinkKind::Capture) {
        auto owned = std::make_unique<CaptureSink>(
            options.capture,
            CaptureSink::Hooks{renderer, [this] { return anyPlaying(); }, [this] { events.awaitIdle(); }});
        capture = owned.get();
        sink = std::move(owned);
        activeSink = SinkKind::Capture;
        return;
    }
    if (options.sink == SinkKind::Device) {
        sink = openDeviceSink(options.sampleRate, renderer, options.device);
        if (sink) {
            activeSink = SinkKind::Device;
            return;
        }
    }
    sink = std::make_unique<ClockedSink>(options.sampleRate, ClockedSink::Pacing::RealTime, renderer, nullptr,
                                         nullptr);
    activeSink = SinkKind::Null;
}

std::shared_ptr<Channel> AudioEngine::Impl::find(ChannelHandle handle) const {
    std::lock_guard lock(mutex);
    const auto entry = channels.find(handle);
    return entry == channels.end() ? nullptr : entry->second.channel;
}

std::shared_ptr<Channel> AudioEngine::Impl::filterChannel(FilterHandle filter) const {
    std::lock_guard lock(mutex);
    const auto found = filters.find(filter);
    return found == filters.end() ? nullptr : channels.at(found->second).channel;
}

ChannelHandle AudioEngine::Impl::add(std::unique_ptr<Decoder> decoder, ChannelOptions options) {
    if (!decoder)
        return 0;
    sink->trackStarting();
    auto channel = std::make_shared<Channel>(std::move(decoder), sink->rate());
    std::lock_guard lock(mutex);
    const ChannelHandle handle = nextChannel++;
    channels.emplace(handle, Entry{std::move(channel), nullptr, options.autoFree});
    return handle;
}

bool AudioEngine::Impl::free(ChannelHandle handle) {
    std::shared_ptr<Channel> released;
    {
        std::lock_guard lock(mutex);
        const auto entry = channels.find(handle);
        if (entry == channels.end())
            return false;
        released = std::move(entry->second.channel);
        channels.erase(entry);
        std::erase_if(filters, [handle](const auto& filter) { return filter.second == handle; });
    }
    released->stop();
    { std::lock_guard pass(renderPass); }
    events.awaitNotDelivering(handle);
    return true; // the last reference goes here, on the caller's thread
}

void AudioEngine::Impl::deliverEnd(ChannelHandle handle) {
    std::shared_ptr<const EndCallback> callback;
    bool autoFree = false;
    {
        std::lock_guard lock(mutex);
        const auto entry = channels.find(handle);
        if (entry == channels.end())
            return;
        callback = entry->second.callback;
        autoFree = entry->second.autoFree;
    }
    if (callback && *callback)
        (*callback)(handle);
    if (autoFree)
        free(handle);
}

bool AudioEngine::Impl::anyPlaying() const {
    std::lock_guard lock(mutex);
    return std::any_of(channels.begin(), channels.end(),
                       [](const auto& entry) { return entry.second.channel->playing(); });
}

void AudioEngine::Impl::render(float* stereo, std::size_t frames) {
    std::lock_guard pass(renderPass);
    {
        std::lock_guard lock(mutex);
        playing.clear();
        for (const auto& [handle, entry] : channels)
            if (entry.channel->playing())
                playing.push_back({handle, entry.channel});
    }
    std::fill(stereo, stereo + frames * 2, 0.0f);
    scratch.resize(frames * 2);
    for (const Playing& item : playing) {
        const Channel::Rendered rendered = item.channel->render(scratch.data(), frames);
        for (std::size_t i = 0; i < rendered.frames * 2; ++i)
            stereo[i] += scratch[i];
        if (rendered.ended)
            events.post(item.handle);
    }
    playing.clear();
    const float target = static_cast<float>(volume.load()) / kMaxVolume;
    glideGain(stereo, frames, appliedGain, target);
    appliedGain = target;
}

AudioEngine::AudioEngine(EngineOptions options) : impl_(std::make_unique<Impl>(options)) {}

AudioEngine::~AudioEngine() {
    impl_->sink.reset();
    impl_->capture = nullptr;
}

SinkKind AudioEngine::activeSink() const {
    return impl_->activeSink;
}

int AudioEngine::outputRate() const {
    return impl_->sink->rate();
}

Capture* AudioEngine::capture() {
    return impl_->capture;
}

bool AudioEngine::finishCapture(std::string* error) {
    return !impl_->capture || impl_->capture->finish(error);
}

ChannelHandle AudioEngine::openFile(const std::filesystem::path& file, ChannelOptions options,
                                    std::string* error) {
    return impl_->add(openFfmpegDecoder(file, error), options);
}

ChannelHandle AudioEngine::openModule(const std::filesystem::path& file, ChannelOptions options,
                                      std::string* error) {
    return impl_->add(openModuleDecoder(file, error), options);
}

ChannelHandle AudioEngine::openCdTrack(const std::string& source, int trackIndex, ChannelOptions options,
                                       std::string* error) {
    return impl_->add(openCdDecoder(source, trackIndex, error), options);
}

ChannelHandle AudioEngine::openDecoder(std::unique_ptr<Decoder> decoder, ChannelOptions options) {
    return impl_->add(std::move(decoder), options);
}

bool AudioEngine::free(ChannelHandle channel) {
    return impl_->free(channel);
}

std::optional<ChannelInfo> AudioEngine::info(ChannelHandle channel) const {
    const auto found = impl_->find(channel);
    return found ? std::optional(found->info()) : std::nullopt;
}

std::size_t AudioEngine::openChannels() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->channels.size();
}

bool AudioEngine::play(ChannelHandle channel, bool restart) {
    const auto found = impl_->find(channel);
    if (found)
        found->play(restart);
    return found != nullptr;
}

bool AudioEngine::pause(ChannelHandle channel) {
    const auto found = impl_->find(channel);
    return found && found->pause();
}

bool AudioEngine::stop(ChannelHandle channel) {
    bool autoFree = false;
    std::shared_ptr<Channel> found;
    {
        std::lock_guard lock(impl_->mutex);
        const auto entry = impl_->channels.find(channel);
        if (entry == impl_->channels.end())
            return false;
        found = entry->second.channel;
        autoFree = entry->second.autoFree;
    }
    found->stop();
    if (autoFree)
        impl_->free(channel);
    return true;
}

ChannelState AudioEngine::state(ChannelHandle channel) const {
    const auto found = impl_->find(channel);
    return found ? found->state() : ChannelState::Stopped;
}

std::optional<std::int64_t> AudioEngine::length(ChannelHandle channel) const {
    const auto found = impl_->find(channel);
    if (!found)
        return std::nullopt;
    const std::optional<std::int64_t> frames = found->lengthFrames();
    return frames ? std::optional(*frames * found->info().bytesPerFrame()) : std::nullopt;
}

std::optional<std::int64_t> AudioEngine::position(ChannelHandle channel) const {
    const auto found = impl_->find(channel);
    return found ? std::optional(found->positionFrames() * found->info().bytesPerFrame()) : std::nullopt;
}

bool AudioEngine::setPosition(ChannelHandle channel, std::int64_t bytes) {
    const auto found = impl_->find(channel);
    if (!found || bytes < 0)
        return false;
    found->seek(bytes / found->info().bytesPerFrame());
    return true;
}

std::optional<double> AudioEngine::bytesToSeconds(ChannelHandle channel, std::int64_t bytes) const {
    const auto found = impl_->find(channel);
    if (!found || bytes < 0)
        return std::nullopt;
    const ChannelInfo& info = found->info();
    return static_cast<double>(bytes / info.bytesPerFrame()) / info.frequency;
}

std::optional<std::int64_t> AudioEngine::secondsToBytes(ChannelHandle channel, double seconds) const {
    const auto found = impl_->find(channel);
    if (!found || !(seconds >= 0) || !std::isfinite(seconds))
        return std::nullopt;
    const ChannelInfo& info = found->info();
    // A hair of tolerance so that a whole number of frames expressed in seconds does not lose a frame.
    const auto frames = static_cast<std::int64_t>(std::floor(seconds * info.frequency + 1e-6));
    return frames * info.bytesPerFrame();
}

bool AudioEngine::setEndCallback(ChannelHandle channel, EndCallback callback) {
    {
        std::lock_guard lock(impl_->mutex);
        const auto entry = impl_->channels.find(channel);
        if (entry == impl_->channels.end())
            return false;
        entry->second.callback = std::make_shared<const EndCallback>(std::move(callback));
    }
    impl_->events.awaitNotDelivering(channel);
    return true;
}

FilterHandle AudioEngine::addEqualizer(ChannelHandle channel, PeakingEqParams params) {
    std::lock_guard lock(impl_->mutex);
    const auto entry = impl_->channels.find(channel);
    if (entry == impl_->channels.end())
        return 0;
    const FilterHandle filter = impl_->nextFilter++;
    entry->second.channel->addFilter(filter, params);
    impl_->filters.emplace(filter, channel);
    return filter;
}

bool AudioEngine::setEqualizer(FilterHandle filter, PeakingEqParams params) {
    const auto channel = impl_->filterChannel(filter);
    return channel && channel->setFilter(filter, params);
}

std::optional<PeakingEqParams> AudioEngine::equalizer(FilterHandle filter) const {
    const auto channel = impl_->filterChannel(filter);
    return channel ? channel->filter(filter) : std::nullopt;
}

bool AudioEngine::removeEqualizer(FilterHandle filter) {
    const auto channel = impl_->filterChannel(filter);
    if (!channel)
        return false;
    {
        std::lock_guard lock(impl_->mutex);
        impl_->filters.erase(filter);
    }
    return channel->removeFilter(filter);
}

void AudioEngine::setVolume(int volume) {
    impl_->volume = std::clamp(volume, 0, kMaxVolume);
}

int AudioEngine::volume() const {
    return impl_->volume;
}

bool AudioEngine::setChannelVolume(ChannelHandle channel, float volume) {
    const auto found = impl_->find(channel);
    if (!found || std::isnan(volume))
        return false;
    found->setGain(std::clamp(volume, 0.0f, 1.0f));
    return true;
}

std::optional<float> AudioEngine::channelVolume(ChannelHandle channel) const {
    const auto found = impl_->find(channel);
    return found ? std::optional(found->gain()) : std::nullopt;
}

std::optional<std::string> AudioEngine::moduleFormat(ChannelHandle channel) const {
    const auto found = impl_->find(channel);
    return found ? found->moduleFormat() : std::nullopt;
}

bool AudioEngine::setStereoSeparation(ChannelHandle channel, double separation) {
    const auto found = impl_->find(channel);
    return found && found->setStereoSeparation(separation);
}

bool AudioEngine::fft(ChannelHandle channel, std::span<float, kFftBins> magnitudes) const {
    const auto found = impl_->find(channel);
    if (found)
        found->spectrum(magnitudes);
    return found != nullptr;
}

} // namespace kavrel::audio
