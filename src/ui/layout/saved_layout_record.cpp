#include "ui/layout/saved_layout_record.h"

namespace kavrel::ui::layout {

SavedLayout savedLayoutOf(const core::TConfRecord& r) {
    return {r.ExtraWidth,
            r.ExtraHeight,
            {r.WindowLeft, r.WindowTop},
            {r.NormalLeft, r.NormalTop, r.NormalWidth, r.NormalHeight},
            r.FullScreen};
}

void storeSavedLayout(const SavedLayout& s, core::TConfRecord& r) {
    r.ExtraWidth = s.extraWidth;
    r.ExtraHeight = s.extraHeight;
    r.WindowLeft = s.position.x;
    r.WindowTop = s.position.y;
    r.NormalLeft = s.normal.left;
    r.NormalTop = s.normal.top;
    r.NormalWidth = s.normal.width;
    r.NormalHeight = s.normal.height;
    r.FullScreen = s.fullScreen;
}

} // namespace kavrel::ui::layout
