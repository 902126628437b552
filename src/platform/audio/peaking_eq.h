#pragma once
// One peaking-equalizer biquad on a stereo signal. Its parameters glide to new values over about 20 ms
// instead of jumping, so a gain moved while playing does not click.
#include "platform/audio/audio_types.h"

#include <cstddef>

namespace kavrel::audio {

class PeakingEq {
public:
    // Frames between coefficient updates while gliding: the unit of work of beginBlock().
    static constexpr std::size_t kBlockFrames = 32;

    PeakingEq(int sampleRate, PeakingEqParams params);

    // The clamped parameters the filter glides to.
    void setParams(PeakingEqParams params);
    PeakingEqParams params() const { return target_; }

    // Before each block of at most kBlockFrames: moves the glide on; false when the filter is the
    // identity for the block (and need not run).
    bool beginBlock();

    // The filter's coefficients and history, for running several filters in one loop. Transposed
    // direct form II, in double precision so that the low bands stay quiet.
    struct Biquad {
        double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
        double z1[2] = {0, 0}; // left, right
        double z2[2] = {0, 0};
    };
    Biquad& biquad() { return biquad_; }

private:
    void design();

    int sampleRate_;
    PeakingEqParams current_;
    PeakingEqParams start_;
    PeakingEqParams target_;
    int glideStep_; // blocks done of the glide; the glide's length when settled
    Biquad biquad_;
};

// The parameters as the filter uses them: gain -15..+15 dB, bandwidth 1..36 semitones, centre >= 20 Hz.
PeakingEqParams clampParams(PeakingEqParams params);

} // namespace kavrel::audio
