#pragma once
// The main window's controls as data: what kind of widget each entry of the layout table is, with its
// built-in caption and hint, and the widgets made from it, reached by their layout name.
#include "ui/layout/layout_table.h"

#include <QWidget>
#include <array>
#include <stdexcept>
#include <string_view>

namespace kavrel::ui {

enum class PartKind {
    Frame,        // a frame picture
    Header,       // a column header with its caption
    Strip,        // a header strip
    SortBy,       // a header's sort chooser
    TabFrame,     // the frame around the playlist tabs
    Tabs,         // a playlist tab picture
    ArtistHeader, // an artist column header loaded from the skin
    Button,       // an image button of the skin set
    List,         // an owner-drawn list (the playlist)
    LibraryList,  // an owner-drawn list over the library panels' rows
    ListScroller, // the vertical scroller beside a list
    Bar,          // the time or the volume bar
    Text,         // a time or size text
    Ticker,       // the scrolling title
    MarkTick,     // an A-B mark over the time bar
    CommandLine,  // the search and command line
    Analyser,     // the analyser's paint box
    Gauge,        // the library build's progress
    Panel,        // the panel of the second analyser kind
};

struct PartSpec {
    layout::Control control;
    PartKind kind;
    std::string_view caption = {};
    std::string_view hint = {};
};

const std::array<PartSpec, layout::kControlCount>& mainWindowParts();

// Parts the user clicks (image buttons, the sort choosers, headers with menus, tabs, the time texts).
bool isClickable(PartKind kind);

class MainWindowParts {
public:
    // Makes every part as a child of `window`, named after its control, stacked lists lowest, then the
    // frame, the headers, and the controls on top.
    explicit MainWindowParts(QWidget& window);

    QWidget* operator[](layout::Control control) const { return widgets_[static_cast<std::size_t>(control)]; }
    template <class T> T* get(layout::Control control) const {
        auto* widget = qobject_cast<T*>((*this)[control]);
        if (!widget)
            throw std::logic_error("main window part of another kind");
        return widget;
    }

private:
    std::array<QWidget*, layout::kControlCount> widgets_{};
};

} // namespace kavrel::ui
