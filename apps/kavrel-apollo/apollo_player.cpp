#include "apollo_player.h"

#include "engine/file_kind.h"

#include <algorithm>

namespace kavrel::apollo {

namespace {

constexpr std::array<float, kBands> kCentres = {32,   50,   80,   125,  200,  315,   500,   800,
                                                1250, 2000, 3150, 5000, 8000, 10000, 12500, 16000};
constexpr float kBandwidthSemitones = 8.0f;

} // namespace

ApolloPlayer::ApolloPlayer(audio::EngineOptions options, const CdReaderPlugin* plugin)
    : audio_(std::move(options)), plugin_(plugin) {}

ApolloPlayer::~ApolloPlayer() {
    std::lock_guard lock(mutex_);
    releaseLocked();
}

float ApolloPlayer::bandCentreHz(int band) {
    return kCentres.at(static_cast<std::size_t>(band));
}

audio::ChannelHandle ApolloPlayer::openChannel(const std::string& file, std::string* error) {
    if (const auto track = engine::cdTrackNumber(file)) {
        if (!plugin_) {
            *error = "CD tracks need the CD reader plug-in (Plug-ins/" + std::string(kCdPluginFile) + ").";
            return 0;
        }
        // A track's path is the CD source followed by "/TrackNN.cda".
        const std::string source = file.substr(0, file.find_last_of('/'));
        return audio_.openDecoder(plugin_->open(source, *track - 1, error));
    }
    return audio_.openFile(file, {}, error);
}

bool ApolloPlayer::open(const std::string& file, std::string* error) {
    std::lock_guard lock(mutex_);
    releaseLocked();
    const audio::ChannelHandle channel = openChannel(file, error);
    if (!channel)
        return false;
    channel_ = channel;
    fileName_ = file;
    for (int band = 0; band < kBands; ++band) {
        const auto index = static_cast<std::size_t>(band);
        filters_[index] = audio_.addEqualizer(channel, {kCentres[index], kBandwidthSemitones, gains_[index]});
    }
    audio_.play(channel, true);
    return true;
}

void ApolloPlayer::toggle() {
    std::lock_guard lock(mutex_);
    const audio::ChannelState state = audio_.state(channel_);
    if (state == audio::ChannelState::Playing)
        audio_.pause(channel_);
    else if (state == audio::ChannelState::Paused)
        audio_.play(channel_, false);
}

void ApolloPlayer::stop() {
    std::lock_guard lock(mutex_);
    audio_.stop(channel_);
    audio_.setPosition(channel_, 0);
}

void ApolloPlayer::release() {
    std::lock_guard lock(mutex_);
    releaseLocked();
}

void ApolloPlayer::releaseLocked() {
    if (channel_)
        audio_.free(channel_);
    channel_ = 0;
    filters_.fill(0);
    fileName_.clear();
}

void ApolloPlayer::setPosition(std::int64_t ms) {
    std::lock_guard lock(mutex_);
    if (const auto bytes =
            audio_.secondsToBytes(channel_, static_cast<double>(std::max<std::int64_t>(ms, 0)) / 1000))
        audio_.setPosition(channel_, *bytes);
}

std::int64_t ApolloPlayer::positionMs() const {
    std::lock_guard lock(mutex_);
    const auto bytes = audio_.position(channel_);
    const auto seconds = bytes ? audio_.bytesToSeconds(channel_, *bytes) : std::nullopt;
    return seconds ? static_cast<std::int64_t>(*seconds * 1000) : 0;
}

std::int64_t ApolloPlayer::lengthMs() const {
    std::lock_guard lock(mutex_);
    const auto bytes = audio_.length(channel_);
    const auto seconds = bytes ? audio_.bytesToSeconds(channel_, *bytes) : std::nullopt;
    return seconds ? static_cast<std::int64_t>(*seconds * 1000) : 0;
}

PlayerState ApolloPlayer::state() const {
    std::lock_guard lock(mutex_);
    switch (audio_.state(channel_)) {
    case audio::ChannelState::Playing:
        return kPlaying;
    case audio::ChannelState::Paused:
        return kPaused;
    case audio::ChannelState::Stopped:
        break;
    }
    return kStopped;
}

void ApolloPlayer::setVolume(std::int64_t value) {
    audio_.setVolume(
        static_cast<int>(std::clamp<std::int64_t>(value, 0, audio::kMaxVolume * engine::kApolloVolumeScale) /
                         engine::kApolloVolumeScale));
}

void ApolloPlayer::setBandGain(int band, float gainDb) {
    if (band < 0 || band >= kBands)
        return;
    std::lock_guard lock(mutex_);
    const auto index = static_cast<std::size_t>(band);
    gains_[index] = gainDb;
    if (filters_[index])
        audio_.setEqualizer(filters_[index], {kCentres[index], kBandwidthSemitones, gainDb});
}

bool ApolloPlayer::finishCapture(std::string* error) {
    std::lock_guard lock(mutex_);
    releaseLocked();
    return audio_.finishCapture(error);
}

std::string ApolloPlayer::fileName() const {
    std::lock_guard lock(mutex_);
    return fileName_;
}

} // namespace kavrel::apollo
