#pragma once
// The number edits of the preferences: the five shuffle shares with their up-downs and the quick-play
// fragments. The texts are what the settings keep; the up-downs count tenths of a percent.
#include <optional>
#include <string>
#include <string_view>

namespace kavrel::core {

inline constexpr int kShareUpDownMax = 1000;

// A share edit's text and its up-down's position.
struct ShareEdit {
    std::string text;
    int upDown = 0;
    bool operator==(const ShareEdit&) const = default;
};

// True when the text reads as a number (the lenient reading of the settings: digits and the first
// point or comma; "12,5%" is 12.5). An empty text, or one without a digit, is none.
bool isNumberText(std::string_view text);

// A character typed into a share edit: digits, Backspace, Enter, comma and point pass.
bool shareEditAccepts(char32_t typed);

// Leaving a share edit. Nothing when the text holds no number (the previous value stays). Above 100 the
// edit shows 100; the up-down takes round(percent x 10), halves to even, and the text is given as that
// position reads, so the share the settings derive is exactly position / 1000.
std::optional<ShareEdit> leaveShareEdit(std::string_view text);

// One up-down click (direction +1 or -1) from `upDown`, within 0..1000.
ShareEdit stepShare(int upDown, int direction);

// The up-down for a share text when the page is shown: round(percent x 10), within 0..1000; 0 for a
// text that holds no number.
int shareUpDownOf(std::string_view text);

// The percentage an up-down position stands for, as the edit shows it: 10 -> "1", 5 -> "0.5".
std::string sharePercentText(int upDown);

// One up-down click on the night-mode volume, a whole percentage within 0..100: the text as it reads
// (rounded, halves to even; 0 when it holds no number), one up or down.
std::string stepNightVolume(std::string_view text, int direction);

} // namespace kavrel::core
