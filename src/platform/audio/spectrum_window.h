#pragma once
// The latest kFftWindow mono samples of a channel and their FFT magnitudes.
#include "platform/audio/audio_types.h"

#include <array>
#include <cstddef>
#include <memory>
#include <span>

namespace kavrel::audio {

class SpectrumWindow {
public:
    SpectrumWindow();
    ~SpectrumWindow();
    SpectrumWindow(const SpectrumWindow&) = delete;
    SpectrumWindow& operator=(const SpectrumWindow&) = delete;

    // Appends interleaved stereo frames, mixed to mono.
    void push(const float* stereo, std::size_t frames);
    void clear();
    // Hann-windowed magnitudes, |X[k]| * 2 / kFftWindow, of the window in time order.
    void magnitudes(std::span<float, kFftBins> out);

private:
    struct Fft;
    std::array<float, kFftWindow> ring_{};
    std::size_t next_ = 0; // oldest sample, where the next one goes
    std::unique_ptr<Fft> fft_;
};

} // namespace kavrel::audio
