#include "engine/spectrum.h"

#include <gtest/gtest.h>

#include <vector>

namespace kavrel::engine {
namespace {

// The analyser as the BASS engine sets it up for a 288 x 17 box.
TSpectrum engineSpectrum(int height = 17) {
    TSpectrum spectrum(288, height);
    spectrum.DrawMode = 1;
    spectrum.BarWidth = 3;
    spectrum.MaxHeight = height - 2;
    spectrum.BarFall = 2;
    spectrum.PeakFall = 1;
    return spectrum;
}

std::vector<float> withBin(int bin, float value) {
    std::vector<float> fft(TSpectrum::kFftValues, 0.0f);
    fft[static_cast<std::size_t>(bin)] = value;
    return fft;
}

TEST(TSpectrum, BarsAndPeaksSinkOnSilentFramesUntilZero) {
    TSpectrum spectrum = engineSpectrum(100);
    PixelBuffer box(288, 100);
    spectrum.Draw(box, withBin(5, 0.0205f), 1, 1); // column 0 at 10 pixels
    ASSERT_EQ(spectrum.BarHeights[0], 10);
    ASSERT_EQ(spectrum.PeakHeights[0], 10);
    const std::vector<float> silence(TSpectrum::kFftValues, 0.0f);
    const int expected[][2] = {{8, 9}, {6, 8}, {4, 7}, {2, 6}, {0, 5}, {0, 4},
                               {0, 3}, {0, 2}, {0, 1}, {0, 0}, {0, 0}};
    for (const auto& [bar, peak] : expected) {
        spectrum.Draw(box, silence, 1, 1);
        EXPECT_EQ(spectrum.BarHeights[0], bar);
        EXPECT_EQ(spectrum.PeakHeights[0], peak);
    }
}

TEST(TSpectrum, ValuesScaleByFiveHundredUpToTheMaximumHeight) {
    TSpectrum tall(288, 400);
    PixelBuffer box(288, 400);
    tall.MaxHeight = 398;
    tall.Draw(box, withBin(6, 0.5f), 1, 1);
    EXPECT_EQ(tall.BarHeights[1], 250);
    EXPECT_EQ(tall.BarHeights[0], 0) << "bin 5 is silent";

    TSpectrum small = engineSpectrum();
    small.Draw(box, withBin(6, -0.5f), 1, 1);
    EXPECT_EQ(small.BarHeights[1], 15) << "capped at MaxHeight; magnitudes count by absolute value";
}

TEST(TSpectrum, BarModeDrawsABarWithItsPeakMarkAndCopiesTheFrame) {
    TSpectrum spectrum = engineSpectrum();
    PixelBuffer box(288, 17, 0xABCDEF);
    spectrum.Draw(box, withBin(7, 0.0205f), 1, 1); // column 2: 10 pixels
    spectrum.Draw(box, withBin(7, 0.0f), 1, 1);    // bar 8, peak 9
    const int left = 4 * 2 + 1;
    const int bottom = 17 + 1;
    EXPECT_EQ(box.pixel(left, bottom - 9), spectrum.PeakColor);
    EXPECT_EQ(box.pixel(left + 2, bottom - 9), spectrum.PeakColor);
    EXPECT_EQ(box.pixel(left + 3, bottom - 9), 0u) << "bars are BarWidth wide, one pixel apart";
    EXPECT_EQ(box.pixel(left, bottom - 8), spectrum.BarColor);
    EXPECT_EQ(box.pixel(left + 2, 16), spectrum.BarColor);
    EXPECT_EQ(box.pixel(left, bottom - 10), 0u);
    EXPECT_EQ(box.pixel(0, 0), 0u) << "the back picture replaced the box's old content";
}

TEST(TSpectrum, LineModeDrawsOnePixelColumnsAndPeakDotsInTheBarColour) {
    TSpectrum spectrum(140, 50);
    PixelBuffer box(140, 50);
    spectrum.Draw(box, withBin(5 + 4, 0.0205f), 0, 0); // column 4: 10 pixels
    for (int y = 41; y < 50; ++y)
        EXPECT_EQ(box.pixel(4, y), spectrum.BarColor) << y;
    EXPECT_EQ(box.pixel(4, 40), spectrum.BarColor) << "the peak dot";
    EXPECT_EQ(box.pixel(4, 39), 0u);
    EXPECT_EQ(box.pixel(5, 49), 0u);
}

TEST(TSpectrum, WideBinStepsAndShortInputReadNothingPastTheData) {
    TSpectrum spectrum = engineSpectrum();
    PixelBuffer box(288, 17);
    spectrum.BinStep = 4;
    std::vector<float> loud(TSpectrum::kFftValues, 1.0f);
    spectrum.Draw(box, loud, 1, 1);
    EXPECT_EQ(spectrum.BarHeights[126], 15) << "bin 509";
    EXPECT_EQ(spectrum.BarHeights[127], 0) << "bin 513 lies past the FFT and reads as zero";
    EXPECT_EQ(spectrum.BarHeights[128], 0);
    const std::vector<float> shortInput(10, 1.0f);
    spectrum.Draw(box, shortInput, 1, 1);
    EXPECT_EQ(spectrum.BarHeights[0], 15);
    EXPECT_EQ(spectrum.BarHeights[126], 13) << "values past the input read as zero and the bar sinks";
}

} // namespace
} // namespace kavrel::engine
