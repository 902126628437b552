#pragma once
// Numbers as the program reads and shows them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kavrel::text {

// Round to nearest, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
std::int64_t roundHalfEven(double value);

// Keeps the digits and the first "." or "," (the decimal separator) and ignores every other character:
// "12,5%" reads 12.5. nullopt when no digit remains.
std::optional<double> parseLenientNumber(std::string_view text);

// A clean decimal integer with an optional sign and no other character; nullopt otherwise or on overflow.
std::optional<std::int32_t> parseStrictInt(std::string_view text);

// Milliseconds as "m:ss" with optional day and hour parts: s = round(ms / 1000), minutes and seconds two
// digits, "d:" when days > 0, "h:" when hours > 0 (unpadded).
std::string formatDuration(std::int64_t milliseconds);
// The same for a milliseconds text: empty or unparsable text gives "00:00".
std::string formatDuration(std::string_view millisecondsText);

} // namespace kavrel::text
