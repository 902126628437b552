#include "platform/audio/peaking_eq.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kavrel::audio {
namespace {

constexpr std::size_t kGlideBlock = 32; // frames between coefficient updates while gliding
constexpr int kGlideSteps = 28;         // 28 x 32 frames: about 20 ms at 44100 Hz

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
      glideStep_(kGlideSteps), coefficients_(design(current_)) {}

void PeakingEq::setParams(PeakingEqParams params) {
    start_ = current_;
    target_ = clampParams(params);
    glideStep_ = 0;
}

bool PeakingEq::transparent() const {
    return glideStep_ >= kGlideSteps && current_.gainDb == 0.0f;
}

PeakingEq::Coefficients PeakingEq::design(const PeakingEqParams& params) const {
    // A centre the source cannot hold would only distort its top band: leave the signal as it is.
    if (params.centerHz >= 0.48 * sampleRate_ || params.gainDb == 0.0f)
        return {};
    const double amplitude = std::pow(10.0, params.gainDb / 40.0);
    const double omega = 2.0 * std::numbers::pi * params.centerHz / sampleRate_;
    const double sine = std::sin(omega);
    const double octaves = params.bandwidthSemitones / 12.0;
    const double alpha = sine * std::sinh(std::numbers::ln2 / 2.0 * octaves * omega / sine);
    const double a0 = 1.0 + alpha / amplitude;
    Coefficients c;
    c.b0 = (1.0 + alpha * amplitude) / a0;
    c.b1 = -2.0 * std::cos(omega) / a0;
    c.b2 = (1.0 - alpha * amplitude) / a0;
    c.a1 = c.b1;
    c.a2 = (1.0 - alpha / amplitude) / a0;
    return c;
}

void PeakingEq::advanceGlide() {
    ++glideStep_;
    const double t = static_cast<double>(glideStep_) / kGlideSteps;
    current_.gainDb = lerp(start_.gainDb, target_.gainDb, t);
    current_.bandwidthSemitones = lerp(start_.bandwidthSemitones, target_.bandwidthSemitones, t);
    // The centre glides evenly in pitch, not in hertz.
    current_.centerHz = static_cast<float>(start_.centerHz * std::pow(target_.centerHz / start_.centerHz, t));
    if (glideStep_ >= kGlideSteps)
        current_ = target_;
    coefficients_ = design(current_);
}

void PeakingEq::process(float* stereo, std::size_t frames) {
    std::size_t done = 0;
    while (done < frames) {
        if (transparent()) {
            // A settled 0 dB band is the identity and holds no history.
            z1_[0] = z1_[1] = z2_[0] = z2_[1] = 0.0;
            return;
        }
        std::size_t count = frames - done;
        if (glideStep_ < kGlideSteps) {
            advanceGlide();
            count = std::min(count, kGlideBlock);
        }
        const Coefficients c = coefficients_;
        double l1 = z1_[0], l2 = z2_[0], r1 = z1_[1], r2 = z2_[1];
        float* sample = stereo + done * 2;
        for (std::size_t i = 0; i < count; ++i, sample += 2) {
            const double left = sample[0];
            const double right = sample[1];
            const double outLeft = c.b0 * left + l1;
            const double outRight = c.b0 * right + r1;
            l1 = c.b1 * left - c.a1 * outLeft + l2;
            r1 = c.b1 * right - c.a1 * outRight + r2;
            l2 = c.b2 * left - c.a2 * outLeft;
            r2 = c.b2 * right - c.a2 * outRight;
            sample[0] = static_cast<float>(outLeft);
            sample[1] = static_cast<float>(outRight);
        }
        z1_[0] = l1, z2_[0] = l2, z1_[1] = r1, z2_[1] = r2;
        done += count;
    }
}

} // namespace kavrel::audio
