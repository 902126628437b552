// Skin pictures are files the user may replace: the decoder must turn any bytes into a picture or an
// error message, without crashing, hanging or reading out of bounds.
#include "ui/skin/jpeg_picture.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const kavrel::ui::skin::DecodedPicture picture = kavrel::ui::skin::decodeJpeg(data, size);
    // Exactly one of the two is set.
    if (picture.image.isNull() == picture.error.empty())
        std::abort();
    return 0;
}
