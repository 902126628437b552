#include "engine/mini_spectrum.h"

#include <algorithm>
#include <cmath>

namespace kavrel::engine {

namespace {

constexpr Colour kTextColour = 0xFFFFFF;
constexpr int kBinsPerLevel = fmod::kFsoundSpectrumValues / TMiniSpectrum::kLevels;

Colour rgb(int red, int green, int blue) {
    return static_cast<Colour>(red) | static_cast<Colour>(green) << 8 | static_cast<Colour>(blue) << 16;
}

// Rows from red at the top through orange to yellow at the bottom, each three pixels wide with a dark
// fourth column that keeps the bars of style 1 apart.
PixelBuffer makeBarStrip() {
    PixelBuffer strip(TMiniSpectrum::kStripWidth, TMiniSpectrum::kStripHeight);
    int red = 255;
    int green = 0;
    for (int step = 0; step < 32; ++step) {
        if (step < TMiniSpectrum::kStripHeight)
            strip.fillRect(0, step, TMiniSpectrum::kStripWidth - 1, step + 1, rgb(red, green, 0));
        if (step < 16)
            green = std::min(green + 16, 255);
        else
            red = std::max(red - 16, 0);
    }
    return strip;
}

} // namespace

TMiniSpectrum::TMiniSpectrum(fmod::FmodLibrary& library)
    : BarStrip(makeBarStrip()), DrawBitmap(kDefaultWidth, kDefaultHeight), library_(library) {}

void TMiniSpectrum::Paint(PixelBuffer& target, SpectrumText& text) {
    DrawBitmap.fill(Color);
    if (enabled_) {
        readLevels();
        if (style_ == 0)
            drawColumns();
        else
            drawBars();
    } else {
        text.DrawCentred(DrawBitmap, kDisabledText, kTextColour);
    }
    target.copyFrom(DrawBitmap, 0, 0);
}

void TMiniSpectrum::SetEnabled(bool enabled) {
    enabled_ = enabled;
    library_.FSOUND_DSP_SetActive(library_.FSOUND_DSP_GetFFTUnit(), enabled);
    Invalidate();
}

void TMiniSpectrum::SetStyle(std::uint8_t style) {
    if (style == style_)
        return;
    style_ = style;
    Levels.fill(0.0f);
    Invalidate();
}

void TMiniSpectrum::Resize(int width, int height) {
    DrawBitmap = PixelBuffer(width, height);
    Invalidate();
}

void TMiniSpectrum::Invalidate() {
    if (invalidate_)
        invalidate_();
}

void TMiniSpectrum::readLevels() {
    const float* spectrum = library_.FSOUND_DSP_GetSpectrum();
    for (int i = 0; i < kLevels; ++i) {
        float loudest = 0.0f;
        for (int bin = i * kBinsPerLevel; bin < (i + 1) * kBinsPerLevel; ++bin)
            if (spectrum[bin] > loudest) // a NaN never wins
                loudest = spectrum[bin];
        Levels[static_cast<std::size_t>(i)] = std::min(loudest * Scale, 1.0f);
    }
}

int TMiniSpectrum::topFor(float level) const {
    const int height = DrawBitmap.height();
    return height - static_cast<int>(level * static_cast<float>(height));
}

void TMiniSpectrum::drawColumns() {
    const int shown = std::min(DrawBitmap.width(), kLevels);
    for (int i = 0; i < shown; ++i)
        if (Levels[static_cast<std::size_t>(i)] > 0)
            copyStrip(i, 1, topFor(Levels[static_cast<std::size_t>(i)]));
}

void TMiniSpectrum::drawBars() {
    const int shown = std::min(DrawBitmap.width(), kLevels);
    float loudest = 0.0f;
    for (int i = 0; i < shown; ++i) {
        loudest = std::max(loudest, Levels[static_cast<std::size_t>(i)]);
        if (i % kStripWidth != kStripWidth - 1)
            continue;
        if (loudest > 0)
            copyStrip(i, kStripWidth, topFor(loudest));
        loudest = 0.0f;
    }
}

void TMiniSpectrum::copyStrip(int x, int width, int top) {
    const int bottom = DrawBitmap.height();
    const int sourceRows = kStripHeight - top;
    for (int y = top; y < bottom; ++y) {
        const int row = sourceRows > 0 ? top + (y - top) * sourceRows / (bottom - top) : kStripHeight - 1;
        for (int column = 0; column < width; ++column)
            DrawBitmap.setPixel(x + column, y, BarStrip.pixel(column, row));
    }
}

} // namespace kavrel::engine
