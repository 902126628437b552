#pragma once
// TSpectrum: the analyser the BASS engine feeds with FFT magnitudes. It keeps falling bars and peak marks
// per column, draws a frame into its own back picture and copies that to the target in one block.
// Main thread only.
#include "engine/pixel_buffer.h"

#include <array>
#include <cstdint>
#include <span>

namespace kavrel::engine {

class TSpectrum {
public:
    static constexpr int kColumns = 129;
    static constexpr int kFftValues = 512;

    TSpectrum(int width, int height);

    // One frame from the 512 magnitudes of a 1024-sample FFT; fewer values read as zero beyond their end.
    void Draw(PixelBuffer& target, std::span<const float> fft, int xOffset, int yOffset);

    PixelBuffer BackBitmap;
    PixelBuffer BackgroundBitmap;
    Colour BackColor = 0;
    std::int32_t MaxHeight = 100;
    Colour BarColor = 0xFFFFFF;
    Colour PeakColor = 0x00FFFF;
    std::int32_t DrawMode = 0; // 0 one-pixel lines, 1 bars
    std::int32_t BinStep = 1;
    bool ClearBack = true;
    bool UseBackground = false;
    std::int32_t PeakFall = 1;
    std::int32_t BarFall = 3;
    std::int32_t BarWidth = 5;
    bool ShowPeaks = true;
    std::array<std::int32_t, kColumns> PeakHeights{};
    std::array<std::int32_t, kColumns> BarHeights{};
};

} // namespace kavrel::engine
