#include "platform/audio/spectrum_window.h"

#include <kiss_fftr.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace kavrel::audio {

struct SpectrumWindow::Fft {
    Fft()
        : config(kiss_fftr_alloc(kFftWindow, 0, nullptr, nullptr)), input(kFftWindow), output(kFftBins + 1) {
        hann.resize(kFftWindow);
        for (int i = 0; i < kFftWindow; ++i)
            hann[static_cast<std::size_t>(i)] =
                static_cast<float>(0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * i / kFftWindow));
    }
    ~Fft() { kiss_fftr_free(config); }
    Fft(const Fft&) = delete;
    Fft& operator=(const Fft&) = delete;

    kiss_fftr_cfg config;
    std::vector<float> hann;
    std::vector<kiss_fft_scalar> input;
    std::vector<kiss_fft_cpx> output;
};

SpectrumWindow::SpectrumWindow() : fft_(std::make_unique<Fft>()) {}
SpectrumWindow::~SpectrumWindow() = default;

void SpectrumWindow::push(const float* stereo, std::size_t frames) {
    for (std::size_t i = 0; i < frames; ++i) {
        ring_[next_] = 0.5f * (stereo[2 * i] + stereo[2 * i + 1]);
        next_ = (next_ + 1) % kFftWindow;
    }
}

void SpectrumWindow::clear() {
    ring_.fill(0.0f);
    next_ = 0;
}

void SpectrumWindow::magnitudes(std::span<float, kFftBins> out) {
    for (std::size_t i = 0; i < kFftWindow; ++i)
        fft_->input[i] = ring_[(next_ + i) % kFftWindow] * fft_->hann[i];
    kiss_fftr(fft_->config, fft_->input.data(), fft_->output.data());
    constexpr float scale = 2.0f / kFftWindow;
    for (std::size_t k = 0; k < kFftBins; ++k)
        out[k] = std::hypot(fft_->output[k].r, fft_->output[k].i) * scale;
}

} // namespace kavrel::audio
