#pragma once
// A channel's equalizer filters, applied in the order they were added.
#include "platform/audio/audio_types.h"
#include "platform/audio/peaking_eq.h"

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace kavrel::audio {

class EqualizerChain {
public:
    explicit EqualizerChain(int sampleRate) : sampleRate_(sampleRate) {}

    void add(FilterHandle id, PeakingEqParams params);
    bool set(FilterHandle id, PeakingEqParams params);
    std::optional<PeakingEqParams> get(FilterHandle id) const;
    bool remove(FilterHandle id);

    // Filters interleaved stereo in place.
    void process(float* stereo, std::size_t frames);

private:
    PeakingEq* find(FilterHandle id);

    int sampleRate_;
    std::vector<std::pair<FilterHandle, PeakingEq>> filters_;
    std::vector<PeakingEq*> active_; // scratch: the filters that are not the identity for a block
};

} // namespace kavrel::audio
