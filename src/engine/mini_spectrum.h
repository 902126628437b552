#pragma once
// TMiniSpectrum: the FMOD engine's spectrum strip. Each paint pulls FMOD's own spectrum, folds it into 128
// levels and draws them with a red-to-yellow bar strip into its own picture, which the window copies in one
// block. Disabled, it shows "Click for spectrum" instead; the enabled flag also switches FMOD's FFT unit.
// The drawing is plain; only the text goes through a seam the window provides.
//
// Threads: main thread only.
#include "engine/pixel_buffer.h"
#include "platform/fmod/fmod.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

namespace kavrel::engine {

// Draws text for the control; the window implements it with its fonts.
class SpectrumText {
public:
    virtual ~SpectrumText() = default;
    // `text` in `colour`, centred horizontally and vertically in `target`, wrapped between words, each
    // character drawn as it is (no accelerator prefixes).
    virtual void DrawCentred(PixelBuffer& target, std::string_view text, Colour colour) = 0;
};

class TMiniSpectrum;

// The window's panel that holds the control (pnlSpectrum): Place makes the control its child, filling it.
class SpectrumPanel {
public:
    virtual ~SpectrumPanel() = default;
    virtual void Place(TMiniSpectrum& control) = 0;
};

class TMiniSpectrum {
public:
    static constexpr int kLevels = 128;
    static constexpr int kDefaultWidth = 248;
    static constexpr int kDefaultHeight = 17;
    static constexpr int kStripWidth = 4;
    static constexpr int kStripHeight = 17;
    static constexpr std::string_view kDisabledText = "Click for spectrum";

    // Created disabled, style 0, black, 248 x 17.
    explicit TMiniSpectrum(fmod::FmodLibrary& library);

    // One frame into DrawBitmap, then copied to `target` at (0, 0).
    void Paint(PixelBuffer& target, SpectrumText& text);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // 0 one-pixel columns, 1 four-pixel bars; a change clears Levels.
    std::uint8_t Style() const { return style_; }
    void SetStyle(std::uint8_t style);
    // DrawBitmap takes the new size.
    void Resize(int width, int height);
    int Width() const { return DrawBitmap.width(); }
    int Height() const { return DrawBitmap.height(); }

    // Asks the window to paint the control again (it then calls Paint); nothing while none listens.
    void Invalidate();
    void SetInvalidateHandler(std::function<void()> handler) { invalidate_ = std::move(handler); }

    PixelBuffer BarStrip;
    PixelBuffer DrawBitmap;
    float Scale = 10.0f;
    Colour Color = 0;
    std::array<float, kLevels> Levels{};

private:
    void readLevels();
    void drawColumns();
    void drawBars();
    // Strip rows top .. kStripHeight - 1, `width` columns from the strip's left, stretched over rows
    // top .. bottom of DrawBitmap from column x.
    void copyStrip(int x, int width, int top);
    int topFor(float level) const;

    fmod::FmodLibrary& library_;
    bool enabled_ = false;
    std::uint8_t style_ = 0;
    std::function<void()> invalidate_;
};

} // namespace kavrel::engine
