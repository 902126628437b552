#pragma once
// A stereo peaking-equalizer biquad whose parameters glide to new values instead of jumping, so a
// gain moved while playing does not click.
#include "platform/audio/audio_types.h"

#include <cstddef>

namespace kavrel::audio {

class PeakingEq {
public:
    PeakingEq(int sampleRate, PeakingEqParams params);

    // The clamped parameters the filter glides to; the glide takes about 20 ms.
    void setParams(PeakingEqParams params);
    PeakingEqParams params() const { return target_; }

    // Filters interleaved stereo in place.
    void process(float* stereo, std::size_t frames);

private:
    struct Coefficients {
        double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    };
    Coefficients design(const PeakingEqParams& params) const;
    void advanceGlide();
    bool transparent() const;

    int sampleRate_;
    PeakingEqParams current_;
    PeakingEqParams start_;
    PeakingEqParams target_;
    int glideStep_ = 0; // sub-blocks done of the glide; kGlideSteps when settled
    Coefficients coefficients_;
    double z1_[2] = {0, 0};
    double z2_[2] = {0, 0};
};

// The parameters as the filter uses them: gain -15..+15 dB, bandwidth 1..36 semitones, centre >= 20 Hz.
PeakingEqParams clampParams(PeakingEqParams params);

} // namespace kavrel::audio
