#include "platform/audio/rate_converter.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/samplefmt.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <cstring>

namespace kavrel::audio {

void RateConverter::SwrFreer::operator()(SwrContext* context) const {
    swr_free(&context);
}

RateConverter::RateConverter(int inputRate, int outputRate) : inputRate_(inputRate), outputRate_(outputRate) {
    start();
}

RateConverter::~RateConverter() = default;

void RateConverter::start() {
    swr_.reset();
    if (inputRate_ == outputRate_)
        return;
    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    SwrContext* raw = nullptr;
    if (swr_alloc_set_opts2(&raw, &stereo, AV_SAMPLE_FMT_FLT, outputRate_, &stereo, AV_SAMPLE_FMT_FLT,
                            inputRate_, 0, nullptr) < 0 ||
        swr_init(raw) < 0) {
        swr_free(&raw);
        return; // without a converter the channel plays at the wrong speed rather than not at all
    }
    swr_.reset(raw);
}

void RateConverter::append(const float* input, std::size_t frames) {
    if (readOffset_ > 0 && readOffset_ * 2 >= ready_.size()) {
        ready_.erase(ready_.begin(), ready_.begin() + static_cast<std::ptrdiff_t>(readOffset_));
        readOffset_ = 0;
    }
    if (!swr_) {
        if (input)
            ready_.insert(ready_.end(), input, input + frames * 2);
        return;
    }
    const int capacity = swr_get_out_samples(swr_.get(), static_cast<int>(frames));
    if (capacity <= 0)
        return;
    const std::size_t old = ready_.size();
    ready_.resize(old + static_cast<std::size_t>(capacity) * 2);
    auto* out = reinterpret_cast<uint8_t*>(ready_.data() + old);
    const auto* in = reinterpret_cast<const uint8_t*>(input);
    const int produced =
        swr_convert(swr_.get(), &out, capacity, input ? &in : nullptr, static_cast<int>(frames));
    ready_.resize(old + static_cast<std::size_t>(std::max(produced, 0)) * 2);
}

void RateConverter::push(const float* stereo, std::size_t frames) {
    append(stereo, frames);
}

void RateConverter::drain() {
    append(nullptr, 0);
}

std::size_t RateConverter::pull(float* stereo, std::size_t frames) {
    const std::size_t count = std::min(frames, ready());
    if (count == 0)
        return 0; // ready_ may be empty, with no storage to copy from
    std::memcpy(stereo, ready_.data() + readOffset_, count * 2 * sizeof(float));
    readOffset_ += count * 2;
    return count;
}

void RateConverter::reset() {
    ready_.clear();
    readOffset_ = 0;
    start();
}

} // namespace kavrel::audio
