#include "platform/audio/capture_sink.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace kavrel::audio {
namespace {

constexpr std::int64_t kManualBlockFrames = 441;

} // namespace

CaptureSink::CaptureSink(const CaptureOptions& options, Hooks hooks)
    : rate_(options.sampleRate > 0 ? options.sampleRate : 44100),
      manual_(options.pacing == CapturePacing::Manual), keepInMemory_(options.keepInMemory),
      hooks_(std::move(hooks)) {
    if (options.wavFile) {
        try {
            wav_ = std::make_unique<WavWriter>(*options.wavFile, rate_);
        } catch (const std::runtime_error& failure) {
            wavError_ = failure.what(); // reported by finish(); the capture itself goes on
        }
    }
    if (!manual_) {
        const auto pacing = options.pacing == CapturePacing::RealTime ? ClockedSink::Pacing::RealTime
                                                                      : ClockedSink::Pacing::AsFastAsPossible;
        clock_ = std::make_unique<ClockedSink>(
            rate_, pacing, hooks_.render,
            [this](const float* stereo, std::size_t frames) { record(stereo, frames); }, hooks_.active);
    }
}

CaptureSink::~CaptureSink() {
    clock_.reset();
}

bool CaptureSink::advanceFrames(std::int64_t frames) {
    if (!manual_)
        return false;
    {
        std::lock_guard lock(renderMutex_);
        std::vector<float> block(static_cast<std::size_t>(kManualBlockFrames) * 2);
        for (std::int64_t done = 0; done < frames;) {
            const auto count = static_cast<std::size_t>(std::min(kManualBlockFrames, frames - done));
            hooks_.render(block.data(), count);
            record(block.data(), count);
            done += static_cast<std::int64_t>(count);
        }
    }
    hooks_.awaitCallbacks();
    return true;
}

bool CaptureSink::advance(std::chrono::milliseconds duration) {
    return advanceFrames(std::llround(static_cast<double>(duration.count()) * rate_ / 1000.0));
}

std::int64_t CaptureSink::framesConsumed() const {
    std::lock_guard lock(recordMutex_);
    return consumed_;
}

std::vector<float> CaptureSink::samples() const {
    std::lock_guard lock(recordMutex_);
    return samples_;
}

void CaptureSink::clearSamples() {
    std::lock_guard lock(recordMutex_);
    samples_.clear();
}

void CaptureSink::record(const float* stereo, std::size_t frames) {
    std::lock_guard lock(recordMutex_);
    consumed_ += static_cast<std::int64_t>(frames);
    if (finished_)
        return;
    if (keepInMemory_) {
        const std::size_t old = samples_.size();
        samples_.resize(old + frames * 2);
        std::transform(stereo, stereo + frames * 2, samples_.begin() + static_cast<std::ptrdiff_t>(old),
                       [](float value) { return std::clamp(value, -1.0f, 1.0f); });
    }
    if (wav_)
        wav_->write(stereo, frames);
}

bool CaptureSink::finish(std::string* error) {
    std::lock_guard lock(recordMutex_);
    finished_ = true;
    if (!wavError_.empty()) {
        if (error)
            *error = wavError_;
        return false;
    }
    return !wav_ || wav_->finish(error);
}

} // namespace kavrel::audio
