#include "ui/layout/screen_placement.h"

#include "platform/text/numbers.h"

#include <algorithm>

namespace kavrel::ui::layout {

Point centredOn(const Rect& screen, int width, int height) {
    return {screen.left + int(text::roundHalfEven((screen.width - width) / 2.0)),
            screen.top + int(text::roundHalfEven((screen.height - height) / 2.0))};
}

bool isReachable(const Rect& window, std::span<const Rect> screens) {
    const int needWidth = std::min(window.width, kReachableWidth);
    const int needHeight = std::min(window.height, kReachableHeight);
    return std::any_of(screens.begin(), screens.end(), [&](const Rect& screen) {
        const int width = std::min(window.right(), screen.right()) - std::max(window.left, screen.left);
        const int height = std::min(window.bottom(), screen.bottom()) - std::max(window.top, screen.top);
        return width >= needWidth && height >= needHeight && width > 0 && height > 0;
    });
}

Point reachablePosition(Point saved, int width, int height, std::span<const Rect> screens,
                        const Rect& primary) {
    if (screens.empty() || isReachable({saved.x, saved.y, width, height}, screens))
        return saved;
    return centredOn(primary, width, height);
}

} // namespace kavrel::ui::layout
