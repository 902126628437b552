#include "ui/controls/scroller_math.h"

#include "platform/text/numbers.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdlib>

namespace kavrel::ui::scroller {

namespace {

// A pointer far outside a long track can ask for a value beyond int; it saturates instead of wrapping.
int saturated(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

} // namespace

int clampPosition(int value, int min, int max) {
    if (value < 0)
        value = 0;
    if (value > max)
        value = max;
    if (value < min)
        value = min;
    return value;
}

int thumbOffset(int position, int min, int max, int span) {
    if (!(min < position) || span <= 0)
        return 0;
    // Position is then at most max, so the range is never empty here.
    const double range = std::abs(static_cast<double>(max) - static_cast<double>(min));
    const double fraction = (static_cast<double>(position) - static_cast<double>(min)) / range;
    return static_cast<int>(text::roundHalfEven(fraction * span));
}

std::optional<int> positionAtOffset(int offset, int min, int max, int span) {
    if (span <= 0)
        return std::nullopt;
    const double range = std::abs(static_cast<double>(max) - static_cast<double>(min));
    return saturated(text::roundHalfEven(static_cast<double>(offset) / span * range) + min);
}

std::optional<int> trackJumpPosition(int max, int trackLength, int pointer) {
    if (trackLength <= 0)
        return std::nullopt;
    return saturated(text::roundHalfEven(static_cast<double>(max) / trackLength * pointer));
}

std::string thumbText(int position, double scale, bool roundToInteger) {
    if (scale == 0)
        return text::formatDuration(static_cast<std::int64_t>(position) * 1000);
    const double scaled = position * scale;
    if (roundToInteger)
        return std::to_string(text::roundHalfEven(scaled));
    // Fifteen significant digits hide the binary noise of the scale (3 x 0.1 reads "0.3"); to_chars keeps
    // "." whatever the user's locale.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, scaled, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

} // namespace kavrel::ui::scroller
