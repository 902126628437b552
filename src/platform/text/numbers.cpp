#include "platform/text/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace kavrel::text {

std::int64_t roundHalfEven(double value) {
    // Out-of-range and NaN inputs saturate instead of being undefined behaviour.
    constexpr double kLimit = 9.2e18;
    if (!(value > -kLimit))
        return value < 0 ? std::numeric_limits<std::int64_t>::min() : 0;
    if (value > kLimit)
        return std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(std::nearbyint(value));
}

std::optional<double> parseLenientNumber(std::string_view text) {
    std::string kept;
    bool separatorSeen = false;
    bool digitSeen = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            kept += c;
            digitSeen = true;
        } else if ((c == '.' || c == ',') && !separatorSeen) {
            kept += '.';
            separatorSeen = true;
        }
    }
    if (!digitSeen)
        return std::nullopt;
    double value = 0;
    const auto result = std::from_chars(kept.data(), kept.data() + kept.size(), value);
    if (result.ec != std::errc())
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> parseStrictInt(std::string_view text) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.front() == '+')
        return std::nullopt;
    std::int32_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string formatDuration(std::int64_t milliseconds) {
    const std::int64_t totalSeconds = roundHalfEven(static_cast<double>(milliseconds) / 1000.0);
    const std::int64_t days = totalSeconds / 86400;
    const std::int64_t hours = (totalSeconds % 86400) / 3600;
    const std::int64_t minutes = (totalSeconds % 3600) / 60;
    const std::int64_t seconds = totalSeconds % 60;
    auto twoDigits = [](std::int64_t n) { return (n < 10 && n >= 0 ? "0" : "") + std::to_string(n); };
    std::string out;
    if (days > 0)
        out += std::to_string(days) + ":";
    if (hours > 0)
        out += std::to_string(hours) + ":";
    return out + twoDigits(minutes) + ":" + twoDigits(seconds);
}

std::string formatDuration(std::string_view millisecondsText) {
    std::int64_t milliseconds = 0;
    const auto* end = millisecondsText.data() + millisecondsText.size();
    const auto result = std::from_chars(millisecondsText.data(), end, milliseconds);
    if (millisecondsText.empty() || result.ec != std::errc() || result.ptr != end)
        return "00:00";
    return formatDuration(milliseconds);
}

} // namespace kavrel::text
