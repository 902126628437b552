#pragma once
// Skin pictures are baseline JPEG files decoded with libjpeg. Failures come back as the file system's or
// the decoder's own message, for the user to read.
#include <QImage>

#include <cstddef>
#include <filesystem>
#include <string>

namespace kavrel::ui::skin {

struct DecodedPicture {
    QImage image;      // null on failure
    std::string error; // empty on success
};

// Pictures beyond these are refused rather than decoded: no skin needs them, and a damaged header must not
// make the program allocate gigabytes.
inline constexpr int MaxPictureSide = 4096;
inline constexpr std::size_t MaxPictureFileBytes = 32u << 20;

DecodedPicture decodeJpeg(const unsigned char* data, std::size_t size);
DecodedPicture loadJpegFile(const std::filesystem::path& file);

} // namespace kavrel::ui::skin
