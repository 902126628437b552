#pragma once
// The layout fields of the configuration record, as the layout model keeps them, and back.
#include "core/conf_record.h"
#include "ui/layout/main_window_layout.h"

namespace kavrel::ui::layout {

SavedLayout savedLayoutOf(const core::TConfRecord& settings);
void storeSavedLayout(const SavedLayout& saved, core::TConfRecord& settings);

} // namespace kavrel::ui::layout
