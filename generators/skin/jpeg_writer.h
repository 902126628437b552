#pragma once
#include <QImage>

#include <string>

namespace kavrel::skin_art {

// A baseline JPEG (sequential, Huffman-coded, 8-bit) of the picture, without chroma subsampling so that
// thin coloured lines stay sharp.
std::string encodeBaselineJpeg(const QImage& picture, int quality = 95);

} // namespace kavrel::skin_art
