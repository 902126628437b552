#include "platform/audio/peaking_eq.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kavrel::audio {
namespace {

constexpr int kGlideSteps = 28; // 28 blocks of 32 frames: about 20 ms at 44100 Hz

float lerp(float from, float to, double t) {
    return static_cast<float>(from + (to - from) * t);
}

} // namespace

PeakingEqParams clampParams(PeakingEqParams params) {
    params.gainDb = std::clamp(std::isfinite(params.gainDb) ? params.gainDb : 0.0f, -15.0f, 15.0f);
    params.bandwidthSemitones =
        std::clamp(std::isfinite(params.bandwidthSemitones) ? params.bandwidthSemitones : 12.0f, 1.0f, 36.0f);
    params.centerHz = std::max(std::isfinite(params.centerHz) ? params.centerHz : 1000.0f, 20.0f);
    return params;
}

PeakingEq::PeakingEq(int sampleRate, PeakingEqParams params)
    : sampleRate_(sampleRate), current_(clampParams(params)), start_(current_), target_(current_),
      glideStep_(kGlideSteps) {
    design();
}

void PeakingEq::setParams(PeakingEqParams params) {
    start_ = current_;
    target_ = clampParams(params);
    glideStep_ = 0;
}

void PeakingEq::design() {
    const PeakingEqParams& params = current_;
    Biquad& c = biquad_;
    // A centre the source cannot hold would only distort its top band: leave the signal as it is.
    if (params.centerHz >= 0.48 * sampleRate_ || params.gainDb == 0.0f) {
        c.b0 = 1, c.b1 = c.b2 = c.a1 = c.a2 = 0;
        return;
    }
    const double amplitude = std::pow(10.0, params.gainDb / 40.0);
    const double omega = 2.0 * std::numbers::pi * params.centerHz / sampleRate_;
    const double sine = std::sin(omega);
    const double octaves = params.bandwidthSemitones / 12.0;
    const double alpha = sine * std::sinh(std::numbers::ln2 / 2.0 * octaves * omega / sine);
    const double a0 = 1.0 + alpha / amplitude;
    c.b0 = (1.0 + alpha * amplitude) / a0;
    c.b1 = -2.0 * std::cos(omega) / a0;
    c.b2 = (1.0 - alpha * amplitude) / a0;
    c.a1 = c.b1;
    c.a2 = (1.0 - alpha / amplitude) / a0;
}

bool PeakingEq::beginBlock() {
    if (glideStep_ < kGlideSteps) {
        ++glideStep_;
        const double t = static_cast<double>(glideStep_) / kGlideSteps;
        current_.gainDb = lerp(start_.gainDb, target_.gainDb, t);
        current_.bandwidthSemitones = lerp(start_.bandwidthSemitones, target_.bandwidthSemitones, t);
        // The centre glides evenly in pitch, not in hertz.
        current_.centerHz =
            static_cast<float>(start_.centerHz * std::pow(target_.centerHz / start_.centerHz, t));
        if (glideStep_ >= kGlideSteps)
            current_ = target_;
        design();
    }
    if (glideStep_ >= kGlideSteps && current_.gainDb == 0.0f) {
        // A settled 0 dB band is the identity and holds no history.
        biquad_.z1[0] = biquad_.z1[1] = biquad_.z2[0] = biquad_.z2[1] = 0.0;
        return false;
    }
    return true;
}

} // namespace kavrel::audio
