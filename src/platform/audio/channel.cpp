#include "platform/audio/channel.h"

#include "platform/audio/gain_glide.h"

#include <algorithm>

namespace kavrel::audio {
namespace {

constexpr std::int64_t kChunkFrames = 1024;

} // namespace

Channel::Channel(std::unique_ptr<Decoder> decoder, int sinkRate)
    : decoder_(std::move(decoder)), info_(decoder_->info()), sinkRate_(sinkRate), equalizer_(info_.frequency),
      converter_(info_.frequency, sinkRate), chunk_(kChunkFrames * 2) {}

void Channel::play(bool restart) {
    std::lock_guard lock(mutex_);
    if (restart || atEnd_)
        seekLocked(0);
    // Only a change while it plays glides; a start begins at the volume already set.
    if (state_ != ChannelState::Paused)
        appliedGain_ = gain_;
    state_ = ChannelState::Playing;
}

bool Channel::pause() {
    std::lock_guard lock(mutex_);
    if (state_ != ChannelState::Playing)
        return false;
    state_ = ChannelState::Paused;
    return true;
}

void Channel::stop() {
    std::lock_guard lock(mutex_);
    state_ = ChannelState::Stopped;
}

std::optional<std::int64_t> Channel::lengthFrames() const {
    std::lock_guard lock(mutex_);
    return decoder_->lengthFrames();
}

std::int64_t Channel::positionFrames() const {
    std::lock_guard lock(mutex_);
    if (atEnd_)
        return base_ + decoded_;
    // Sink frames back to source frames; never ahead of what was decoded.
    const std::int64_t played = delivered_ * info_.frequency / sinkRate_;
    return base_ + std::min(played, decoded_);
}

void Channel::seek(std::int64_t frame) {
    std::lock_guard lock(mutex_);
    seekLocked(frame);
}

void Channel::seekLocked(std::int64_t frame) {
    const std::optional<std::int64_t> length = decoder_->lengthFrames();
    frame = std::max<std::int64_t>(frame, 0);
    if (length)
        frame = std::min(frame, *length);
    decoder_->seek(frame);
    converter_.reset();
    base_ = frame;
    decoded_ = 0;
    delivered_ = 0;
    sourceEnded_ = false;
    atEnd_ = false;
}

void Channel::addFilter(FilterHandle id, PeakingEqParams params) {
    std::lock_guard lock(mutex_);
    equalizer_.add(id, params);
}

bool Channel::setFilter(FilterHandle id, PeakingEqParams params) {
    std::lock_guard lock(mutex_);
    return equalizer_.set(id, params);
}

std::optional<PeakingEqParams> Channel::filter(FilterHandle id) const {
    std::lock_guard lock(mutex_);
    return equalizer_.get(id);
}

bool Channel::removeFilter(FilterHandle id) {
    std::lock_guard lock(mutex_);
    return equalizer_.remove(id);
}

void Channel::spectrum(std::span<float, kFftBins> out) {
    std::lock_guard lock(mutex_);
    spectrum_.magnitudes(out);
}

std::optional<std::string> Channel::moduleFormat() const {
    std::lock_guard lock(mutex_);
    return decoder_->moduleFormat();
}

bool Channel::setStereoSeparation(double separation) {
    std::lock_guard lock(mutex_);
    return decoder_->setStereoSeparation(separation);
}

void Channel::applyGain(float* stereo, std::size_t frames) {
    const float target = gain_.load();
    if (target == 1.0f && appliedGain_ == 1.0f)
        return;
    glideGain(stereo, frames, appliedGain_, target);
    appliedGain_ = target;
}

bool Channel::decodeChunk() {
    const std::int64_t got = decoder_->read(chunk_.data(), kChunkFrames);
    if (got <= 0) {
        converter_.drain();
        return false;
    }
    const auto frames = static_cast<std::size_t>(got);
    equalizer_.process(chunk_.data(), frames);
    spectrum_.push(chunk_.data(), frames);
    converter_.push(chunk_.data(), frames);
    decoded_ += got;
    return true;
}

Channel::Rendered Channel::render(float* stereo, std::size_t frames) {
    std::lock_guard lock(mutex_);
    Rendered result;
    if (state_ != ChannelState::Playing)
        return result;
    while (converter_.ready() < frames && !sourceEnded_)
        sourceEnded_ = !decodeChunk();
    result.frames = converter_.pull(stereo, frames);
    applyGain(stereo, result.frames);
    delivered_ += static_cast<std::int64_t>(result.frames);
    if (sourceEnded_ && converter_.ready() == 0) {
        result.ended = true;
        atEnd_ = true;
        state_ = ChannelState::Stopped;
    }
    return result;
}

} // namespace kavrel::audio
