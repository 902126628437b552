#pragma once
// The arithmetic of the scrollers, kept apart from the widgets: value to thumb offset and back, the
// clamping order and the thumb text. Rounding is half-to-even throughout.
#include <optional>
#include <string>

namespace kavrel::ui::scroller {

// Below 0 first, then above max, then below min: -5 in -10..10 becomes 0.
int clampPosition(int value, int min, int max);

// Thumb offset along the track; span is the track length minus the thumb length.
int thumbOffset(int position, int min, int max, int span);

// The value a thumb offset stands for; nullopt when the thumb fills the track (span 0 or less), where the
// position must stay as it is.
std::optional<int> positionAtOffset(int offset, int min, int max, int span);

// A press on the horizontal track jumps to round(max / trackLength x pointer); nullopt on an empty track.
std::optional<int> trackJumpPosition(int max, int trackLength, int pointer);

// The text written on the thumb: a time ("01:05", "1:02:05") when scale is 0, otherwise position x scale,
// rounded to an integer or in its shortest decimal form.
std::string thumbText(int position, double scale, bool roundToInteger);

} // namespace kavrel::ui::scroller
