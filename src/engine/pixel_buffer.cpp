#include "engine/pixel_buffer.h"

#include <algorithm>
#include <cstddef>

namespace kavrel::engine {

PixelBuffer::PixelBuffer(int width, int height, Colour fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

Colour PixelBuffer::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                   static_cast<std::size_t>(x)];
}

void PixelBuffer::fill(Colour colour) {
    std::fill(pixels_.begin(), pixels_.end(), colour);
}

void PixelBuffer::setPixel(int x, int y, Colour colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] =
        colour;
}

void PixelBuffer::fillRect(int left, int top, int right, int bottom, Colour colour) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width_);
    bottom = std::min(bottom, height_);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                    static_cast<std::size_t>(x)] = colour;
}

void PixelBuffer::horizontalLine(int x0, int x1, int y, Colour colour) {
    if (x1 < x0)
        fillRect(x1 + 1, y, x0 + 1, y + 1, colour);
    else
        fillRect(x0, y, x1, y + 1, colour);
}

void PixelBuffer::verticalLine(int x, int y0, int y1, Colour colour) {
    if (y1 < y0)
        fillRect(x, y1 + 1, x + 1, y0 + 1, colour);
    else
        fillRect(x, y0, x + 1, y1, colour);
}

void PixelBuffer::copyFrom(const PixelBuffer& source, int x, int y) {
    for (int row = 0; row < source.height(); ++row)
        for (int column = 0; column < source.width(); ++column)
            setPixel(x + column, y + row, source.pixel(column, row));
}

} // namespace kavrel::engine
