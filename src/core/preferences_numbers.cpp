#include "core/preferences_numbers.h"

#include "platform/text/numbers.h"

#include <algorithm>

namespace kavrel::core {

namespace {

constexpr double kMaxPercent = 100.0;
constexpr std::int64_t kNightVolumeMax = 100;

int clampUpDown(std::int64_t position) {
    return static_cast<int>(std::clamp<std::int64_t>(position, 0, kShareUpDownMax));
}

} // namespace

bool isNumberText(std::string_view text) {
    return text::parseLenientNumber(text).has_value();
}

bool shareEditAccepts(char32_t typed) {
    return (typed >= U'0' && typed <= U'9') || typed == U'\b' || typed == U'\r' || typed == U'\n' ||
           typed == U',' || typed == U'.';
}

std::optional<ShareEdit> leaveShareEdit(std::string_view text) {
    const std::optional<double> percent = text::parseLenientNumber(text);
    if (!percent)
        return std::nullopt;
    const int upDown = clampUpDown(text::roundHalfEven(std::min(*percent, kMaxPercent) * 10.0));
    return ShareEdit{sharePercentText(upDown), upDown};
}

ShareEdit stepShare(int upDown, int direction) {
    const int position = clampUpDown(std::int64_t{upDown} + (direction > 0 ? 1 : -1));
    return {sharePercentText(position), position};
}

int shareUpDownOf(std::string_view text) {
    const std::optional<double> percent = text::parseLenientNumber(text);
    return percent ? clampUpDown(text::roundHalfEven(*percent * 10.0)) : 0;
}

std::string sharePercentText(int upDown) {
    const int position = clampUpDown(upDown);
    std::string text = std::to_string(position / 10);
    if (position % 10 != 0)
        text += "." + std::to_string(position % 10);
    return text;
}

std::string stepNightVolume(std::string_view text, int direction) {
    const std::int64_t volume = text::roundHalfEven(text::parseLenientNumber(text).value_or(0.0));
    return std::to_string(std::clamp<std::int64_t>(volume + (direction > 0 ? 1 : -1), 0, kNightVolumeMax));
}

} // namespace kavrel::core
