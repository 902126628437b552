#pragma once
// The letter classes the library uses to split artists into the Russian and English panels.
#include <optional>
#include <string_view>

namespace kavrel::text {

// U+0410..U+044F (А..я), exactly the Windows-1251 bytes 0xC0..0xFF; Ё and ё are not in the class.
constexpr bool isCyrillicLetter(char32_t c) { return c >= 0x0410 && c <= 0x044F; }
constexpr bool isLatinLetter(char32_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

enum class LetterClass { Cyrillic, Latin };
// The class of the first Cyrillic or Latin letter of the text; nullopt when it has neither.
std::optional<LetterClass> firstLetterClass(std::string_view utf8);

} // namespace kavrel::text
