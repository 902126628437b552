#pragma once
// An off-screen 24-bit picture that the drawers of the engine layer paint into; a window copies it to the
// screen in one block. Colours are 0x00BBGGRR (red in the low byte). Every drawing call clips to the picture.
#include <cstdint>
#include <vector>

namespace kavrel::engine {

using Colour = std::uint32_t;

class PixelBuffer {
public:
    PixelBuffer(int width, int height, Colour fill = 0);

    int width() const { return width_; }
    int height() const { return height_; }
    Colour pixel(int x, int y) const;
    const std::vector<Colour>& pixels() const { return pixels_; }

    void fill(Colour colour);
    // Columns x0 .. x1 - 1 of row y, the last point left out as a drawn line leaves it.
    void horizontalLine(int x0, int x1, int y, Colour colour);
    // Rows from y0 towards y1 of column x, y1 left out.
    void verticalLine(int x, int y0, int y1, Colour colour);
    // Columns left .. right - 1, rows top .. bottom - 1.
    void fillRect(int left, int top, int right, int bottom, Colour colour);
    void setPixel(int x, int y, Colour colour);
    // Copies `source` with its top-left corner at (x, y).
    void copyFrom(const PixelBuffer& source, int x, int y);

private:
    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

} // namespace kavrel::engine
