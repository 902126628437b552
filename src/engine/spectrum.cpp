#include "engine/spectrum.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace kavrel::engine {

namespace {

// Bins below this carry the DC offset and rumble; they are never shown.
constexpr int kFirstShownBin = 5;
constexpr double kPixelsPerUnit = 500.0;

std::int32_t follow(std::int32_t current, std::int32_t value, std::int32_t fall) {
    if (value >= current)
        return value;
    return std::max(current - fall, 0);
}

} // namespace

TSpectrum::TSpectrum(int width, int height) : BackBitmap(width, height), BackgroundBitmap(width, height) {}

void TSpectrum::Draw(PixelBuffer& target, std::span<const float> fft, int xOffset, int yOffset) {
    // A zero-padded copy: the column loop may ask for one bin past the 512 an FFT gives.
    std::array<float, kFftValues + 1> bins{};
    std::copy_n(fft.begin(), std::min<std::size_t>(fft.size(), kFftValues), bins.begin());

    if (ClearBack) {
        BackBitmap.fill(BackColor);
        if (UseBackground)
            BackBitmap.copyFrom(BackgroundBitmap, 0, 0);
    }

    const int bottom = BackBitmap.height() + yOffset;
    for (int i = 0; i < kColumns; ++i) {
        const long long bin = kFirstShownBin + static_cast<long long>(i) * BinStep;
        const float magnitude = (bin >= 0 && bin < static_cast<long long>(bins.size()))
                                    ? bins[static_cast<std::size_t>(bin)]
                                    : 0.0f;
        double scaled = std::fabs(static_cast<double>(magnitude)) * kPixelsPerUnit;
        if (std::isnan(scaled))
            scaled = 0.0;
        const auto value = static_cast<std::int32_t>(std::min(scaled, static_cast<double>(MaxHeight)));
        PeakHeights[i] = follow(PeakHeights[i], value, PeakFall);
        BarHeights[i] = follow(BarHeights[i], value, BarFall);

        if (DrawMode == 0) {
            const int x = xOffset + i;
            BackBitmap.verticalLine(x, bottom, bottom - BarHeights[i], BarColor);
            if (ShowPeaks)
                BackBitmap.setPixel(x, bottom - PeakHeights[i], BarColor);
        } else {
            const int left = (BarWidth + 1) * i + xOffset;
            if (ShowPeaks)
                BackBitmap.horizontalLine(left, left + BarWidth, bottom - PeakHeights[i], PeakColor);
            BackBitmap.fillRect(left, bottom - BarHeights[i], left + BarWidth, bottom, BarColor);
        }
    }
    target.copyFrom(BackBitmap, 0, 0);
}

} // namespace kavrel::engine
