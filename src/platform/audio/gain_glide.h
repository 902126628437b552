#pragma once
// Volume changes glide across one block instead of jumping, so moving a slider never clicks.
#include <cstddef>

namespace kavrel::audio {

// Scales `frames` interleaved stereo frames by a gain moving linearly from `from` to `to` (reached at the
// last frame).
inline void glideGain(float* stereo, std::size_t frames, float from, float to) {
    const float step = frames ? (to - from) / static_cast<float>(frames) : 0.0f;
    for (std::size_t i = 0; i < frames; ++i) {
        const float gain = from + step * static_cast<float>(i + 1);
        stereo[2 * i] *= gain;
        stereo[2 * i + 1] *= gain;
    }
}

} // namespace kavrel::audio
