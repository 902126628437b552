#include "platform/audio/equalizer_chain.h"

#include <algorithm>
#include <array>

namespace kavrel::audio {
namespace {

// Runs N filters in cascade over a block, frame by frame, with their state in locals. Each band's
// recurrence waits only on its own last output, so the processor overlaps the N bands; one band at a
// time would wait on every multiply.
template <std::size_t N> void runCascade(PeakingEq* const* filters, float* stereo, std::size_t frames) {
    std::array<PeakingEq::Biquad, N> q;
    for (std::size_t k = 0; k < N; ++k)
        q[k] = filters[k]->biquad();
    for (std::size_t i = 0; i < frames; ++i, stereo += 2) {
        double x[2] = {stereo[0], stereo[1]};
        for (std::size_t k = 0; k < N; ++k)
            for (int c = 0; c < 2; ++c) {
                const double y = q[k].b0 * x[c] + q[k].z1[c];
                q[k].z1[c] = q[k].b1 * x[c] - q[k].a1 * y + q[k].z2[c];
                q[k].z2[c] = q[k].b2 * x[c] - q[k].a2 * y;
                x[c] = y;
            }
        stereo[0] = static_cast<float>(x[0]);
        stereo[1] = static_cast<float>(x[1]);
    }
    for (std::size_t k = 0; k < N; ++k)
        filters[k]->biquad() = q[k];
}

} // namespace

void EqualizerChain::add(FilterHandle id, PeakingEqParams params) {
    filters_.emplace_back(id, PeakingEq(sampleRate_, params));
    active_.reserve(filters_.size());
}

PeakingEq* EqualizerChain::find(FilterHandle id) {
    const auto found =
        std::find_if(filters_.begin(), filters_.end(), [id](const auto& f) { return f.first == id; });
    return found == filters_.end() ? nullptr : &found->second;
}

bool EqualizerChain::set(FilterHandle id, PeakingEqParams params) {
    PeakingEq* filter = find(id);
    if (filter)
        filter->setParams(params);
    return filter != nullptr;
}

std::optional<PeakingEqParams> EqualizerChain::get(FilterHandle id) const {
    for (const auto& [handle, filter] : filters_)
        if (handle == id)
            return filter.params();
    return std::nullopt;
}

bool EqualizerChain::remove(FilterHandle id) {
    return std::erase_if(filters_, [id](const auto& f) { return f.first == id; }) > 0;
}

void EqualizerChain::process(float* stereo, std::size_t frames) {
    for (std::size_t done = 0; done < frames; done += PeakingEq::kBlockFrames) {
        const std::size_t count = std::min(PeakingEq::kBlockFrames, frames - done);
        active_.clear();
        for (auto& entry : filters_)
            if (entry.second.beginBlock())
                active_.push_back(&entry.second);
        if (active_.empty())
            continue;
        float* block = stereo + done * 2;
        std::size_t k = 0;
        for (; k + 4 <= active_.size(); k += 4)
            runCascade<4>(&active_[k], block, count);
        for (; k < active_.size(); ++k)
            runCascade<1>(&active_[k], block, count);
    }
}

} // namespace kavrel::audio
