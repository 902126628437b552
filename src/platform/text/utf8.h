#pragma once
// UTF-8 text and the legacy 8-bit code pages. Standard C++ only, so the metadata readers may use it.
#include <cstddef>
#include <string>
#include <string_view>

namespace kavrel::text {

bool isValidUtf8(std::string_view bytes);

// The one rule for text read from outside: valid UTF-8 is kept as it is; anything else is legacy 8-bit
// text, Windows-1251 when it reads as Cyrillic (a run of three or more bytes 0xC0..0xFF, or no ASCII
// letter and at least one byte 0xC0..0xFF, 0xA8 or 0xB8), Windows-1252 otherwise. Returns UTF-8.
std::string decodeLegacyText(std::string_view bytes);

// The longest prefix that is well-formed UTF-8: it ends before the first malformed or cut-off sequence.
std::string_view validUtf8Prefix(std::string_view bytes);

// Text of a fixed-size field by the rule above, except that UTF-8 whose last character the field's end
// cut short (a well-formed start of a sequence, nothing else) loses only that character. Without a
// declared encoding the text must show another multi-byte character to count as UTF-8. Any other
// malformed byte makes the whole field legacy text.
std::string decodeFieldText(std::string_view bytes, bool declaredUtf8 = false);

std::string fromWindows1251(std::string_view bytes);
std::string fromWindows1252(std::string_view bytes);
// Converts UTF-16 code units; unpaired surrogates become U+FFFD.
std::string fromUtf16(std::u16string_view units);

void appendUtf8(std::string& out, char32_t codePoint);
// Decodes the code point at bytes[pos] and advances pos; malformed input yields U+FFFD and advances one byte.
char32_t nextCodePoint(std::string_view bytes, std::size_t& pos);

// At most maxBytes of text, cut only at a character boundary.
std::string truncateUtf8(std::string_view text, std::size_t maxBytes);

// CR, LF and NUL each become a blank, so a tag value always stays on one line.
std::string blankLineBreaks(std::string_view text);

} // namespace kavrel::text
