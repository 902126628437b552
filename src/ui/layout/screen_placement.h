#pragma once
// Where a skinned window goes on the desktop. Shared by every window that remembers its position (the
// main window, the mini player, the equalizer), so a position saved on a monitor that has since been
// unplugged never leaves a window where nobody can see or reach it.
#include "ui/layout/layout_table.h"

#include <span>

namespace kavrel::ui::layout {

// The top-left that centres a window of this size on the screen: round((screen - size) / 2), halves to even.
Point centredOn(const Rect& screen, int width, int height);

// How much of a window must lie on one screen for it to count as reachable: enough to see it and grab
// it, or all of it when it is smaller.
inline constexpr int kReachableWidth = 40;
inline constexpr int kReachableHeight = 20;

bool isReachable(const Rect& window, std::span<const Rect> screens);

// The saved top-left when the window is reachable there, else the window centred on the primary screen.
// With no screens known the saved place is kept.
Point reachablePosition(Point saved, int width, int height, std::span<const Rect> screens,
                        const Rect& primary);

} // namespace kavrel::ui::layout
