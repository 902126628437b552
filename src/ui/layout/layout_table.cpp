#include "ui/layout/layout_table.h"

namespace kavrel::ui::layout {

namespace {

struct Entry {
    std::string_view name;
    Rect place;
};

constexpr std::array<Entry, kControlCount> BuiltIn{{
#define KAVREL_CONTROL_ENTRY(name, l, t, w, h) {#name, {l, t, w, h}},
    KAVREL_MAIN_WINDOW_CONTROLS(KAVREL_CONTROL_ENTRY)
#undef KAVREL_CONTROL_ENTRY
}};

} // namespace

std::string_view controlName(Control control) {
    return BuiltIn[static_cast<std::size_t>(control)].name;
}

std::optional<Control> controlNamed(std::string_view name) {
    for (std::size_t i = 0; i < BuiltIn.size(); ++i)
        if (BuiltIn[i].name == name)
            return static_cast<Control>(i);
    return std::nullopt;
}

LayoutTable::LayoutTable() {
    for (std::size_t i = 0; i < BuiltIn.size(); ++i)
        rects_[i] = BuiltIn[i].place;
}

} // namespace kavrel::ui::layout
