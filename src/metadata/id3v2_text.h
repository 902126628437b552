#pragma once
// Decoding the raw data of an ID3v2 text frame (first byte: the text encoding) into trimmed UTF-8.
#include <string>
#include <string_view>

namespace kavrel::metadata {

// Encoding 0 (and any byte not a known encoding): the bytes trimmed and read by the legacy text rule
// (UTF-8 stays, else Windows-1251/1252); 1: UTF-16 with byte-order mark (little-endian without one);
// 2: UTF-16 big-endian; 3: UTF-8. UTF-16 stops at the first zero unit; byte-order marks are dropped.
std::string decodeId3v2Text(std::string_view raw);

// A frame with a content descriptor before its text (comment: encoding, 3-character language,
// descriptor, text; user link: encoding, descriptor, text). The descriptor is dropped.
std::string decodeId3v2DescribedText(std::string_view raw, bool hasLanguage);

} // namespace kavrel::metadata
