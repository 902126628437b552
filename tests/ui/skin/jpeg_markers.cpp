#include "jpeg_markers.h"

namespace kavrel::test {

bool isBaselineJpeg(std::string_view bytes) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (bytes.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8)
        return false;
    std::size_t at = 2;
    while (at + 4 <= bytes.size() && byte(at) == 0xFF) {
        const unsigned char marker = byte(at + 1);
        const bool frameHeader =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frameHeader)
            return marker == 0xC0;
        at += 2 + (std::size_t(byte(at + 2)) << 8 | byte(at + 3));
    }
    return false;
}

} // namespace kavrel::test
