#pragma once
#include <string_view>

namespace kavrel::test {

// Whether the bytes are a baseline JPEG: the first frame header is SOF0 (sequential, Huffman, 8-bit).
bool isBaselineJpeg(std::string_view bytes);

} // namespace kavrel::test
