#pragma once
// The main window's layout as a table of named integer rectangles. The table is the only record of where
// a control is: values may go negative, and nothing is ever read back from a widget.
#include "ui/layout/main_window_controls.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace kavrel::ui::layout {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const Rect&) const = default;
};

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

enum class Control : int {
#define KAVREL_CONTROL_ENUM(name, l, t, w, h) name,
    KAVREL_MAIN_WINDOW_CONTROLS(KAVREL_CONTROL_ENUM)
#undef KAVREL_CONTROL_ENUM
};

inline constexpr std::size_t kControlCount = 0
#define KAVREL_CONTROL_COUNT(name, l, t, w, h) +1
    KAVREL_MAIN_WINDOW_CONTROLS(KAVREL_CONTROL_COUNT)
#undef KAVREL_CONTROL_COUNT
    ;

std::string_view controlName(Control control);
std::optional<Control> controlNamed(std::string_view name);

class LayoutTable {
public:
    // The built-in layout.
    LayoutTable();

    Rect& operator[](Control control) { return rects_[static_cast<std::size_t>(control)]; }
    const Rect& operator[](Control control) const { return rects_[static_cast<std::size_t>(control)]; }
    bool operator==(const LayoutTable&) const = default;

private:
    std::array<Rect, kControlCount> rects_;
};

} // namespace kavrel::ui::layout
